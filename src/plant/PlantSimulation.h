#pragma once
// The plant simulation run: a year of hourly room loads from the hourly space
// cooling load file turned into the hourly electric power of the air handlers,
// fresh-air units and central plant, one output line per plant hour, summed
// into the annual air-conditioning energy.
#include <string>

#include "common/Progress.h"
#include "energy/AirSideData.h"
#include "energy/EnergyModel.h"
#include "energy/HourlyLoadYear.h"
#include "energy/SimStatus.h"
#include "plant/EnergyResults.h"
#include "plant/PlantInput.h"

namespace kelca {

constexpr const char* kPlantOutputFileName = "BCLnEQW.SDF";

struct PlantRunFiles {
  std::string AirSideFile;  // ".ASS", read again at the start of a run
  std::string PlantFile;    // ".WSS", read again at the start of a run
  std::string LoadFile;     // "AnHSpCL.TXT"
  std::string OutputFile;   // "BCLnEQW.SDF"
  // The year of LoadFile as the load calculation of the same run keeps it,
  // read in place of the file when it is the energy model's; else none.
  const HourlyLoadYear* Loads = nullptr;
};

// Reads the air-side and central plant files into the tables, checks the plant
// and simulates the year. On a fault sets the status; the annual energy then
// holds the sums of the hours done, and the output file is left as it was.
bool RunPlantSimulation(const EnergyModel& model, AirSideData& airSide, PlantInput& plant, const PlantRunFiles& files,
                        AnnualACEnergy& energy, SimStatus& status, ProgressSink& progress);

// The year on the tables as they stand (the files named above except the
// first two).
bool SimulatePlantYear(const EnergyModel& model, const AirSideData& airSide, PlantInput& plant,
                       const PlantRunFiles& files, AnnualACEnergy& energy, SimStatus& status, ProgressSink& progress);

}  // namespace kelca
