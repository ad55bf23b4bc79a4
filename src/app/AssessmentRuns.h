#pragma once
// The main window's Calculate Life Cycle Impact and Calculate Life Cycle Cost:
// the impact and cost calculation over the open project's tables.
#include <string>

#include "common/Progress.h"
#include "lca/LcaCalculation.h"

namespace kelca {

struct Workspace;

CalculationOutcome RunImpactCalculation(Workspace& ws, ProgressSink& progress);
CalculationOutcome RunCostCalculation(Workspace& ws, ProgressSink& progress);

// The status line of a run that found no confirmed operating energy (the
// electricity of every services portion 0), so that its empty "Operating
// (Energy)" stage is not taken for a result; "" when there is energy.
std::string NoOperatingEnergyNotice(const EnergyUseSummary& energy);

}  // namespace kelca
