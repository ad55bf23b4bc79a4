#include "app/ProjectResults.h"

#include "app/Workspace.h"

namespace kelca {

void ClearProjectResults(Workspace& ws) {
  ws.EnergyFiles = EnergyFileNames{};
  ws.PlantFiles = PlantFileNames{};
  ws.ACEnergy = AnnualACEnergy{};
  ws.ZoneElec = ZoneElecEnergy{};
  ws.EnergyUse = EnergyUseSummary{};
  for (GasSystem& gas : ws.NonAC.TownGas.System) gas.AnnualUse = 0;  // the town gas results, not the inputs
  ws.Results = LcaResultSet{};
  ws.Cases = ResultCases{};
}

}  // namespace kelca
