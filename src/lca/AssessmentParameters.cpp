#include "lca/AssessmentParameters.h"

#include <cmath>

namespace kelca {

void SetDefaultParameters(AssessmentParameters& params) {
  params.DefaultWeights = {0.55556f, 0.13f, 0.3f, 0.0475f, 0.095f, 0.095f, 0.095f, 0.095f, 0.0475f, 0.0475f, 0.0475f};
  params.DefaultNorms = {1, 1480, 197000, 0.0204f, 77800, 15100, 1.98e8f, 551, 41.1f, 1050, 65.9f};
  params.DefaultCost = {5, 3, 2};
  params.DefaultPrices = {0.92f, 0.21f};

  params.CurrentWeights = params.UserWeights = params.DefaultWeights;
  params.CurrentNorms = params.DefaultNorms;
  params.CurrentCost = params.UserCost = params.DefaultCost;
  params.CurrentPrices = params.UserPrices = params.DefaultPrices;
  params.ParamsChanged = params.WgtOptDefault = params.WgtOptUser = false;
}

float WeightedCostScore(float cost, const WeightFactors& weights, const EnergyPrices& prices) {
  const float price = prices[kElectricityPrice];
  if (!(price > 0)) return 0;
  const float score = cost * weights[0] / (price * kKWhPerTJ);
  return std::isfinite(score) ? score : 0;
}

Status CheckElectricityPrice(float price) {
  if (price > 0 && std::isfinite(price)) return Status::Ok();
  return Status::Error("The Price of Electricity (ZQ$/kWh) must be above 0!");
}

}  // namespace kelca
