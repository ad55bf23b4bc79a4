#include "plant/ServiceSystems.h"

#include "common/TextReader.h"
#include "common/TextWriter.h"

namespace kelca {

float GroupTotal(const ElectricSystemGroup& group) {
  float total = 0;
  for (int i = 1; i <= group.Count; ++i) total += group.System[i].AnnualEnergy;
  return total;
}

void CalculateElectricSystems(ElectricSystemGroup& group) {
  for (int i = 1; i <= group.Count; ++i) {
    ElectricSystem& s = group.System[i];
    s.AnnualEnergy = s.AnnualHours * s.PowerDemand * s.LoadFactor;
  }
  group.System[0].AnnualEnergy = GroupTotal(group);
}

bool ReadElectricSystemGroup(TextReader& in, ElectricSystemGroup& group, const char* what) {
  if (!in.ReadCount(group.Count, 0, kMaxPlantUnits, what)) return false;
  for (int i = 1; i <= group.Count; ++i) {
    ElectricSystem& s = group.System[i];
    in.ReadString(s.Name);
    in.ReadSingle(s.PowerDemand);
    in.ReadSingle(s.AnnualHours);
    in.ReadSingle(s.LoadFactor);
  }
  return !in.Failed();
}

void WriteElectricSystemGroup(TextWriter& out, const ElectricSystemGroup& group) {
  out.Line(group.Count);
  for (int i = 1; i <= group.Count; ++i) {
    const ElectricSystem& s = group.System[i];
    out.Line(s.Name);
    out.Line(s.PowerDemand, s.AnnualHours, s.LoadFactor);
  }
}

}  // namespace kelca
