#include "plant/AnnualEnergy.h"

namespace kelca {

const std::array<FullLoadHours, kMaxRoomType + 1> kZoneHoursPerType = {
    {{8760, 8760}, {3065, 3086}, {3112, 2639}, {4258, 3476}, {2618, 2556}, {8760, 8760}}};

ZoneElecEnergy CalculateZoneElectricity(const EnergyModel& model) {
  ZoneElecEnergy e;
  for (int z = 1; z <= model.ZoneCount; ++z) {
    const EnergyZone& zone = model.Zone[z];
    for (int r = 1; r <= zone.RoomCount; ++r) {
      const EnergyRoom& room = zone.Room[r];
      const FullLoadHours& hours = kZoneHoursPerType[room.RoomType];
      e.Value[1] +=
          room.LightingLoad * room.FloorArea * hours.Lighting * room.IdenticalRooms * zone.IdenticalZones / 1000.0f;
      e.Value[2] +=
          room.EquipmentLoad * room.FloorArea * hours.Equipment * room.IdenticalRooms * zone.IdenticalZones / 1000.0f;
    }
  }
  e.Value[0] = e.Value[1] + e.Value[2];
  return e;
}

bool CalculateTownGas(GasSystemGroup& gas, std::string& message) {
  bool ok = true;
  for (int i = 1; i <= gas.Count; ++i) {
    GasSystem& s = gas.System[i];
    if (s.Efficiency == 0) {
      message = "Error: Zero Eff. for Gas System No." + std::to_string(i);
      ok = false;
      break;
    }
    s.AnnualUse = s.AnnualHours * s.RatedCapacity * s.LoadFactor * 3.6f / s.Efficiency;
  }
  gas.System[0].AnnualUse = GroupTotal(gas);
  return ok;
}

EnergyUseSummary PredictedEnergyUse(const AnnualACEnergy& ac, const ZoneElecEnergy& zones, const PlantInput& plant,
                                    const NonACServices& services) {
  EnergyUseSummary summary;
  summary.Value[0] = ac.Value[0] + plant.AdditionalHvac.System[0].AnnualEnergy;
  summary.Value[1] = zones.Value[0] + services.Electric[kAdditionalLighting].System[0].AnnualEnergy;
  summary.Value[2] = services.Electric[kFireServices].System[0].AnnualEnergy;
  summary.Value[3] = services.Electric[kLiftsEscalators].System[0].AnnualEnergy;
  summary.Value[4] = services.Electric[kPlumbingDrainage].System[0].AnnualEnergy;
  summary.Value[5] = services.TownGas.System[0].AnnualUse;
  return summary;
}

}  // namespace kelca
