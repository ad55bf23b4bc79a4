// The plant simulation year of the largest model the tables allow: 20 zones of
// 12 rooms on variable-speed VAV air handlers with central fresh-air units,
// an indirect seawater-cooled plant with cooling towers and variable-speed
// secondary pumps (the heaviest kind: pump and fan speed solves every hour and
// the condenser temperature iteration through towers and heat exchanger),
// running all 8760 hours. The year is read from a synthetic "AnHSpCL.TXT" and
// written to "BCLnEQW.SDF", as a run does.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <numbers>
#include <random>

#include "common/Progress.h"
#include "energy/Calendar.h"
#include "energy/HourlyLoadFile.h"
#include "plant/PlantSimulation.h"
#include "LargestModel.h"

using namespace kelca;

namespace {

struct PlantBench {
  std::unique_ptr<EnergyModel> model = std::make_unique<EnergyModel>();
  std::unique_ptr<AirSideData> airSide = std::make_unique<AirSideData>();
  PlantInput plant;
  std::filesystem::path folder;
  PlantRunFiles files;

  PlantBench() {
    folder = std::filesystem::temp_directory_path() / ("kelca_plant_bench_" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(folder);
    files.LoadFile = (folder / kHourlyLoadFileName).string();
    files.OutputFile = (folder / kPlantOutputFileName).string();
    BuildModel();
    BuildPlant();
    WriteLoads();
  }
  ~PlantBench() {
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
  }

  void BuildModel() {
    bench::FillLargestModel(*model, [&](int z, int r, EnergyRoom&) {
      AirSideZone& air = airSide->Zone[z];
      air.DesignSensibleLoad[r] = 6;
      air.DesignTotalLoad[r] = 8;
      air.DesignSupplyAir[r] = 0.5f;
    });
    for (int z = 1; z <= kMaxZones; ++z) {
      AirSideZone& air = airSide->Zone[z];
      air.AcSystemType = kVavVariableSpeed;
      air.FreshAirType = kCentralPretreated;
      air.DesignSensibleLoad[0] = 72;
      air.DesignTotalLoad[0] = 96;
      air.DesignSupplyAir[0] = 6;
      air.DesignFanPressure = 750;
      air.DesignFanPower = 9;
      air.DesignChwFlow = 4.6f;
    }
  }

  void BuildPlant() {
    PlantInput& p = plant;
    p.PlantType = kIndirectSeawaterTowers;
    p.PumpingType = kTwoLoopVariableSpeed;
    p.StartHour = 0;
    p.StopHour = 24;
    p.DesignTemp1 = 30;
    p.DesignTemp2 = 35;
    p.DesignTemp3 = 27;
    p.DesignTemp4 = 32;
    p.ChillerCount = p.PlpCount = p.SlpCount = p.CwpCount = p.SwpCount = p.TowerCount = 3;
    for (int i = 1; i <= 3; ++i) {
      ChillerUnit& c = p.Chiller[i];
      c.Type = i == 3 ? kScrew : kCentrifugal;
      c.RatedCapacity = 900;
      c.RatedPower = 180;
      c.ChwFlow = 43;
      c.CwFlow = 52;
      p.Plp[i] = {43, 150, 11};
      p.Slp[i].Type = 2;
      p.Slp[i].RatedFlow = 45;
      p.Slp[i].RatedPressure = 250;
      p.Slp[i].RatedPower = 18;
      p.Cwp[i] = {52, 200, 15};
      p.Swp[i].Type = 2;
      p.Swp[i].RatedFlow = 52;
      p.Swp[i].RatedPressure = 180;
      p.Swp[i].RatedPower = 25;
      p.Tower[i] = {1100, 52, 11};
    }
    p.FauCount = 2;
    p.Fau[1] = p.Fau[2] = {40, 100, 6, 600, 7.5f, 4.8f};
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

class QuietProgress : public ProgressSink {
 public:
  void AddLine(const std::string&) override {}
};

void BM_PlantSimulationYear(benchmark::State& state) {
  PlantBench bench;
  QuietProgress log;
  for (auto _ : state) {
    PlantInput plant = bench.plant;
    AnnualACEnergy energy;
    SimStatus status;
    if (!SimulatePlantYear(*bench.model, *bench.airSide, plant, bench.files, energy, status, log)) {
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
