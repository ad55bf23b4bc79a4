// The hourly cooling load calculation of the largest model the tables allow
// (LargestModel.h): the year of its 240 rooms in memory, the rooms one after
// the other and all at once; the same through the run's files; the file of
// the year written and read back; and the arithmetic floor of the rooms run one
// after the other, the explicit node update alone.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "BenchSupport.h"
#include "LargestModel.h"
#include "energy/AnnualLoads.h"
#include "energy/BCLSim.h"
#include "energy/RoomNodes.h"

using namespace kelca;
using namespace kelca::bench;

namespace {

struct LoadBench {
  ScratchFolder folder{"kelca_bench_"};
  LargestModel largest{folder.Path()};

  LoadCalculationInput Input() const {
    LoadCalculationInput input;
    input.Model = largest.model.get();
    input.Constructions = largest.constructions.get();
    input.AirSide = largest.airSide.get();
    input.Weather = &largest.weather;
    input.CurrentFolder = folder.Path();
    return input;
  }

  // Every room set up with its nodes.
  std::vector<std::unique_ptr<RoomState>> Rooms() const {
    std::vector<std::unique_ptr<RoomState>> rooms;
    const EnergyModel& m = *largest.model;
    for (int z = 1; z <= m.ZoneCount; ++z) {
      for (int r = 1; r <= m.Zone[z].RoomCount; ++r) {
        auto state = std::make_unique<RoomState>();
        SimStatus status;
        SetupRoomNodes(m.Zone[z].Room[r], "", largest.airSide->Zone[z], r, *largest.constructions, *state, status);
        LoadCarriedState(CarriedState{}, *state);
        rooms.push_back(std::move(state));
      }
    }
    return rooms;
  }

  // Node updates of one year of all rooms (each node once per sub-step).
  double NodeUpdatesPerYear() const {
    double nodes = 0;
    for (const auto& room : Rooms()) {
      for (int c = 1; c <= room->ComponentCount; ++c) nodes += room->Component[c].NodeCount;
    }
    return nodes * kHoursPerYear * kSubStepsPerHour;
  }
};

// The floor: each room's node update, 8760 x 60 times, one room after the
// other on one core, its data in the first-level cache; nothing else.
void BM_NodeUpdateFloor(benchmark::State& state) {
  LoadBench bench;
  auto rooms = bench.Rooms();
  for (auto _ : state) {
    for (auto& room : rooms) {
      NodeUpdatesOfAYear(*room);
      benchmark::DoNotOptimize(room->CurrentTemps());
    }
  }
  state.counters["node_updates_per_s"] =
      benchmark::Counter(bench.NodeUpdatesPerYear(), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_NodeUpdateFloor)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

// Arg 1: the rooms one after the other (--sequential); 0: all at once.
void BM_AnnualLoadCalculation(benchmark::State& state) {
  LoadBench bench;
  LoadCalculationInput input = bench.Input();
  SpeculationReport report;
  input.Options = {.Sequential = state.range(0) == 1, .Report = &report};
  auto loads = std::make_unique<AnnualRoomLoads>();
  QuietProgress log;
  for (auto _ : state) {
    SimStatus status;
    if (!CalculateAnnualLoads(input, log, status, *loads)) state.SkipWithError(status.SimMessage.c_str());
    benchmark::DoNotOptimize(loads->Room[kMaxZones][kMaxRoomsPerZone].data());
  }
  state.counters["rooms"] = kMaxZones * kMaxRoomsPerZone;
  state.counters["node_updates_per_s"] =
      benchmark::Counter(bench.NodeUpdatesPerYear(), benchmark::Counter::kIsIterationInvariantRate);
  if (!input.Options.Sequential) {
    state.counters["lane_groups"] = report.LaneGroups;
    state.counters["pass2_room_days"] = static_cast<double>(report.SecondPassDays);
    state.counters["whole_year_rooms"] = report.WholeYearRooms;
  }
}
BENCHMARK(BM_AnnualLoadCalculation)
    ->ArgName("sequential")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->UseRealTime();

// The same run through its files: reading ".ECI", ".CON", the weather year and
// the masks, the year, writing "AnHSpCL.TXT".
void BM_BCLSimWithFiles(benchmark::State& state) {
  LoadBench bench;
  LoadRunFiles files;
  files.EciFile = bench.folder.Path() + "LARGEST.ECI";
  files.ConFile = bench.folder.Path() + "LARGEST.CON";
  files.WeatherFile = bench.folder.Path() + kWeatherFileName;
  files.CurrentFolder = bench.folder.Path();
  bench.largest.WriteProject(bench.folder.Path());
  QuietProgress log;
  for (auto _ : state) {
    SimStatus status;
    if (!BCLSim(files, *bench.largest.airSide, log, status)) state.SkipWithError(status.SimMessage.c_str());
  }
  state.counters["output_MB"] =
      static_cast<double>(std::filesystem::file_size(bench.folder.Path() + kHourlyLoadFileName)) / 1e6;
}
BENCHMARK(BM_BCLSimWithFiles)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

// "AnHSpCL.TXT" of the largest model: writing it, and reading it back hour by hour as the plant does.
void FillYear(const EnergyModel& model, HourlyLoadWriter& writer) {
  auto record = std::make_unique<HourlyLoadRecord>();
  record->ZoneCount = model.ZoneCount;
  for (int z = 1; z <= model.ZoneCount; ++z) record->RoomCount[z] = model.Zone[z].RoomCount;
  for (int h = 0; h < kHoursPerYear; ++h) {
    record->Month = 1 + h / 730;
    record->Day = 1 + h / 24 % 28;
    record->Hour = 1 + h % 24;
    record->DryBulb = 27.5f + 0.001f * h;
    for (int z = 1; z <= model.ZoneCount; ++z) {
      for (int r = 1; r <= model.Zone[z].RoomCount; ++r) record->Room[z][r] = {1234.567f + h, 98.76543f, 24.01f};
    }
    writer.AddHour(*record);
  }
}

void BM_WriteHourlyLoadFile(benchmark::State& state) {
  LoadBench bench;
  for (auto _ : state) {
    HourlyLoadWriter writer(kMaxZones * kMaxRoomsPerZone);
    FillYear(*bench.largest.model, writer);
    if (!writer.Save(bench.folder.Path() + kHourlyLoadFileName)) state.SkipWithError("write failed");
  }
}
BENCHMARK(BM_WriteHourlyLoadFile)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

void BM_ReadHourlyLoadFile(benchmark::State& state) {
  LoadBench bench;
  HourlyLoadWriter writer(kMaxZones * kMaxRoomsPerZone);
  FillYear(*bench.largest.model, writer);
  writer.Save(bench.folder.Path() + kHourlyLoadFileName);
  auto record = std::make_unique<HourlyLoadRecord>();
  for (auto _ : state) {
    HourlyLoadReader reader;
    HourlyLoadReader::Open(bench.folder.Path() + kHourlyLoadFileName, *bench.largest.model, reader);
    for (int h = 0; h < kHoursPerYear; ++h) {
      if (!reader.ReadHour(*record)) state.SkipWithError(reader.Result().message.c_str());
    }
  }
}
BENCHMARK(BM_ReadHourlyLoadFile)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace
