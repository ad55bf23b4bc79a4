#pragma once
// The annual energy of the systems given by their ratings and hours (the
// additional HVAC systems, the electric non-AC groups and the systems using
// town gas), and the predicted summary handed to the assessment.
#include <array>
#include <string>

#include "energy/EnergyModel.h"
#include "plant/EnergyHandover.h"
#include "plant/EnergyResults.h"
#include "plant/NonACServices.h"
#include "plant/PlantInput.h"

namespace kelca {

// Annual full-load hours of lighting and of equipment by room type 0..5.
struct FullLoadHours {
  float Lighting = 0;
  float Equipment = 0;
};
extern const std::array<FullLoadHours, kMaxRoomType + 1> kZoneHoursPerType;

// Lighting and equipment of every room: load density x floor area x the full-
// load hours of its type x identical rooms x identical zones / 1000 (kWh).
ZoneElecEnergy CalculateZoneElectricity(const EnergyModel& model);

// Town gas use of each system = hours x rated capacity x load factor x 3.6 /
// efficiency (MJ). A system of zero efficiency stops the calculation with
// "Error: Zero Eff. for Gas System No." and its number in message; the systems
// before it keep their new results, it and the later ones their old ones. The
// total (slot 0) is always the sum of the systems' results.
bool CalculateTownGas(GasSystemGroup& gas, std::string& message);

// The six predicted values as the energy calculation leaves them: HVAC
// (air conditioning + additional HVAC), electricity and lighting (zones +
// additional lighting), fire services, lifts and escalators, plumbing and
// drainage (kWh), and town gas (MJ).
EnergyUseSummary PredictedEnergyUse(const AnnualACEnergy& ac, const ZoneElecEnergy& zones, const PlantInput& plant,
                                    const NonACServices& services);

}  // namespace kelca
