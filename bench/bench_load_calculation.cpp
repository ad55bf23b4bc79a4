// The hourly cooling load calculation of the largest model the tables allow:
// 20 zones of 12 rooms of 10 components on four-layer constructions, two
// windows per room with shading masks, over a synthetic hot-humid year.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <numbers>
#include <random>

#include "common/Progress.h"
#include "energy/AnnualLoads.h"
#include "energy/BCLSim.h"
#include "energy/Calendar.h"
#include "energy/RoomNodes.h"
#include "energy/ShadingMask.h"
#include "LargestModel.h"

using namespace kelca;

namespace {

ConstructionLayer Layer(int no, const char* name, float d, float rho, float k, float cp) {
  return {no, name, d, rho, k, cp};
}

int Add(ConstructionTable& t, const char* name, int window, float outer, float inner,
        std::initializer_list<ConstructionLayer> layers) {
  Construction& c = t.Item[++t.ConstructionCount];
  c.Name = name;
  c.WindowFlag = window;
  c.SurfaceValue = {outer, inner};
  for (const auto& l : layers) c.Layer[++c.LayerCount] = l;
  return t.ConstructionCount;
}

struct BenchModel {
  std::unique_ptr<EnergyModel> model = std::make_unique<EnergyModel>();
  std::unique_ptr<ConstructionTable> constructions = std::make_unique<ConstructionTable>();
  std::unique_ptr<AirSideData> airSide = std::make_unique<AirSideData>();
  std::vector<WeatherRecord> weather;
  std::filesystem::path folder;

