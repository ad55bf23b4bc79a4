#include "plant/EnergyConfirmation.h"

#include "common/Numbers.h"

namespace kelca {

const char* EnergyUseLabel(int index) {
  static constexpr const char* kLabels[kEnergyUseEntries] = {
      "HVAC (kWh)",          "Elec and Lighting (kWh)",     "Fire Services (kWh)",
      "Lifts and Escalators (kWh)", "Plumbing and Drainage (kWh)", "Systems using Town Gas (MJ)*"};
  return kLabels[index];
}

EnergyConfirmation OpenEnergyConfirmation(const EnergyUseSummary& summary) {
  EnergyConfirmation form;
  for (int i = 0; i < kEnergyUseEntries; ++i) form.Predicted[i] = FormatSingle(summary.Value[i]);
  return form;
}

void CopyPredictedValue(EnergyConfirmation& form, int row) {
  if (row >= 0 && row < kEnergyUseEntries) form.Confirmed[row] = form.Predicted[row];
}

void CopyAllPredictedValues(EnergyConfirmation& form) { form.Confirmed = form.Predicted; }

Status ConfirmEnergyUse(const EnergyConfirmation& form, EnergyUseSummary& summary) {
  for (const std::string& cell : form.Confirmed) {
    if (cell.empty()) return Status::Error("Missing confirmed energy use value(s)");
  }
  for (int i = 0; i < kEnergyUseEntries; ++i) summary.Value[i] = static_cast<float>(Val(form.Confirmed[i]));
  return Status::Ok();
}

}  // namespace kelca
