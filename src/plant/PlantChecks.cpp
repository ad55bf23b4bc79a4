#include "plant/PlantChecks.h"

#include <string>

#include "energy/Psychrometrics.h"
#include "plant/EquipmentModels.h"

namespace kelca {

namespace {

void PrepareRooms(const EnergyModel& model, const PlantInput& plant, PlantRunConstants& run) {
  run.BuildingFreshAir = 0;
  for (int z = 1; z <= model.ZoneCount; ++z) {
    const EnergyZone& zone = model.Zone[z];
    float zoneFreshAir = 0;
    for (int r = 1; r <= zone.RoomCount; ++r) {
      const EnergyRoom& room = zone.Room[r];
      RoomDesignState& s = run.Room[z][r];
      s.FreshAir = room.VentRate * room.Occupants / 1000.0f;
      const float vapourPressure = room.RoomRH / 100.0f * SatPressure(room.RoomTemp);
      s.HumidityRatio = VapourHumidityRatio(vapourPressure);
      s.Enthalpy = MoistAirEnthalpy(room.RoomTemp, s.HumidityRatio);
      zoneFreshAir += s.FreshAir * room.IdenticalRooms;
    }
    run.Room[z][0].FreshAir = zoneFreshAir;
    run.BuildingFreshAir += zoneFreshAir * zone.IdenticalZones;
  }
  run.FauFreshAir = 0;
  for (int i = 1; i <= plant.FauCount; ++i) run.FauFreshAir += plant.Fau[i].FreshAirFlow;
}

void SumRatings(PlantInput& p) {
  ChillerUnit& c = p.Chiller[0];
  c = {};
  for (int i = 1; i <= p.ChillerCount; ++i) {
    c.RatedCapacity += p.Chiller[i].RatedCapacity;
    c.RatedPower += p.Chiller[i].RatedPower;
    c.ChwFlow += p.Chiller[i].ChwFlow;
    c.CwFlow += p.Chiller[i].CwFlow;
  }
  auto sumConstant = [](int n, std::array<ConstantPumpUnit, kPlantSlots>& u) {
    u[0] = {};
    for (int i = 1; i <= n; ++i) {
      u[0].Flow += u[i].Flow;
      u[0].Power += u[i].Power;
    }
  };
  auto sumVariable = [](int n, std::array<VariablePumpUnit, kPlantSlots>& u) {
    u[0] = {};
    for (int i = 1; i <= n; ++i) {
      u[0].RatedFlow += u[i].RatedFlow;
      u[0].RatedPower += u[i].RatedPower;
    }
  };
  sumConstant(p.PlpCount, p.Plp);
  sumConstant(p.CwpCount, p.Cwp);
  sumVariable(p.SlpCount, p.Slp);
  sumVariable(p.SwpCount, p.Swp);
  p.Tower[0] = {};
  for (int i = 1; i <= p.TowerCount; ++i) {
    p.Tower[0].Capacity += p.Tower[i].Capacity;
    p.Tower[0].WaterFlow += p.Tower[i].WaterFlow;
    p.Tower[0].FanPower += p.Tower[i].FanPower;
  }
}

// The first unit 1..count whose rating is not positive, or 0. The staging of
// units and the part-load ratios divide by these ratings.
template <class Units, class Rating>
int FirstUnrated(int count, const Units& units, Rating rating) {
  for (int i = 1; i <= count; ++i) {
    if (!(rating(units[i]) > 0)) return i;
  }
  return 0;
}

bool Unrated(int unit, const char* text, SimStatus& status) {
  if (unit == 0) return false;
  status.Fail(std::string("SimPrep: ") + text + std::to_string(unit));
  return true;
}

bool CheckChillers(const PlantInput& p, SimStatus& status) {
  if (p.ChillerCount == 0) return status.Fail("SimPrep: No Chillers?");
  if (Unrated(FirstUnrated(p.ChillerCount, p.Chiller, [](const ChillerUnit& c) { return c.RatedCapacity; }),
              "Chr Rated Cap. <= 0 for Chr#", status)) {
    return false;
  }
  if (p.PlantType != kAirCooled &&
      Unrated(FirstUnrated(p.ChillerCount, p.Chiller, [](const ChillerUnit& c) { return c.CwFlow; }),
              "Chr CWF <= 0 for Chr#", status)) {
    return false;
  }
  return true;
}

bool CheckHeatRejection(const PlantInput& p, float heatRejection, PlantRunConstants& run, SimStatus& status) {
  const float condenserRise = p.DesignTemp2 - p.DesignTemp1;
  if (p.PlantType != kAirCooled && condenserRise * kWaterHeatCapacity * p.Chiller[0].CwFlow < heatRejection) {
    return status.Fail("SimPrep: Total CWF of Chrs Insufficient for HR?");
  }
  if (p.PumpingType != kSingleLoop) {
    if (p.SlpCount == 0) return status.Fail("SimPrep: No Secondary Loop Chilled Water Pumps?");
    if (Unrated(FirstUnrated(p.SlpCount, p.Slp, [](const VariablePumpUnit& u) { return u.RatedFlow; }),
                "SLP Rated Flow <= 0 for SLP#", status)) {
      return false;
    }
    if (p.Slp[0].RatedFlow < p.Chiller[0].ChwFlow) return status.Fail("SimPrep: Total SLP Flow < Total Chr ChW Flow!");
  }
  if (HasCondenserWaterPumps(p.PlantType)) {
    if (p.CwpCount == 0) return status.Fail("SimPrep: No Condenser Water Pumps?");
    if (Unrated(FirstUnrated(p.CwpCount, p.Cwp, [](const ConstantPumpUnit& u) { return u.Flow; }),
                "CWP Flow <= 0 for CWP#", status)) {
      return false;
    }
    if (condenserRise * kWaterHeatCapacity * p.Cwp[0].Flow < heatRejection) {
      return status.Fail("SimPrep: Total CWP Flow Insufficient for HR?");
    }
  }
  if (HasSeawaterPumps(p.PlantType)) {
    if (p.SwpCount == 0) return status.Fail("SimPrep: No Seawater Pumps?");
    if (Unrated(FirstUnrated(p.SwpCount, p.Swp, [](const VariablePumpUnit& u) { return u.RatedFlow; }),
                "SWP Rated Flow <= 0 for SWP#", status)) {
      return false;
    }
    if (p.Cwp[0].Flow != 0) run.SeawaterFlowRatio = p.Swp[0].RatedFlow / p.Cwp[0].Flow;
    const float seawaterRise =
        p.PlantType == kDirectSeawater ? p.DesignTemp2 - p.DesignTemp1 : p.DesignTemp4 - p.DesignTemp3;
    if (seawaterRise * kWaterHeatCapacity * p.Swp[0].RatedFlow < heatRejection) {
      return status.Fail("SimPrep: Total SWP Flow Insufficient for HR?");
    }
  }
  if (HasCoolingTowers(p.PlantType)) {
    if (p.TowerCount == 0) return status.Fail("SimPrep: No Cooling Towers?");
    if (Unrated(FirstUnrated(p.TowerCount, p.Tower, [](const CoolingTowerUnit& u) { return u.WaterFlow; }),
                "Ctr Water Flow <= 0 for Ctr#", status)) {
      return false;
    }
    if (p.Tower[0].Capacity < heatRejection) return status.Fail("SimPrep: Total HR Cap. of Ctrs Insufficient?");
    const float range = p.PlantType == kWaterCooledTowers ? condenserRise : p.DesignTemp4 - p.DesignTemp3;
    if (range * kWaterHeatCapacity * p.Tower[0].WaterFlow < heatRejection) {
      return status.Fail("SimPrep: Total CWF of Ctrs Insufficient for HR?");
    }
  }
  return true;
}

bool CheckFreshAirUnits(const PlantInput& p, SimStatus& status) {
  return !Unrated(FirstUnrated(p.FauCount, p.Fau, [](const FreshAirUnit& u) { return u.FreshAirFlow; }),
                  "FAU FA Flow <= 0 for FAU#", status);
}

bool SetChillerFactors(const PlantInput& p, PlantRunConstants& run, SimStatus& status) {
  for (int i = 1; i <= p.ChillerCount; ++i) {
    const float r = ChillerPowerRatio(run.Curves, p.Chiller[i].Type, run.CondenserKind, p.DesignTemp1, 1.0f);
    if (r <= 0) return status.Fail("SimPrep: Chr DWR <= 0 for Chr#" + std::to_string(i));
    run.ChillerFactor[i] = 1.0f / r;
  }
  return true;
}

void SetTowerOffset(const PlantInput& p, PlantRunConstants& run) {
  if (p.TowerCount == 0) return;
  const bool towerType = p.PlantType == kWaterCooledTowers;
  const float range = towerType ? p.DesignTemp2 - p.DesignTemp1 : p.DesignTemp4 - p.DesignTemp3;
  const float leaving = towerType ? p.DesignTemp1 : p.DesignTemp3;
  run.TowerOffset = leaving - TowerLeavingTemp(run.Curves, kTowerReferenceWetBulb, range, 0.0f);
}

bool SetHeatExchanger(const PlantInput& p, PlantRunConstants& run, SimStatus& status) {
  if (!HasSeawaterHeatExchanger(p.PlantType)) return true;
  const float hotEnd = p.DesignTemp2 - p.DesignTemp4;
  const float coldEnd = p.DesignTemp1 - p.DesignTemp3;
  // Ends of opposite sign have no log mean difference at all.
  if (hotEnd == 0 || coldEnd == 0 || hotEnd / coldEnd < 0) {
    return status.Fail("SimPrep: Problems with condenser water temperatures!");
  }
  const float lmtd = LogMeanTempDifference(hotEnd, coldEnd);
  for (int i = 1; i <= p.ChillerCount; ++i) run.HXConductance[i] = HXConductance(p.Chiller[i], lmtd);
  return true;
}

}  // namespace

bool SimPrep(const EnergyModel& model, PlantInput& plant, PlantRunConstants& run, SimStatus& status) {
  run = PlantRunConstants{};
  run.Curves = InitCoefficients();
  run.CondenserKind = plant.PlantType == kAirCooled ? kAirCooledCondenser : kWaterCooledCondenser;
  PrepareRooms(model, plant, run);
  SumRatings(plant);
  const float heatRejection = plant.Chiller[0].RatedCapacity + plant.Chiller[0].RatedPower;
  if (!CheckChillers(plant, status) || !CheckHeatRejection(plant, heatRejection, run, status) ||
      !CheckFreshAirUnits(plant, status) || !SetChillerFactors(plant, run, status)) {
    return false;
  }
  SetTowerOffset(plant, run);
  return SetHeatExchanger(plant, run, status);
}

}  // namespace kelca
