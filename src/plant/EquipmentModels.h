#pragma once
// Part-load models of the air side and the central plant: seawater
// temperature, air-stream loads, fans with their coils, pumps, chillers,
// cooling towers and the condenser water / seawater heat exchanger.
#include "energy/SimStatus.h"
#include "plant/PlantCurves.h"
#include "plant/PlantInput.h"

namespace kelca {

// Daily seawater temperature, deg C, for day of year 1..365.
float SeawaterTemp(int day);

struct AirStreamLoads {
  float Total = 0;     // kW
  float Sensible = 0;  // kW
  float Latent = 0;    // kW
};
// Loads of air stream v (m3/s) brought from state In to state Out (deg C, kJ/kg).
AirStreamLoads AirLoads(float tOut, float hOut, float tIn, float hIn, float v);

// Chiller power at part load ratio plr and condenser entering temperature t,
// as a fraction of the curve's value; 1.0 above full load.
float ChillerPowerRatio(const PlantCurves& curves, int chillerType, int condenserKind, float t, float plr);

struct PumpPoint {
  float PowerRatio = 0;
  float HeadRatio = 0;
};
// A pump of control code 0 (constant speed and flow), 1 (constant speed,
// variable flow) or 2 (variable speed) at flow ratio q in a loop running at
// system flow ratio qs. On failure the status holds the chain and result keeps
// its previous value.
bool PmpWCal(const PlantCurves& curves, int code, float q, float qs, PumpPoint& result, SimStatus& status);

struct FanCoilPoint {
  float ChwFlowRatio = 0;
  float FanPowerRatio = 0;
};
// An air handler of fan control code 0 (no fan), 1 (constant volume), 2 (inlet
// guide vanes) or 3 (variable fan speed) with its design total coil load and
// design air flow, at the current sensible and latent coil loads and air flow.
bool ASSFWCF(const PlantCurves& curves, int code, float designTotalLoad, float designAirFlow, float sensible,
             float latent, float airFlow, FanCoilPoint& result, SimStatus& status);

// Water leaving a cooling tower, deg C, at wet-bulb deg C and range K.
float TowerLeavingTemp(const PlantCurves& curves, float wetBulb, float range, float towerOffset);

// Log mean temperature difference of a counterflow exchanger from its hot-end
// and cold-end differences; the hot-end difference when they nearly agree.
float LogMeanTempDifference(float hotEnd, float coldEnd);
// Conductance, kW/K, of chiller's share of the heat exchanger at the design LMTD.
float HXConductance(const ChillerUnit& chiller, float designLmtd);

}  // namespace kelca