  BenchModel() {
    folder = std::filesystem::temp_directory_path() / ("kelca_bench_" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(folder);
    BuildConstructions();
    BuildMasks();
    BuildModel();
    BuildWeather();
  }
  ~BenchModel() {
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
  }
  std::string Folder() const { return folder.string() + "/"; }

  void BuildConstructions() {
    ConstructionTable& t = *constructions;
    Add(t, "Brick cavity wall", 0, 0.6f, 0.5f,
        {Layer(20, "Render", 0.015f, 1800, 0.72f, 840), Layer(60, "Brick", 0.11f, 1800, 0.77f, 800),
         Layer(31, "Mineral wool", 0.05f, 30, 0.04f, 840), Layer(21, "Plaster", 0.013f, 1200, 0.5f, 840)});
    Add(t, "Double glazing", 1, 0.1f, 0.7f,
        {Layer(40, "Glass", 0.006f, 2500, 1.0f, 840), Layer(0, "Air Gap", 0.012f, 0, 0, 0),
         Layer(40, "Glass", 0.006f, 2500, 1.0f, 840), Layer(41, "Solar film", 0.0005f, 1400, 0.2f, 1200)});
    Add(t, "Slab", 0, 0.5f, 0.5f,
        {Layer(22, "Screed", 0.05f, 2000, 1.2f, 840), Layer(12, "Concrete", 0.15f, 2400, 1.4f, 880),
         Layer(0, "Air Gap", 0.3f, 0, 0, 0), Layer(23, "Ceiling board", 0.012f, 900, 0.25f, 1000)});
    Add(t, "Roof", 0, 0.8f, 0.5f,
        {Layer(24, "Membrane", 0.005f, 1100, 0.23f, 1000), Layer(12, "Concrete", 0.15f, 2400, 1.4f, 880),
         Layer(32, "Foam board", 0.05f, 35, 0.03f, 1400), Layer(21, "Plaster", 0.013f, 1200, 0.5f, 840)});
    Add(t, "Partition", 0, 0.5f, 0.5f,
        {Layer(21, "Plaster", 0.013f, 1200, 0.5f, 840), Layer(61, "Block", 0.05f, 1400, 0.5f, 1000),
         Layer(61, "Block", 0.05f, 1400, 0.5f, 1000), Layer(21, "Plaster", 0.013f, 1200, 0.5f, 840)});
  }

  void BuildMasks() {
    for (int o : {3, 5}) {
      ShadingMaskInput in;
      in.Orientation = o;
      in.W = 3;
      in.H = 1.5f;
      in.OP = 0.6f;
      in.DT = 0.2f;
      in.LP = in.RP = 0.3f;
      in.Name = o == 3 ? "EAST" : "SOUTH";
      ShadingMask mask;
      GenerateShadingMask(in, mask);
      SaveShadingMask(Folder(), in, mask);
    }
  }

  void BuildModel() {
    bench::FillLargestModel(*model, [&](int z, int r, EnergyRoom& room) {
      room.LightingLoad = 15;
      room.EquipmentLoad = 20;
      const auto add = [&](const char* name, float area, int type, int con, int orient, std::string mask = "") {
        room.Component[++room.ComponentCount] = {name, area, type, con, orient, std::move(mask)};
      };
      add("South wall", 20, kExternalWall, 1, 5);
      add("South window", 4.5f, kWindow, 2, 5, Folder() + "SOUTH.SHM");
      add("East wall", 14, kExternalWall, 1, 3);
      add("East window", 4.5f, kWindow, 2, 3, Folder() + "EAST.SHM");
      add("North wall", 24, kExternalWall, 1, 1);
      add("West wall", 18, kExternalWall, 1, 7);
      add("Corridor", 24, kPartition, 5, 1);
      add("Neighbour", 18, kPartition, 5, 7);
      add("Slab", 60, kFloorCeiling, 3, kHorizontal);
      if (z == kMaxZones) {
        add("Roof", 60, kRoof, 4, kHorizontal);
      } else {
        add("Store wall", 6, kPartition, 5, 3);
      }
      airSide->Zone[z].DesignSensibleLoad[r] = 6;
      airSide->Zone[z].DesignTotalLoad[r] = 8;
    });
  }

  // A hot-humid year: daily and seasonal swings and a clear-sky sun path.
  void BuildWeather() {
    constexpr double pi = std::numbers::pi;
    weather.resize(kHoursPerYear);
    for (int h = 0; h < kHoursPerYear; ++h) {
      const int day = h / 24, hour = h % 24;
      const double season = std::sin(2 * pi * (day - 100) / 365.0);
      const double daily = std::cos(2 * pi * (hour - 14) / 24.0);
      WeatherRecord& w = weather[h];
      w.HourNo = h + 1;
      w.DryBulb = static_cast<float>(24 + 5 * season + 3 * daily);
      w.WetBulb = w.DryBulb - 3;
      w.HumidityRatio = static_cast<float>(0.015 + 0.004 * season);
      const double hourAngle = (hour + 0.5 - 12) * pi / 12, declination = 0.4 * season, latitude = 0.39;
      const double sinAlt = std::sin(latitude) * std::sin(declination) +
                            std::cos(latitude) * std::cos(declination) * std::cos(hourAngle);
      const double alt = std::asin(sinAlt);
      double az = std::atan2(std::sin(hourAngle), std::cos(hourAngle) * std::sin(latitude) -
                                                       std::tan(declination) * std::cos(latitude));
      if (az < 0) az += 2 * pi;
      w.SolarAltitude = static_cast<float>(std::max(alt, 0.0));
      w.SolarAzimuth = static_cast<float>(std::fmod(az, 2 * pi));
      if (alt > 0) {
        const double beam = 800 * sinAlt;
        for (int o = 1; o <= 8; ++o) {
          const double cosI = std::cos(az - std::fmod((o - 5) * pi / 4 + 2 * pi, 2 * pi)) * std::cos(alt);
          w.DirectSolar[o] = static_cast<float>(std::max(0.0, 800 * cosI));
        }
        w.DirectSolar[9] = static_cast<float>(beam);
        w.DiffuseSolar = {static_cast<float>(120 * sinAlt), static_cast<float>(60 * sinAlt)};
      }
    }
  }

  // Node updates of one year of all rooms (each node once per sub-step).
  double NodeUpdatesPerYear() const {
    double nodes = 0;
    for (int z = 1; z <= model->ZoneCount; ++z) {
      for (int r = 1; r <= model->Zone[z].RoomCount; ++r) {
        auto state = std::make_unique<RoomState>();
        SimStatus status;
        SetupRoomNodes(model->Zone[z].Room[r], "", airSide->Zone[z], r, *constructions, *state, status);
        for (int c = 1; c <= state->ComponentCount; ++c) nodes += state->Component[c].NodeCount;
      }
    }
    return nodes * kHoursPerYear * kSubStepsPerHour;
  }
};

class QuietProgress : public ProgressSink {
 public:
  void AddLine(const std::string&) override {}
};

void BM_AnnualLoadCalculation(benchmark::State& state) {
  BenchModel bench;
  LoadCalculationInput input;
  input.Model = bench.model.get();
  input.Constructions = bench.constructions.get();
  input.AirSide = bench.airSide.get();
  input.Weather = &bench.weather;
  input.CurrentFolder = bench.Folder();
  auto loads = std::make_unique<AnnualRoomLoads>();
  QuietProgress log;
  for (auto _ : state) {
    SimStatus status;
    if (!CalculateAnnualLoads(input, log, status, *loads)) state.SkipWithError(status.SimMessage.c_str());
    benchmark::DoNotOptimize(loads->Room[kMaxZones][kMaxRoomsPerZone].data());
  }
  state.counters["rooms"] = kMaxZones * kMaxRoomsPerZone;
  state.counters["nodes"] = bench.NodeUpdatesPerYear() / (kHoursPerYear * kSubStepsPerHour);
  state.counters["node_updates_per_s"] =
      benchmark::Counter(bench.NodeUpdatesPerYear(), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_AnnualLoadCalculation)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

// The same run through its files: reading the inputs, the year, and writing "AnHSpCL.TXT".
void BM_BCLSimWithFiles(benchmark::State& state) {
  BenchModel bench;
  LoadRunFiles files;
  files.EciFile = bench.Folder() + "BENCH.ECI";
  files.ConFile = bench.Folder() + "BENCH.CON";
  files.WeatherFile = bench.Folder() + kWeatherFileName;
  files.CurrentFolder = bench.Folder();
  WriteEnergyInputFile(files.EciFile, "Bench", *bench.model);
  WriteConstructionFile(files.ConFile, *bench.constructions);
  WriteWeatherFile(files.WeatherFile, bench.weather);
  QuietProgress log;
  for (auto _ : state) {
    SimStatus status;
    if (!BCLSim(files, *bench.airSide, log, status)) state.SkipWithError(status.SimMessage.c_str());
  }
  state.counters["output_MB"] =
      static_cast<double>(std::filesystem::file_size(bench.Folder() + kHourlyLoadFileName)) / 1e6;
  state.counters["node_updates_per_s"] =
      benchmark::Counter(bench.NodeUpdatesPerYear(), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_BCLSimWithFiles)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

}  // namespace

namespace {

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
  BenchModel bench;
  for (auto _ : state) {
    HourlyLoadWriter writer(kMaxZones * kMaxRoomsPerZone);
    FillYear(*bench.model, writer);
    if (!writer.Save(bench.Folder() + kHourlyLoadFileName)) state.SkipWithError("write failed");
  }
}
BENCHMARK(BM_WriteHourlyLoadFile)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

void BM_ReadHourlyLoadFile(benchmark::State& state) {
  BenchModel bench;
  HourlyLoadWriter writer(kMaxZones * kMaxRoomsPerZone);
  FillYear(*bench.model, writer);
  writer.Save(bench.Folder() + kHourlyLoadFileName);
  auto record = std::make_unique<HourlyLoadRecord>();
  for (auto _ : state) {
    HourlyLoadReader reader;
    HourlyLoadReader::Open(bench.Folder() + kHourlyLoadFileName, *bench.model, reader);
    for (int h = 0; h < kHoursPerYear; ++h) {
      if (!reader.ReadHour(*record)) state.SkipWithError(reader.Result().message.c_str());
    }
  }
}
BENCHMARK(BM_ReadHourlyLoadFile)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace
