#pragma once
// Systems given by installed power, annual hours and load factor: the
// additional HVAC systems of the central plant and groups 1 to 4 of the non-AC
// services. Their lists, like every plant list, hold units 1..count (at most
// 10); slot 0 holds the group total of the results.
#include <array>
#include <string>

namespace kelca {

class TextReader;
class TextWriter;

constexpr int kMaxPlantUnits = 10;
constexpr int kPlantSlots = kMaxPlantUnits + 1;  // slot 0 for totals

struct ElectricSystem {
  std::string Name;
  float PowerDemand = 0;   // installed power demand, kW
  float AnnualHours = 0;   // hrs
  float LoadFactor = 0;    // decimal
  float AnnualEnergy = 0;  // computed, kWh (not stored); slot 0: the group total
};

struct ElectricSystemGroup {
  int Count = 0;
  std::array<ElectricSystem, kPlantSlots> System{};
};

// The sum of results 1..count, the rule for every group total.
float GroupTotal(const ElectricSystemGroup& group);
// Annual energy of each system = hours x power x load factor (kWh); slot 0 the sum.
void CalculateElectricSystems(ElectricSystemGroup& group);

// The file form of a group: the count, then per system its name line and its
// "power, hours, load factor" line. Reading keeps the computed results.
bool ReadElectricSystemGroup(TextReader& in, ElectricSystemGroup& group, const char* what);
void WriteElectricSystemGroup(TextWriter& out, const ElectricSystemGroup& group);

}  // namespace kelca
