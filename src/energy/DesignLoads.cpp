#include "energy/DesignLoads.h"

#include <algorithm>

namespace kelca {

std::vector<std::string> DesignLoadSelectorEntries(const EnergyModel& model, int zone) {
  std::vector<std::string> entries{"Zone"};
  if (zone < 1 || zone > model.ZoneCount) return entries;
  for (int r = 1; r <= model.Zone[zone].RoomCount; ++r) entries.push_back("Rm No " + std::to_string(r));
  return entries;
}

std::vector<float> ShownDesignValues(const AirSideZone& z, int room) {
  if (room < 0 || room > kMaxRoomsPerZone) return {};
  std::vector<float> values{z.DesignSensibleLoad[room], z.DesignTotalLoad[room], z.DesignSupplyAir[room]};
  if (room == 0) values.insert(values.end(), {z.DesignFanPressure, z.DesignFanPower, z.DesignChwFlow});
  return values;
}

void StoreDesignValues(AirSideZone& z, int room, const std::vector<float>& values) {
  if (room < 0 || room > kMaxRoomsPerZone) return;
  const auto value = [&](size_t i) { return i < values.size() ? values[i] : 0.0f; };
  z.DesignSensibleLoad[room] = value(0);
  z.DesignTotalLoad[room] = value(1);
  z.DesignSupplyAir[room] = value(2);
  if (room != 0) return;
  z.DesignFanPressure = value(3);
  z.DesignFanPower = value(4);
  z.DesignChwFlow = value(5);
}

int StepWithin(int current, int step, int count) { return count < 1 ? current : std::clamp(current + step, 1, count); }

}  // namespace kelca
