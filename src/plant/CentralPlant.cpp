#include "plant/CentralPlant.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "plant/EquipmentModels.h"

namespace kelca {

namespace {

constexpr int kMaxCondenserPasses = 300;
constexpr float kCondenserTolerance = 0.05f;
constexpr float kFirstGuessAboveSeawater = 2.0f;
constexpr int kEachPumpsOwnControl = -1;  // seawater pumps: each pump by its own type

struct RunningChillers {
  Staging Units;
  float Plr = 0;
  float ChwFlow = 0;
  float CwFlow = 0;
  float Conductance = 0;
};

void ClearWorkingValues(PlantInput& p) {
  for (ChillerUnit& c : p.Chiller) c.Capacity = c.Power = 0;
  for (VariablePumpUnit& u : p.Slp) u.Flow = u.Pressure = u.Power = 0;
  for (VariablePumpUnit& u : p.Swp) u.Flow = u.Pressure = u.Power = 0;
}

// Variable-flow pumps staged on a flow demand, each at the loop's flow ratio.
bool RunVariablePumps(const PlantRunConstants& run, int count, std::array<VariablePumpUnit, kPlantSlots>& pumps,
                      int loopCode, float demand, const char* failure, float& totalPower, SimStatus& status) {
  const auto rated = [](const VariablePumpUnit& u) { return u.RatedFlow; };
  const Staging s = StageUnits(count, pumps, rated, demand);
  const float fr = demand / RunningSum(s, pumps, rated);
  const float qs = demand / pumps[0].RatedFlow;
  VariablePumpUnit& total = pumps[0];
  for (int i = s.First; i <= s.Last; ++i) {
    VariablePumpUnit& u = pumps[i];
    PumpPoint point;
    const int code = loopCode == kEachPumpsOwnControl ? u.Type : loopCode;
    if (!PmpWCal(run.Curves, code, fr, qs, point, status)) return status.Append(failure + std::to_string(i));
    u.Flow = fr * u.RatedFlow;
    u.Pressure = point.HeadRatio * u.RatedPressure;
    u.Power = point.PowerRatio * u.RatedPower;
    total.Flow += u.Flow;
    total.Power += u.Power;
  }
  totalPower = total.Power;
  return true;
}

RunningChillers RunChillers(const PlantRunConstants& run, PlantInput& p, float plantLoad) {
  RunningChillers rc;
  rc.Units = StageUnits(p.ChillerCount, p.Chiller, [](const ChillerUnit& c) { return c.RatedCapacity; }, plantLoad);
  float capacity = 0;
  for (int i = rc.Units.First; i <= rc.Units.Last; ++i) {
    capacity += p.Chiller[i].RatedCapacity;
    rc.ChwFlow += p.Chiller[i].ChwFlow;
    rc.CwFlow += p.Chiller[i].CwFlow;
    rc.Conductance += run.HXConductance[i];
  }
  rc.Plr = plantLoad / capacity;
  for (int i = rc.Units.First; i <= rc.Units.Last; ++i) {
    p.Chiller[i].Capacity = rc.Plr * p.Chiller[i].RatedCapacity;
    p.Chiller[0].Capacity += p.Chiller[i].Capacity;
  }
  return rc;
}

// Sets each running chiller's power at condenser entering temperature tc and
// returns the heat they reject (capacity + power).
float SetChillerPowers(const PlantRunConstants& run, PlantInput& p, const RunningChillers& rc, int kind, float tc) {
  float rejected = 0;
  for (int i = rc.Units.First; i <= rc.Units.Last; ++i) {
    ChillerUnit& c = p.Chiller[i];
    c.Power = run.ChillerFactor[i] * c.RatedPower * ChillerPowerRatio(run.Curves, c.Type, kind, tc, rc.Plr);
    rejected += c.Capacity + c.Power;
  }
  return rejected;
}

struct HeatSink {
  float TowerFlow = 0;      // running towers' water flow, kg/s
  float SeawaterFlow = 0;   // seawater flow demand, kg/s
};

// The condenser entering temperature at which the heat sink (towers or
// seawater, through the heat exchanger where there is one) takes the heat, and
// never below the plant's minimum.
bool CondenserTemperature(const PlantRunConstants& run, PlantInput& p, const RunningChillers& rc,
                          const HeatSink& sink, const OutdoorState& outdoor, float seawaterTemp, float& tc,
                          SimStatus& status) {
  float guess = std::max(seawaterTemp + kFirstGuessAboveSeawater, kMinCondenserWaterTemp);
  for (int pass = 1; pass <= kMaxCondenserPasses; ++pass) {
    tc = guess;
    const float q = SetChillerPowers(run, p, rc, kWaterCooledCondenser, tc);
    float sinkIn = 0;
    float sinkOut = 0;
    if (HasCoolingTowers(p.PlantType)) {
      const float range = q / (kWaterHeatCapacity * sink.TowerFlow);
      sinkIn = TowerLeavingTemp(run.Curves, outdoor.WetBulb, range, run.TowerOffset);
      sinkOut = sinkIn + range;
    } else {
      sinkIn = seawaterTemp;
      sinkOut = sinkIn + q / (kWaterHeatCapacity * sink.SeawaterFlow);
    }
    float next = sinkIn;
    if (HasSeawaterHeatExchanger(p.PlantType)) {
      const float hotIn = tc + q / (kWaterHeatCapacity * rc.CwFlow);
      const float lmtd = q / rc.Conductance;
      const float coldEnd = tc - sinkIn;
      const float hotEnd = hotIn - sinkOut;
      if (std::fabs(hotEnd - coldEnd) >= 0.1f) {
        if (hotEnd == 0 || coldEnd == 0) return status.Fail("CPCSIM: HX model problem 01");
        if (hotEnd / coldEnd < 0) return status.Fail("CPCSIM: HX model problem 02");
        next = sinkIn + hotEnd - lmtd * std::log(hotEnd / coldEnd);
      } else {
        // Ends (nearly) equal: the log mean is the end difference itself, so the
        // cold end must take the required difference.
        next = sinkIn + lmtd;
      }
    }
    // Below the minimum the towers or the exchanger are held back (fans cycle,
    // water bypasses), so the water enters the condensers no colder than it.
    next = std::max(next, kMinCondenserWaterTemp);
    guess = (next + guess) / 2;
    if (std::fabs(next - guess) < kCondenserTolerance) return true;
  }
  return status.Fail("CPCSIM: No. of iteration exceeded 300");
}

}  // namespace

bool CPCSIM(const PlantRunConstants& run, PlantInput& p, float plantLoad, float secondaryFlowDemand,
            const OutdoorState& outdoor, float seawaterTemp, PlantHourPower& power, SimStatus& status) {
  ClearWorkingValues(p);
  power = {};
  if (p.PumpingType != kSingleLoop &&
      !RunVariablePumps(run, p.SlpCount, p.Slp, p.PumpingType, secondaryFlowDemand,
                        " CPCSIM: Unable to calculate SLP power for unit #:", power.Slps, status)) {
    return false;
  }

  const RunningChillers rc = RunChillers(run, p, plantLoad);

  const auto flow = [](const ConstantPumpUnit& u) { return u.Flow; };
  const auto pumpPower = [](const ConstantPumpUnit& u) { return u.Power; };
  const Staging plps = StageUnits(p.PlpCount, p.Plp, flow, rc.ChwFlow);
  power.Plps = RunningSum(plps, p.Plp, pumpPower);

  float cwpFlow = 0;
  if (HasCondenserWaterPumps(p.PlantType)) {
    const Staging cwps = StageUnits(p.CwpCount, p.Cwp, flow, rc.CwFlow);
    power.Cwps = RunningSum(cwps, p.Cwp, pumpPower);
    cwpFlow = RunningSum(cwps, p.Cwp, flow);
  }

  HeatSink sink;
  if (HasSeawaterPumps(p.PlantType) && p.SwpCount > 0) {
    sink.SeawaterFlow = p.PlantType == kDirectSeawater ? rc.CwFlow : run.SeawaterFlowRatio * cwpFlow;
    if (!RunVariablePumps(run, p.SwpCount, p.Swp, kEachPumpsOwnControl, sink.SeawaterFlow,
                          " CPCSIM: Unable to calculate SWP power for unit #:", power.Swps, status)) {
      return false;
    }
  }

  if (HasCoolingTowers(p.PlantType) && p.TowerCount > 0) {
    const float demand = p.PlantType == kWaterCooledTowers ? rc.CwFlow : run.SeawaterFlowRatio * cwpFlow;
    const auto water = [](const CoolingTowerUnit& t) { return t.WaterFlow; };
    const Staging towers = StageUnits(p.TowerCount, p.Tower, water, demand);
    power.Towers = RunningSum(towers, p.Tower, [](const CoolingTowerUnit& t) { return t.FanPower; });
    sink.TowerFlow = RunningSum(towers, p.Tower, water);
  }

  float tc = outdoor.DryBulb;
  if (p.PlantType == kDirectSeawater) {
    tc = seawaterTemp;
  } else if (p.PlantType != kAirCooled &&
             !CondenserTemperature(run, p, rc, sink, outdoor, seawaterTemp, tc, status)) {
    return false;
  }
  SetChillerPowers(run, p, rc, run.CondenserKind, tc);
  for (int i = rc.Units.First; i <= rc.Units.Last; ++i) power.Chillers += p.Chiller[i].Power;
  p.Chiller[0].Power = power.Chillers;
  power.CondenserTemp = tc;
  return true;
}

}  // namespace kelca
