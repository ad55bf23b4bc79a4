#pragma once
// The fixed performance curves of fans, coils, pumps, chillers and cooling
// towers, and the constants of the plant simulation.
#include <array>

#include "plant/Solvers.h"

namespace kelca {

constexpr float kAirFactorTotal = 1.2f;        // density factor of total air loads
constexpr float kAirFactorSensible = 1.224f;   // 1.2 x 1.02, sensible air loads
constexpr float kWaterHeatCapacity = 4.2f;     // kJ/(kg K)
constexpr float kMinVavFlowFraction = 0.3f;
constexpr float kFauLeavingTemp = 16.0f;       // deg C
constexpr float kFauLeavingEnthalpy = 43.6f;   // kJ/kg
constexpr float kSensibleAllowance = 1.05f;
constexpr float kPlantLoadAllowance = 1.03f;
constexpr float kTowerReferenceWetBulb = 28.0f;
// The lowest condenser entering water temperature a plant with towers or a
// heat exchanger holds (tower fans cycle, bypass valves open), deg C. From it
// upwards every chiller curve gives a power ratio above 0 at any part load;
// the water-cooled screw curve falls below 0 under 13.4 deg C.
constexpr float kMinCondenserWaterTemp = 15.0f;

// Condenser kinds of the chiller curves.
constexpr int kAirCooledCondenser = 0;
constexpr int kWaterCooledCondenser = 1;

struct PlantCurves {
  Polynomial FanSystemPressure;  // pressure ratio at air flow ratio fr
  Biquadratic IgvFanPressure;    // x = fr, y = vane position
  Biquadratic IgvFanPower;
  Polynomial VsFanPressure;      // z = fr / speed ratio
  Polynomial VsFanPower;
  Polynomial CoilChwFlow;        // chilled water flow ratio at coil load ratio
  Polynomial PumpSystemHead;     // head ratio at system flow ratio
  Polynomial PumpHeadConstantSpeed;
  Polynomial PumpHeadVariableSpeed;  // z = flow ratio / speed ratio
  Polynomial PumpPower;
  Biquadratic TowerLeavingWater;     // x = wet-bulb deg C, y = range K
  // Power ratio by [condenser kind][chiller type], x = part load ratio,
  // y = condenser entering temperature deg C.
  std::array<std::array<Biquadratic, 3>, 2> ChillerPower;
};

PlantCurves InitCoefficients();

}  // namespace kelca
