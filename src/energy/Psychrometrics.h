#pragma once
// Moist-air properties used by the load calculation and the plant simulation
// (standard atmospheric pressure, 101.325 kPa).
namespace kelca {

// Saturation pressure of water vapour over liquid water, kPa, at t deg C.
float SatPressure(float t);
// Humidity ratio, kg/kg dry air, of air whose vapour pressure is p kPa.
float VapourHumidityRatio(float p);
// Enthalpy of moist air, kJ/kg dry air, at t deg C and humidity ratio w.
float MoistAirEnthalpy(float t, float w);

}  // namespace kelca
