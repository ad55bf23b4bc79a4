#pragma once
// The central plant in one hour: secondary loop pumps on the air side's
// chilled water demand, chillers on the plant load, then primary loop pumps,
// condenser water pumps, seawater pumps and cooling towers on the running
// chillers' water flows, and the condenser entering temperature at which the
// heat sink takes the heat rejected.
#include "energy/SimStatus.h"
#include "plant/PlantChecks.h"
#include "plant/PlantHour.h"
#include "plant/PlantInput.h"

namespace kelca {

struct PlantHourPower {
  float Chillers = 0;  // kW
  float Plps = 0;
  float Slps = 0;
  float Cwps = 0;
  float Swps = 0;
  float Towers = 0;
  float CondenserTemp = 0;  // condenser entering temperature, deg C
};

// plantLoad kW (with its allowance), secondaryFlowDemand kg/s. Sets the
// working values of the plant's units (slot 0: the running totals).
bool CPCSIM(const PlantRunConstants& run, PlantInput& plant, float plantLoad, float secondaryFlowDemand,
            const OutdoorState& outdoor, float seawaterTemp, PlantHourPower& power, SimStatus& status);

}  // namespace kelca
