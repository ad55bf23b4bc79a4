#include "plant/EnergyResultFile.h"

#include "common/TextReader.h"
#include "common/TextWriter.h"

namespace kelca {

namespace {

void WriteResults(TextWriter& out, const ElectricSystemGroup& group) {
  out.Line(group.Count);
  for (int i = 1; i <= group.Count; ++i) out.Line(group.System[i].AnnualEnergy);
}

void ReadResults(TextReader& in, ElectricSystemGroup& group, const char* what) {
  if (!in.ReadCount(group.Count, 0, kMaxPlantUnits, what)) return;
  for (int i = 1; i <= group.Count; ++i) in.ReadSingle(group.System[i].AnnualEnergy);
  group.System[0].AnnualEnergy = GroupTotal(group);
}

}  // namespace

Status WriteEnergyResultFile(const std::string& path, const AnnualACEnergy& ac, const ZoneElecEnergy& zones,
                             const PlantInput& plant, const NonACServices& services) {
  TextWriter out;
  for (float v : ac.Value) out.Line(v);
  for (float v : zones.Value) out.Line(v);
  WriteResults(out, plant.AdditionalHvac);
  for (const ElectricSystemGroup& group : services.Electric) WriteResults(out, group);
  out.Line(services.TownGas.Count);
  for (int i = 1; i <= services.TownGas.Count; ++i) out.Line(services.TownGas.System[i].AnnualUse);
  return out.Save(path);
}

Status ReadEnergyResultFile(const std::string& path, AnnualACEnergy& ac, ZoneElecEnergy& zones, PlantInput& plant,
                            NonACServices& services) {
  TextReader in("", "");
  if (Status opened = TextReader::Open(path, in); !opened) return opened;
  AnnualACEnergy nextAc;
  ZoneElecEnergy nextZones;
  ElectricSystemGroup nextHvac = plant.AdditionalHvac;
  NonACServices next = services;
  for (float& v : nextAc.Value) in.ReadSingle(v);
  for (float& v : nextZones.Value) in.ReadSingle(v);
  ReadResults(in, nextHvac, "number of additional HVAC systems");
  for (int g = 0; g < kElectricNonACGroups; ++g) ReadResults(in, next.Electric[g], NonACGroupCountName(g));
  GasSystemGroup& gas = next.TownGas;
  if (in.ReadCount(gas.Count, 0, kMaxPlantUnits, "number of systems using town gas")) {
    for (int i = 1; i <= gas.Count; ++i) in.ReadSingle(gas.System[i].AnnualUse);
    gas.System[0].AnnualUse = GroupTotal(gas);
  }
  if (in.Failed()) return in.Result();
  ac = nextAc;
  zones = nextZones;
  plant.AdditionalHvac = nextHvac;
  services = next;
  return Status::Ok();
}

}  // namespace kelca
