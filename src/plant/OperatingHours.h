#pragma once
// When the plant and each zone run: hours of the day (1..24) by room type,
// with the office-building and office-zone rules for the weekend. Weekday 0 is
// a Sunday, 6 a Saturday.
#include <array>

#include "energy/EnergyModel.h"
#include "plant/PlantInput.h"

namespace kelca {

// Runs in hour h when Start < h <= Stop.
struct HourSpan {
  int Start = 0;
  int Stop = 0;
  bool Contains(int hour) const { return Start < hour && hour <= Stop; }
};

// Operating hours by room type 0..5 (0 not chosen, 5 Non-AC never).
constexpr std::array<HourSpan, kMaxRoomType + 1> kRoomTypeHours = {
    {{0, 0}, {8, 19}, {9, 22}, {6, 24}, {0, 24}, {24, 0}}};

struct ZoneHours {
  HourSpan Span{25, -1};  // the earliest start and latest stop of the zone's room types
  int ZoneType = 1;       // the highest room type of the zone, at least 1
};

struct OperatingHours {
  HourSpan Plant;
  bool OfficeBuilding = true;  // no room of a type above Office
  std::array<ZoneHours, kMaxZones + 1> Zone{};

  bool PlantRuns(int weekday, int hour) const;
  bool ZoneRuns(int zone, int weekday, int hour) const;
};

OperatingHours PlantOperatingHours(const EnergyModel& model, const PlantInput& plant);

}  // namespace kelca
