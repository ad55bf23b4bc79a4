#pragma once
// The chilled-water central plant: heat rejection and pumping types, plant
// hours, design temperatures, the equipment lists, the fresh-air units and the
// additional HVAC systems; stored in the central plant input file (".WSS").
//
// Every list holds units 1..count (at most 10); slot 0 is never entered: the
// plant simulation keeps totals there (sums of ratings, sums of running units).
#include <array>
#include <string>

#include "common/Status.h"
#include "plant/ServiceSystems.h"

namespace kelca {

enum PlantTypeCode : int {
  kAirCooled = 0,
  kWaterCooledTowers = 1,
  kIndirectSeawater = 2,
  kDirectSeawater = 3,
  kIndirectSeawaterTowers = 4,
};
constexpr int kMaxPlantType = 4;

enum PumpingTypeCode : int { kSingleLoop = 0, kTwoLoopConstantSpeed = 1, kTwoLoopVariableSpeed = 2 };
constexpr int kMaxPumpingType = 2;

enum ChillerTypeCode : int { kCentrifugal = 0, kReciprocating = 1, kScrew = 2 };
constexpr int kMaxChillerType = 2;

// Pump control: 0 "CS, CF", 1 "CS, VF", 2 "VS, VF".
constexpr int kMaxPumpType = 2;

struct ChillerUnit {
  int Type = kCentrifugal;
  float RatedCapacity = 0;  // kW
  float RatedPower = 0;     // kW
  float ChwFlow = 0;        // chilled water flow, kg/s
  float CwFlow = 0;         // condenser water flow, kg/s
  // Working values of a run (not stored).
  float Capacity = 0;  // kW
  float Power = 0;     // kW
};

// Primary loop and condenser water pumps: constant speed, rated power when running.
struct ConstantPumpUnit {
  float Flow = 0;      // kg/s
  float Pressure = 0;  // kPa
  float Power = 0;     // kW
};

// Secondary loop and seawater pumps, whose power follows their flow.
struct VariablePumpUnit {
  int Type = 0;              // control code 0..2
  float RatedFlow = 0;       // kg/s
  float RatedPressure = 0;   // kPa
  float RatedPower = 0;      // kW
  // Working values of a run (not stored).
  float Flow = 0;
  float Pressure = 0;
  float Power = 0;
};

struct CoolingTowerUnit {
  float Capacity = 0;   // kW
  float WaterFlow = 0;  // kg/s
  float FanPower = 0;   // kW
};

struct FreshAirUnit {
  float SensibleCapacity = 0;  // design sensible cooling capacity, kW
  float TotalCapacity = 0;     // design total cooling capacity, kW
  float FreshAirFlow = 0;      // design fresh-air supply flow, m3/s
  float FanPressure = 0;       // Pa
  float FanPower = 0;          // kW
  float ChwFlow = 0;           // design chilled water flow, kg/s
};

struct PlantInput {
  int PlantType = kAirCooled;
  int PumpingType = kSingleLoop;
  int StartHour = 0;
  int StopHour = 0;
  float DesignTemp1 = 0;  // entering condenser (air, water or seawater), deg C
  float DesignTemp2 = 0;  // leaving condenser, deg C
  float DesignTemp3 = 0;  // seawater entering the heat exchanger, deg C
  float DesignTemp4 = 0;  // seawater leaving the heat exchanger, deg C

  int ChillerCount = 0;
  std::array<ChillerUnit, kPlantSlots> Chiller{};
  int PlpCount = 0;
  std::array<ConstantPumpUnit, kPlantSlots> Plp{};
  int SlpCount = 0;
  std::array<VariablePumpUnit, kPlantSlots> Slp{};
  int CwpCount = 0;
  std::array<ConstantPumpUnit, kPlantSlots> Cwp{};
  int SwpCount = 0;
  std::array<VariablePumpUnit, kPlantSlots> Swp{};
  int TowerCount = 0;
  std::array<CoolingTowerUnit, kPlantSlots> Tower{};
  ElectricSystemGroup AdditionalHvac;
  int FauCount = 0;
  std::array<FreshAirUnit, kPlantSlots> Fau{};
};

// The project's central plant and non-AC services input files, named after
// the project file ("WSS", "NAC") unless the user picks others.
struct PlantFileNames {
  std::string WssFile;
  std::string NacFile;
};
PlantFileNames DerivePlantFileNames(const std::string& projectFile);

// Plant types that reject heat through condenser water pumps, seawater pumps
// and cooling towers.
bool HasCondenserWaterPumps(int plantType);
bool HasSeawaterPumps(int plantType);
bool HasCoolingTowers(int plantType);
// Types whose condenser water passes a seawater heat exchanger.
bool HasSeawaterHeatExchanger(int plantType);

// Reads a ".WSS" file. The computed results of the additional HVAC systems are
// kept; on failure the table is left as it was and the status names the file.
Status ReadPlantFile(const std::string& path, PlantInput& plant);
Status WritePlantFile(const std::string& path, const std::string& projName, const PlantInput& plant);

}  // namespace kelca
