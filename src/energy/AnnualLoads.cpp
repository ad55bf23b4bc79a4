#include "energy/AnnualLoads.h"

#include <cmath>
#include <map>
#include <memory>

#include "common/Paths.h"
#include "energy/Calendar.h"
#include "energy/LoadTables.h"
#include "energy/RoomHeatBalance.h"
#include "energy/RoomNodes.h"
#include "energy/SolarGains.h"

namespace kelca {

std::string LocateShadingMask(const std::string& storedPath, const std::string& currentFolder,
                              const std::string& projectFolder) {
  const std::string native = ToNativeSeparators(storedPath);
  const std::string asStored = FindExistingFile(ResolvePath(currentFolder, native));
  if (FileExists(asStored)) return asStored;
  if (projectFolder.empty()) return "";
  const std::string inProject = FindExistingFile(WithTrailingSlash(projectFolder) + FileNameOf(native));
  return FileExists(inProject) ? inProject : "";
}

namespace {

// One run's shading masks, each file read once.
class MaskCache {
 public:
  explicit MaskCache(const LoadCalculationInput& input) : input_(input) {}

  bool Assign(const EnergyRoom& room, RoomState& state, SimStatus& status) {
    for (int c = 1; c <= room.ComponentCount; ++c) {
      const FabricComponent& fc = room.Component[c];
      if (fc.ComponentType != kWindow || fc.ShadingMaskFile.empty()) continue;
      const std::string path = LocateShadingMask(fc.ShadingMaskFile, input_.CurrentFolder, input_.ProjectFolder);
      if (path.empty()) {
        return status.Fail("CalSolGain: Shading mask file: " + fc.ShadingMaskFile + " does not exist!");
      }
      auto found = masks_.find(path);
      if (found == masks_.end()) {
        auto mask = std::make_unique<ShadingMask>();
        if (Status read = ReadShadingMaskFile(path, *mask); !read) return status.Fail("CalSolGain: " + read.message);
        found = masks_.emplace(path, std::move(mask)).first;
      }
      state.Component[c].Mask = found->second.get();
    }
    return true;
  }

 private:
  const LoadCalculationInput& input_;
  std::map<std::string, std::unique_ptr<ShadingMask>> masks_;
};

bool Cancelled(ProgressSink& log, SimStatus& status) {
  return log.Cancelled() && !status.Fail("BCLSim: The calculation was cancelled.");
}

// The year of one room; results[hour] for the 8760 hours.
bool SimulateRoomYear(RoomState& room, const LoadCalculationInput& input, const LoadTables& tables,
                      ProgressSink& log, SimStatus& status, std::vector<RoomHourLoad>& results, double progressFrom,
                      double progressStep) {
  const std::vector<WeatherRecord>& weather = *input.Weather;
  results.assign(kHoursPerYear, RoomHourLoad{});
  HourConditions hour;
  int dayType = 6;
  int h = 0;
  for (int month = 1; month <= 12; ++month) {
    log.AddLine("Modelling " + room.RoomName + " - Processing Month No." + std::to_string(month) + "....");
    log.SetProgress(progressFrom + progressStep * (month - 1) / 12);
    if (Cancelled(log, status)) return false;
    for (int day = 1; day <= kDaysInMonth[month - 1]; ++day) {
      dayType = (dayType + 1) % 7;
      for (int i = 0; i < kHoursPerDay; ++i, ++h) {
        const WeatherRecord& w = weather[h];
        const ScheduleFractions fractions = FractionsForHour(tables, room.RoomType, dayType, i + 1);
        room.DirectGain = room.DiffuseGain = 0;
        if (!CalSolGain(room, w, tables, status)) return false;
        PrepareHour(room, w, fractions, IsOperatingHour(tables, room.RoomType, dayType, i), hour);
        CalSolAirTemp(room, w);
        float sensibleSum = 0, latentSum = 0;
        for (int step = 0; step < kSubStepsPerHour; ++step) {
          if (!CalQMRT(room, hour, status)) return false;
          StepConduction(room);
          float sensible = 0, latent = 0;
          if (!CalRoomLoad(room, hour, sensible, latent, status)) return false;
          sensibleSum += sensible / kSubStepsPerHour;
          latentSum += latent / kSubStepsPerHour;
          room.Advance();
        }
        if (!std::isfinite(sensibleSum) || !std::isfinite(latentSum) || !std::isfinite(room.RoomAirTemp)) {
          return status.Fail("BCLSim: The loads of room " + room.RoomName + " in zone " + room.ZoneName +
                             " are not finite numbers!");
        }
        results[h] = {sensibleSum, latentSum, room.RoomAirTemp};
      }
    }
  }
  return true;
}

}  // namespace

bool CalculateAnnualLoads(const LoadCalculationInput& input, ProgressSink& log, SimStatus& status,
                          AnnualRoomLoads& loads) {
  const EnergyModel& model = *input.Model;
  if (!input.Weather || input.Weather->size() != static_cast<size_t>(kHoursPerYear)) {
    return status.Fail("BCLSim: Failed to open weather data file!");
  }
  LoadTables tables;
  InitLoadTables(tables);
  MaskCache masks(input);
  auto room = std::make_unique<RoomState>();
  auto carried = std::make_unique<CarriedNodes>();
  int roomTotal = 0, roomsDone = 0;
  for (int z = 1; z <= model.ZoneCount; ++z) roomTotal += model.Zone[z].RoomCount;
  for (int z = 1; z <= model.ZoneCount; ++z) {
    const EnergyZone& zone = model.Zone[z];
    for (int r = 1; r <= zone.RoomCount; ++r, ++roomsDone) {
      if (!SetupRoomNodes(zone.Room[r], zone.ZoneName, input.AirSide->Zone[z], r, *input.Constructions, *room,
                          status) ||
          !masks.Assign(zone.Room[r], *room, status)) {
        return false;
      }
      LoadCarriedNodes(*carried, *room);
      const double step = 1.0 / std::max(roomTotal, 1);
      if (!SimulateRoomYear(*room, input, tables, log, status, loads.Room[z][r], roomsDone * step, step)) return false;
      StoreCarriedNodes(*room, *carried);
    }
  }
  log.SetProgress(1.0);
  return true;
}

}  // namespace kelca
