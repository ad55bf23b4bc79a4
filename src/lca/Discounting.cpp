#include "lca/Discounting.h"

#include <cmath>

#include "lca/LcaResults.h"

namespace kelca {

DiscountRates RatesFromPercent(float interestPercent, float inflationPercent, float escalationPercent) {
  return {interestPercent / 100, inflationPercent / 100, escalationPercent / 100};
}

namespace {
float RealGrowth(const DiscountRates& rates) { return (1 + rates.Interest) / (1 + rates.Inflation); }
}  // namespace

float DiscountFactor(const DiscountRates& rates, float t) {
  return 1 / static_cast<float>(std::pow(static_cast<double>(RealGrowth(rates)), static_cast<double>(t)));
}

// Up to this many replacements the factors are added one by one; beyond it
// (lives of a few hours) the geometric series is summed in closed form.
constexpr long long kReplacementsSummedSingly = 100000;

float ReplacementDiscountSum(const DiscountRates& rates, float life, long long n) {
  const float period = std::fabs(life);
  if (n <= kReplacementsSummedSingly) {
    float sum = 0;
    for (long long k = 1; k <= n; ++k) sum += DiscountFactor(rates, static_cast<float>(k) * period);
    return sum;
  }
  const double a = 1 / std::pow(static_cast<double>(RealGrowth(rates)), static_cast<double>(period));
  if (a == 1) return static_cast<float>(n);
  return static_cast<float>(a * (1 - std::pow(a, static_cast<double>(n))) / (1 - a));
}

float EnergyPresentValueFactor(const DiscountRates& rates) {
  const float i = rates.Interest, e = rates.Escalation;
  if (std::fabs(i - e) < 0.0001f) return kAssessmentYears;
  const float r = RealGrowth(rates) - 1;
  // (1 - x^50) with x = (1 + e) / (1 + r) is taken as -expm1(50 log1p((e - r) / (1 + r))),
  // which stays accurate when r is close to e; the factor tends to 50 there.
  const double d = static_cast<double>(r) - static_cast<double>(e);
  if (d == 0) return kAssessmentYears;
  const double x = (1 + static_cast<double>(e)) / (1 + static_cast<double>(r));
  const double oneMinusPower = x > 0 ? -std::expm1(kAssessmentYears * std::log1p(-d / (1 + static_cast<double>(r))))
                                     : 1 - std::pow(x, kAssessmentYears);
  return static_cast<float>((1 + static_cast<double>(e)) / d * oneMinusPower);
}

long long ReplacementCount(float life) {
  const float limited = std::fabs(life) > kAssessmentYears ? kAssessmentYears : std::fabs(life);
  if (limited == 0) return 0;
  const float r = kAssessmentYears / limited - 1;
  if (!(r > 0)) return 0;
  constexpr double kMostReplacements = 1e15;  // lives far below a second
  return static_cast<long long>(std::ceil(std::fmin(static_cast<double>(r), kMostReplacements)));
}

}  // namespace kelca
