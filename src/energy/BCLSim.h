#pragma once
// The hourly space cooling load calculation of the operating-energy run: reads
// the project's energy input and construction files again, simulates every
// unique room over the weather year and writes "AnHSpCL.TXT".
#include <string>

#include "common/Progress.h"
#include "energy/AirSideData.h"
#include "energy/AnnualLoads.h"
#include "energy/HourlyLoadYear.h"
#include "energy/SimStatus.h"

namespace kelca {

struct LoadRunFiles {
  std::string EciFile;        // the project's energy calculation input
  std::string ConFile;        // the project's constructions
  std::string WeatherFile;    // the database folder's "ZQW1989.TXT"
  std::string CurrentFolder;  // "AnHSpCL.TXT" is written here; relative mask paths start here
  std::string ProjectFolder;  // masks no longer where their path says are looked for here
};

// On success "AnHSpCL.TXT" is complete, and kept (when given) holds its year
// for a plant simulation of the same run. On an error (or when the log asks to
// stop) status holds the message and a previous "AnHSpCL.TXT" is left as it was.
// Nothing else is left behind: the rooms' and zones' intermediate results stay in memory.
bool BCLSim(const LoadRunFiles& files, const AirSideData& airSide, ProgressSink& log, SimStatus& status,
            const LoadRunOptions& options = {}, HourlyLoadYear* kept = nullptr);

}  // namespace kelca
