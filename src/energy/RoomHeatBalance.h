#pragma once
// The room's heat balance each sub-step: boundary temperatures of the fabric
// outside (sol-air) and inside (radiant exchange by the mean radiant
// temperature method), and the room air balance that gives the cooling load.
#include "energy/LoadTables.h"
#include "energy/RoomState.h"
#include "energy/SimStatus.h"
#include "energy/WeatherFile.h"

namespace kelca {

// What the 60 sub-steps of one hour share.
struct HourConditions {
  const WeatherRecord* Weather = nullptr;
  bool Operating = false;  // the room's air conditioning runs in this hour
  // Convective gains, W: occupants, lighting, equipment.
  float OccupantGain = 0, LightingGain = 0, EquipmentGain = 0;
  float OccupantLatent = 0;  // W
  // Radiant gains spread over all inner surfaces (diffuse sun, lighting, equipment), W/m2.
  float SpreadRadiantGain = 0;
  // Rise of the floor's boundary temperature for the direct sun on it, K.
  float FloorSunRise = 0;
};

// Sets the hour's gains from the schedule fractions and the window totals (after CalSolGain).
void PrepareHour(const RoomState& room, const WeatherRecord& weather, const ScheduleFractions& fractions,
                 bool operating, HourConditions& hour);

// Outside boundary temperatures of roofs, external walls, windows and partitions.
void CalSolAirTemp(RoomState& room, const WeatherRecord& weather);
// The outside boundary temperature of one component; false (outside untouched)
// for a Floor/Ceiling, whose outer face is set by the radiant exchange.
bool SolAirTemp(const RoomComponent& component, const WeatherRecord& weather, float roomTemp, float& outside);

// Inside boundary temperatures of all components, and both boundaries of
// Floor/Ceiling components, from the current node temperatures.
bool CalQMRT(RoomState& room, const HourConditions& hour, SimStatus& status);

// The room air temperature and the sensible and latent load (W) of the
// sub-step, from the next node temperatures.
bool CalRoomLoad(RoomState& room, const HourConditions& hour, float& sensibleLoad, float& latentLoad,
                 SimStatus& status);

}  // namespace kelca
