#include "plant/AirSide.h"

#include <algorithm>

#include "plant/EquipmentModels.h"

namespace kelca {

namespace {

// The supply air flow of a room and its sensible load as the system meets it:
// a VAV room never runs below its minimum flow fraction.
float RoomAirFlow(int systemType, const AirSideZone& air, int r, float& sensible) {
  switch (systemType) {
    case kCavOrFcu:
      return air.DesignSupplyAir[r];
    case kVavInletGuideVane:
    case kVavVariableSpeed: {
      const float design = air.DesignSensibleLoad[r];
      // A room without a design load runs at the minimum flow.
      float ratio = design > 0 ? sensible / design : kMinVavFlowFraction;
      if (ratio < kMinVavFlowFraction) ratio = kMinVavFlowFraction;
      sensible = ratio * design;
      return ratio * air.DesignSupplyAir[r];
    }
    default:
      return 0;
  }
}

// The rooms' design air state weighted by their identical rooms (or plainly
// averaged): the return state of a zone that supplies no air.
void DesignReturnState(const PlantRunConstants& run, int z, const EnergyZone& zone, float& temp, float& enthalpy) {
  float weight = 0;
  temp = enthalpy = 0;
  for (int r = 1; r <= zone.RoomCount; ++r) weight += zone.Room[r].IdenticalRooms;
  const bool plain = !(weight > 0);
  if (plain) weight = static_cast<float>(zone.RoomCount);
  if (!(weight > 0)) return;
  for (int r = 1; r <= zone.RoomCount; ++r) {
    const float w = plain ? 1.0f : zone.Room[r].IdenticalRooms;
    temp += zone.Room[r].RoomTemp * w;
    enthalpy += run.Room[z][r].Enthalpy * w;
  }
  temp /= weight;
  enthalpy /= weight;
}

}  // namespace

bool ZoneAirSide(const PlantRunConstants& run, int z, const EnergyZone& zone, const AirSideZone& air,
                 const ZoneRoomLoads& loads, const OutdoorState& outdoor, ZoneAirSideResult& result,
                 SimStatus& status) {
  float sensible = 0, latent = 0, airFlow = 0, weightedTemp = 0, weightedEnthalpy = 0;
  for (int r = 1; r <= zone.RoomCount; ++r) {
    const EnergyRoom& room = zone.Room[r];
    float roomSensible = loads[r].Sensible;
    const float flow = RoomAirFlow(air.AcSystemType, air, r, roomSensible);
    const float roomLatent = std::max(loads[r].Latent, 0.0f);
    const float identical = room.IdenticalRooms;
    sensible += roomSensible * identical;
    latent += roomLatent * identical;
    const float weight = flow * identical;
    airFlow += weight;
    weightedTemp += room.RoomTemp * weight;
    weightedEnthalpy += run.Room[z][r].Enthalpy * weight;
  }
  ZoneAirSideResult out;
  out.FreshAir = run.Room[z][0].FreshAir;
  out.AirFlow = airFlow;
  if (airFlow > 0) {
    out.ReturnTemp = weightedTemp / airFlow;
    out.ReturnEnthalpy = weightedEnthalpy / airFlow;
  } else {
    DesignReturnState(run, z, zone, out.ReturnTemp, out.ReturnEnthalpy);
  }

  if (air.FreshAirType == kLocalOutdoorAir) {
    const AirStreamLoads fa =
        AirLoads(out.ReturnTemp, out.ReturnEnthalpy, outdoor.DryBulb, outdoor.Enthalpy, out.FreshAir);
    sensible += fa.Sensible;
    latent += fa.Latent;
  } else if (air.FreshAirType == kCentralPretreated) {
    const bool cool = outdoor.DryBulb < kFauLeavingTemp;
    const float supplyTemp = cool ? outdoor.DryBulb : kFauLeavingTemp;
    const float supplyEnthalpy = cool ? outdoor.Enthalpy : kFauLeavingEnthalpy;
    const AirStreamLoads fa = AirLoads(supplyTemp, supplyEnthalpy, out.ReturnTemp, out.ReturnEnthalpy, out.FreshAir);
    sensible -= fa.Sensible;
    latent -= fa.Latent;
  }
  out.Sensible = std::max(sensible, 0.0f) * kSensibleAllowance;
  out.Latent = std::max(latent, 0.0f);
  out.CoilLoad = out.Sensible + out.Latent;

  FanCoilPoint point;
  if (!ASSFWCF(run.Curves, air.AcSystemType, air.DesignTotalLoad[0], air.DesignSupplyAir[0], out.Sensible, out.Latent,
               out.AirFlow, point, status)) {
    return false;
  }
  out.ChwFlow = point.ChwFlowRatio * air.DesignChwFlow;
  out.FanPower = point.FanPowerRatio * air.DesignFanPower;
  result = out;
  return true;
}

bool FreshAirUnits(const PlantRunConstants& run, const PlantInput& plant, float demand, const OutdoorState& outdoor,
                   FreshAirUnitsResult& result, SimStatus& status) {
  FreshAirUnitsResult out;
  const auto flow = [](const FreshAirUnit& u) { return u.FreshAirFlow; };
  const Staging units = StageUnits(plant.FauCount, plant.Fau, flow, demand);
  out.Flow = RunningSum(units, plant.Fau, flow);
  out.FanPower = RunningSum(units, plant.Fau, [](const FreshAirUnit& u) { return u.FanPower; });
  if (outdoor.DryBulb > kFauLeavingTemp) {
    const AirStreamLoads fa = AirLoads(kFauLeavingTemp, kFauLeavingEnthalpy, outdoor.DryBulb, outdoor.Enthalpy, demand);
    const float sensible = fa.Sensible * kSensibleAllowance;
    const float latent = std::max(fa.Latent, 0.0f);
    out.CoilLoad = sensible + latent;
    for (int i = units.First; i <= units.Last; ++i) {
      const FreshAirUnit& u = plant.Fau[i];
      const float share = u.FreshAirFlow / out.Flow;
      FanCoilPoint point;
      if (!ASSFWCF(run.Curves, kCavOrFcu, u.TotalCapacity, u.FreshAirFlow, sensible * share, latent * share,
                   u.FreshAirFlow, point, status)) {
        return false;
      }
      out.ChwFlow += point.ChwFlowRatio * u.ChwFlow;
    }
  }
  result = out;
  return true;
}

}  // namespace kelca
