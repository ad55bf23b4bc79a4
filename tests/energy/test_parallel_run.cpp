// The rooms' loads calculated all at once give the same file, log and faults
// as the rooms one after the other, to the last byte: on a model whose rooms
// differ in their constructions and layouts, pass nodes they do not use on to
// later rooms, and include a room that never meets the state it had when run
// from 15 deg C.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <numbers>

#include "energy/BCLSim.h"
#include "energy/ShadingMask.h"
#include "support/SampleModels.h"
#include "support/TempFolder.h"

using namespace kelca;
using namespace kelca::testing;

namespace {

// A warm year with daily swings and a sun that goes round the sky.
std::vector<WeatherRecord> SunnyYear() {
  constexpr double pi = std::numbers::pi;
  std::vector<WeatherRecord> year(kHoursPerYear);
  for (int h = 0; h < kHoursPerYear; ++h) {
    const double day = h / 24, hour = h % 24 + 0.5, season = std::sin(2 * pi * (day - 100) / 365);
    const double sun = std::max(0.0, std::sin(pi * (hour - 6) / 12));
    WeatherRecord& w = year[h];
    w.HourNo = h + 1;
    w.DryBulb = static_cast<float>(26 + 5 * season + 4 * std::sin(2 * pi * (hour - 9) / 24));
    w.Weather2 = 1010;
    w.WetBulb = w.DryBulb - 4;
    w.HumidityRatio = static_cast<float>(0.016 + 0.003 * season);
    for (int o = 1; o <= 9; ++o) w.DirectSolar[o] = static_cast<float>(600 * sun * (0.4 + 0.1 * (o % 5)));
    w.DiffuseSolar = {static_cast<float>(150 * sun), static_cast<float>(80 * sun)};
    w.SolarAltitude = static_cast<float>(1.2 * sun);
    w.SolarAzimuth = static_cast<float>(std::fmod(pi / 2 + pi * (hour - 12) / 12 + 2 * pi, 2 * pi));
  }
  return year;
}

struct ParallelRun {
  TempFolder dir;
  std::unique_ptr<EnergyModel> model = std::make_unique<EnergyModel>();
  std::unique_ptr<ConstructionTable> constructions = std::make_unique<ConstructionTable>();
  std::unique_ptr<AirSideData> airSide = std::make_unique<AirSideData>();
  std::vector<WeatherRecord> weather = SunnyYear();
  LoadRunFiles files;

  struct Outcome {
    bool done = false;
    std::string message, loads;  // the fault, "AnHSpCL.TXT"
    std::vector<std::string> log;
    double progress = 0;
  };

  ParallelRun() {
    files = {dir.File("P.ECI"), dir.File("P.CON"), dir.File(kWeatherFileName), dir.Folder(), dir.Folder()};
    ShadingMaskInput in{.Orientation = 5, .W = 2, .H = 1.5f, .OP = 0.8f, .LP = 0.3f, .RP = 0.3f, .Name = "SOUTH"};
    ShadingMask mask;
    EXPECT_TRUE(GenerateShadingMask(in, mask));
    EXPECT_TRUE(SaveShadingMask(dir.Folder(), in, mask));
  }

  EnergyRoom& Room(EnergyZone& zone, const std::string& name, int type, std::initializer_list<FabricComponent> parts) {
    EnergyRoom room = MakeRoom(name, type, 40, 3);
    for (const FabricComponent& c : parts) AddComponent(room, c);
    const int z = static_cast<int>(&zone - &model->Zone[0]);
    airSide->Zone[z].DesignSensibleLoad[zone.RoomCount + 1] = 6;
    airSide->Zone[z].DesignTotalLoad[zone.RoomCount + 1] = 8;
    return AddRoom(zone, room);
  }

