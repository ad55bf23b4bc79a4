// Whole runs of the hourly load calculation on small models whose results
// follow from hand reasoning, and how a run fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <memory>

#include "energy/BCLSim.h"
#include "energy/Calendar.h"
#include "energy/HourlyLoadFile.h"
#include "energy/Psychrometrics.h"
#include "energy/ShadingMask.h"
#include "energy/WeatherFile.h"
#include "support/SampleModels.h"
#include "support/TempFolder.h"

using namespace kelca;
using namespace kelca::testing;

namespace {

float RoomHumidityRatio(float t, float rh) { return VapourHumidityRatio(rh / 100 * SatPressure(t)); }

// A project folder with its input files, a weather year and a run of the calculation.
struct LoadRun {
  TempFolder dir;
  std::unique_ptr<EnergyModel> model = std::make_unique<EnergyModel>();
  std::unique_ptr<ConstructionTable> constructions = std::make_unique<ConstructionTable>();
  std::unique_ptr<AirSideData> airSide = std::make_unique<AirSideData>();
  std::vector<WeatherRecord> weather;
  CollectingProgress log;
  SimStatus status;
  LoadRunFiles files;
  bool writeWeather = true;
  // Results read back from "AnHSpCL.TXT": [zone][room][hour].
  std::array<std::array<std::vector<RoomHourLoad>, kMaxRoomsPerZone + 1>, kMaxZones + 1> loads;
  int wall = 0, glazing = 0, slab = 0, partition = 0;

  LoadRun() {
    wall = AddConstruction(*constructions, "Light wall", 0, 0.6f, 0.5f,
                           {Plaster(0.02f), Insulation(0.03f), Plaster(0.02f)});
    glazing = AddConstruction(*constructions, "Glazing", 1, 0.1f, 0.7f, {Glass(0.006f)});
    slab = AddConstruction(*constructions, "Slab", 0, 0.5f, 0.5f, {Plaster(0.02f), Concrete(0.1f)});
    partition = AddConstruction(*constructions, "Partition", 0, 0.5f, 0.5f, {Plaster(0.05f)});
    SetConstantWeather(24, RoomHumidityRatio(24, 55));
    files = {dir.File("P.ECI"), dir.File("P.CON"), dir.File(kWeatherFileName), dir.Folder(), dir.Folder()};
  }

  void SetConstantWeather(float dryBulb, float humidityRatio) {
    weather.assign(kHoursPerYear,
                   {.DryBulb = dryBulb, .Weather2 = 3, .WetBulb = dryBulb - 4, .HumidityRatio = humidityRatio});
    for (int h = 0; h < kHoursPerYear; ++h) weather[h].HourNo = h + 1;
  }

  // A room without internal gains, bounded by two external walls, a window, a partition and a slab.
  EnergyRoom& AddPlainRoom(EnergyZone& zone, const std::string& name, int type) {
    EnergyRoom room = MakeRoom(name, type, 40, 3);
    room.Occupants = room.LightingLoad = room.EquipmentLoad = 0;
    AddComponent(room, MakeComponent("North wall", 12, kExternalWall, wall, 1));
    AddComponent(room, MakeComponent("East wall", 9, kExternalWall, wall, 3));
    AddComponent(room, MakeComponent("Window", 3, kWindow, glazing, 5));
    AddComponent(room, MakeComponent("Corridor", 12, kPartition, partition, 7));
    AddComponent(room, MakeComponent("Slab", 40, kFloorCeiling, slab, kHorizontal));
    const int z = static_cast<int>(&zone - &model->Zone[0]);
    airSide->Zone[z].DesignSensibleLoad[zone.RoomCount + 1] = 100;
    airSide->Zone[z].DesignTotalLoad[zone.RoomCount + 1] = 120;
    return AddRoom(zone, room);
  }

  bool Run() {
    EXPECT_TRUE(WriteEnergyInputFile(files.EciFile, "P", *model));
    EXPECT_TRUE(WriteConstructionFile(files.ConFile, *constructions));
    if (writeWeather) {
      EXPECT_TRUE(WriteWeatherFile(files.WeatherFile, weather));
    }
    if (!BCLSim(files, *airSide, log, status)) return false;
    HourlyLoadReader reader;
    EXPECT_TRUE(HourlyLoadReader::Open(dir.File(kHourlyLoadFileName), *model, reader));
    auto hour = std::make_unique<HourlyLoadRecord>();
    for (int h = 0; h < kHoursPerYear && reader.ReadHour(*hour); ++h) {
      for (int z = 1; z <= model->ZoneCount; ++z) {
        for (int r = 1; r <= model->Zone[z].RoomCount; ++r) loads[z][r].push_back(hour->Room[z][r]);
      }
    }
    EXPECT_TRUE(reader.Result()) << reader.Result().message;
    return true;
  }
};

// Hour index of a day of January.
int January(int day, int hour) { return (day - 1) * 24 + hour - 1; }

}  // namespace

