// The plant simulation year of the largest model the tables allow
// (LargestModel.h): 20 zones of 12 rooms on variable-speed VAV air handlers
// with central fresh-air units, an indirect seawater-cooled plant with cooling
// towers and variable-speed secondary pumps (the heaviest kind: pump and fan
// speed solves every hour and the condenser temperature iteration through
// towers and heat exchanger), running all 8760 hours. The year is read from a synthetic "AnHSpCL.TXT" and
// written to "BCLnEQW.SDF", as a run does.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <numbers>

#include "BenchSupport.h"
#include "LargestModel.h"
#include "energy/Calendar.h"
#include "energy/HourlyLoadFile.h"
#include "plant/PlantSimulation.h"

using namespace kelca;
using namespace kelca::bench;

namespace {

struct PlantBench {
  ScratchFolder folder{"kelca_plant_bench_"};
  LargestModel largest{folder.Path()};
  PlantRunFiles files;

  PlantBench() {
    files.LoadFile = folder.Path() + kHourlyLoadFileName;
    files.OutputFile = folder.Path() + kPlantOutputFileName;
    WriteLoads();
  }

  // Daily and seasonal swings; office-like loads by day, a little at night.
  void WriteLoads() const {
    constexpr double pi = std::numbers::pi;
    HourlyLoadWriter out(kMaxZones * kMaxRoomsPerZone);
    auto hour = std::make_unique<HourlyLoadRecord>();
    hour->ZoneCount = kMaxZones;
    int n = 0;
    for (int m = 1; m <= 12; ++m) {
      for (int d = 1; d <= kDaysInMonth[m - 1]; ++d) {
        for (int h = 1; h <= kHoursPerDay; ++h, ++n) {
          const double season = std::sin(2 * pi * (n / 24 - 100) / 365.0);
          const double daily = std::cos(2 * pi * (h - 14) / 24.0);
          hour->Month = m;
          hour->Day = d;
          hour->Hour = h;
          hour->DryBulb = static_cast<float>(24 + 5 * season + 3 * daily);
          hour->WetBulb = hour->DryBulb - 3;
          hour->HumidityRatio = static_cast<float>(0.015 + 0.004 * season);
          const bool day = h > 8 && h <= 19;
          for (int z = 1; z <= kMaxZones; ++z) {
            hour->RoomCount[z] = kMaxRoomsPerZone;
            for (int r = 1; r <= kMaxRoomsPerZone; ++r) {
              const float sensible = day ? static_cast<float>(3500 + 1500 * daily + 60 * r) : 300.0f;
              hour->Room[z][r] = {sensible, day ? 700.0f : 50.0f, 24};
            }
          }
          out.AddHour(*hour);
        }
      }
    }
    out.Save(files.LoadFile);
  }
};

void BM_PlantSimulationYear(benchmark::State& state) {
  PlantBench bench;
  QuietProgress log;
  for (auto _ : state) {
    PlantInput plant = *bench.largest.plant;
    AnnualACEnergy energy;
    SimStatus status;
    if (!SimulatePlantYear(*bench.largest.model, *bench.largest.airSide, plant, bench.files, energy, status, log)) {
      state.SkipWithError(status.SimMessage.c_str());
      break;
    }
    benchmark::DoNotOptimize(energy.Value.data());
    state.counters["AC_MWh"] = energy.Value[0] / 1000;
  }
  state.counters["rooms"] = kMaxZones * kMaxRoomsPerZone;
  state.counters["plant_hours"] = kHoursPerYear;
  state.counters["load_file_MB"] = static_cast<double>(std::filesystem::file_size(bench.files.LoadFile)) / 1e6;
}
BENCHMARK(BM_PlantSimulationYear)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace
