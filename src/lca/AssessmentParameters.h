#pragma once
// The factors that turn results into one score and discount future costs:
// weighting and normalisation factors, cost parameters and energy prices.
// Each table exists as the fixed defaults, the current values (used by every
// calculation) and the user's values (edited, loaded and saved).
#include <array>

#include "common/Status.h"

namespace kelca {

constexpr int kWeightEntries = 11;    // 0 the cost weight, 1..10 the impact categories
constexpr int kCostParamEntries = 3;  // nominal interest, inflation, energy price escalation (% p.a.)
constexpr int kEnergyPriceEntries = 2;
constexpr int kElectricityPrice = 0;  // ZQ$/kWh
constexpr int kTownGasPrice = 1;      // ZQ$/MJ
constexpr float kKWhPerTJ = 277778;

using WeightFactors = std::array<float, kWeightEntries>;
using NormFactors = std::array<float, kWeightEntries>;  // impact of 1 TJ of electricity; index 0 is 1
using CostParams = std::array<float, kCostParamEntries>;
using EnergyPrices = std::array<float, kEnergyPriceEntries>;

struct AssessmentParameters {
  WeightFactors DefaultWeights{}, CurrentWeights{}, UserWeights{};
  NormFactors DefaultNorms{}, CurrentNorms{};  // the user cannot change them
  CostParams DefaultCost{}, CurrentCost{}, UserCost{};
  EnergyPrices DefaultPrices{}, CurrentPrices{}, UserPrices{};

  bool ParamsChanged = false;  // an edited value differs from its current value
  bool WgtOptDefault = false;  // "Default Values" chosen last on the weighting screen
  bool WgtOptUser = false;     // "User Defined Values" chosen last
};

// Fills the defaults and copies them into the current and user values (start-up).
void SetDefaultParameters(AssessmentParameters& params);

// The cost expressed as the TJ of electricity it would buy, times the cost
// weight. A price that is not above 0 gives 0 rather than an infinite score.
float WeightedCostScore(float cost, const WeightFactors& weights, const EnergyPrices& prices);

// An electricity price must be above 0; the message says so when it is not.
Status CheckElectricityPrice(float price);

}  // namespace kelca