TEST(LoadRun, NoGainsAndOutdoorAirAtTheSetPointGiveNoLoadAndRoomsPassOnTheirNodes) {
  LoadRun run;
  EnergyZone& zone = AddZone(*run.model, "Z");
  run.AddPlainRoom(zone, "First", kHotelGuestRoom);
  run.AddPlainRoom(zone, "Second", kHotelGuestRoom);
  ASSERT_TRUE(run.Run()) << run.status.SimMessage;
  const auto& year = run.loads[1][1];
  ASSERT_EQ(year.size(), 8760u);
  for (const RoomHourLoad& h : year) {
    EXPECT_LT(std::fabs(h.SensibleLoad), 0.01f);
    EXPECT_LT(std::fabs(h.LatentLoad), 0.01f);
  }
  EXPECT_LT(year[0].RoomAirTemp, 23.0f);  // the fabric starts at 15 deg C and warms up
  EXPECT_NEAR(year.back().RoomAirTemp, 24.0f, 0.01f);
  EXPECT_NEAR(run.loads[1][2][0].RoomAirTemp, 24.0f, 0.01f);  // from the first room's December
}

TEST(LoadRun, HotDayLoadsOfAWellFedRoomAClippedRoomAndANonACRoom) {
  LoadRun run;
  run.SetConstantWeather(34, 0.02f);
  EnergyZone& zone = AddZone(*run.model, "Z");
  // Two external walls of one construction facing each other's way: their inner
  // faces stay at one temperature, so no long-wave exchange, and the room's load
  // is what conducts through them plus the infiltration, (H + U A)(To - Ti).
  EnergyRoom guest = MakeRoom("Guest room", kHotelGuestRoom, 30, 3);
  guest.Occupants = guest.LightingLoad = guest.EquipmentLoad = 0;
  AddComponent(guest, MakeComponent("North", 10, kExternalWall, run.wall, 1));
  AddComponent(guest, MakeComponent("South", 15, kExternalWall, run.wall, 5));
  AddRoom(zone, guest);
  run.airSide->Zone[1].DesignSensibleLoad[1] = 100;
  run.airSide->Zone[1].DesignTotalLoad[1] = 120;
  run.AddPlainRoom(zone, "Small unit", kHotelGuestRoom);
  run.airSide->Zone[1].DesignSensibleLoad[2] = 0.05f;
  run.airSide->Zone[1].DesignTotalLoad[2] = 0.08f;
  run.AddPlainRoom(zone, "Plant room", kNonAC).EquipmentLoad = 50;
  ASSERT_TRUE(run.Run()) << run.status.SimMessage;

  const double u = 1 / (1 / 17.0 + 0.02 / 0.5 + 0.03 / 0.04 + 0.02 / 0.5 + 1 / 8.3);
  const double flow = 30 * 3 * 0.12 / 3600;
  const double expected = (1020 * flow + u * 25) * (34 - 24);
  const RoomHourLoad& steady = run.loads[1][1].back();
  EXPECT_NEAR(steady.SensibleLoad, expected, 0.005 * expected);
  EXPECT_NEAR(steady.LatentLoad, (0.02 - RoomHumidityRatio(24, 55)) * flow, 1e-7);
  EXPECT_FLOAT_EQ(steady.RoomAirTemp, 24);

  // A load above the design load is clipped and the room warms.
  const RoomHourLoad& clipped = run.loads[1][2].back();
  EXPECT_NEAR(clipped.SensibleLoad, 50, 1e-3);  // the mean of 60 clipped sub-steps
  EXPECT_NEAR(clipped.LatentLoad, 30, 1e-3);
  EXPECT_GT(clipped.RoomAirTemp, 24.5f);
  EXPECT_LT(clipped.RoomAirTemp, 34);

  // A Non-AC room floats without load.
  float warmest = 0;
  for (const RoomHourLoad& h : run.loads[1][3]) {
    EXPECT_EQ(h.SensibleLoad, 0);
    EXPECT_EQ(h.LatentLoad, 0);
    warmest = std::max(warmest, h.RoomAirTemp);
  }
  EXPECT_GT(warmest, 25);
}

TEST(LoadRun, OfficesHaveNoLoadOnSundaysAndSaturdayAfternoons) {
  LoadRun run;
  run.SetConstantWeather(30, 0.018f);
  EnergyRoom& office = run.AddPlainRoom(AddZone(*run.model, "Z"), "Office", kOffice);
  office.Occupants = 6;
  office.LightingLoad = 15;
  office.EquipmentLoad = 20;
  ASSERT_TRUE(run.Run()) << run.status.SimMessage;
  const auto& year = run.loads[1][1];
  for (int h = 1; h <= 24; ++h) {
    EXPECT_EQ(year[January(1, h)].SensibleLoad, 0) << "Sunday 1 January, hour " << h;
    EXPECT_EQ(year[January(8, h)].SensibleLoad, 0) << "Sunday 8 January, hour " << h;
    const bool weekday = h >= 9 && h <= 19, saturday = h >= 9 && h <= 13;
    EXPECT_EQ(year[January(2, h)].SensibleLoad > 0, weekday) << "Monday, hour " << h;
    EXPECT_EQ(year[January(7, h)].SensibleLoad > 0, saturday) << "Saturday, hour " << h;
  }
  // The loads carry the occupants' latent gain: 55 W each at a fraction of 0.95.
  EXPECT_GT(year[January(3, 11)].LatentLoad, 55 * 6 * 0.95f - 1);
}

