// The plant year end to end on small models whose figures follow by hand.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>
#include <tuple>
#include <vector>

#include "common/FileIO.h"
#include "common/Paths.h"
#include "energy/Calendar.h"
#include "energy/HourlyLoadFile.h"
#include "energy/Psychrometrics.h"
#include "plant/EquipmentModels.h"
#include "plant/PlantCurves.h"
#include "plant/PlantSimulation.h"
#include "support/SampleModels.h"
#include "support/TempFolder.h"

using namespace kelca;
using kelca::testing::LoadHourWeather;
using kelca::testing::TempFolder;
using kelca::testing::WriteConstantLoads;

namespace {

struct Fixture {
  TempFolder dir;
  std::unique_ptr<EnergyModel> model = std::make_unique<EnergyModel>();
  std::unique_ptr<AirSideData> air = std::make_unique<AirSideData>();
  PlantInput plant;
  AnnualACEnergy energy;
  SimStatus status;
  CollectingProgress progress;
  PlantRunFiles files;

  // Three identical zones of two identical rooms of `roomType`, a constant-volume
  // air handler; an air-cooled plant with one chiller, one primary pump and one
  // fresh-air unit, running all day.
  explicit Fixture(int roomType) {
    EnergyZone& z = kelca::testing::AddZone(*model, "Zone", 3);
    kelca::testing::AddRoom(z, kelca::testing::MakeRoom("Room", roomType)).IdenticalRooms = 2;
    air->Zone[1] = {.AcSystemType = kCavOrFcu, .DesignSensibleLoad = {30, 15}, .DesignTotalLoad = {40, 20},
                    .DesignSupplyAir = {2.4f, 1.2f}, .DesignFanPower = 2.5f, .DesignChwFlow = 1.9f};

    plant.PlantType = kAirCooled;
    plant.StopHour = 24;
    plant.DesignTemp1 = 35;
    plant.ChillerCount = plant.PlpCount = plant.FauCount = 1;
    plant.Chiller[1] = {kScrew, 400, 120, 19, 0};
    plant.Plp[1] = {19, 150, 4};
    plant.Fau[1] = {5, 12, 0.5f, 400, 1.5f, 0.6f};

    files = {dir.File("P.ASS"), dir.File("P.WSS"), dir.File(kHourlyLoadFileName), dir.File(kPlantOutputFileName),
             nullptr};
  }

  void WriteLoads(RoomHourLoad load = {0, 0, 24}, LoadHourWeather w = {}, int hours = kHoursPerYear) {
    ASSERT_TRUE(WriteConstantLoads(files.LoadFile, *model, load, w, hours));
  }
  bool Run() { return SimulatePlantYear(*model, *air, plant, files, energy, status, progress); }

  std::vector<std::vector<float>> OutputLines() const {
    std::vector<std::vector<float>> lines;
    std::istringstream in(dir.Read(kPlantOutputFileName));
    for (std::string line; std::getline(in, line);) {
      std::istringstream f(line);
      lines.emplace_back();
      for (std::string v; std::getline(f, v, ',');) lines.back().push_back(std::stof(v));
    }
    return lines;
  }
};

}  // namespace

