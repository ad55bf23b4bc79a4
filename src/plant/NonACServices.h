#pragma once
// The services outside air conditioning: additional lighting, fire services,
// lifts and escalators, plumbing and drainage (electric systems) and the
// systems using town gas; stored in the non-AC services input file (".NAC").
#include <array>
#include <string>

#include "common/Status.h"
#include "plant/ServiceSystems.h"

namespace kelca {

// The electric groups in file order.
enum NonACGroup : int { kAdditionalLighting = 0, kFireServices = 1, kLiftsEscalators = 2, kPlumbingDrainage = 3 };
constexpr int kElectricNonACGroups = 4;
// How messages about a file name the count of an electric group.
const char* NonACGroupCountName(int group);

// "Sub-System of": the services portion a gas system belongs to, in the order
// of the services portions (0 HVAC, 1 Elec, 2 Fire, 3 Lift, 4 P&D).
constexpr int kMaxGasSubSystem = 4;

struct GasSystem {
  std::string Name;
  int SubSystemOf = 0;
  float RatedCapacity = 0;  // kW
  float Efficiency = 0;     // decimal
  float AnnualHours = 0;    // hrs
  float LoadFactor = 0;     // decimal
  float AnnualUse = 0;      // computed town gas use, MJ (not stored); slot 0: the group total
};

struct GasSystemGroup {
  int Count = 0;
  std::array<GasSystem, kPlantSlots> System{};
};

struct NonACServices {
  std::array<ElectricSystemGroup, kElectricNonACGroups> Electric{};
  GasSystemGroup TownGas;
};

float GroupTotal(const GasSystemGroup& group);

// The town gas results as the assessment reads them: the annual use (MJ) of
// the gas systems that belong to one services portion (0..4).
float TownGasUseOfPortion(const NonACServices& services, int portion);

// Reads a ".NAC" file; the computed results are kept. On failure the table is
// left as it was and the status names the file.
Status ReadNonACFile(const std::string& path, NonACServices& services);
Status WriteNonACFile(const std::string& path, const std::string& projName, const NonACServices& services);

}  // namespace kelca
