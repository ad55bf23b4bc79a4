// The energy calculation screen's commands: typed results, the
// air-conditioning run's questions and the hand-over on leaving.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

#include "energy/Calendar.h"
#include "energy/HourlyLoadFile.h"
#include "screens/EnergyCalculationScreen.h"
#include "support/SampleModels.h"
#include "support/WorkspaceFixture.h"

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

namespace {
// The screen on a copy of the sample office.
struct Office : kelca::testing::WorkspaceFixture {
  Office() {
    std::filesystem::copy(KELCA_SOURCE_DIR "/samples/office", tmp.File("office"), std::filesystem::copy_options::recursive);
    OpenProject();
    ws->Project.ProjDir = ws->CurrentFolder = File("");
    ws->Db.LcaDbFolder = KELCA_SOURCE_DIR "/data/db/";
  }
  std::string File(const std::string& name) const { return tmp.File("office/" + name); }
  std::vector<std::string> Titles() const {
    std::vector<std::string> titles;
    for (const FileDialogRequest& d : prompts.dialogs) titles.push_back(d.title);
    return titles;
  }
  EnergyCalculationScreen screen{*ws, prompts};
};
const std::vector<std::string> kAllTitles{"Open Energy Calculation Input File",
                                          "Air Side Air-conditioning System Input File",
                                          "Read Central Plant Input Data", "Read Input Data For Non-AC Services"};
}  // namespace

TEST(EnergyCalculation, OpeningAsksForEachInputNotYetNamed) {
  const struct Case {
    const char* name;
    std::function<void(Office&)> before;
    std::vector<const char*> chosen;
    std::vector<std::string> titles;
    const char* message;  // a part of the one message shown, or null
    std::function<void(Office&)> check;
  } cases[] = {
      {"all four", nullptr, {"OFFICE.ECI", "OFFICE.ASS", "OFFICE.WSS", "OFFICE.NAC"}, kAllTitles, nullptr,
       [](Office& f) {
         EXPECT_EQ(f.prompts.dialogs[3].proposedName, "OFFICE.NAC");
         EXPECT_EQ(f.ws->EnergyFiles.ConFile, f.File("OFFICE.CON"));
         EXPECT_EQ(f.ws->PlantFiles.WssFile, f.File("OFFICE.WSS"));
         EXPECT_EQ(std::pair(f.ws->Energy.ZoneCount, f.ws->NonAC.TownGas.Count), std::pair(3, 1));
         EXPECT_EQ(f.ws->Plant.ChillerCount, 0);  // the central plant file is only named
       }},
      {"energy input named already",
       [](Office& f) {
         f.ws->EnergyFiles.EciFile = f.File("OFFICE.ECI");
         f.ws->EnergyFiles.ConFile = f.File("OTHER.CON");
         ASSERT_TRUE(ReadEnergyInputFile(f.File("OFFICE.ECI"), f.ws->Energy));
       },
       {"OFFICE.ASS", "OFFICE.WSS", "OFFICE.NAC"},
       {kAllTitles.begin() + 1, kAllTitles.end()},
       nullptr,
       [](Office& f) { EXPECT_EQ(f.ws->EnergyFiles.ConFile, f.File("OTHER.CON")); }},
      {"malformed air-side file", [](Office& f) { f.tmp.Write("office/OFFICE.ASS", "\"Office\"\r\n1,"); },
       {"OFFICE.ECI", "OFFICE.ASS", "OFFICE.WSS"}, {kAllTitles[0], kAllTitles[1]}, "OFFICE.ASS",
       [](Office& f) {
         EXPECT_TRUE(f.ws->EnergyFiles.AssFile.empty() && f.ws->PlantFiles.WssFile.empty());
         EXPECT_EQ(f.ws->AirSide.Zone[1].AcSystemType, 0);
       }},
      {"dialog cancelled", nullptr, {}, {kAllTitles[0]}, nullptr,
       [](Office& f) { EXPECT_TRUE(f.ws->EnergyFiles.EciFile.empty() && f.ws->EnergyFiles.ConFile.empty()); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Office f;
    if (c.before) c.before(f);
    for (const char* file : c.chosen) f.prompts.QueueFile(f.File(file));
    EXPECT_TRUE(f.screen.Open());
    EXPECT_EQ(f.Titles(), c.titles);
    const auto messages = f.prompts.Messages();
    ASSERT_EQ(messages.size(), c.message ? 1u : 0u);
    if (c.message) {
      EXPECT_NE(messages[0].find(c.message), std::string::npos) << messages[0];
    }
    c.check(f);
    EXPECT_EQ(f.screen.Note, "Select System from Menu for Calculation");
  }
  Office closed;
  closed.ws->Project = {};
  EXPECT_FALSE(closed.screen.Open());
  EXPECT_EQ(closed.prompts.Messages(), std::vector<std::string>{"Open a Project File first!"});
  EXPECT_TRUE(closed.prompts.dialogs.empty());
}

TEST(EnergyCalculation, TypedResultsTheWalkOfAllSystemsAndTheResultFile) {
  Office f;
  for (const char* file : {"OFFICE.ECI", "OFFICE.ASS", "OFFICE.WSS", "OFFICE.NAC"}) f.prompts.QueueFile(f.File(file));
  EnergyCalculationScreen& s = f.screen;
  ASSERT_TRUE(s.Open());
  s.ChooseSystem(kAirConditioningSystem);
  EXPECT_EQ(std::pair(s.Heading, s.Note),
            std::pair(std::string("Annual Energy Use for Air Conditioning"), std::string("Click Calculate to Proceed.")));
  EXPECT_EQ(s.ItemLabels.size(), 8u);
  s.ChooseSystem(kAdditionalHvacSystems);  // the central plant file, with its systems, is read by the plant run only
  EXPECT_EQ(s.Note, "No such systems defined");

  // Enter Changes: the total is the sum of the typed items; text without a number is 0.
  s.ChooseSystem(kLiftEscalatorSystems);
  ASSERT_GE(s.ItemTexts.size(), 4u);
  s.ItemTexts[1] = "1000";
  s.ItemTexts[2] = "abc";
  s.ItemTexts[3] = "2.5e3 kWh";
  s.EnterChanges();
  EXPECT_EQ((std::vector{s.ItemTexts[0], s.ItemTexts[2], s.ItemTexts[3]}), (std::vector<std::string>{"3500", "0", "2500"}));

  // The results file: saved, overwritten by a change, loaded back.
  f.prompts.QueueFile(f.tmp.File("R.EUR"));
  s.SaveResults();
  EXPECT_EQ(f.prompts.dialogs.back().proposedName, "OFFICE.EUR");
  s.ItemTexts[1] = "9";
  s.EnterChanges();
  f.prompts.QueueFile(f.tmp.File("R.EUR"));
  s.LoadResults();
  EXPECT_EQ(s.ItemTexts[0], "3500");

  // All systems one by one, town gas last; && in a heading shows as &.
  s.StartAllSystems();
  EXPECT_TRUE(s.WalkingAll);
  s.NextSystem();
  EXPECT_EQ(ShownCaption(s.Heading), "Annual Energy Use for Lighting & Equipment in Building Zones");
  for (int i = 0; i < 6; ++i) s.NextSystem();
  EXPECT_EQ(s.Heading, "Annual Energy Use of Systems using Town Gas");
  s.NextSystem();
  EXPECT_FALSE(s.WalkingAll);
  s.Exit();  // the predicted values are handed on
  EXPECT_EQ(f.ws->EnergyUse.Value[3], 3500.0f);
}
