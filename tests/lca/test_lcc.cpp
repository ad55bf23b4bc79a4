#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "app/ScriptedPrompts.h"
#include "app/Workspace.h"
#include "common/Numbers.h"
#include "lca/LccScreen.h"
#include "support/TempFolder.h"

using namespace kelca;
using kelca::testing::TempFolder;

namespace {
struct LccFixture : ::testing::Test {
  LccFixture() : ws(std::make_unique<Workspace>()) {
    ws->Project.ProjFileName = tmp.File("OFFICE.PRJ");
    LcaResultSet& r = ws->Results;
    for (int s = 1; s <= 3; ++s) {
      r.Fdn.Cost[s] = 100.0f * s;
      for (int p = 0; p < kFlrPortions; ++p) r.FlrPortion[p].Cost[s] = 10.0f * s + p;
      for (int p = 0; p < kSerPortions; ++p) r.SerPortion[p].Cost[s] = 1000.0f * s + p + 0.25f;
    }
    r.Flr.Cost = {99, 1, 2, 3, 4};  // deliberately not the portion sums
  }
  std::unique_ptr<Workspace> ws;
  ScriptedPrompts prompts;
  TempFolder tmp;
};
}  // namespace

TEST(LccTotals, FloorsServicesAndBuildingAddUpAndStageZeroSumsTheStages) {
  LccValues v{};
  for (int row = 0; row < kLccRows; ++row) {
    for (int s = 1; s < kStages; ++s) v[row][s] = static_cast<float>(row + 1) * s;
  }
  RecomputeLccTotals(v);
  EXPECT_EQ(v[kLccFloorsTotal][2], (2 + 3 + 4) * 2);
  EXPECT_EQ(v[kLccServicesTotal][4], (6 + 7 + 8 + 9 + 10) * 4);
  EXPECT_EQ(v[kLccBuildingTotal][1], 1 + 9 + 40);
  EXPECT_EQ(v[kLccEnvelope][0], 2 * (1 + 2 + 3 + 4));
  EXPECT_EQ(v[kLccBuildingTotal][0], 50 * 10);
  EXPECT_EQ(LccRowShownCaption(kLccLifts), "Lifts & Escal.");
  EXPECT_EQ(LccRowCaption(kLccLifts), "Lifts && Escal.");
}

TEST_F(LccFixture, OpeningShowsThePredictedCosts) {
  LccScreenModel screen(*ws);
  EXPECT_EQ(screen.Option, kPredictedSet);
  EXPECT_EQ(screen.Boxes[kLccHvac][2], "2000.25");
  EXPECT_EQ(screen.Boxes[kLccFloorsTotal][0], "99");  // the stored value, not a recomputed one
  EXPECT_FALSE(screen.UpdateAndExitShown);
  screen.ChooseAssessment();  // set 1 still empty
  EXPECT_EQ(screen.Boxes[kLccHvac][2], "0");
}

TEST_F(LccFixture, ConfirmIsRefusedBeforeCopyAndWhileThePredictedSetIsShown) {
  const LcaResultSet before = ws->Results;
  LccScreenModel screen(*ws);
  EXPECT_FALSE(screen.Confirm(prompts));
  screen.CopyAll();
  screen.ChoosePredicted();
  EXPECT_FALSE(screen.Confirm(prompts));
  EXPECT_EQ(prompts.Messages(), (std::vector<std::string>{kCopyBeforeConfirmMessage, kViewBeforeConfirmMessage}));
  EXPECT_EQ(ws->Results.Flr.Cost, before.Flr.Cost);
}

