#include "energy/BCLSim.h"

#include <memory>

#include "common/Paths.h"
#include "energy/Calendar.h"
#include "energy/HourlyLoadFile.h"

namespace kelca {

namespace {

Status WriteAnnualLoads(const std::string& path, const EnergyModel& model, const std::vector<WeatherRecord>& weather,
                        const AnnualRoomLoads& loads) {
  int rooms = 0;
  for (int z = 1; z <= model.ZoneCount; ++z) rooms += model.Zone[z].RoomCount;
  HourlyLoadWriter writer(rooms);
  auto record = std::make_unique<HourlyLoadRecord>();
  record->ZoneCount = model.ZoneCount;
  for (int z = 1; z <= model.ZoneCount; ++z) record->RoomCount[z] = model.Zone[z].RoomCount;
  int h = 0;
  for (int m = 1; m <= 12; ++m) {
    for (int d = 1; d <= kDaysInMonth[m - 1]; ++d) {
      for (int hour = 1; hour <= kHoursPerDay; ++hour, ++h) {
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
    }
  }
  return writer.Save(path);
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
