#pragma once
// The simulated year: 365 days, February of 28, hour by hour from 1 January
// hour 1. Day type 0 is a Sunday, 6 a Saturday; 1 January is a Sunday.
#include <array>

namespace kelca {

constexpr std::array<int, 12> kDaysInMonth = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int kHoursPerDay = 24;
constexpr int kHoursPerYear = 8760;
constexpr int kSunday = 0;
constexpr int kSaturday = 6;

}  // namespace kelca
