// The LCC totals, and the LCC screen's value sets and file.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "app/ScriptedPrompts.h"
#include "app/Workspace.h"
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

TEST_F(LccFixture, ABadLccFileChangesNothing) {
  LccScreenModel screen(*ws);
  const auto shown = screen.Boxes;
  tmp.Write("BAD.LCC", "1\r\n2\r\n");
  prompts.QueueFile(tmp.File("BAD.LCC"));
  screen.Load(prompts);
  EXPECT_EQ(screen.Boxes, shown);
  ASSERT_EQ(prompts.Messages().size(), 1u);
  EXPECT_NE(prompts.Messages()[0].find("BAD.LCC"), std::string::npos);
}
