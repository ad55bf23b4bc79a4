#pragma once
// What every part of the hourly plant model shares: the outdoor state of the
// hour and the rule by which units of one kind are switched on.
namespace kelca {

struct OutdoorState {
  float DryBulb = 0;        // deg C
  float WetBulb = 0;        // deg C
  float HumidityRatio = 0;  // kg/kg
  float Enthalpy = 0;       // kJ/kg
};

// Units First..Last run (none when Last < First).
struct Staging {
  int First = 1;
  int Last = 0;
};

// Units 1..n in list order with ratings rating(unit) meet demand d: when the
// last unit alone covers d only it runs; else units 1, 2, ... are switched on
// while the sum of their ratings is below d (all of them if it never reaches d).
template <class Units, class Rating>
Staging StageUnits(int n, const Units& units, Rating rating, float demand) {
  if (n <= 0) return {};
  if (demand <= rating(units[n])) return {n, n};
  Staging s;
  float sum = 0;
  while (s.Last < n && sum < demand) sum += rating(units[++s.Last]);
  return s;
}

// The sum of rating(unit) over the running units.
template <class Units, class Rating>
float RunningSum(const Staging& s, const Units& units, Rating rating) {
  float sum = 0;
  for (int i = s.First; i <= s.Last; ++i) sum += rating(units[i]);
  return sum;
}

}  // namespace kelca
