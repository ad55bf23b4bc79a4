#pragma once
// The air side in one hour: each zone's air handler (room air flows by system
// type, fresh-air loads, coil load, chilled water flow and fan power) and the
// central fresh-air units.
#include <array>

#include "energy/AirSideData.h"
#include "energy/EnergyModel.h"
#include "energy/SimStatus.h"
#include "plant/PlantChecks.h"
#include "plant/PlantHour.h"
#include "plant/PlantInput.h"

namespace kelca {

// A room's cooling load of the hour, kW.
struct RoomCoolingLoad {
  float Sensible = 0;
  float Latent = 0;
};
using ZoneRoomLoads = std::array<RoomCoolingLoad, kMaxRoomsPerZone + 1>;  // rooms from 1

struct ZoneAirSideResult {
  float Sensible = 0;        // coil sensible load, kW (with its allowance)
  float Latent = 0;          // coil latent load, kW
  float CoilLoad = 0;        // kW
  float AirFlow = 0;         // supply air, m3/s (x identical rooms)
  float FreshAir = 0;        // design fresh air, m3/s (x identical rooms)
  float ReturnTemp = 0;      // deg C
  float ReturnEnthalpy = 0;  // kJ/kg
  float ChwFlow = 0;         // kg/s
  float FanPower = 0;        // kW
};

// Zone z of one unique zone (not multiplied by its identical zones).
bool ZoneAirSide(const PlantRunConstants& run, int z, const EnergyZone& zone, const AirSideZone& air,
                 const ZoneRoomLoads& loads, const OutdoorState& outdoor, ZoneAirSideResult& result,
                 SimStatus& status);

struct FreshAirUnitsResult {
  float CoilLoad = 0;  // kW
  float ChwFlow = 0;   // kg/s
  float FanPower = 0;  // kW
  float Flow = 0;      // running units' design flow, m3/s
};

// The fresh-air units staged on the building's fresh-air demand (m3/s).
bool FreshAirUnits(const PlantRunConstants& run, const PlantInput& plant, float demand, const OutdoorState& outdoor,
                   FreshAirUnitsResult& result, SimStatus& status);

}  // namespace kelca