TEST(LoadRun, HourlyLoadFileLayoutLogMasksFoundAndNoWorkingFilesLeft) {
  LoadRun run;
  run.SetConstantWeather(29.5f, 0.019f);
  EnergyZone& a = AddZone(*run.model, "Tower/A");
  run.AddPlainRoom(a, "Room:1", kOffice);
  run.AddPlainRoom(a, "Room:1", kRetail);  // two rooms of one name in one zone
  EnergyRoom& lobby = run.AddPlainRoom(AddZone(*run.model, "Tower/A"), "Lobby?", kRestaurant);
  // A mask named by a path of another machine is found in the project folder, in any letter case.
  lobby.Component[3].ShadingMaskFile = "C:\\Old project\\masks\\South1.SHM";
  ShadingMaskInput in{.Orientation = 5, .W = 2, .H = 1.5f, .OP = 1, .Name = "SOUTH1"};
  ShadingMask mask;
  ASSERT_TRUE(GenerateShadingMask(in, mask));
  ASSERT_TRUE(SaveShadingMask(run.dir.Folder(), in, mask));
  // So is the weather file of a database folder copied from a system that ignores letter case.
  ASSERT_TRUE(WriteWeatherFile(run.dir.File("zqw1989.txt"), run.weather));
  run.writeWeather = false;
  ASSERT_TRUE(run.Run()) << run.status.SimMessage;

  const std::string text = run.dir.Read(kHourlyLoadFileName);
  EXPECT_TRUE(text.starts_with("1,1,1,29.5,3,25.5,0.019\r\n1,2\r\n1,"));
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 8760 * (1 + 2 + 3));
  EXPECT_NE(text.find("\r\n12,31,24,29.5,3,25.5,0.019\r\n1,2\r\n1,"), std::string::npos);

  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(run.dir.Folder())) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"AnHSpCL.TXT", "P.CON", "P.ECI", "SOUTH1.SHM", "zqw1989.txt"}));

  const auto& log = run.log.lines;
  ASSERT_EQ(log.size(), 3u + 36 + 1);  // three files read, 12 months of each room, the end
  EXPECT_EQ(log[27], "Modelling Lobby? - Processing Month No.1....");
  EXPECT_EQ(log.back(), "Space Load Calculations Finished!");
}

// A missing mask and a room whose lone wall sees nothing: the parallel run's tests.
TEST(LoadRun, FaultsStopTheRunWithAMessageAndTheOldLoadFileStays) {
  const struct {
    std::function<void(LoadRun&)> spoil;
    std::string message;
  } cases[] = {
      {[](LoadRun& r) { r.writeWeather = false; }, "BCLSim: Failed to open weather data file!"},
      {[](LoadRun& r) { r.model->Zone[1].Room[1].Component[2].ConstructionNo = 9; },
       "SetupRoomNodes: Component East wall of room R12 in zone East wing refers to construction 9, which does not "
       "exist!"},
      {[](LoadRun& r) { r.constructions->Item[r.wall].Layer[2].Thickness = 0; },
       "SetupRoomNodes: Layer 2 of construction Light wall needs a thickness and a conductivity above 0!"},
      {[](LoadRun& r) { r.model->Zone[1].Room[1].Component[1].ComponentType = 0; },
       "SetupRoomNodes: Component North wall of room R12 in zone East wing has no fabric component type!"},
      {[](LoadRun& r) { r.model->Zone[1].Room[1] = MakeRoom("Empty", kOffice, 0, 3); },  // no surfaces, no volume
       "CalRoomLoad: Room Empty in zone East wing has neither inner surfaces nor air volume!"},
      {[](LoadRun& r) { r.log.cancel = true; }, "BCLSim: The calculation was cancelled."},
  };
  for (const auto& c : cases) {
    LoadRun run;
    run.AddPlainRoom(AddZone(*run.model, "East wing"), "R12", kOffice);
    run.dir.Write(kHourlyLoadFileName, "a good file of an earlier run");
    c.spoil(run);
    EXPECT_FALSE(run.Run());
    EXPECT_TRUE(run.status.SimError);
    EXPECT_EQ(run.status.SimMessage, c.message);
    EXPECT_EQ(run.dir.Read(kHourlyLoadFileName), "a good file of an earlier run");
  }
}