  Outcome Run(bool sequential, SpeculationReport* report = nullptr, ProgressSink* sink = nullptr) {
    EXPECT_TRUE(WriteEnergyInputFile(files.EciFile, "P", *model));
    EXPECT_TRUE(WriteConstructionFile(files.ConFile, *constructions));
    EXPECT_TRUE(WriteWeatherFile(files.WeatherFile, weather));
    dir.Write(kHourlyLoadFileName, "an earlier run's");
    CollectingProgress collected;
    ProgressSink& log = sink ? *sink : collected;
    SimStatus status;
    Outcome out;
    out.done = BCLSim(files, *airSide, log, status, {.Sequential = sequential, .Report = report});
    out.message = status.SimMessage;
    out.loads = dir.Read(kHourlyLoadFileName);
    out.log = collected.lines;
    out.progress = collected.progress;
    return out;
  }

  // Both ways, which must agree in everything.
  Outcome RunBothWays(SpeculationReport* report = nullptr) {
    const Outcome sequential = Run(true), parallel = Run(false, report);
    EXPECT_EQ(parallel.done, sequential.done);
    EXPECT_EQ(parallel.message, sequential.message);
    EXPECT_TRUE(parallel.loads == sequential.loads) << "AnHSpCL.TXT differs";
    EXPECT_EQ(parallel.log, sequential.log);
    return parallel;
  }
};

// Two zones whose rooms differ in constructions and layout: eight offices of
// one layout share lanes, six rooms of five layouts share lanes, a plant room
// without fabric runs alone; behind a hot kitchen, a cellar and an office on
// the same wall of 5 m of concrete never forget where they started, so each
// waits for the true end of the room before it; a lobby of two walls passes
// the slab nodes of the guest room before it on to the office after it.
void BuildMixedModel(ParallelRun& run) {
  ConstructionTable& t = *run.constructions;
  const int light =
      AddConstruction(t, "Light wall", 0, 0.6f, 0.5f, {Plaster(0.02f), Insulation(0.05f), Plaster(0.02f)});
  const int heavy = AddConstruction(t, "Heavy wall", 0, 0.7f, 0.5f, {Concrete(0.2f), Plaster(0.015f)});
  const int single = AddConstruction(t, "Single glazing", 1, 0.1f, 0.7f, {Glass(0.006f)});
  const int twin = AddConstruction(t, "Double glazing", 1, 0.1f, 0.6f, {Glass(0.006f), AirGap(0.012f), Glass(0.006f)});
  const int slab = AddConstruction(t, "Slab", 0, 0.5f, 0.5f, {Plaster(0.02f), Concrete(0.12f)});
  const int roof = AddConstruction(t, "Roof", 0, 0.8f, 0.5f, {Concrete(0.15f), Insulation(0.08f), Plaster(0.01f)});
  const int partition = AddConstruction(t, "Partition", 0, 0.5f, 0.5f, {Plaster(0.05f)});
  Construction& cellar = t.Item[AddConstruction(t, "Cellar wall", 0, 0.5f, 0.5f, {})];
  for (int l = 1; l <= kMaxLayers; ++l) cellar.Layer[++cellar.LayerCount] = Concrete(0.25f);
  const int cellarNo = t.ConstructionCount;

  EnergyZone& west = AddZone(*run.model, "West");
  const auto kitchenLike = [&](const std::string& name, int type) -> EnergyRoom& {
    return run.Room(west, name, type,
                    {MakeComponent("Rock", 30, kPartition, cellarNo, 1),
                     MakeComponent("Wall", 12, kExternalWall, light, 7),
                     MakeComponent("Window", 4, kWindow, single, 5, "SOUTH.SHM"),
                     MakeComponent("Floor", 40, kFloorCeiling, slab, kHorizontal)});
  };
  EnergyRoom& kitchen = kitchenLike("Kitchen", kRestaurant);
  kitchen.EquipmentLoad = 120;
  kitchenLike("Cellar", kNonAC);
  kitchenLike("Office A", kOffice);
  run.Room(west, "Plant room", kNonAC, {});
  run.Room(west, "Shop", kRetail,
           {MakeComponent("Wall", 15, kExternalWall, heavy, 3), MakeComponent("Window", 6, kWindow, twin, 3),
            MakeComponent("Roof", 40, kRoof, roof, kHorizontal), MakeComponent("Side", 12, kPartition, partition, 1)});
  EnergyZone& east = AddZone(*run.model, "East");
  const auto officeLike = [&](const std::string& name) {
    run.Room(east, name, kOffice,
             {MakeComponent("Wall", 12, kExternalWall, light, 1), MakeComponent("Window", 3, kWindow, single, 1),
              MakeComponent("Floor", 40, kFloorCeiling, slab, kHorizontal)});
  };
  officeLike("Office B");
  run.Room(east, "Guest room", kHotelGuestRoom,
           {MakeComponent("Wall", 10, kExternalWall, heavy, 5), MakeComponent("Window", 3, kWindow, twin, 5),
            MakeComponent("Floor", 30, kFloorCeiling, slab, kHorizontal),
            MakeComponent("Roof", 30, kRoof, roof, kHorizontal)});
  run.Room(east, "Lobby", kRetail,
           {MakeComponent("Wall", 20, kExternalWall, light, 3), MakeComponent("Glass wall", 8, kWindow, twin, 7)});
  for (const char* name : {"Office C", "Office D", "Office E", "Office F", "Office G", "Office H", "Office I"}) {
    officeLike(name);
  }
}

}  // namespace

