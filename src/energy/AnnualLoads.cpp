#include "energy/AnnualLoads.h"

#include <map>
#include <memory>

#include "common/Paths.h"
#include "energy/Calendar.h"
#include "energy/LoadTables.h"
#include "energy/RoomNodes.h"
#include "energy/RoomYear.h"

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
  results.assign(kHoursPerYear, RoomHourLoad{});
  int day = 0;
  for (int month = 1; month <= 12; ++month) {
    log.AddLine("Modelling " + room.RoomName + " - Processing Month No." + std::to_string(month) + "....");
    log.SetProgress(progressFrom + progressStep * (month - 1) / 12);
    if (Cancelled(log, status)) return false;
    for (int d = 1; d <= kDaysInMonth[month - 1]; ++d, ++day) {
      if (SimulateRoomDay(room, *input.Weather, tables, day, &results[day * kHoursPerDay], status) < kHoursPerDay) {
        return false;
      }
    }
  }
  return true;
}

// The rooms one after the other, each set up as its turn comes.
bool RunRoomsInOrder(const LoadCalculationInput& input, const LoadTables& tables, MaskCache& masks, ProgressSink& log,
                     SimStatus& status, AnnualRoomLoads& loads) {
  const EnergyModel& model = *input.Model;
  auto room = std::make_unique<RoomState>();
  auto carried = std::make_unique<CarriedState>();
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
      LoadCarriedState(*carried, *room);
      const double step = 1.0 / std::max(roomTotal, 1);
      if (!SimulateRoomYear(*room, input, tables, log, status, loads.Room[z][r], roomsDone * step, step)) return false;
      StoreCarriedState(*room, *carried);
    }
  }
  return true;
}

// All rooms set up first (up to the first that cannot be), then run at once.
bool RunRoomsAtOnce(const LoadCalculationInput& input, const LoadTables& tables, MaskCache& masks, ProgressSink& log,
                    SimStatus& status, AnnualRoomLoads& loads) {
  const EnergyModel& model = *input.Model;
  std::vector<std::unique_ptr<RoomState>> states;
  std::vector<RunRoom> rooms;
  SimStatus setup;
  for (int z = 1; z <= model.ZoneCount && !setup.SimError; ++z) {
    const EnergyZone& zone = model.Zone[z];
    for (int r = 1; r <= zone.RoomCount; ++r) {
      auto room = std::make_unique<RoomState>();
      if (!SetupRoomNodes(zone.Room[r], zone.ZoneName, input.AirSide->Zone[z], r, *input.Constructions, *room,
                          setup) ||
          !masks.Assign(zone.Room[r], *room, setup)) {
        break;
      }
      loads.Room[z][r].assign(kHoursPerYear, RoomHourLoad{});
      rooms.push_back({room.get(), &loads.Room[z][r]});
      states.push_back(std::move(room));
    }
  }
  // The rooms before one that cannot be set up run first: a fault of theirs comes first.
  if (!RunRoomsSpeculatively(rooms, *input.Weather, tables, log, status, input.Options.Report)) return false;
  return !setup.SimError || status.Fail(setup.SimMessage);
}

}  // namespace

bool CalculateAnnualLoads(const LoadCalculationInput& input, ProgressSink& log, SimStatus& status,
                          AnnualRoomLoads& loads) {
  if (!input.Weather || input.Weather->size() != static_cast<size_t>(kHoursPerYear)) {
    return status.Fail("BCLSim: Failed to open weather data file!");
  }
  LoadTables tables;
  InitLoadTables(tables);
  MaskCache masks(input);
  const bool done = input.Options.Sequential ? RunRoomsInOrder(input, tables, masks, log, status, loads)
                                             : RunRoomsAtOnce(input, tables, masks, log, status, loads);
  if (done) log.SetProgress(1.0);
  return done;
}

}  // namespace kelca