TEST(PlantYear, NoLoadLeavesOnlyFansPumpsAndTheIdlingChiller) {
  Fixture f(kHotelGuestRoom);
  f.air->Zone[1].FreshAirType = kCentralPretreated;
  f.WriteLoads();
  ASSERT_TRUE(f.Run()) << f.status.SimMessage;

  // Outdoor air at 14 deg C: the pretreated fresh air only cools, the fresh-air
  // unit's coil is idle; the chiller idles at part load 0 at 14 deg C.
  const PlantCurves k = InitCoefficients();
  const float factor = 1 / EvalBiquadratic(k.ChillerPower[0][kScrew], 1, 35);
  const float chiller = factor * 120 * EvalBiquadratic(k.ChillerPower[0][kScrew], 0, 14);
  const auto lines = f.OutputLines();
  ASSERT_EQ(lines.size(), 8760u);
  EXPECT_EQ(std::vector<float>(lines.back().begin(), lines.back().begin() + 3), (std::vector<float>{12, 31, 24}));
  for (const auto& l : lines) {
    ASSERT_EQ(l.size(), 12u);
    EXPECT_FLOAT_EQ(l[3], 0.0f);         // plant load
    EXPECT_FLOAT_EQ(l[4], 2.5f * 3);     // air handler fans x identical zones
    EXPECT_FLOAT_EQ(l[5], 1.5f);         // the fresh-air unit's fan
    EXPECT_NEAR(l[6], chiller, 1e-4f);
    EXPECT_FLOAT_EQ(l[7], 4.0f);
    EXPECT_FLOAT_EQ(l[8] + l[9] + l[10] + l[11], 0.0f);
  }
  const auto& e = f.energy.Value;  // kWh: fans, chillers, primary pumps and their total
  EXPECT_NEAR(e[1], 8760 * 9.0f, 0.5f);
  EXPECT_NEAR(e[2], 8760 * chiller, 8760 * chiller * 1e-4f);
  EXPECT_NEAR(e[3], 8760 * 4.0f, 0.5f);
  EXPECT_FLOAT_EQ(e[0], e[1] + e[2] + e[3]);
  ASSERT_EQ(f.progress.lines.size(), 12u);
  EXPECT_EQ(f.progress.lines[2], "Plant Simulation - Processing Month No.3....");
}

TEST(PlantYear, RoomLoadsReachThePlantWithMultipliersAndAllowances) {
  Fixture f(kHotelGuestRoom);
  f.model->Zone[1].Room[1].Occupants = 0;  // no fresh air
  f.WriteLoads({10000, 2000, 24}, {30, 26, 0.02f});
  ASSERT_TRUE(f.Run()) << f.status.SimMessage;
  // (10 kW x 2 rooms x 1.05 + 2 kW x 2 rooms) x 3 zones x 1.03
  for (const auto& l : f.OutputLines()) EXPECT_NEAR(l[3], 77.25f, 1e-3f);
}

TEST(PlantYear, OfficeBuildingWeekAndZoneHours) {
  Fixture f(kOffice);
  f.plant.StartHour = 7;
  f.plant.StopHour = 20;
  f.WriteLoads();
  ASSERT_TRUE(f.Run()) << f.status.SimMessage;
  const auto lines = f.OutputLines();
  // 260 weekdays of hours 8..20, 52 Saturdays of hours 8..13, no Sundays (1 January is one).
  EXPECT_EQ(lines.size(), 260u * 13 + 52u * 6);
  EXPECT_EQ(lines[0][1], 2) << "the first plant day is Monday 2 January";
  for (const auto& l : lines) {
    const int hour = static_cast<int>(l[2]);
    const bool zoneOn = hour > 8 && hour <= 19;  // office rooms: 8 < h <= 19
    EXPECT_EQ(l[4] > 0, zoneOn) << "hour " << hour;
  }
  // January 7 is a Saturday: hours 8 to 13 only.
  int saturdayHours = 0;
  for (const auto& l : lines) saturdayHours += (l[0] == 1 && l[1] == 7);
  EXPECT_EQ(saturdayHours, 6);
}

TEST(PlantYear, LocalIntakeZonesTakeNothingFromTheFreshAirUnits) {
  Fixture f(kHotelGuestRoom);
  f.air->Zone[1].FreshAirType = kLocalOutdoorAir;
  f.WriteLoads({5000, 500, 24}, {32, 27, 0.02f});
  ASSERT_TRUE(f.Run()) << f.status.SimMessage;
  // The zone's own coil brings 2 x 0.04 m3/s of outdoor air to the room state;
  // the fresh-air unit, idling for no demand, adds nothing.
  const float hRoom = MoistAirEnthalpy(24, VapourHumidityRatio(0.55f * SatPressure(24)));
  const float total = 1.2f * 0.08f * (MoistAirEnthalpy(32, 0.02f) - hRoom);
  const float sensible = 1.224f * 0.08f * (32 - 24);
  const float coil = (10 + sensible) * 1.05f + (1 + total - sensible);
  const auto lines = f.OutputLines();
  EXPECT_NEAR(lines[100][3], coil * 3 * 1.03f, 1e-3f);
  EXPECT_FLOAT_EQ(lines[100][5], 1.5f);
}

