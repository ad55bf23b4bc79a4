// The calculation driver: systems, typed results, the air-conditioning run's
// questions and the hand-over on leaving.
#include <gtest/gtest.h>

#include <memory>

#include "app/ScriptedPrompts.h"
#include "energy/Calendar.h"
#include "energy/HourlyLoadFile.h"
#include "plant/AnnualEnergy.h"
#include "plant/EnergyCalculation.h"
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
  p.StartHour = 0;
  p.StopHour = 24;
  p.DesignTemp1 = 35;
  p.ChillerCount = 1;
  p.Chiller[1].RatedCapacity = 20;
  p.Chiller[1].RatedPower = 6;
  ws->EnergyFiles.AssFile = dir.File("S.ASS");
  ws->PlantFiles.WssFile = dir.File("S.WSS");
  EXPECT_TRUE(WriteAirSideFile(ws->EnergyFiles.AssFile, "S", ws->Energy, ws->AirSide));
  EXPECT_TRUE(WritePlantFile(ws->PlantFiles.WssFile, "S", p));
  return ws;
}

void WriteZeroLoads(const Workspace& ws) {
  ASSERT_TRUE(kelca::testing::WriteConstantLoads(HourlyLoadFilePath(ws), ws.Energy, {}, {28, 24, 0.015f}));
}

}  // namespace

TEST(ZoneElectricity, DensityTimesAreaTimesHoursTimesMultipliers) {
  EnergyModel m;
  EnergyZone& z = kelca::testing::AddZone(m, "Z", 3);
  EnergyRoom office = kelca::testing::MakeRoom("Office", kOffice, 50);
  office.IdenticalRooms = 2;
  office.LightingLoad = 10;
  office.EquipmentLoad = 20;
  kelca::testing::AddRoom(z, office);
  EnergyRoom store = kelca::testing::MakeRoom("Store", kNonAC, 10);
  store.LightingLoad = 5;
  store.EquipmentLoad = 0;
  kelca::testing::AddRoom(z, store);
  const ZoneElecEnergy e = CalculateZoneElectricity(m);
  EXPECT_FLOAT_EQ(e.Value[1], 10 * 50 * 3065 * 2 * 3 / 1000.0f + 5 * 10 * 8760 * 3 / 1000.0f);
  EXPECT_FLOAT_EQ(e.Value[2], 20 * 50 * 3086 * 2 * 3 / 1000.0f);
  EXPECT_FLOAT_EQ(e.Value[0], e.Value[1] + e.Value[2]);
}

TEST(EnergyCalculation, SystemResultsAsShownAndTypedCorrections) {
  auto ws = std::make_unique<Workspace>();
  ws->NonAC.Electric[kLiftsEscalators].Count = 2;
  ws->NonAC.Electric[kLiftsEscalators].System[1] = {"Lifts", 40, 3000, 0.5f, 0};
  ws->NonAC.Electric[kLiftsEscalators].System[2] = {"Escalators", 10, 1000, 1, 0};
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
  EXPECT_FLOAT_EQ(ws->NonAC.Electric[kLiftsEscalators].System[2].AnnualEnergy, 0.0f);
  EXPECT_FLOAT_EQ(ws->NonAC.Electric[kLiftsEscalators].System[0].AnnualEnergy, 5000.0f);
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
  WriteZeroLoads(*ws);
  const std::string loads = dir.Read("AnHSpCL.TXT");

  ScriptedPrompts cancel;
  CollectingProgress log;
  cancel.QueueAnswer(Answer::Cancel);
  EXPECT_FALSE(CalculateAirConditioning(*ws, cancel, log));
  EXPECT_EQ(cancel.log.front(),
            "YesNoCancel: Cooling load data file already exits. Re-calculate and overwrite the file?");
  EXPECT_TRUE(log.lines.empty());

  ScriptedPrompts stop;
  stop.QueueAnswer(Answer::No);
  stop.QueueAnswer(Answer::No);  // do not proceed
  EXPECT_FALSE(CalculateAirConditioning(*ws, stop, log));
  EXPECT_EQ(stop.log.back(), "YesNo: Proceed to predict air-conditioning energy use?");
  EXPECT_TRUE(log.lines.empty());

  ScriptedPrompts reuse;
  reuse.QueueAnswer(Answer::No);
  reuse.QueueAnswer(Answer::Yes);
  ASSERT_TRUE(CalculateAirConditioning(*ws, reuse, log)) << ws->Sim.SimMessage;
  EXPECT_EQ(log.lines.front(), "Started to calculate A/C energy use");
  EXPECT_EQ(log.lines.back(), "A/C energy use calculation completed");
  EXPECT_EQ(dir.Read("AnHSpCL.TXT"), loads);
  EXPECT_GT(ws->ACEnergy.Value[0], 0.0f);

  // A plant fault ends the run log.
  ws->Plant.ChillerCount = 0;
  ASSERT_TRUE(WritePlantFile(ws->PlantFiles.WssFile, "S", ws->Plant));
  ScriptedPrompts failing;
  failing.QueueAnswer(Answer::No);
  failing.QueueAnswer(Answer::Yes);
  log.lines.clear();
  EXPECT_FALSE(CalculateAirConditioning(*ws, failing, log));
  ASSERT_GE(log.lines.size(), 2u);
  EXPECT_EQ(log.lines[log.lines.size() - 2], "A/C energy use calculation terminated.");
  EXPECT_EQ(log.lines.back(), "SimPrep: No Chillers?");
  EXPECT_TRUE(ws->Sim.SimError);
}
