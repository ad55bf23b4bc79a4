#include "screens/EnergyResultScreen.h"

#include "app/Workspace.h"

namespace kelca {

EnergyResultScreen::EnergyResultScreen(Workspace& ws, Prompts& prompts)
    : Cells(OpenEnergyConfirmation(ws.EnergyUse)), ws_(ws), prompts_(prompts) {}

void EnergyResultScreen::Copy(int button) {
  if (button == kCopyAllRows) {
    CopyAllPredictedValues(Cells);
  } else {
    CopyPredictedValue(Cells, button);
  }
}

bool EnergyResultScreen::Confirm() {
  const Status stored = ConfirmEnergyUse(Cells, ws_.EnergyUse);
  if (!stored) prompts_.Message(stored.message);
  return stored.ok;
}

}  // namespace kelca
