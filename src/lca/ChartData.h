#pragma once
// The data behind the charts: what is gathered from the last shown views of
// the ticked cases, how it is scaled, and where bars, axes and texts go in the
// chart's coordinate frame (x from -12 to 88, y from base - 2.6 step to
// base + 25 step). The chart screen only paints what this computes.
#include <array>
#include <string>
#include <vector>

#include "common/Status.h"
#include "database/MaterialTable.h"
#include "lca/AssessmentParameters.h"
#include "lca/ResultCases.h"

namespace kelca {

enum class ChartKind { Bars, StackedBars };
enum class ChartResult { Lcia, Energy, Waste, Cost, SingleScore };
enum class LciaValueKind { Weighted, Characterised, Normalised };

const std::vector<std::string>& ChartKindNames();      // "Bars", "Stacked Bars"
const std::vector<std::string>& ChartResultNames();    // "LCIA (10 impacts)", ... "LCIA and LCC, 1-Score"
const std::vector<std::string>& LciaValueKindNames();  // "Weighted", "Characterised", "Normalised"
std::vector<std::string> ChartCategoryChoices();       // "All", then the ten category texts
const std::vector<std::string>& ChartCaseLegend();     // "Reference Case", ...
const std::vector<std::string>& ChartCaseLabels();     // "Reference", "Alternative", "Current"

struct ChartCaseChoice {
  bool Ticked = false;
  int Stage = -1;  // -1: no stage chosen
};

struct ChartSettings {
  ChartKind Kind = ChartKind::Bars;
  ChartResult Result = ChartResult::Lcia;
  int Category = 0;  // 0 "All", else one impact category 1..10
  LciaValueKind Value = LciaValueKind::Weighted;
  std::array<ChartCaseChoice, kResultCases> Cases;
};

struct ChartSeries {
  int Case = 0;
  std::vector<float> Values;  // one per plotted category (one value for the other results)
};

struct ChartData {
  std::vector<int> Categories;  // impact categories plotted; {0} for a result of one value
  std::vector<ChartSeries> Series;
};

// The selection texts of a view joined by "; " (the case's txtParts).
std::string CasePartsText(const CaseView& view);

// Gathers the values of every ticked case; a ticked case without a stage gives
// its message ("Select Life Cycle Stage for the Base Case first!", ...).
Status GatherChartData(const ChartSettings& settings, const ResultCases& cases, const WeightFactors& weights,
                       const EnergyPrices& prices, ChartData& data);

struct ChartScale {
  float Maximum = 0;      // after the divisions by 1000
  int Thousands = 0;      // how many times the values were divided by 1000
  std::string AxisLabel;  // the maximum before division, "#.###E+##"
  float Step = 0;         // value per axis division
  float Base = 0;         // the lower bound of the value axis
  float XMin = -12, XMax = 88, YMin = 0, YMax = 0;
};

// The "#.###E+##" form: up to three decimals, sign and at least two digits of exponent ("2.5E+06").
std::string ScientificAxisLabel(float x);

// A value on the value axis, to four significant digits ("0.9137", "15.53").
std::string TickLabel(float y);

// Finds the largest plotted value (stack totals for stacked bars), divides all
// values by 1000 while it is 1000 or more, and sets the frame. An all-zero set
// gives "Current set of data cannot be plotted!!".
Status ScaleChart(ChartKind kind, ChartData& data, ChartScale& scale);

struct ChartBar {
  int Case = 0;
  int Category = 0;  // the plotted category (0 for a result of one value)
  float X0 = 0, X1 = 0, Y0 = 0, Y1 = 0;
};
struct ChartText {
  float X = 0, Y = 0;
  std::string Text;
};
struct ChartLine {
  float X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;
};
struct ChartLegendEntry {
  int Case = 0;
  float X = 0, Y = 0;
  std::string Text;
};
// A label under the value axis: a category's short name, or a case under its bar.
struct ChartAxisLabel {
  float X = 0;  // the middle of its slot
  std::vector<std::string> Lines;
};
struct ChartLayout {
  ChartKind Kind = ChartKind::Bars;
  ChartScale Scale;
  std::vector<ChartBar> Bars;
  std::vector<ChartLine> Axes;  // value axis, zero line and tick marks
  std::vector<ChartText> Texts; // tick values and the maximum ("#.###E+##")
  std::vector<ChartAxisLabel> AxisLabels;
  float SlotWidth = 0;          // the width each axis label may take
  std::vector<ChartLegendEntry> Legend;
  std::string ValueAxisTitle;   // the unit of what is plotted and the scale factor
  std::string Title;            // the result kind, " Project: " and the project name
  std::vector<std::string> Subtitle;  // stage and part of each case drawn
};

// What the chart shows, for its title: "Weighted LCIA (10 impacts)", "Life Cycle Cost", ...
std::string ChartResultTitle(const ChartSettings& settings);
// The value axis title: the unit of what is plotted ("weighted", the category's
// unit, "ZQ$", "MJ", the waste unit, "single score"), then " (x 1E+06)" when the
// values were divided by 1000 twice.
std::string ValueAxisTitle(const ChartSettings& settings, int thousands);

// Gathers, scales and lays out one chart.
Status BuildChart(const ChartSettings& settings, const ResultCases& cases, const WeightFactors& weights,
                  const EnergyPrices& prices, const std::string& projectName, ChartLayout& layout);

}  // namespace kelca
