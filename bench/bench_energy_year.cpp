// The load and plant year as kelca-cli energy runs it (the air-conditioning
// step of the energy screen: the hourly cooling loads, "AnHSpCL.TXT", the
// plant simulation, "BCLnEQW.SDF"), with the rooms all at once, checked byte
// for byte against the rooms one after the other (--sequential), on the
// largest model (LargestModel.h) and on the sample office. Beside each figure:
// the arithmetic floor of the rooms one after the other (the explicit node
// update alone, one core), measured in the same run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>

#include "BenchSupport.h"
#include "LargestModel.h"
#include "app/Workspace.h"
#include "common/FileIO.h"
#include "common/Paths.h"
#include "common/ScriptedPrompts.h"
#include "energy/RoomNodes.h"
#include "plant/EnergyResultFile.h"
#include "plant/PlantSimulation.h"
#include "screens/EnergyCalculationScreen.h"

using namespace kelca;
using namespace kelca::bench;

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// A project folder (ending in "/") with its name ("OFFICE") and the database folder of its weather.
struct Project {
  std::string folder, name, db;
  std::string File(const char* extension) const { return folder + name + "." + extension; }
};

// The air-conditioning step on a fresh workspace; then the ".EUR". Empty, or the fault.
std::string RunYear(const Project& p, const LoadRunOptions& options) {
  auto ws = std::make_unique<Workspace>();
  ws->CurrentFolder = ws->Project.ProjDir = p.folder;
  ws->Project.ProjFileName = p.name + ".PRJ";
  ws->Db.LcaDbFolder = p.db;
  ws->EnergyFiles = {p.File("CON"), p.File("ECI"), p.File("ASS")};
  ws->PlantFiles = {p.File("WSS"), p.File("NAC")};
  if (Status s = ReadEnergyInputFile(p.File("ECI"), ws->Energy); !s) return s.message;
  if (Status s = ReadAirSideFile(p.File("ASS"), ws->Energy, ws->AirSide); !s) return s.message;
  ScriptedPrompts prompts;
  if (FileExists(HourlyLoadFilePath(*ws))) prompts.QueueAnswer(Answer::Yes);  // calculate the loads again
  prompts.QueueAnswer(Answer::Yes);                                          // go on to the plant
  QuietProgress log;
  if (!CalculateAirConditioning(*ws, prompts, log, RunStepHere, options)) return ws->Sim.SimMessage;
  const Status saved = WriteEnergyResultFile(p.File("EUR"), ws->ACEnergy, ws->ZoneElec, ws->Plant, ws->NonAC);
  return saved ? "" : saved.message;
}

// The first of the run's files that is not the reference's byte for byte, or empty.
std::string DifferingFile(const Project& run, const Project& reference) {
  for (const std::string& file : {std::string(kHourlyLoadFileName), std::string(kPlantOutputFileName),
                                 run.name + ".EUR"}) {
    std::string a, b;
    if (!ReadFileBytes(run.folder + file, a) || !ReadFileBytes(reference.folder + file, b) || a != b) return file;
  }
  return "";
}

// The floor: every room's node update 8760 x 60 times, one room after the
// other on one core, with nothing else; seconds.
double NodeUpdateFloor(const Project& p) {
  auto model = std::make_unique<EnergyModel>();
  auto constructions = std::make_unique<ConstructionTable>();
  auto airSide = std::make_unique<AirSideData>();
  ReadEnergyInputFile(p.File("ECI"), *model);
  ReadConstructionFile(p.File("CON"), *constructions);
  auto room = std::make_unique<RoomState>();
  const Clock::time_point start = Clock::now();
  for (int z = 1; z <= model->ZoneCount; ++z) {
    for (int r = 1; r <= model->Zone[z].RoomCount; ++r) {
      SimStatus status;
      SetupRoomNodes(model->Zone[z].Room[r], "", airSide->Zone[z], r, *constructions, *room, status);
      NodeUpdatesOfAYear(*room);
      benchmark::DoNotOptimize(room->CurrentTemps());
    }
  }
  return SecondsSince(start);
}

// The projects: two copies, one for the reference run and one for the runs timed.
struct Projects {
  Project reference, run;
};

Projects LargestProjects(const ScratchFolder& scratch) {
  Projects p;
  for (Project* project : {&p.reference, &p.run}) {
    const std::string folder = scratch.Path() + (project == &p.reference ? "reference/" : "run/");
    std::filesystem::create_directories(folder);
    LargestModel(folder).WriteProject(folder);
    *project = {folder, "LARGEST", folder};  // the weather year is written beside the project
  }
  return p;
}

Projects SampleOfficeProjects(const ScratchFolder& scratch) {
  Projects p;
  for (Project* project : {&p.reference, &p.run}) {
    const std::string folder = scratch.Path() + (project == &p.reference ? "reference/" : "run/");
    std::filesystem::copy(KELCA_SOURCE_DIR "/samples/office", folder, std::filesystem::copy_options::recursive);
    *project = {folder, "OFFICE", KELCA_SOURCE_DIR "/data/db/"};
  }
  return p;
}

// The floor, the reference run with --sequential, then the timed runs with
// the rooms at once, each checked byte for byte against the reference.
void TimeEnergyYear(benchmark::State& state, const Projects& p) {
  const double floor = NodeUpdateFloor(p.reference);
  Clock::time_point start = Clock::now();
  if (std::string fault = RunYear(p.reference, {.Sequential = true}); !fault.empty()) {
    state.SkipWithError(fault.c_str());
    return;
  }
  const double sequential = SecondsSince(start);
  SpeculationReport report;
  double best = 1e9;
  for (auto _ : state) {
    start = Clock::now();
    const std::string fault = RunYear(p.run, {.Sequential = false, .Report = &report});
    const double seconds = SecondsSince(start);
    state.SetIterationTime(seconds);
    best = std::min(best, seconds);
    if (!fault.empty()) {
      state.SkipWithError(fault.c_str());
      return;
    }
    if (const std::string file = DifferingFile(p.run, p.reference); !file.empty()) {
      state.SkipWithError((file + " differs from the one of --sequential").c_str());
      return;
    }
  }
  state.counters["best_s"] = best;
  state.counters["floor_s"] = floor;
  state.counters["best_x_floor"] = best / floor;
  state.counters["sequential_s"] = sequential;
  state.counters["rooms"] = report.Rooms;
  state.counters["lane_groups"] = report.LaneGroups;
  state.counters["pass2_room_days"] = static_cast<double>(report.SecondPassDays);
  state.counters["whole_year_rooms"] = report.WholeYearRooms;
  state.counters["last_pass1_s"] = report.FirstPassSeconds;
  state.counters["last_pass2_s"] = report.SecondPassSeconds;
}

void BM_EnergyYearLargest(benchmark::State& state) {
  ScratchFolder scratch("kelca_energy_year_");
  TimeEnergyYear(state, LargestProjects(scratch));
}
BENCHMARK(BM_EnergyYearLargest)->Unit(benchmark::kSecond)->Iterations(3)->UseManualTime();

void BM_EnergyYearSampleOffice(benchmark::State& state) {
  ScratchFolder scratch("kelca_energy_year_");
  TimeEnergyYear(state, SampleOfficeProjects(scratch));
}
BENCHMARK(BM_EnergyYearSampleOffice)->Unit(benchmark::kSecond)->Iterations(5)->UseManualTime();

}  // namespace
