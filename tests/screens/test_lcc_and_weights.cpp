// The LCC totals and screen, the weighted cost score and the weighting screen's files.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "lca/WeightFile.h"
#include "screens/LccScreen.h"
#include "screens/CostParameterScreen.h"
#include "screens/WeightingScreen.h"
#include "support/WorkspaceFixture.h"

using namespace kelca;

namespace {
struct Screens : ::testing::Test, kelca::testing::WorkspaceFixture {
  Screens() {
    ws->Project.ProjFileName = tmp.File("OFFICE.PRJ");
    LcaResultSet& r = ws->Results;
    for (int s = 1; s <= 3; ++s) {
      r.Fdn.Cost[s] = 100.0f * s;
      for (int p = 0; p < kFlrPortions; ++p) r.FlrPortion[p].Cost[s] = 10.0f * s + p;
      for (int p = 0; p < kSerPortions; ++p) r.SerPortion[p].Cost[s] = 1000.0f * s + p + 0.25f;
    }
  }
  std::size_t Lines(const std::string& name) {
    const std::string text = tmp.Read(name);
    return std::count(text.begin(), text.end(), '\n');
  }
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

TEST_F(Screens, LccEditsSurviveSwitchingSetsAndUpdateNeverTakesThePredictedBoxes) {
  LccScreenModel screen(*ws);
  screen.CopyAll();
  screen.Boxes[kLccFrame][1] = "7";
  screen.ChoosePredicted();
  EXPECT_EQ(screen.Boxes[kLccFrame][1], "11");
  screen.Update();  // shows the assessment set again, with the edit
  EXPECT_EQ(screen.Option, kAssessmentSet);
  EXPECT_EQ(screen.Boxes[kLccFrame][1], "7");
}

TEST_F(Screens, SavedLccFileLoadsBackToTheSameShownValuesAndABadOneChangesNothing) {
  LccScreenModel screen(*ws);
  screen.CopyAll();
  screen.Boxes[kLccContents][4] = "0.1";
  screen.Update();
  const auto shown = screen.Boxes;
  prompts.QueueFile(tmp.File("A"));  // typed without an extension
  screen.Save(prompts);
  EXPECT_EQ(prompts.dialogs.back().proposedName, tmp.File("OFFICE.LCC"));
  EXPECT_EQ(Lines("A.LCC"), 60u);
  const std::string text = tmp.Read("A.LCC");
  EXPECT_EQ(text.substr(0, text.find("\r\n")), shown[0][0]);  // stage 0, row 1 first
  for (auto& row : screen.Boxes) row.fill("9");
  prompts.QueueFile(tmp.File("A.LCC"));
  screen.Load(prompts);
  EXPECT_EQ(screen.Boxes, shown);
  EXPECT_EQ(prompts.dialogs.back().proposedName, tmp.File("A.LCC"));

  tmp.Write("BAD.LCC", "1\r\n2\r\n");
  prompts.QueueFile(tmp.File("BAD.LCC"));
  screen.Load(prompts);
  EXPECT_EQ(screen.Boxes, shown);
  ASSERT_EQ(prompts.Messages().size(), 1u);
  EXPECT_NE(prompts.Messages()[0].find("BAD.LCC"), std::string::npos);
}

TEST(WeightedCostScore, CountsCostAsElectricityAndRefusesToDivideByZero) {
  AssessmentParameters p;
  SetDefaultParameters(p);
  // 0.92 ZQ$/kWh x 277778 kWh buys 1 TJ: that cost weighs as the cost weight.
  EXPECT_NEAR(WeightedCostScore(0.92f * 277778, p.CurrentWeights, p.CurrentPrices), 0.55556f, 1e-5);
  EXPECT_EQ(WeightedCostScore(1e6f, p.CurrentWeights, EnergyPrices{0, 0.21f}), 0.0f);
  EXPECT_EQ(WeightedCostScore(1e6f, p.CurrentWeights, EnergyPrices{-1, 0.21f}), 0.0f);
  EXPECT_FALSE(CheckElectricityPrice(0));
  EXPECT_FALSE(CheckElectricityPrice(-0.5f));
  EXPECT_TRUE(CheckElectricityPrice(0.01f));
}

TEST_F(Screens, WeightFileHoldsFourteenBareNumbersReadsBackAndMalformedOnesChangeNothing) {
  WeightFactors w{0.5f, 0.1f, 0.2f, 0.3f, 0.4f, 0.05f, 0.06f, 0.07f, 0.08f, 0.09f, 1e-5f};
  CostParams c{6.5f, 2, 1.25f};
  ASSERT_TRUE(WriteWeightFile(tmp.File("A.WGT"), w, c));
  const std::string text = tmp.Read("A.WGT");
  EXPECT_EQ(Lines("A.WGT"), 14u);
  EXPECT_EQ(text.substr(0, 10), "0.5\r\n0.1\r\n");
  EXPECT_NE(text.find("1E-05\r\n6.5\r\n2\r\n1.25\r\n"), std::string::npos);
  WeightFactors w2{};
  CostParams c2{};
  ASSERT_TRUE(ReadWeightFile(tmp.File("A.WGT"), w2, c2));
  EXPECT_EQ(w2, w);
  EXPECT_EQ(c2, c);

  std::string thirteen;
  for (int i = 0; i < 13; ++i) thirteen += "1\r\n";
  tmp.Write("SHORT.WGT", thirteen);
  tmp.Write("TEXT.WGT", "1\r\n2\r\nabc\r\n");
  tmp.Write("HUGE.WGT", thirteen + "1E+39\r\n");
  for (const char* name : {"SHORT.WGT", "TEXT.WGT", "HUGE.WGT", "MISSING.WGT"}) {
    const Status s = ReadWeightFile(tmp.File(name), w2, c2);
    EXPECT_FALSE(s) << name;
    EXPECT_NE(s.message.find(name), std::string::npos) << s.message;
  }
  EXPECT_EQ(w2, w);
  EXPECT_EQ(c2, c);
}

TEST_F(Screens, OpeningAWeightFileSelectsUserValuesAndReturnsToTheProjectFolder) {
  ws->Project.ProjDir = tmp.Folder() + "proj/";
  WeightFactors w = ws->Params.DefaultWeights;
  w[3] = 0.25f;
  ASSERT_TRUE(WriteWeightFile(tmp.File("U.WGT"), w, CostParams{4, 2, 2}));
  WeightingScreenModel screen({ws->Params, ws->CurrentFolder, ws->Project});
  prompts.QueueFile(tmp.File("U.WGT"));
  screen.OpenUserValues(prompts);
  EXPECT_EQ(screen.Option, kUserOption);
  EXPECT_EQ(screen.WeightBoxes[3], "0.25");
  EXPECT_EQ(ws->Params.CurrentCost, (CostParams{4, 2, 2}));
  EXPECT_EQ(ws->CurrentFolder, ws->Project.ProjDir);
  // A bad file: a message naming it, nothing changes.
  tmp.Write("BAD.WGT", "x\r\n");
  prompts.QueueFile(tmp.File("BAD.WGT"));
  screen.ChooseDefaultValues();
  screen.OpenUserValues(prompts);
  EXPECT_EQ(screen.Option, kDefaultOption);
  ASSERT_EQ(prompts.Messages().size(), 1u);
  EXPECT_NE(prompts.Messages()[0].find("BAD.WGT"), std::string::npos);
  EXPECT_FLOAT_EQ(ws->Params.UserWeights[3], 0.25f);
}
