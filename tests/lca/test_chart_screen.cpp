#include <gtest/gtest.h>

#include <memory>

#include "app/ScriptedPrompts.h"
#include "app/Workspace.h"
#include "lca/ChartScreen.h"

using namespace kelca;

TEST(ChartFiles, TheExtensionChoosesTheFormatAndANameWithoutOneBecomesAPng) {
  std::string svg = "/r/Chart.Svg", png = "/r/chart.PNG", bare = "/r/chart", other = "/r/chart.jpg";
  EXPECT_EQ(ChartFileFormatOf(svg), ChartFileFormat::Svg);
  EXPECT_EQ(svg, "/r/Chart.Svg");
  EXPECT_EQ(ChartFileFormatOf(png), ChartFileFormat::Png);
  EXPECT_EQ(png, "/r/chart.PNG");
  EXPECT_EQ(ChartFileFormatOf(bare), ChartFileFormat::Png);
  EXPECT_EQ(bare, "/r/chart.png");
  EXPECT_EQ(ChartFileFormatOf(other), ChartFileFormat::Png);
  EXPECT_EQ(other, "/r/chart.jpg.png");
}

namespace {
struct ChartScreenFixture : ::testing::Test {
  ChartScreenFixture() : ws(std::make_unique<Workspace>()) {
    SetDefaultParameters(ws->Params);
    ws->Project.ProjDir = "/projects/office/";
    ws->CurrentFolder = "/projects/office/";
  }
  std::unique_ptr<Workspace> ws;
  ScriptedPrompts prompts;
};
}  // namespace

TEST_F(ChartScreenFixture, AnExportedFileIsNamedInADialogAndTheProjectFolderStaysCurrent) {
  ChartScreenModel screen(*ws);
  ChartFileFormat format = ChartFileFormat::Svg;
  EXPECT_EQ(screen.ChooseExportFile(prompts, format), "");  // cancelled
  EXPECT_EQ(prompts.dialogs.back().initialFolder, "/projects/office/");
  prompts.QueueFile("/reports/fig1");
  EXPECT_EQ(screen.ChooseExportFile(prompts, format), "/reports/fig1.png");
  EXPECT_EQ(format, ChartFileFormat::Png);
  EXPECT_EQ(ws->CurrentFolder, "/projects/office/");
}

TEST(ChartAxis, TickValuesShowFourSignificantDigitsAndBarsOfOneValueStandApart) {
  EXPECT_EQ(TickLabel(0.9136728f), "0.9137");
  EXPECT_EQ(TickLabel(0.08306117f), "0.08306");
  EXPECT_EQ(TickLabel(15.53299f), "15.53");
  EXPECT_EQ(TickLabel(-2.5f), "-2.5");
  EXPECT_EQ(TickLabel(0), "0");

  auto cases = std::make_unique<ResultCases>();
  AssessmentParameters params;
  SetDefaultParameters(params);
  ChartSettings settings;
  settings.Result = ChartResult::Energy;
  for (int i = 0; i < kResultCases; ++i) {
    cases->Case[i].View.Energy[kAsBuilt] = 10.0f * (i + 1);
    settings.Cases[i] = {true, kAsBuilt};
  }
  ChartLayout layout;
  ASSERT_TRUE(BuildChart(settings, *cases, params.CurrentWeights, params.CurrentPrices, "Office", layout));
  ASSERT_EQ(layout.Bars.size(), 3u);
  EXPECT_LT(layout.Bars[0].X1, layout.Bars[1].X0);
  EXPECT_LT(layout.Bars[1].X1, layout.Bars[2].X0);
  bool ticked = false;
  for (const ChartText& t : layout.Texts) ticked |= t.Text == TickLabel(layout.Scale.Step * 2);
  EXPECT_TRUE(ticked);
}