TEST(ParallelRun, MixedRoomsGiveTheFileOfTheRoomsOneAfterTheOther) {
  ParallelRun run;
  BuildMixedModel(run);
  SpeculationReport report;
  const ParallelRun::Outcome out = run.RunBothWays(&report);
  ASSERT_TRUE(out.done) << out.message;
  EXPECT_EQ(out.progress, 1.0);
  EXPECT_EQ(report.Rooms, 15);
  EXPECT_EQ(report.LaneGroups, 2);
  EXPECT_EQ(report.MixedLaneGroups, 1);
  EXPECT_EQ(report.SingleRooms, 1);     // the plant room
  EXPECT_EQ(report.WholeYearRooms, 2);  // the cellar and office A
  EXPECT_GE(report.Rounds, 2);          // office A again, from the cellar's true end
}

TEST(ParallelRun, FaultsComeFromTheSameRoomAndHourWithTheSameLog) {
  const struct {
    const char* name;
    std::function<void(ParallelRun&)> spoil;
    std::string message;
  } cases[] = {
      {"a later room without its mask",
       [](ParallelRun& r) { r.model->Zone[2].Room[1].Component[2].ShadingMaskFile = "GONE.SHM"; },
       "CalSolGain: Shading mask file: GONE.SHM does not exist!"},
      {"a later room whose lone wall sees nothing",
       [](ParallelRun& r) { r.model->Zone[1].Room[5].ComponentCount = 1; },
       "CalQMRT: Zero total internal area found!!"},
      {"a sun beyond the masks' bins in May",
       [](ParallelRun& r) { r.weather[24 * 130 + 12].SolarAzimuth = 7; },
       "CalSolGain: Solar azimuth angle out of range!"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ParallelRun run;
    BuildMixedModel(run);
    c.spoil(run);
    const ParallelRun::Outcome out = run.RunBothWays();
    EXPECT_FALSE(out.done);
    EXPECT_EQ(out.message, c.message);
    EXPECT_EQ(out.loads, "an earlier run's");
  }
}

// A sink that asks to stop once the run is part-way.
class StopPartWay : public CollectingProgress {
 public:
  bool Cancelled() const override { return progress > 0.2; }
};

TEST(ParallelRun, ProgressGrowsToTheEndAndAStopRequestPartWayEndsTheRun) {
  ParallelRun run;
  BuildMixedModel(run);
  StopPartWay stop;
  const ParallelRun::Outcome stopped = run.Run(false, nullptr, &stop);
  EXPECT_FALSE(stopped.done);
  EXPECT_EQ(stopped.message, "BCLSim: The calculation was cancelled.");
  EXPECT_EQ(stopped.loads, "an earlier run's");
  EXPECT_GT(stop.progress, 0.2);
  EXPECT_LT(stop.progress, 0.9);
}