TEST(PlantYear, FaultStopsTheRunAndKeepsThePreviousOutput) {
  Fixture f(kHotelGuestRoom);
  f.dir.Write(kPlantOutputFileName, "previous run\r\n");
  f.WriteLoads({0, 0, 24}, {}, 1000);
  EXPECT_FALSE(f.Run());
  EXPECT_TRUE(f.status.SimError);
  EXPECT_TRUE(f.status.SimMessage.starts_with("RunPlantSimulation: ")) << f.status.SimMessage;
  EXPECT_NE(f.status.SimMessage.find(kHourlyLoadFileName), std::string::npos) << f.status.SimMessage;
  EXPECT_EQ(f.dir.Read(kPlantOutputFileName), "previous run\r\n");
  EXPECT_GT(f.energy.Value[1], 0.0f) << "the hours done are summed";
  EXPECT_FLOAT_EQ(f.energy.Value[0], 0.0f);

  // A load file of another model is refused too.
  Fixture other(kHotelGuestRoom);
  kelca::testing::AddRoom(other.model->Zone[1], kelca::testing::MakeRoom("Extra", kOffice));
  ASSERT_TRUE(WriteConstantLoads(other.files.LoadFile, *f.model, {}));
  EXPECT_FALSE(other.Run());

  // A save of the output that fails part-way keeps the previous output.
  {
    Fixture h(kHotelGuestRoom);
    h.dir.Write(kPlantOutputFileName, "previous run\r\n");
    h.WriteLoads();
    PlannedWriteFault fault({1000});
    EXPECT_FALSE(h.Run());
    EXPECT_NE(h.status.SimMessage.find(kPlantOutputFileName), std::string::npos) << h.status.SimMessage;
    EXPECT_EQ(h.dir.Read(kPlantOutputFileName), "previous run\r\n");
  }

  // A cancelled run: the message, and no output file (the energy command's test has an empty plant).
  Fixture g(kHotelGuestRoom);
  g.progress.cancel = true;
  g.WriteLoads();
  EXPECT_FALSE(g.Run());
  EXPECT_EQ(g.status.SimMessage, "RunPlantSimulation: Run cancelled!");
  EXPECT_FALSE(FileExists(g.files.OutputFile));
}

TEST(PlantYear, RunReadsTheAirSideAndPlantFilesAgain) {
  Fixture f(kHotelGuestRoom);
  f.WriteLoads();
  ASSERT_TRUE(WriteAirSideFile(f.files.AirSideFile, "P", *f.model, *f.air));
  ASSERT_TRUE(WritePlantFile(f.files.PlantFile, "P", f.plant));
  f.plant.ChillerCount = 0;  // replaced by the file's plant
  f.air->Zone[1].DesignFanPower = 99;
  f.energy.Value[5] = 123;  // cleared at the start
  ASSERT_TRUE(RunPlantSimulation(*f.model, *f.air, f.plant, f.files, f.energy, f.status, f.progress))
      << f.status.SimMessage;
  EXPECT_EQ(std::tuple(f.plant.ChillerCount, f.air->Zone[1].DesignFanPower, f.energy.Value[5]),
            std::tuple(1, 2.5f, 0.0f));

  f.files.PlantFile = f.dir.File("Missing.WSS");
  SimStatus missing;
  EXPECT_FALSE(RunPlantSimulation(*f.model, *f.air, f.plant, f.files, f.energy, missing, f.progress));
  EXPECT_NE(missing.SimMessage.find("Missing.WSS"), std::string::npos) << missing.SimMessage;
}
