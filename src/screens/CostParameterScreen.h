#pragma once
// What the cost parameter screen does, opened from the weighting screen: the
// form shows the box texts and the option held here and forwards its commands.
#include <array>
#include <string>

#include "common/Prompts.h"
#include "lca/AssessmentParameters.h"
#include "screens/WeightingScreen.h"

namespace kelca {

const std::array<std::string, kCostParamEntries>& CostParamCaptions();
const std::array<std::string, kEnergyPriceEntries>& EnergyPriceCaptions();

class CostScreenModel {
 public:
  // Opening: the option last chosen on the weighting screen is marked; the
  // boxes show the current cost parameters and prices.
  explicit CostScreenModel(AssessmentParameters& params);

  void ChooseDefaultValues();  // Option1
  void ChooseUserValues();     // Option2
  // Command1 (OK): true when the screen closes. A price of electricity that is
  // not above 0 is refused with a message and the screen stays open.
  bool Confirm(Prompts& prompts);

  std::array<std::string, kCostParamEntries> CostBoxes;     // txtCostPara
  std::array<std::string, kEnergyPriceEntries> PriceBoxes;  // txtEgyPrice
  ValueOption Option = kNoOption;

 private:
  void Show(const CostParams& cost, const EnergyPrices& prices);
  AssessmentParameters& params_;
};

}  // namespace kelca
