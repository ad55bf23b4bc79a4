#pragma once
// The fixed tables of the hourly cooling load calculation: internal-gain
// schedules and air-conditioning hours by room type, and the optics of the
// reference glass.
#include <array>

#include "energy/EnergyModel.h"

namespace kelca {

struct LoadTables {
  // [room type 0..5][hour 1..24, the hour ending at that o'clock]; type 0 and Non-AC are 0 throughout.
  std::array<std::array<float, 25>, kMaxRoomType + 1> Occupancy{}, Lighting{}, Equipment{};
  // Air-conditioning hours: hour index i (0..23) is served when start <= i and i + 1 <= end.
  std::array<int, kMaxRoomType + 1> StartHour{}, EndHour{};
  // Direct transmittance and absorptance of the glass: sums of coefficient j times cos^j of the incidence angle.
  std::array<float, 6> GlassTransmittance{}, GlassAbsorptance{};
  float DiffuseTransmittance = 0, DiffuseAbsorptance = 0;
};

void InitLoadTables(LoadTables& tables);

struct ScheduleFractions {
  float Occupancy = 0, Lighting = 0, Equipment = 0;
};

// The fractions of the room type for hour h (1..24) of a day of the given type
// (0 Sunday .. 6 Saturday): offices have none on Sundays and none after 13:00 on Saturdays.
ScheduleFractions FractionsForHour(const LoadTables& tables, int roomType, int dayType, int hour);

// Whether the room's air conditioning runs in hour index i (0..23): offices do
// not run on Sundays and run until 13:00 on Saturdays.
bool IsOperatingHour(const LoadTables& tables, int roomType, int dayType, int hourIndex);

}  // namespace kelca
