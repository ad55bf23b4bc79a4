#pragma once
// The year of every unique room, hour by hour with 60 sub-steps of 60 s, in
// memory, with the results of the rooms run one after the other, each starting
// from the node temperatures the room before it left: so run, or all rooms at
// once and each checked against the state the room before it left
// (SpeculativeRun), which gives the same bits in a fraction of the time.
#include <array>
#include <string>
#include <vector>

#include "common/Progress.h"
#include "energy/AirSideData.h"
#include "energy/ConstructionTable.h"
#include "energy/EnergyModel.h"
#include "energy/HourlyLoadFile.h"
#include "energy/SimStatus.h"
#include "energy/SpeculativeRun.h"
#include "energy/WeatherFile.h"

namespace kelca {

struct LoadRunOptions {
  bool Sequential = false;              // the rooms one after the other, on one thread
  SpeculationReport* Report = nullptr;  // what the parallel run did, when wanted
};

struct LoadCalculationInput {
  const EnergyModel* Model = nullptr;
  const ConstructionTable* Constructions = nullptr;
  const AirSideData* AirSide = nullptr;
  const std::vector<WeatherRecord>* Weather = nullptr;  // 8760 hours
  // Shading masks named by a relative path are found from CurrentFolder; a mask
  // that is not where its path says is looked for once more by its file name in ProjectFolder.
  std::string CurrentFolder, ProjectFolder;
  LoadRunOptions Options;
};

// Hourly results of every room: Room[zone][room][hour 0..8759].
struct AnnualRoomLoads {
  std::array<std::array<std::vector<RoomHourLoad>, kMaxRoomsPerZone + 1>, kMaxZones + 1> Room;
};

// Progress and run-log lines go to log; a request to stop ends the run as an error does.
bool CalculateAnnualLoads(const LoadCalculationInput& input, ProgressSink& log, SimStatus& status,
                          AnnualRoomLoads& loads);

// The path of a window's shading mask as it is found: the stored path
// (resolved against the current folder, any letter case), else a file of that
// name in the project folder; empty when neither exists.
std::string LocateShadingMask(const std::string& storedPath, const std::string& currentFolder,
                              const std::string& projectFolder);

}  // namespace kelca
