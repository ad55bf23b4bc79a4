#pragma once
// Annual results of the operating-energy calculation that are not kept beside
// their inputs: the air-conditioning plant and the lighting and equipment of
// the zones.
#include <array>

namespace kelca {

// kWh: 0 whole system (1..7), 1 air-side fans (air handlers and fresh-air
// units), 2 chillers, 3 primary loop pumps, 4 secondary loop pumps, 5 condenser
// water pumps, 6 seawater pumps, 7 cooling towers.
struct AnnualACEnergy {
  std::array<float, 8> Value{};
};

// kWh: 0 zones' electricity (1 + 2), 1 lighting in zones, 2 equipment in zones.
struct ZoneElecEnergy {
  std::array<float, 3> Value{};
};

}  // namespace kelca
