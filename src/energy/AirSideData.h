#pragma once
// The air-side system of each zone and the design loads that size it. Zones
// and rooms are numbered as in the energy model; room index 0 holds the zone's
// own value.
#include <array>
#include <string>

#include "common/Status.h"
#include "energy/EnergyModel.h"

namespace kelca {

// Air-conditioning systems (0 = not chosen).
enum AcSystemCode { kCavOrFcu = 1, kVavInletGuideVane = 2, kVavVariableSpeed = 3 };
constexpr int kMaxAcSystemType = 3;
// Fresh-air supply (0 = not chosen).
enum FreshAirCode { kLocalOutdoorAir = 1, kCentralPretreated = 2 };
constexpr int kMaxFreshAirType = 2;

extern const std::array<const char*, kMaxAcSystemType + 1> kAcSystemTypeNames;
extern const std::array<const char*, kMaxFreshAirType + 1> kFreshAirTypeNames;

struct AirSideZone {
  int AcSystemType = 0;
  int FreshAirType = 0;
  std::array<float, kMaxRoomsPerZone + 1> DesignSensibleLoad{};  // kW; [0] = zone
  std::array<float, kMaxRoomsPerZone + 1> DesignTotalLoad{};     // kW; [0] = zone
  std::array<float, kMaxRoomsPerZone + 1> DesignSupplyAir{};     // m3/s; [0] = zone
  float DesignFanPressure = 0;  // Pa
  float DesignFanPower = 0;     // kW
  float DesignChwFlow = 0;      // kg/s

  bool operator==(const AirSideZone&) const = default;
};

struct AirSideData {
  std::array<AirSideZone, kMaxZones + 1> Zone;

  bool operator==(const AirSideData&) const = default;
};

// The ".ASS" file. It holds no counts of its own: zones and rooms follow the
// energy model's counts. Reading stops at the first fault (what was read so
// far stays) and the status names the file and line.
Status WriteAirSideFile(const std::string& path, const std::string& projectName, const EnergyModel& model,
                        const AirSideData& airSide);
Status ReadAirSideFile(const std::string& path, const EnergyModel& model, AirSideData& airSide);

}  // namespace kelca
