// kelca-cli weather-from-epw IN.epw OUT.TXT: makes the hourly weather file of
// the load calculation from an EnergyPlus weather year.
#include <iostream>

#include "cli/Command.h"
#include "energy/Calendar.h"
#include "energy/WeatherImport.h"

namespace kelca::cli {
namespace {

int RunWeatherFromEpw(const std::vector<std::string>& args) {
  if (args.size() != 2) {
    std::cerr << "Usage: kelca-cli weather-from-epw IN.epw OUT.TXT\n";
    return 2;
  }
  if (Status s = ImportEpwWeather(args[0], args[1]); !s) {
    std::cerr << "kelca-cli weather-from-epw: " << s.message << "\n";
    return 1;
  }
  std::cout << "Wrote " << args[1] << ": " << kHoursPerYear << " hourly weather records from " << args[0]
            << "\n";
  return 0;
}

const CommandRegistration reg{"weather-from-epw", "IN.epw OUT.TXT",
                              "converts an EnergyPlus weather year into the hourly weather file (ZQW1989.TXT)",
                              &RunWeatherFromEpw};

}  // namespace
}  // namespace kelca::cli
