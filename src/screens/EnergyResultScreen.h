#pragma once
// The confirmation of the annual operating energy: the six predicted (or last
// confirmed) values beside the cells of the values to use, the copy buttons,
// and "Confirm and Exit", which stores the cells in EnergyUseSummary. The
// form stores typed cells in Cells.Confirmed before each command.
#include "common/Prompts.h"
#include "plant/EnergyConfirmation.h"

namespace kelca {

struct Workspace;

// cmdChgTo index of "Copy All to ->"; 0..5 copy one row.
constexpr int kCopyAllRows = kEnergyUseEntries;

class EnergyResultScreen {
 public:
  // Opening: the current values as text, the cells to confirm empty.
  EnergyResultScreen(Workspace& ws, Prompts& prompts);

  void Copy(int button);  // cmdChgTo(0..6)
  // cmdOkay: true when the values were stored and the screen closes; an empty
  // cell is refused with "Missing confirmed energy use value(s)".
  bool Confirm();

  EnergyConfirmation Cells;  // Predicted: txtAEC; Confirmed: txtAAEC

 private:
  Workspace& ws_;
  Prompts& prompts_;
};

}  // namespace kelca
