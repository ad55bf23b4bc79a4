#include "plant/OperatingHours.h"

#include <algorithm>

#include "energy/Calendar.h"

namespace kelca {

namespace {
constexpr int kOfficeBuildingSaturdayLastHour = 13;
constexpr int kOfficeZoneSaturdayOffHour = 15;
}  // namespace

bool OperatingHours::PlantRuns(int weekday, int hour) const {
  if (!Plant.Contains(hour)) return false;
  if (OfficeBuilding && weekday == kSunday) return false;
  if (OfficeBuilding && weekday == kSaturday && hour > kOfficeBuildingSaturdayLastHour) return false;
  return true;
}

bool OperatingHours::ZoneRuns(int zone, int weekday, int hour) const {
  const ZoneHours& z = Zone[zone];
  if (!z.Span.Contains(hour)) return false;
  if (z.ZoneType == kOffice && weekday == kSunday) return false;
  if (z.ZoneType == kOffice && weekday == kSaturday && hour >= kOfficeZoneSaturdayOffHour) return false;
  return true;
}

OperatingHours PlantOperatingHours(const EnergyModel& model, const PlantInput& plant) {
  OperatingHours hours;
  hours.Plant = {plant.StartHour, plant.StopHour};
  for (int z = 1; z <= model.ZoneCount; ++z) {
    ZoneHours& zh = hours.Zone[z];
    const EnergyZone& zone = model.Zone[z];
    for (int r = 1; r <= zone.RoomCount; ++r) {
      const int type = zone.Room[r].RoomType;
      const HourSpan& span = kRoomTypeHours[type];
      zh.Span.Start = std::min(zh.Span.Start, span.Start);
      zh.Span.Stop = std::max(zh.Span.Stop, span.Stop);
      zh.ZoneType = std::max(zh.ZoneType, type);
      if (type > kOffice) hours.OfficeBuilding = false;
    }
  }
  return hours;
}

}  // namespace kelca
