#include "plant/NonACServices.h"

#include "common/TextReader.h"
#include "common/TextWriter.h"

namespace kelca {

float GroupTotal(const GasSystemGroup& group) {
  float total = 0;
  for (int i = 1; i <= group.Count; ++i) total += group.System[i].AnnualUse;
  return total;
}

float TownGasUseOfPortion(const NonACServices& services, int portion) {
  float use = 0;
  for (int i = 1; i <= services.TownGas.Count; ++i) {
    if (services.TownGas.System[i].SubSystemOf == portion) use += services.TownGas.System[i].AnnualUse;
  }
  return use;
}

const char* NonACGroupCountName(int group) {
  static constexpr const char* kNames[kElectricNonACGroups] = {
      "number of additional lighting systems", "number of fire services systems",
      "number of lift and escalator systems", "number of plumbing and drainage systems"};
  return kNames[group];
}

Status ReadNonACFile(const std::string& path, NonACServices& services) {
  TextReader in("", "");
  if (Status opened = TextReader::Open(path, in); !opened) return opened;
  NonACServices next = services;
  std::string header;
  in.ReadString(header);
  for (int g = 0; g < kElectricNonACGroups; ++g) ReadElectricSystemGroup(in, next.Electric[g], NonACGroupCountName(g));
  GasSystemGroup& gas = next.TownGas;
  if (in.ReadCount(gas.Count, 0, kMaxPlantUnits, "number of systems using town gas")) {
    for (int i = 1; i <= gas.Count; ++i) {
      GasSystem& s = gas.System[i];
      in.ReadString(s.Name);
      in.ReadCount(s.SubSystemOf, 0, kMaxGasSubSystem, "gas system sub-system code");
      in.ReadSingle(s.RatedCapacity);
      in.ReadSingle(s.Efficiency);
      in.ReadSingle(s.AnnualHours);
      in.ReadSingle(s.LoadFactor);
    }
  }
  if (in.Failed()) return in.Result();
  services = next;
  return Status::Ok();
}

Status WriteNonACFile(const std::string& path, const std::string& projName, const NonACServices& services) {
  TextWriter out;
  out.Line("Non-AC Services Data for Project: " + projName);
  for (const ElectricSystemGroup& group : services.Electric) WriteElectricSystemGroup(out, group);
  out.Line(services.TownGas.Count);
  for (int i = 1; i <= services.TownGas.Count; ++i) {
    const GasSystem& s = services.TownGas.System[i];
    out.Line(s.Name);
    out.Line(s.SubSystemOf, s.RatedCapacity, s.Efficiency, s.AnnualHours, s.LoadFactor);
  }
  return out.Save(path);
}

}  // namespace kelca
