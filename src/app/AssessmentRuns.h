#pragma once
// The main window's Calculate Life Cycle Impact and Calculate Life Cycle Cost:
// the impact and cost calculation over the open project's tables.
#include "common/Progress.h"
#include "lca/LcaCalculation.h"

namespace kelca {

struct Workspace;

CalculationOutcome RunImpactCalculation(Workspace& ws, ProgressSink& progress);
CalculationOutcome RunCostCalculation(Workspace& ws, ProgressSink& progress);

}  // namespace kelca
