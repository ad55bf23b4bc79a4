#pragma once
// The operating-energy calculation system by system: air conditioning (hourly
// cooling loads, then the plant simulation), lighting and equipment in the
// zones, the additional and non-AC systems and town gas; their results as the
// calculation screen shows them, typed corrections, and the predicted energy
// use handed on when the calculation is left.
#include <array>
#include <string>
#include <vector>

#include "app/Workspace.h"
#include "common/Progress.h"
#include "common/Prompts.h"

namespace kelca {

enum EnergySystemCode : int {
  kAirConditioningSystem = 1,
  kAdditionalHvacSystems = 2,
  kZoneLightingEquipment = 3,
  kAdditionalElecLightingSystems = 4,
  kFireServicesSystems = 5,
  kLiftEscalatorSystems = 6,
  kPlumbingDrainageSystems = 7,
  kTownGasSystems = 8,
};
// "All Systems, One-by-one".
constexpr std::array<int, 8> kAllSystemsOrder = {1, 3, 2, 4, 5, 6, 7, 8};

struct SystemResultItem {
  std::string Label;
  float Value = 0;
};
struct SystemResults {
  std::string Heading;  // a caption: "&&" shows one "&"
  std::vector<SystemResultItem> Items;  // item 0 is the total
  bool NoSystems = false;               // "No such systems defined"
};
SystemResults ResultsOfSystem(const Workspace& ws, int code);

// The project's working files of the run, in the current folder.
std::string HourlyLoadFilePath(const Workspace& ws);
std::string PlantOutputFilePath(const Workspace& ws);

// Air conditioning: asks whether an existing hourly cooling load file is to be
// calculated again (Cancel ends the run, No keeps it), runs the load
// calculation, asks whether to go on, then runs the plant simulation. The run
// log gets the steps and, on an error, SimMessage. True when the annual
// air-conditioning energy is complete.
bool CalculateAirConditioning(Workspace& ws, Prompts& prompts, ProgressSink& log);

// "Calculate" on one system. Town gas shows its zero-efficiency message.
bool CalculateSystem(Workspace& ws, int code, Prompts& prompts, ProgressSink& log);

// "Enter Changes": the typed texts of items 1..n become the results (leading
// number, else 0); the total is their sum.
void EnterTypedResults(Workspace& ws, int code, const std::vector<std::string>& typed);

// Leaving the calculation: the predicted values go to EnergyUseSummary.
void LeaveEnergyCalculation(Workspace& ws);

}  // namespace kelca