TEST_F(LccFixture, EditingEnvelopeAndUpdatingChangesTheTotalsAndConfirmWritesBack) {
  LccScreenModel screen(*ws);
  screen.CopyAll();
  EXPECT_TRUE(screen.UpdateAndExitShown);
  EXPECT_EQ(screen.Option, kAssessmentSet);
  EXPECT_EQ(screen.Boxes[kLccFloorsTotal][2], "63");  // 20 + 21 + 22, recomputed
  screen.Boxes[kLccEnvelope][2] = "120";
  screen.Boxes[kLccFloorsTotal][2] = "5";  // a total typed over is recomputed
  screen.Update();
  EXPECT_EQ(screen.Boxes[kLccFloorsTotal][2], "163");
  EXPECT_EQ(screen.Boxes[kLccEnvelope][0], FormatSingle(10 + 120 + 30));
  const float building2 = 200 + 163 + (2000 + 2001 + 2002 + 2003 + 2004 + 1.25f);
  EXPECT_EQ(screen.Boxes[kLccBuildingTotal][2], FormatSingle(building2));
  ASSERT_TRUE(screen.Confirm(prompts));
  EXPECT_EQ(ws->Results.FlrPortion[0].Cost[2], 120);
  EXPECT_EQ(ws->Results.Flr.Cost[2], 163);
  EXPECT_EQ(ws->Results.Bldg.Cost[2], building2);
  EXPECT_EQ(ws->Results.Flr.Cost[0], 10 + 11 + 12 + 120 + 21 + 22 + 30 + 31 + 32);
  // Values not edited go back as they came.
  EXPECT_EQ(ws->Results.SerPortion[3].Cost[3], 3003.25f);
  EXPECT_EQ(ws->Results.Fdn.Cost[0], 600);
}

TEST_F(LccFixture, EditsSurviveSwitchingSetsAndUpdateNeverTakesThePredictedBoxes) {
  LccScreenModel screen(*ws);
  screen.CopyAll();
  screen.Boxes[kLccFrame][1] = "7";
  screen.ChoosePredicted();
  EXPECT_EQ(screen.Boxes[kLccFrame][1], "11");
  screen.Update();  // shows the assessment set again, with the edit
  EXPECT_EQ(screen.Option, kAssessmentSet);
  EXPECT_EQ(screen.Boxes[kLccFrame][1], "7");
}

TEST_F(LccFixture, SavedLccFileLoadsBackToTheSameShownValues) {
  LccScreenModel screen(*ws);
  screen.CopyAll();
  screen.Boxes[kLccContents][4] = "0.1";
  screen.Update();
  const auto shown = screen.Boxes;
  prompts.QueueFile(tmp.File("A.LCC"));
  screen.Save(prompts);
  EXPECT_EQ(prompts.dialogs.back().proposedName, tmp.File("OFFICE.LCC"));
  const std::string text = tmp.Read("A.LCC");
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 60);
  EXPECT_EQ(text.substr(0, text.find("\r\n")), shown[0][0]);  // stage 0, row 1 first
  for (auto& row : screen.Boxes) row.fill("9");
  prompts.QueueFile(tmp.File("A.LCC"));
  screen.Load(prompts);
  EXPECT_EQ(screen.Boxes, shown);
  EXPECT_EQ(prompts.dialogs.back().proposedName, tmp.File("A.LCC"));
}

TEST_F(LccFixture, LoadAndSaveNeedAProjectAndABadFileChangesNothing) {
  LccScreenModel screen(*ws);
  const auto shown = screen.Boxes;
  tmp.Write("BAD.LCC", "1\r\n2\r\n");
  prompts.QueueFile(tmp.File("BAD.LCC"));
  screen.Load(prompts);
  EXPECT_EQ(screen.Boxes, shown);
  ASSERT_EQ(prompts.Messages().size(), 1u);
  EXPECT_NE(prompts.Messages()[0].find("BAD.LCC"), std::string::npos);
  ws->Project.ProjFileName.clear();
  screen.Save(prompts);
  screen.Load(prompts);
  EXPECT_EQ(prompts.Messages().back(), kOpenProjectFirstMessage);
  EXPECT_EQ(prompts.Messages().size(), 3u);
}

TEST_F(LccFixture, CsvExportHasCaptionsAndShownValues) {
  LccScreenModel screen(*ws);
  prompts.QueueFile(tmp.File("L.CSV"));
  screen.Export(prompts);
  const std::string csv = tmp.Read("L.CSV");
  EXPECT_EQ(csv.substr(0, csv.find("\r\n")),
            "\"\",\"Life Cycle\",\"As Built\",\"Optg (Mat'l)\",\"Optg (Egy)\",\"Demolition\"");
  EXPECT_NE(csv.find("\r\n\"Elec & Light\",0,1001.25,2001.25,3001.25,0\r\n"), std::string::npos);
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 13);
}
