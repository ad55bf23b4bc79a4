#pragma once
// Editing the design loads of one zone at a time: the zone itself (selector
// entry "Zone") with six values, or one of its rooms ("Rm No " and the number)
// with three. The values are taken as typed; nothing here validates them.
#include <string>
#include <vector>

#include "energy/AirSideData.h"
#include "energy/EnergyModel.h"

namespace kelca {

// "Zone", then "Rm No 1" .. "Rm No n" for the zone's rooms.
std::vector<std::string> DesignLoadSelectorEntries(const EnergyModel& model, int zone);

// Room 0 (the zone): sensible load, total load, supply air, fan pressure, fan
// power, chilled-water flow. A room: its sensible load, total load and supply air.
std::vector<float> ShownDesignValues(const AirSideZone& zone, int room);
// Stores the values shown for the zone or a room; missing values count as 0.
void StoreDesignValues(AirSideZone& zone, int room, const std::vector<float>& values);

// A step through rooms or zones that stays within 1..count.
int StepWithin(int current, int step, int count);

}  // namespace kelca
