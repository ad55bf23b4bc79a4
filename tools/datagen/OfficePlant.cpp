// The central plant and the non-AC services of the sample office tower:
// a water-cooled chilled-water plant sized to the design loads, two-loop
// pumping with variable-speed secondary pumps, fresh-air units, and the
// lighting, fire, lift, plumbing and town gas systems outside air conditioning.
#include <cmath>

#include "datagen/OfficeSample.h"
#include "energy/Psychrometrics.h"
#include "plant/NonACServices.h"
#include "plant/PlantInput.h"

namespace kelca::datagen {
namespace {

constexpr float kChwRise = 5.5f;       // K, chilled water 7 -> 12.5 deg C
constexpr float kCondenserRise = 5.5f; // K, condenser water 32 -> 37.5 deg C
constexpr float kOutdoorDesignDryBulb = 33, kOutdoorDesignDewPoint = 25.5f;

float PumpPower(float flowKgPerS, float pressureKPa) {
  return RoundTo(flowKgPerS / 1000 * pressureKPa / 0.72f, 0.5f);  // water, pump and motor efficiency 0.72
}

float ChwFlow(float capacity) { return RoundTo(capacity / (4.2f * kChwRise), 0.1f); }
// Condenser water for the heat of the chiller (cooling + power), with 2 % margin.
float CwFlow(float capacity, float power) { return RoundTo((capacity + power) / (4.2f * kCondenserRise) * 1.02f, 0.1f); }

void AddSystem(ElectricSystemGroup& g, const char* name, float kW, float hours, float loadFactor) {
  ElectricSystem& s = g.System[++g.Count];
  s.Name = name;
  s.PowerDemand = kW;
  s.AnnualHours = hours;
  s.LoadFactor = loadFactor;
}

PlantInput CentralPlant(const PlantSizing& p) {
  PlantInput plant;
  plant.PlantType = kWaterCooledTowers;
  plant.PumpingType = kTwoLoopVariableSpeed;
  plant.StartHour = 7;
  plant.StopHour = 22;  // offices 8 to 19, shops until 22
  plant.DesignTemp1 = 32;
  plant.DesignTemp2 = 32 + kCondenserRise;
  float totalChw = 0;
  for (int i = 1; i <= p.LargeChillers + 1; ++i) {
    const bool small = i > p.LargeChillers;
    ChillerUnit& c = plant.Chiller[++plant.ChillerCount];
    c.Type = small ? kScrew : kCentrifugal;
    c.RatedCapacity = small ? p.SmallCapacity : p.LargeCapacity;
    c.RatedPower = small ? p.SmallPower : p.LargePower;
    c.ChwFlow = ChwFlow(c.RatedCapacity);
    c.CwFlow = CwFlow(c.RatedCapacity, c.RatedPower);
    totalChw += c.ChwFlow;
    plant.Plp[++plant.PlpCount] = {c.ChwFlow, 150, PumpPower(c.ChwFlow, 150)};
    plant.Cwp[++plant.CwpCount] = {c.CwFlow, 250, PumpPower(c.CwFlow, 250)};
    plant.Tower[++plant.TowerCount] = {p.TowerCapacity, CwFlow(p.LargeCapacity, p.LargePower),
                                       RoundTo(0.009f * p.TowerCapacity, 0.5f)};
  }
  for (int i = 0; i < 3; ++i) {
    VariablePumpUnit& s = plant.Slp[++plant.SlpCount];
    s.Type = 2;  // "VS, VF"
    s.RatedFlow = RoundTo(0.4f * totalChw, 0.1f);
    s.RatedPressure = 350;
    s.RatedPower = PumpPower(s.RatedFlow, 350);
  }
  AddSystem(plant.AdditionalHvac, "Toilet and kitchen exhaust fans", 35, 4500, 0.8f);
  AddSystem(plant.AdditionalHvac, "Server room split units", 40, 8760, 0.6f);
  for (int i = 0; i < 2; ++i) {
    FreshAirUnit& f = plant.Fau[++plant.FauCount];
    f.SensibleCapacity = RoundTo(p.FauSensible / 2, 1);
    f.TotalCapacity = RoundTo(p.FauTotal / 2, 1);
    f.FreshAirFlow = RoundTo(p.FreshAir / 2, 0.1f);
    f.FanPressure = 700;
    f.FanPower = RoundTo(f.FreshAirFlow * 700 / (0.65f * 1000), 0.5f);
    f.ChwFlow = ChwFlow(f.TotalCapacity);
  }
  return plant;
}

NonACServices OtherServices() {
  NonACServices s;
  AddSystem(s.Electric[kAdditionalLighting], "Lift lobbies, stairs and car park lighting", 28, 8760, 0.6f);
  AddSystem(s.Electric[kAdditionalLighting], "Facade and signage lighting", 18, 4000, 1);
  AddSystem(s.Electric[kFireServices], "Fire alarm, emergency lighting and smoke control standby", 8, 8760, 1);
  AddSystem(s.Electric[kFireServices], "Sprinkler and hydrant pump tests", 220, 52, 1);
  AddSystem(s.Electric[kFireServices], "Staircase pressurisation fan tests", 60, 52, 1);
  AddSystem(s.Electric[kLiftsEscalators], "Passenger lifts (12 cars)", 360, 3300, 0.3f);
  AddSystem(s.Electric[kLiftsEscalators], "Service lift", 30, 2500, 0.35f);
  AddSystem(s.Electric[kLiftsEscalators], "Escalators (2)", 30, 4700, 0.6f);
  AddSystem(s.Electric[kPlumbingDrainage], "Fresh and flushing water pumps", 44, 3000, 0.5f);
  AddSystem(s.Electric[kPlumbingDrainage], "Sewage and sump pumps", 15, 700, 0.8f);
  GasSystem& kitchen = s.TownGas.System[++s.TownGas.Count];
  kitchen.Name = "Restaurant kitchen, ground floor (town gas)";
  kitchen.SubSystemOf = 4;  // "P&D"
  kitchen.RatedCapacity = 250;
  kitchen.Efficiency = 0.55f;
  kitchen.AnnualHours = 3600;
  kitchen.LoadFactor = 0.3f;
  return s;
}

}  // namespace

float RoundTo(float x, float step) {
  const double k = std::nearbyint(static_cast<double>(x) / step);
  // The nearest float to the decimal k x step, as written in a data file.
  return static_cast<float>(step >= 1 ? k * step : k / std::nearbyint(1 / static_cast<double>(step)));
}

PlantSizing SizeOfficePlant(const EnergyModel& model, const AirSideData& airSide) {
  PlantSizing p;
  for (int z = 1; z <= model.ZoneCount; ++z) {
    const EnergyZone& zone = model.Zone[z];
    p.ZoneLoad += airSide.Zone[z].DesignTotalLoad[0] * zone.IdenticalZones;
    for (int r = 1; r <= zone.RoomCount; ++r) {
      const EnergyRoom& room = zone.Room[r];
      p.FreshAir += room.Occupants * room.VentRate / 1000 * room.IdenticalRooms * zone.IdenticalZones;
    }
  }
  // Fresh air from the design outdoor state to the fresh-air units' 16 deg C and 43.6 kJ/kg.
  const float w = VapourHumidityRatio(SatPressure(kOutdoorDesignDewPoint));
  const float outdoorEnthalpy = MoistAirEnthalpy(kOutdoorDesignDryBulb, w);
  p.FauSensible = 1.224f * p.FreshAir * (kOutdoorDesignDryBulb - 16);
  p.FauTotal = 1.2f * p.FreshAir * (outdoorEnthalpy - 43.6f);
  p.DesignPlantLoad = (p.ZoneLoad + p.FauTotal) * 1.03f;
  // Three centrifugal chillers of 32 % each and a screw chiller of 16 % for low loads.
  p.LargeCapacity = std::ceil(0.32f * p.DesignPlantLoad / 50) * 50;
  p.SmallCapacity = std::ceil(0.16f * p.DesignPlantLoad / 50) * 50;
  p.LargePower = RoundTo(p.LargeCapacity / 5.9f, 1);
  p.SmallPower = RoundTo(p.SmallCapacity / 5.2f, 1);
  p.TowerCapacity = std::ceil((p.LargeCapacity + p.LargePower) * 1.1f / 50) * 50;
  p.PlpPower = PumpPower(ChwFlow(p.LargeCapacity), 150);
  p.CwpPower = PumpPower(CwFlow(p.LargeCapacity, p.LargePower), 250);
  float totalChw = p.LargeChillers * ChwFlow(p.LargeCapacity) + ChwFlow(p.SmallCapacity);
  p.SlpPower = PumpPower(RoundTo(0.4f * totalChw, 0.1f), 350);
  p.AhuFlow = RoundTo(airSide.Zone[2].DesignSupplyAir[0] / 2, 0.1f);
  return p;
}

Status WriteOfficePlant(const std::string& folder, const PlantSizing& sizing) {
  if (Status s = WritePlantFile(folder + "OFFICE.WSS", kOfficeProjectName, CentralPlant(sizing)); !s) return s;
  return WriteNonACFile(folder + "OFFICE.NAC", kOfficeProjectName, OtherServices());
}

Status WriteOfficeSample(const std::string& folder, const std::vector<MaterialRecord>& materials) {
  EnergyModel model;
  BuildOfficeEnergyModel(model);
  AirSideData airSide;
  DesignOfficeAirSide(model, airSide);
  const PlantSizing sizing = SizeOfficePlant(model, airSide);
  if (Status s = WriteOfficeBuilding(folder, sizing); !s) return s;
  if (Status s = WriteOfficeEnergyModel(folder, materials, model, airSide); !s) return s;
  return WriteOfficePlant(folder, sizing);
}

}  // namespace kelca::datagen
