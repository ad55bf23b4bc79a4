#pragma once
// The energy input model: the air-conditioned building as unique zones, each of
// unique rooms, each bounded by fabric components. Repetition is expressed by
// the IdenticalZones and IdenticalRooms multipliers. Zones, rooms and
// components are numbered from 1; index 0 of each array is not used here.
#include <array>
#include <string>

#include "common/Status.h"

namespace kelca {

constexpr int kMaxZones = 20;
constexpr int kMaxRoomsPerZone = 12;
constexpr int kMaxComponentsPerRoom = 10;

// Room types (0 = not chosen).
enum RoomTypeCode { kOffice = 1, kRetail = 2, kRestaurant = 3, kHotelGuestRoom = 4, kNonAC = 5 };
constexpr int kMaxRoomType = 5;
// Fabric component types (0 = not chosen).
enum ComponentTypeCode { kRoof = 1, kWindow = 2, kExternalWall = 3, kFloorCeiling = 4, kPartition = 5 };
constexpr int kMaxComponentType = 5;
// Orientations 1 "N" .. 8 "NW" clockwise, 9 "Hori." (0 = not chosen).
constexpr int kHorizontal = 9;
constexpr int kMaxOrientation = 9;

// The texts of the code lists, index = code; entry 0 is the blank "not chosen".
extern const std::array<const char*, kMaxRoomType + 1> kRoomTypeNames;
extern const std::array<const char*, kMaxComponentType + 1> kComponentTypeNames;
extern const std::array<const char*, kMaxOrientation + 1> kOrientationNames;

struct FabricComponent {
  std::string ComponentName;
  float ComponentArea = 0;  // m2
  int ComponentType = 0;    // ComponentTypeCode
  int ConstructionNo = 0;   // 1-based number in the construction table
  int Orientation = 0;      // 1..9
  std::string ShadingMaskFile;  // full path of the window's ".SHM" file; empty when none

  bool operator==(const FabricComponent&) const = default;
};

struct EnergyRoom {
  std::string RoomName;
  float IdenticalRooms = 0;
  int RoomType = 0;  // RoomTypeCode
  float FloorArea = 0;      // m2
  float Height = 0;         // m
  float Occupants = 0;
  float VentRate = 0;       // l/s per person
  float RoomTemp = 0;       // design temperature, deg C
  float RoomRH = 0;         // design relative humidity, %
  float LightingLoad = 0;   // W/m2
  float EquipmentLoad = 0;  // W/m2
  int ComponentCount = 0;
  std::array<FabricComponent, kMaxComponentsPerRoom + 1> Component;

  bool operator==(const EnergyRoom&) const = default;
};

struct EnergyZone {
  std::string ZoneName;
  float IdenticalZones = 0;
  int RoomCount = 0;
  std::array<EnergyRoom, kMaxRoomsPerZone + 1> Room;

  bool operator==(const EnergyZone&) const = default;
};

struct EnergyModel {
  int ZoneCount = 0;
  std::array<EnergyZone, kMaxZones + 1> Zone;

  bool operator==(const EnergyModel&) const = default;
};

// The project's energy input files; derived from the project file name when the
// energy input is opened and replaced by whatever the user picks.
struct EnergyFileNames {
  std::string ConFile;  // constructions
  std::string EciFile;  // energy calculation input
  std::string AssFile;  // air-side systems

  bool operator==(const EnergyFileNames&) const = default;
};
EnergyFileNames DeriveEnergyFileNames(const std::string& projectFile);

// The ".ECI" file. Reading stops at the first fault (what was read so far
// stays) and the status names the file and line; counts and codes beyond the
// tables are refused before they are used.
Status WriteEnergyInputFile(const std::string& path, const std::string& projectName, const EnergyModel& model);
Status ReadEnergyInputFile(const std::string& path, EnergyModel& model);

}  // namespace kelca
