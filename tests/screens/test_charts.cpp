#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <tuple>

#include "app/Workspace.h"
#include "common/ScriptedPrompts.h"
#include "lca/ChartData.h"
#include "lca/ChartPlacement.h"
#include "screens/ChartScreen.h"

using namespace kelca;

namespace {
struct ChartFixture : ::testing::Test {
  ChartFixture() : cases(std::make_unique<ResultCases>()) {
    SetDefaultParameters(params);
    for (int i = 0; i < kResultCases; ++i) {
      CaseView& v = cases->Case[i].View;
      for (int c = 1; c <= 10; ++c) {
        v.Table[1][c] = ViewEntry{0.01f * c * (i + 1), 1000.0f * c * (i + 1), 0.1f * c};
      }
      v.Table[1][0].Weighted = 0.55f * (i + 1);
      v.Energy[1] = 2.5e6f * (i + 1);
      v.Cost[1] = 0.92f * 277778 * (i + 1);
    }
    cases->Case[kCurrentCase].View.PartText = "Floors";
    cases->Case[kCurrentCase].View.ClassText = "Envelope";
  }
  ChartSettings Ticked(std::initializer_list<int> which, int stage = 1) {
    ChartSettings s;
    for (int i : which) s.Cases[i] = {true, stage};
    return s;
  }
  AssessmentParameters params;
  std::unique_ptr<ResultCases> cases;
};
}  // namespace

TEST_F(ChartFixture, GathersTheChosenKindOfEveryTickedCaseAndNeedsTheirStages) {
  ChartSettings s = Ticked({kReferenceCase, kCurrentCase});
  s.Value = LciaValueKind::Characterised;
  ChartData data;
  ASSERT_TRUE(GatherChartData(s, *cases, params.CurrentWeights, params.CurrentPrices, data));
  ASSERT_EQ(data.Series.size(), 2u);
  EXPECT_EQ(data.Series[1].Case, kCurrentCase);
  ASSERT_EQ(data.Series[1].Values.size(), 10u);
  EXPECT_EQ(data.Series[1].Values[3], 1000.0f * 4 * 3);
  s.Category = 2;
  s.Value = LciaValueKind::Normalised;
  ASSERT_TRUE(GatherChartData(s, *cases, params.CurrentWeights, params.CurrentPrices, data));
  EXPECT_EQ(data.Categories, std::vector<int>{2});
  EXPECT_FLOAT_EQ(data.Series[0].Values[0], 0.2f);
  // The single score is recomputed with the current factors.
  s.Result = ChartResult::SingleScore;
  ASSERT_TRUE(GatherChartData(s, *cases, params.CurrentWeights, params.CurrentPrices, data));
  EXPECT_NEAR(data.Series[1].Values[0], 3 * 0.55f + 3 * 0.55556f, 1e-4);
  EXPECT_EQ(CasePartsText(cases->Case[kCurrentCase].View), "Floors; Envelope");
  // A ticked case without a stage is reported.
  for (const auto& [i, name] :
       {std::pair{kReferenceCase, "Base"}, {kAlternativeCase, "Alternative"}, {kCurrentCase, "Current"}}) {
    const Status st = GatherChartData(Ticked({i}, -1), *cases, params.CurrentWeights, params.CurrentPrices, data);
    EXPECT_EQ(st.message, "Select Life Cycle Stage for the " + std::string(name) + " Case first!");
  }
}

