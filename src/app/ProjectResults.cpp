#include "app/ProjectResults.h"

#include "app/Workspace.h"

namespace kelca {

void ClearProjectResults(Workspace& ws) {
  ws.EnergyUse = EnergyUseSummary{};
}

}  // namespace kelca
