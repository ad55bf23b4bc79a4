#include "energy/BCLSim.h"

#include <memory>

#include "common/Paths.h"
#include "common/WorkerPool.h"
#include "energy/Calendar.h"
#include "energy/HourlyLoadFile.h"
#include "energy/RoomYear.h"

namespace kelca {

namespace {

// Days first..last-1 of the year into writer.
void FormatDays(const EnergyModel& model, const std::vector<WeatherRecord>& weather, const AnnualRoomLoads& loads,
                int first, int last, HourlyLoadWriter& writer) {
  auto record = std::make_unique<HourlyLoadRecord>();
  record->ZoneCount = model.ZoneCount;
  for (int z = 1; z <= model.ZoneCount; ++z) record->RoomCount[z] = model.Zone[z].RoomCount;
  int m = 1, d = first + 1;
  while (d > kDaysInMonth[m - 1]) d -= kDaysInMonth[m++ - 1];
  for (int day = first; day < last; ++day) {
    for (int hour = 1; hour <= kHoursPerDay; ++hour) {
      const int h = day * kHoursPerDay + hour - 1;
      const WeatherRecord& w = weather[h];
      record->Month = m;
      record->Day = d;
      record->Hour = hour;
      record->DryBulb = w.DryBulb;
      record->Weather2 = w.Weather2;
      record->WetBulb = w.WetBulb;
      record->HumidityRatio = w.HumidityRatio;
      for (int z = 1; z <= model.ZoneCount; ++z) {
        for (int r = 1; r <= model.Zone[z].RoomCount; ++r) record->Room[z][r] = loads.Room[z][r][h];
      }
      writer.AddHour(*record);
    }
    if (++d > kDaysInMonth[m - 1]) {
      d = 1;
      ++m;
    }
  }
}

// The text is made in as many parts of the year as there are worker threads, at once.
Status WriteAnnualLoads(const std::string& path, const EnergyModel& model, const std::vector<WeatherRecord>& weather,
                        const AnnualRoomLoads& loads) {
  int rooms = 0;
  for (int z = 1; z <= model.ZoneCount; ++z) rooms += model.Zone[z].RoomCount;
  const int parts = WorkerThreads();
  std::vector<std::unique_ptr<HourlyLoadWriter>> writers(parts);
  RunInParallel(
      parts,
      [&](int p) {
        const int first = kDaysPerYear * p / parts, last = kDaysPerYear * (p + 1) / parts;
        writers[p] = std::make_unique<HourlyLoadWriter>(rooms, p == 0 ? kHoursPerYear : (last - first) * kHoursPerDay);
        FormatDays(model, weather, loads, first, last, *writers[p]);
      },
      [] {});
  for (int p = 1; p < parts; ++p) {
    writers.front()->Append(*writers[p]);
    writers[p].reset();
  }
  return writers.front()->Save(path);
}

}  // namespace

bool BCLSim(const LoadRunFiles& files, const AirSideData& airSide, ProgressSink& log, SimStatus& status,
            const LoadRunOptions& options, HourlyLoadYear* kept) {
  status.Clear();
  auto model = std::make_unique<EnergyModel>();
  auto constructions = std::make_unique<ConstructionTable>();
  log.AddLine("Reading " + files.EciFile);
  if (Status s = ReadEnergyInputFile(files.EciFile, *model); !s) return status.Fail("BCLSim: " + s.message);
  log.AddLine("Reading " + files.ConFile);
  if (Status s = ReadConstructionFile(files.ConFile, *constructions); !s) return status.Fail("BCLSim: " + s.message);

  log.AddLine("Opening " + files.WeatherFile + " for weather data input");
  const std::string weatherPath = FindExistingFile(files.WeatherFile);
  if (!FileExists(weatherPath)) return status.Fail("BCLSim: Failed to open weather data file!");
  std::vector<WeatherRecord> weather;
  if (Status s = ReadWeatherFile(weatherPath, weather); !s) return status.Fail("BCLSim: " + s.message);

  LoadCalculationInput input;
  input.Model = model.get();
  input.Constructions = constructions.get();
  input.AirSide = &airSide;
  input.Weather = &weather;
  input.CurrentFolder = files.CurrentFolder;
  input.ProjectFolder = files.ProjectFolder;
  input.Options = options;
  auto loads = std::make_unique<AnnualRoomLoads>();
  if (!CalculateAnnualLoads(input, log, status, *loads)) return false;

  const std::string output = ResolvePath(files.CurrentFolder, kHourlyLoadFileName);
  if (Status s = WriteAnnualLoads(output, *model, weather, *loads); !s) return status.Fail("BCLSim: " + s.message);
  log.AddLine("Space Load Calculations Finished!");
  if (kept) {
    kept->ZoneCount = model->ZoneCount;
    for (int z = 1; z <= model->ZoneCount; ++z) kept->RoomCount[z] = model->Zone[z].RoomCount;
    kept->Weather = std::move(weather);
    kept->Loads = std::move(loads);
  }
  return true;
}

}  // namespace kelca
