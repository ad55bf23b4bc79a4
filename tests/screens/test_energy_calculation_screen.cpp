// The energy calculation screen's commands: typed results, the
// air-conditioning run's questions and the hand-over on leaving.
#include <gtest/gtest.h>

#include <memory>

#include "common/ScriptedPrompts.h"
#include "energy/Calendar.h"
#include "energy/HourlyLoadFile.h"
#include "screens/EnergyCalculationScreen.h"
#include "support/SampleModels.h"
#include "support/TempFolder.h"

using namespace kelca;
using kelca::testing::TempFolder;

namespace {

// A one-room hotel zone on an air-cooled plant, its files in the folder.
std::unique_ptr<Workspace> SmallProject(const TempFolder& dir) {
  auto ws = std::make_unique<Workspace>();
  ws->CurrentFolder = dir.Folder();
  EnergyZone& z = kelca::testing::AddZone(ws->Energy, "Guest floor", 2);
  kelca::testing::AddRoom(z, kelca::testing::MakeRoom("Room", kHotelGuestRoom, 30));
  AirSideZone& a = ws->AirSide.Zone[1];
  a.AcSystemType = kCavOrFcu;
  a.DesignSensibleLoad = {3, 3};
  a.DesignTotalLoad = {4, 4};
  a.DesignSupplyAir = {0.3f, 0.3f};
  a.DesignFanPower = 0.5f;
  PlantInput& p = ws->Plant;
  p.StopHour = 24;
  p.DesignTemp1 = 35;
  p.ChillerCount = 1;
  p.Chiller[1] = ChillerUnit{kCentrifugal, 20, 6, 0, 0};
  ws->EnergyFiles.AssFile = dir.File("S.ASS");
  ws->PlantFiles.WssFile = dir.File("S.WSS");
  EXPECT_TRUE(WriteAirSideFile(ws->EnergyFiles.AssFile, "S", ws->Energy, ws->AirSide));
  EXPECT_TRUE(WritePlantFile(ws->PlantFiles.WssFile, "S", p));
  return ws;
}

}  // namespace

TEST(EnergyCalculation, SystemResultsAsShownAndTypedCorrections) {
  auto ws = std::make_unique<Workspace>();
  ElectricSystemGroup& lifts = ws->NonAC.Electric[kLiftsEscalators];
  lifts.Count = 2;
  lifts.System[1] = {"Lifts", 40, 3000, 0.5f, 0};
  lifts.System[2] = {"Escalators", 10, 1000, 1, 0};
  ScriptedPrompts prompts;
  CollectingProgress log;
  ASSERT_TRUE(CalculateSystem(*ws, kLiftEscalatorSystems, prompts, log));
  SystemResults r = ResultsOfSystem(*ws, kLiftEscalatorSystems);
  EXPECT_EQ(r.Heading, "Annual Energy Use of Lift and Escalator Systems");
  ASSERT_EQ(r.Items.size(), 3u);
  EXPECT_EQ(r.Items[0].Label, "Total of all Systems (kWh)");
  EXPECT_FLOAT_EQ(r.Items[0].Value, 70000.0f);  // 40 kW x 3000 h x 0.5 + 10 kW x 1000 h
  EXPECT_EQ(r.Items[2].Label, "2: Escalators (kWh)");
  EXPECT_TRUE(ResultsOfSystem(*ws, kFireServicesSystems).NoSystems);
  EXPECT_EQ(ResultsOfSystem(*ws, kZoneLightingEquipment).Items[1].Label, "Lighting in Zones(kWh)");

  // The total becomes the sum of the typed items, not a typed total.
  EnterTypedResults(*ws, kLiftEscalatorSystems, {"5000", "abc"});
  EXPECT_EQ(std::pair(lifts.System[2].AnnualEnergy, lifts.System[0].AnnualEnergy), std::pair(0.0f, 5000.0f));
  EnterTypedResults(*ws, kAirConditioningSystem, {"1", "2", "3", "4", "5", "6", "7"});
  EXPECT_FLOAT_EQ(ws->ACEnergy.Value[0], 28.0f);

  ws->Plant.AdditionalHvac.System[0].AnnualEnergy = 2;
  ws->ZoneElec.Value[0] = 30;
  ws->NonAC.Electric[kAdditionalLighting].System[0].AnnualEnergy = 7;
  ws->NonAC.TownGas.System[0].AnnualUse = 9;
  LeaveEnergyCalculation(*ws);
  EXPECT_EQ(ws->EnergyUse.Value, (std::array<float, 6>{30, 37, 0, 5000, 0, 9}));
}

TEST(EnergyCalculation, AnExistingLoadFileIsOverwrittenOrReusedAndAPlantFaultEndsTheLog) {
  TempFolder dir;
  auto ws = SmallProject(dir);
  ASSERT_TRUE(kelca::testing::WriteConstantLoads(HourlyLoadFilePath(*ws), ws->Energy, {}, {28, 24, 0.015f}));
  const std::string loads = dir.Read("AnHSpCL.TXT");
  // Each run answers the overwrite question and then whether to proceed.
  const auto run = [&](std::vector<Answer> answers, ScriptedPrompts& prompts, CollectingProgress& log) {
    for (Answer a : answers) prompts.QueueAnswer(a);
    return CalculateAirConditioning(*ws, prompts, log);
  };
  ScriptedPrompts cancel, stop, reuse, failing;
  CollectingProgress log;
  EXPECT_FALSE(run({Answer::Cancel}, cancel, log));
  EXPECT_EQ(cancel.log.front(),
            "YesNoCancel: Cooling load data file already exits. Re-calculate and overwrite the file?");
  EXPECT_FALSE(run({Answer::No, Answer::No}, stop, log));
  EXPECT_EQ(stop.log.back(), "YesNo: Proceed to predict air-conditioning energy use?");
  EXPECT_TRUE(log.lines.empty());

  ASSERT_TRUE(run({Answer::No, Answer::Yes}, reuse, log)) << ws->Sim.SimMessage;
  EXPECT_EQ(log.lines.front(), "Started to calculate A/C energy use");
  EXPECT_EQ(log.lines.back(), "A/C energy use calculation completed");
  EXPECT_EQ(dir.Read("AnHSpCL.TXT"), loads);
  EXPECT_GT(ws->ACEnergy.Value[0], 0.0f);

  // A plant fault ends the run log; the annual energy of the run before stays.
  const AnnualACEnergy before = ws->ACEnergy;
  ws->Plant.ChillerCount = 0;
  ASSERT_TRUE(WritePlantFile(ws->PlantFiles.WssFile, "S", ws->Plant));
  log.lines.clear();
  EXPECT_FALSE(run({Answer::No, Answer::Yes}, failing, log));
  ASSERT_GE(log.lines.size(), 2u);
  EXPECT_EQ(log.lines[log.lines.size() - 2], "A/C energy use calculation terminated.");
  EXPECT_EQ(log.lines.back(), "SimPrep: No Chillers?");
  EXPECT_TRUE(ws->Sim.SimError);
  EXPECT_EQ(ws->ACEnergy.Value, before.Value);
}
