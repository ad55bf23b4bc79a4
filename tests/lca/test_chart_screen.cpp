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
    ws->Project.ProjName = "Office";
    ws->Project.ProjDir = "/projects/office/";
    ws->CurrentFolder = "/projects/office/";
    ws->Cases.Case[kAlternativeCase].View.PartText = "Services";
    ws->Cases.Case[kAlternativeCase].View.ClassText = "HVAC";
    ws->Cases.Case[kAlternativeCase].View.Cost[kAsBuilt] = 5000;
  }
  std::unique_ptr<Workspace> ws;
  ScriptedPrompts prompts;
};
}  // namespace

TEST_F(ChartScreenFixture, SettingsShowTheirNamesAndAFailedPlotLeavesNothingDrawn) {
  ChartScreenModel screen(*ws);
  EXPECT_EQ(screen.KindText, "Bars");
  EXPECT_EQ(screen.ResultText, "LCIA (10 impacts)");
  screen.TickCase(kAlternativeCase, true);
  EXPECT_EQ(screen.PartsTexts[kAlternativeCase], "Services; HVAC");
  screen.ChooseStage(kAlternativeCase, kAsBuilt);
  screen.ChooseResult(ChartResult::Cost, prompts);
  EXPECT_EQ(screen.ResultText, "Life Cycle Cost");
  ASSERT_TRUE(screen.Drawn);
  EXPECT_EQ(screen.Layout.Title, " Project: Office");
  EXPECT_EQ(screen.Layout.Scale.Thousands, 1);

  screen.ChooseKind(ChartKind::StackedBars, prompts);
  EXPECT_EQ(screen.KindText, "Stacked Bars");
  EXPECT_EQ(screen.Layout.Kind, ChartKind::StackedBars);
  screen.ChooseResult(ChartResult::Waste, prompts);  // all zero
  EXPECT_FALSE(screen.Drawn);
  EXPECT_TRUE(screen.Layout.Bars.empty());
  EXPECT_EQ(prompts.Messages(), std::vector<std::string>{"Current set of data cannot be plotted!!"});

  screen.TickCase(kAlternativeCase, false);
  EXPECT_EQ(screen.PartsTexts[kAlternativeCase], "");
  screen.ChooseStage(kReferenceCase, 7);  // out of range: no stage
  EXPECT_EQ(screen.Settings().Cases[kReferenceCase].Stage, -1);
}

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
