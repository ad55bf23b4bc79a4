#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "app/ScriptedPrompts.h"
#include "app/Workspace.h"
#include "lca/WeightFile.h"
#include "lca/WeightingScreens.h"
#include "support/TempFolder.h"

using namespace kelca;
using kelca::testing::TempFolder;

namespace {
struct ParamsFixture : ::testing::Test {
  ParamsFixture() : ws(std::make_unique<Workspace>()) { SetDefaultParameters(ws->Params); }
  ParameterScreenContext Context() { return {ws->Params, ws->CurrentFolder, ws->Project}; }
  std::unique_ptr<Workspace> ws;
  ScriptedPrompts prompts;
  TempFolder tmp;
};
}  // namespace

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

TEST_F(ParamsFixture, WeightFileHoldsFourteenBareNumbersAndReadsBack) {
  WeightFactors w{0.5f, 0.1f, 0.2f, 0.3f, 0.4f, 0.05f, 0.06f, 0.07f, 0.08f, 0.09f, 1e-5f};
  CostParams c{6.5f, 2, 1.25f};
  ASSERT_TRUE(WriteWeightFile(tmp.File("A.WGT"), w, c));
  const std::string text = tmp.Read("A.WGT");
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 14);
  EXPECT_EQ(text.substr(0, 10), "0.5\r\n0.1\r\n");
  EXPECT_NE(text.find("1E-05\r\n6.5\r\n2\r\n1.25\r\n"), std::string::npos);
  WeightFactors w2{};
  CostParams c2{};
  ASSERT_TRUE(ReadWeightFile(tmp.File("A.WGT"), w2, c2));
  EXPECT_EQ(w2, w);
  EXPECT_EQ(c2, c);
}

TEST_F(ParamsFixture, MalformedWeightFilesLeaveTheValuesAndNameTheFile) {
  WeightFactors w = ws->Params.UserWeights;
  CostParams c = ws->Params.UserCost;
  std::string thirteen;
  for (int i = 0; i < 13; ++i) thirteen += "1\r\n";
  tmp.Write("SHORT.WGT", thirteen);
  tmp.Write("TEXT.WGT", "1\r\n2\r\nabc\r\n");
  tmp.Write("HUGE.WGT", thirteen + "1E+39\r\n");
  for (const char* name : {"SHORT.WGT", "TEXT.WGT", "HUGE.WGT", "MISSING.WGT"}) {
    const Status s = ReadWeightFile(tmp.File(name), w, c);
    EXPECT_FALSE(s) << name;
    EXPECT_NE(s.message.find(name), std::string::npos) << s.message;
  }
  EXPECT_EQ(w, ws->Params.UserWeights);
  EXPECT_EQ(c, ws->Params.UserCost);
}

TEST_F(ParamsFixture, OpeningAWeightFileSelectsUserValuesAndReturnsToTheProjectFolder) {
  ws->Project.ProjDir = tmp.Folder() + "proj/";
  WeightFactors w = ws->Params.DefaultWeights;
  w[3] = 0.25f;
  ASSERT_TRUE(WriteWeightFile(tmp.File("U.WGT"), w, CostParams{4, 2, 2}));
  WeightingScreenModel screen(Context());
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
