#pragma once
// Discounting of future costs over the 50-year assessment period. Rates are
// fractions (5 % per annum is 0.05).
namespace kelca {

struct DiscountRates {
  float Interest = 0;    // nominal interest rate, i
  float Inflation = 0;   // inflation rate, f
  float Escalation = 0;  // energy price escalation rate, e
};

// The rates of the cost parameters (% per annum).
DiscountRates RatesFromPercent(float interestPercent, float inflationPercent, float escalationPercent);

// The real discount factor of a cost in year t: 1 / ((1 + i) / (1 + f))^t.
float DiscountFactor(const DiscountRates& rates, float t);
// The sum of DiscountFactor(k * life) for k = 1..n: the present value of n replacements.
float ReplacementDiscountSum(const DiscountRates& rates, float life, long long n);
// The present value of 50 years of energy bought at today's price, with
// r = (1 + i) / (1 + f) - 1: 50 when |i - e| < 0.0001, else
// (1 + e) / (r - e) * (1 - ((1 + e) / (1 + r))^50), whose limit at r = e is 50.
float EnergyPresentValueFactor(const DiscountRates& rates);
// The replacement count of a material with the given life (years, limited to
// +-50): the times 1 can be taken from 50 / |L| - 1 while it stays above 0.
long long ReplacementCount(float life);

}  // namespace kelca