TEST(ChartScaling, MillionsAreDividedTwiceAndTheFrameFollowsTheMaximum) {
  ChartData data{{0}, {{kReferenceCase, {1.25e6f}}, {kCurrentCase, {2.5e6f}}}};
  ChartScale scale;
  ASSERT_TRUE(ScaleChart(ChartKind::Bars, data, scale));
  EXPECT_EQ(std::pair(scale.AxisLabel, scale.Thousands), std::pair(std::string("2.5E+06"), 2));
  EXPECT_FLOAT_EQ(scale.Maximum, 2.5f);
  EXPECT_FLOAT_EQ(data.Series[1].Values[0], 2.5f);
  EXPECT_FLOAT_EQ(data.Series[0].Values[0], 1.25f);
  EXPECT_FLOAT_EQ(scale.Step, 2.5f / 22);
  EXPECT_FLOAT_EQ(scale.YMin, -2.6f * 2.5f / 22);
  EXPECT_FLOAT_EQ(scale.YMax, 25 * 2.5f / 22);
  // 999 stays as it is; 1000 is divided once.
  for (const auto& [value, thousands, label] : {std::tuple{999.0f, 0, "9.99E+02"}, {1000.0f, 1, "1E+03"}}) {
    ChartData one{{0}, {{0, {value}}}};
    ASSERT_TRUE(ScaleChart(ChartKind::Bars, one, scale));
    EXPECT_EQ(std::pair(scale.AxisLabel, scale.Thousands), std::pair(std::string(label), thousands));
  }
  // All zeros, or nothing ticked, cannot be plotted.
  for (ChartData d : {ChartData{{1, 2}, {{0, {0, 0}}}}, ChartData{{0}, {}}}) {
    EXPECT_EQ(ScaleChart(ChartKind::Bars, d, scale).message, "Current set of data cannot be plotted!!");
  }
  // The axis label keeps three decimals.
  EXPECT_EQ(ScientificAxisLabel(123456), "1.235E+05");
  EXPECT_EQ(ScientificAxisLabel(0.00042f), "4.2E-04");
  EXPECT_EQ(ScientificAxisLabel(-9.9996e7f), "-1E+08");
}

TEST_F(ChartFixture, OnlyTheTickedCaseIsDrawnAndLabelled) {
  ChartSettings s = Ticked({kCurrentCase});
  s.Result = ChartResult::Energy;
  ChartLayout layout;
  ASSERT_TRUE(BuildChart(s, *cases, params.CurrentWeights, params.CurrentPrices, "Office", layout));
  ASSERT_EQ(layout.Bars.size(), 1u);
  EXPECT_EQ(layout.Bars[0].Case, kCurrentCase);
  EXPECT_EQ(layout.Bars[0].Y0, 0);
  EXPECT_FLOAT_EQ(layout.Bars[0].Y1, 7.5f);  // 7.5E+06 after two divisions
  EXPECT_TRUE(layout.Bars[0].X0 >= layout.Scale.XMin && layout.Bars[0].X1 <= layout.Scale.XMax);
  ASSERT_EQ(layout.Legend.size(), 1u);
  EXPECT_EQ(layout.Legend[0].Text, "Current Case");
  EXPECT_EQ(layout.Title, "Life Cycle Energy; Project: Office");
  EXPECT_EQ(layout.Subtitle, std::vector<std::string>{"Current Case: As Built, Floors; Envelope"});
  EXPECT_EQ(layout.ValueAxisTitle, "MJ (x 1E+06)");
  ASSERT_EQ(layout.AxisLabels.size(), 1u);
  EXPECT_EQ(layout.AxisLabels[0].Lines, std::vector<std::string>{"Current"});
  EXPECT_FLOAT_EQ(layout.AxisLabels[0].X, (layout.Bars[0].X0 + layout.Bars[0].X1) / 2);
}

