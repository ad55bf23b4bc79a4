#include "app/ProjectResults.h"

#include "app/Workspace.h"

namespace kelca {

void ClearProjectResults(Workspace& ws) {
  ws.EnergyFiles = EnergyFileNames{};
  ws.ACEnergy = AnnualACEnergy{};
  ws.ZoneElec = ZoneElecEnergy{};
  ws.EnergyUse = EnergyUseSummary{};
}

}  // namespace kelca
