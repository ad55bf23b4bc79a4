#include "screens/CostParameterScreen.h"

#include "common/ValueBoxes.h"

namespace kelca {

const std::array<std::string, kCostParamEntries>& CostParamCaptions() {
  static const std::array<std::string, kCostParamEntries> captions{"Nominal Interest Rate (% per annum)",
                                                                   "Inflation Rate (% per annum)",
                                                                   "Energy Price Escalation Rate (% per annum)"};
  return captions;
}

const std::array<std::string, kEnergyPriceEntries>& EnergyPriceCaptions() {
  static const std::array<std::string, kEnergyPriceEntries> captions{"Price of Electricity (ZQ$/kWh)",
                                                                     "Price of Town Gas (ZQ$/MJ)"};
  return captions;
}

CostScreenModel::CostScreenModel(AssessmentParameters& params) : params_(params) {
  if (params_.WgtOptUser) {
    Option = kUserOption;
  } else if (params_.WgtOptDefault) {
    Option = kDefaultOption;
  }
  Show(params_.CurrentCost, params_.CurrentPrices);
}

void CostScreenModel::Show(const CostParams& cost, const EnergyPrices& prices) {
  ShowValues(CostBoxes, cost);
  ShowValues(PriceBoxes, prices);
}

void CostScreenModel::ChooseDefaultValues() {
  Show(params_.DefaultCost, params_.DefaultPrices);
  Option = kDefaultOption;
}

void CostScreenModel::ChooseUserValues() {
  Show(params_.UserCost, params_.UserPrices);
  Option = kUserOption;
}

bool CostScreenModel::Confirm(Prompts& prompts) {
  const CostParams cost = BoxValues(CostBoxes);
  const EnergyPrices prices = BoxValues(PriceBoxes);
  if (Status price = CheckElectricityPrice(prices[kElectricityPrice]); !price) {
    prompts.Message(price.message);
    return false;
  }
  params_.UserCost = cost;
  params_.UserPrices = prices;
  if (cost != params_.CurrentCost || prices != params_.CurrentPrices) params_.ParamsChanged = true;
  return true;
}

}  // namespace kelca