TEST_F(ChartFixture, TitlesNameTheResultKindAndTheValueAxisItsUnitAndScale) {
  const auto settingsOf = [&](ChartResult result, LciaValueKind value, int category, ChartKind kind) {
    ChartSettings s = Ticked({kReferenceCase, kCurrentCase});
    s.Result = result;
    s.Value = value;
    s.Category = category;
    s.Kind = kind;
    return s;
  };
  using R = ChartResult;
  using V = LciaValueKind;
  const auto bars = ChartKind::Bars, stacked = ChartKind::StackedBars;
  for (const auto& [settings, title, axis, firstLabel] : std::vector<std::tuple<ChartSettings, std::string, std::string,
                                                                                std::vector<std::string>>>{
           {settingsOf(R::Lcia, V::Weighted, 0, bars), "Weighted LCIA (10 impacts)", "weighted", {"Abiotic Depl'n"}},
           {settingsOf(R::Lcia, V::Characterised, 0, bars), "Characterised LCIA (10 impacts)",
            "characterised, in the unit under each category (x 1E+03)", {"Abiotic Depl'n", "(kg Sb eq.)"}},
           {settingsOf(R::Lcia, V::Characterised, 2, bars), "Characterised LCIA: Global Warming",
            "kg CO2 eq. (x 1E+03)", {"Reference"}},
           {settingsOf(R::Lcia, V::Normalised, 0, stacked), "Normalised LCIA (10 impacts)", "normalised", {"Reference"}},
           {settingsOf(R::Cost, V::Weighted, 0, bars), "Life Cycle Cost", "ZQ$ (x 1E+03)", {"Reference"}},
           {settingsOf(R::SingleScore, V::Weighted, 0, bars), "LCIA and LCC, 1-Score", "single score", {"Reference"}}}) {
    ChartLayout layout;
    ASSERT_TRUE(BuildChart(settings, *cases, params.CurrentWeights, params.CurrentPrices, "P", layout)) << title;
    EXPECT_EQ(layout.Title, title + "; Project: P");
    EXPECT_EQ(layout.ValueAxisTitle, axis);
    ASSERT_FALSE(layout.AxisLabels.empty());
    EXPECT_EQ(layout.AxisLabels[0].Lines, firstLabel) << title;
    EXPECT_EQ(layout.Subtitle.size(), 2u);
  }
}

namespace {
// A measure wider than the usual sans-serif fonts: 0.62 of the font size a character.
const TextMeasure kWideMeasure{
    [](const std::string& text, double px, bool bold) {
      return static_cast<double>(text.size()) * px * (bold ? 0.68 : 0.62);
    },
    [](double px) { return px * 1.2; }};

std::vector<PixelBox> TextBoxesOf(const ChartPlacement& p) {
  std::vector<PixelBox> boxes{p.ValueAxisTitle.Box, p.ValueAxis};
  for (const auto* texts : {&p.Header, &p.FrameTexts, &p.Legend, &p.AxisLabels}) {
    for (const PlacedText& t : *texts) boxes.push_back(t.Box);
  }
  return boxes;
}
}  // namespace

TEST_F(ChartFixture, NoTwoTextsOverlapAtTheViewAndFileSizes) {
  // The longest labels: the ten categories with their units, three cases.
  for (ChartKind kind : {ChartKind::Bars, ChartKind::StackedBars}) {
    for (LciaValueKind value : {LciaValueKind::Characterised, LciaValueKind::Weighted}) {
      ChartSettings s = Ticked({kReferenceCase, kAlternativeCase, kCurrentCase});
      s.Kind = kind;
      s.Value = value;
      ChartLayout layout;
      ASSERT_TRUE(BuildChart(s, *cases, params.CurrentWeights, params.CurrentPrices, "Kelport Office Tower", layout));
      for (const auto& [width, height] :
           {std::pair{kChartViewWidth, kChartViewHeight}, {kChartFileWidth, kChartFileHeight}, {480.0, 320.0}}) {
        const ChartPlacement p = PlaceChart(layout, width, height, kWideMeasure);
        const std::vector<PixelBox> boxes = TextBoxesOf(p);
        for (size_t i = 0; i < boxes.size(); ++i) {
          const PixelBox& a = boxes[i];
          EXPECT_TRUE(a.Left >= 0 && a.Top >= 0 && a.Left + a.Width <= width && a.Top + a.Height <= height) << i;
          for (size_t j = i + 1; j < boxes.size(); ++j) {
            const PixelBox& b = boxes[j];
            const bool apart = a.Left + a.Width <= b.Left || b.Left + b.Width <= a.Left || a.Top + a.Height <= b.Top ||
                               b.Top + b.Height <= a.Top;
            EXPECT_TRUE(apart) << width << "x" << height << ": boxes " << i << " and " << j;
          }
        }
        // Labels stay below the axis, and the font stays readable at the sizes the program uses.
        for (const PlacedText& label : p.AxisLabels) EXPECT_GT(label.Box.Top, p.ValueAxis.Top + p.ValueAxis.Height);
        if (width >= kChartViewWidth) {
          EXPECT_GE(p.FontPixels, 11) << width;
        }
        EXPECT_EQ(p.AxisLabels.size(), layout.AxisLabels.size());
      }
    }
  }
}

