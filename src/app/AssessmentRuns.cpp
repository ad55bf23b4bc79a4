#include "app/AssessmentRuns.h"

#include "app/Workspace.h"

namespace kelca {
namespace {

// Group, component and element files are read from the project folder, or
// from the current folder while the project has none.
CalculationOutcome Run(RunMode mode, Workspace& ws, ProgressSink& progress) {
  const CalculationInputs in{ws.Project, ws.Selection, ws.Materials, ws.Db, ws.Params, ws.EnergyUse, ws.NonAC,
                             ws.Project.ProjDir.empty() ? ws.CurrentFolder : ws.Project.ProjDir};
  return RunCalculation(mode, in, ws.Results, progress);
}

}  // namespace

CalculationOutcome RunImpactCalculation(Workspace& ws, ProgressSink& progress) {
  return Run(RunMode::Impact, ws, progress);
}

CalculationOutcome RunCostCalculation(Workspace& ws, ProgressSink& progress) {
  return Run(RunMode::Cost, ws, progress);
}

std::string NoOperatingEnergyNotice(const EnergyUseSummary& energy) {
  for (int portion = 0; portion < kSerPortions; ++portion) {
    if (energy.Value[portion] != 0) return "";
  }
  return "   No confirmed operating energy: no electricity in the \"Operating (Energy)\" stage";
}

}  // namespace kelca
