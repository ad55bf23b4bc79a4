#include "plant/EquipmentModels.h"

#include <cmath>

namespace kelca {

float SeawaterTemp(int day) {
  const float d = static_cast<float>(day);
  return ((((((-4.1388154E-14f * d - 3.665022E-11f) * d + 6.6403584E-08f) * d - 2.9189258E-05f) * d +
            0.0050455274f) *
               d -
           0.2663784f) *
              d +
          20.72148f);
}

AirStreamLoads AirLoads(float tOut, float hOut, float tIn, float hIn, float v) {
  AirStreamLoads loads;
  loads.Total = kAirFactorTotal * v * (hIn - hOut);
  loads.Sensible = kAirFactorSensible * v * (tIn - tOut);
  loads.Latent = loads.Total - loads.Sensible;
  return loads;
}

float ChillerPowerRatio(const PlantCurves& curves, int chillerType, int condenserKind, float t, float plr) {
  if (plr <= 1) return EvalBiquadratic(curves.ChillerPower[condenserKind][chillerType], plr, t);
  return 1.0f;
}

namespace {

// A variable-speed machine whose head (or pressure) curve at full speed is
// headCurve(z), z = flow ratio / speed ratio, meeting the required head ratio
// at flow ratio q. By the affinity laws its head at speed N is N^2 f(q/N) and
// its power N^3 g(q/N). Returns the power ratio.
bool VariableSpeedPower(const Polynomial& headCurve, const Polynomial& powerCurve, float q, float required,
                        float& powerRatio, SimStatus& status) {
  if (q <= 0) {
    // No flow: the speed that holds the required head against a closed loop,
    // the limit of the equation below as q goes to 0.
    const float n = std::sqrt(required / headCurve.C[0]);
    powerRatio = n * n * n * EvalPoly(powerCurve, 0.0f);
    return true;
  }
  Polynomial curve = headCurve;
  curve.C[2] = curve.C[2] - required / (q * q);
  float z = 0;
  if (!SZ1N(curve, q, z, status)) return false;
  const float n = q / z;
  powerRatio = n * n * n * EvalPoly(powerCurve, z);
  return true;
}

}  // namespace

bool PmpWCal(const PlantCurves& curves, int code, float q, float qs, PumpPoint& result, SimStatus& status) {
  if (q >= 1 || code == 0) {
    result = {1.0f, 0.0f};
    return true;
  }
  if (code == 1) {
    result = {EvalPoly(curves.PumpPower, q), 0.0f};
    return true;
  }
  if (code == 2) {
    const float head = EvalPoly(curves.PumpSystemHead, qs);
    float power = 0;
    if (!VariableSpeedPower(curves.PumpHeadVariableSpeed, curves.PumpPower, q, head, power, status)) {
      return status.Append(" PmpWCal: Failed to solve for pump speed!");
    }
    result = {power, head};
    return true;
  }
  result = {0.0f, 0.0f};
  return true;
}

bool ASSFWCF(const PlantCurves& curves, int code, float designTotalLoad, float designAirFlow, float sensible,
             float latent, float airFlow, FanCoilPoint& result, SimStatus& status) {
  float fanPower = 0;
  if (code == 1 || ((code == 2 || code == 3) && !(airFlow < designAirFlow))) {
    fanPower = 1.0f;
  } else if (code == 2 || code == 3) {
    const float fr = airFlow / designAirFlow;
    const float pressure = EvalPoly(curves.FanSystemPressure, fr);
    if (code == 2) {
      float vane = 0;
      if (!SYZ29(curves.IgvFanPressure, fr, vane, pressure, status)) {
        return status.Append(" ASSFWCF: Failed to solve for IGV angle!");
      }
      fanPower = EvalBiquadratic(curves.IgvFanPower, fr, vane);
    } else if (!VariableSpeedPower(curves.VsFanPressure, curves.VsFanPower, fr, pressure, fanPower, status)) {
      return status.Append(" ASSFWCF: Failed to solve for fan speed!");
    }
  }
  // A coil without a design load is taken at full flow.
  const float r = designTotalLoad > 0 ? (sensible + latent) / designTotalLoad : 1.0f;
  result.ChwFlowRatio = r < 1 ? EvalPoly(curves.CoilChwFlow, r) : 1.0f;
  result.FanPowerRatio = fanPower;
  return true;
}

float TowerLeavingTemp(const PlantCurves& curves, float wetBulb, float range, float towerOffset) {
  return EvalBiquadratic(curves.TowerLeavingWater, wetBulb, range) + towerOffset;
}

float LogMeanTempDifference(float hotEnd, float coldEnd) {
  if (std::fabs(hotEnd - coldEnd) >= 0.1f) return (hotEnd - coldEnd) / std::log(hotEnd / coldEnd);
  return hotEnd;
}

float HXConductance(const ChillerUnit& chiller, float designLmtd) {
  return (chiller.RatedPower + chiller.RatedCapacity) / designLmtd;
}

}  // namespace kelca