TEST_F(ChartFixture, StackedBarsPutOneColumnPerCaseAndBarsOfOneValueStandApart) {
  ChartSettings s = Ticked({kReferenceCase, kAlternativeCase, kCurrentCase});
  s.Kind = ChartKind::StackedBars;
  ChartLayout layout;
  ASSERT_TRUE(BuildChart(s, *cases, params.CurrentWeights, params.CurrentPrices, "P", layout));
  ASSERT_EQ(layout.Bars.size(), 30u);
  for (size_t k = 1; k < 10; ++k) {
    EXPECT_FLOAT_EQ(layout.Bars[k].Y0, layout.Bars[k - 1].Y1);
    EXPECT_EQ(layout.Bars[k].X0, layout.Bars[0].X0);
  }
  EXPECT_NE(layout.Bars[10].X0, layout.Bars[0].X0);
  EXPECT_FLOAT_EQ(layout.Bars[29].Y1, 0.03f * 55);  // the current case's stack of weighted values
  EXPECT_FLOAT_EQ(layout.Scale.Maximum, 0.03f * 55);  // the tallest stack
  EXPECT_EQ(layout.Legend.size(), 3u);
  // Bars of one value each stand apart, and the ticks show four significant digits.
  s.Kind = ChartKind::Bars;
  s.Result = ChartResult::Energy;
  ASSERT_TRUE(BuildChart(s, *cases, params.CurrentWeights, params.CurrentPrices, "P", layout));
  ASSERT_EQ(layout.Bars.size(), 3u);
  EXPECT_LT(layout.Bars[0].X1, layout.Bars[1].X0);
  EXPECT_LT(layout.Bars[1].X1, layout.Bars[2].X0);
  const std::string tick = TickLabel(layout.Scale.Step * 2);
  EXPECT_TRUE(
      std::any_of(layout.Texts.begin(), layout.Texts.end(), [&](const ChartText& t) { return t.Text == tick; }));
  for (const auto& [y, text] : {std::pair{0.9136728f, "0.9137"}, {0.08306117f, "0.08306"}, {15.53299f, "15.53"},
                                {-2.5f, "-2.5"}, {0.0f, "0"}}) {
    EXPECT_EQ(TickLabel(y), text);
  }
}

TEST(ChartFiles, TheExtensionChoosesTheFormatAndANameWithoutOneBecomesAPng) {
  for (const auto& [name, format, written] :
       {std::tuple{"/r/Chart.Svg", ChartFileFormat::Svg, "/r/Chart.Svg"},
        {"/r/chart.PNG", ChartFileFormat::Png, "/r/chart.PNG"},
        {"/r/chart", ChartFileFormat::Png, "/r/chart.png"},
        {"/r/chart.jpg", ChartFileFormat::Png, "/r/chart.jpg.png"}}) {
    std::string path = name;
    EXPECT_EQ(ChartFileFormatOf(path), format) << name;
    EXPECT_EQ(path, written);
  }
  // Exporting asks in the project folder and leaves it current; the dialog gives the filter's extension.
  auto ws = std::make_unique<Workspace>();
  ws->Project.ProjDir = ws->CurrentFolder = "/projects/office/";
  ScriptedPrompts prompts;
  prompts.QueueFile("/reports/fig1");
  ChartFileFormat format = ChartFileFormat::Svg;
  EXPECT_EQ(ChartScreenModel(*ws).ChooseExportFile(prompts, format), "/reports/fig1.PNG");
  EXPECT_EQ(prompts.dialogs.back().initialFolder, "/projects/office/");
  EXPECT_EQ(ws->CurrentFolder, "/projects/office/");
}
