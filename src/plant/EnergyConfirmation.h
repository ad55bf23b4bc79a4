#pragma once
// The confirmation of the annual energy per service: the predicted (or last
// confirmed) values are shown as text beside empty cells; the user copies or
// types the values to use, and confirming stores them in EnergyUseSummary.
#include <array>
#include <string>

#include "common/Status.h"
#include "plant/EnergyHandover.h"

namespace kelca {

struct EnergyConfirmation {
  std::array<std::string, kEnergyUseEntries> Predicted;  // the current values as text
  std::array<std::string, kEnergyUseEntries> Confirmed;  // empty on opening
};

// The row labels of the six values.
const char* EnergyUseLabel(int index);

EnergyConfirmation OpenEnergyConfirmation(const EnergyUseSummary& summary);
// "Copy to ->" of one row (0..5); "Copy All to ->".
void CopyPredictedValue(EnergyConfirmation& form, int row);
void CopyAllPredictedValues(EnergyConfirmation& form);
// "Confirm and Exit": refused with "Missing confirmed energy use value(s)" while
// a cell is empty (nothing is stored); else every cell's number (text without
// a leading number gives 0) is stored.
Status ConfirmEnergyUse(const EnergyConfirmation& form, EnergyUseSummary& summary);

}  // namespace kelca
