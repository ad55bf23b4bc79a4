#pragma once
// The checks that a plant can reject the heat of its chillers, and the
// constants of a run derived from the design data: the rooms' design air
// states and fresh-air flows, chiller power factors, cooling tower offset and
// heat exchanger conductances.
#include <array>

#include "energy/AirSideData.h"
#include "energy/EnergyModel.h"
#include "energy/SimStatus.h"
#include "plant/PlantCurves.h"
#include "plant/PlantInput.h"

namespace kelca {

struct RoomDesignState {
  float FreshAir = 0;       // design fresh-air flow, m3/s (room 0: the zone, x identical rooms)
  float HumidityRatio = 0;  // at design temperature and humidity, kg/kg
  float Enthalpy = 0;       // kJ/kg
};

struct PlantRunConstants {
  PlantCurves Curves;
  std::array<std::array<RoomDesignState, kMaxRoomsPerZone + 1>, kMaxZones + 1> Room{};
  float BuildingFreshAir = 0;  // m3/s, x identical zones
  float FauFreshAir = 0;       // total design flow of the fresh-air units, m3/s
  std::array<float, kPlantSlots> ChillerFactor{};
  std::array<float, kPlantSlots> HXConductance{};  // kW/K
  float TowerOffset = 0;
  float SeawaterFlowRatio = 0;  // total seawater pump flow / total condenser water pump flow
  int CondenserKind = 0;        // of the chiller curves: air-cooled or water-cooled
};

// Checks the plant and computes the run constants; sets slot 0 of every
// equipment list of the plant to the sums of the ratings. On a fault sets the
// status with a message that begins "SimPrep: ".
bool SimPrep(const EnergyModel& model, PlantInput& plant, PlantRunConstants& run, SimStatus& status);

}  // namespace kelca
