#include "lca/ChartData.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "common/Numbers.h"

namespace kelca {

const std::vector<std::string>& ChartKindNames() {
  static const std::vector<std::string> names{"Bars", "Stacked Bars"};
  return names;
}

const std::vector<std::string>& ChartResultNames() {
  static const std::vector<std::string> names{"LCIA (10 impacts)", "Life Cycle Energy", "Waste Assessment",
                                              "Life Cycle Cost", "LCIA and LCC, 1-Score"};
  return names;
}

const std::vector<std::string>& LciaValueKindNames() {
  static const std::vector<std::string> names{"Weighted", "Characterised", "Normalised"};
  return names;
}

std::vector<std::string> ChartCategoryChoices() {
  std::vector<std::string> choices{"All"};
  for (int c = 1; c <= kImpactCategories; ++c) choices.push_back(CategoryText(c));
  return choices;
}

const std::vector<std::string>& ChartCaseLegend() { return CaseNames(); }

const std::vector<std::string>& ChartCaseLabels() {
  static const std::vector<std::string> labels{"Reference", "Alternative", "Current"};
  return labels;
}

std::string CasePartsText(const CaseView& view) {
  std::string text;
  for (const std::string* part : {&view.PartText, &view.ClassText, &view.GroupText}) {
    if (part->empty()) continue;
    if (!text.empty()) text += "; ";
    text += *part;
  }
  return text;
}

namespace {

float LciaValue(const ViewEntry& e, LciaValueKind kind) {
  switch (kind) {
    case LciaValueKind::Characterised: return e.Characterised;
    case LciaValueKind::Normalised: return e.Normalised;
    default: return e.Weighted;
  }
}

float SingleResultValue(ChartResult result, const CaseView& view, int s, const WeightFactors& weights,
                        const EnergyPrices& prices) {
  switch (result) {
    case ChartResult::Energy: return view.Energy[s];
    case ChartResult::Waste: return view.Waste[s];
    case ChartResult::Cost: return view.Cost[s];
    default: return StageScore(view, s, weights, prices);
  }
}

std::string MissingStageMessage(int caseIndex) {
  static const std::array<const char*, kResultCases> names{"Base", "Alternative", "Current"};
  return std::string("Select Life Cycle Stage for the ") + names[caseIndex] + " Case first!";
}

}  // namespace

Status GatherChartData(const ChartSettings& settings, const ResultCases& cases, const WeightFactors& weights,
                       const EnergyPrices& prices, ChartData& data) {
  ChartData gathered;
  if (settings.Result == ChartResult::Lcia) {
    if (settings.Category >= 1 && settings.Category <= kImpactCategories) {
      gathered.Categories = {settings.Category};
    } else {
      for (int c = 1; c <= kImpactCategories; ++c) gathered.Categories.push_back(c);
    }
  } else {
    gathered.Categories = {0};
  }
  for (int i = 0; i < kResultCases; ++i) {
    const ChartCaseChoice& choice = settings.Cases[i];
    if (!choice.Ticked) continue;
    if (choice.Stage < 0 || choice.Stage >= kStages) return Status::Error(MissingStageMessage(i));
    const CaseView& view = cases.Case[i].View;
    ChartSeries series{i, {}};
    for (int c : gathered.Categories) {
      series.Values.push_back(settings.Result == ChartResult::Lcia
                                  ? LciaValue(view.Table[choice.Stage][c], settings.Value)
                                  : SingleResultValue(settings.Result, view, choice.Stage, weights, prices));
    }
    gathered.Series.push_back(std::move(series));
  }
  data = std::move(gathered);
  return Status::Ok();
}

std::string ChartResultTitle(const ChartSettings& settings) {
  if (settings.Result != ChartResult::Lcia) return ChartResultNames()[static_cast<size_t>(settings.Result)];
  const std::string kind = LciaValueKindNames()[static_cast<size_t>(settings.Value)];
  const bool one = settings.Category >= 1 && settings.Category <= kImpactCategories;
  return kind + " LCIA" + (one ? ": " + CategoryName(settings.Category) : " (10 impacts)");
}

std::string ValueAxisTitle(const ChartSettings& settings, int thousands) {
  std::string unit;
  switch (settings.Result) {
    case ChartResult::Energy: unit = CategoryUnit(11); break;
    case ChartResult::Waste: unit = CategoryUnit(12); break;
    case ChartResult::Cost: unit = "ZQ$"; break;
    case ChartResult::SingleScore: unit = "single score"; break;
    case ChartResult::Lcia:
      if (settings.Value == LciaValueKind::Weighted) {
        unit = "weighted";
      } else if (settings.Value == LciaValueKind::Normalised) {
        unit = "normalised";
      } else {
        const bool one = settings.Category >= 1 && settings.Category <= kImpactCategories;
        const bool stacked = settings.Kind == ChartKind::StackedBars;
        unit = one       ? CategoryUnit(settings.Category)
               : stacked ? "characterised, units differ by category"
                         : "characterised, in the unit under each category";
      }
      break;
  }
  if (thousands <= 0) return unit;
  const std::string exponent = std::to_string(3 * thousands);
  return unit + " (x 1E+" + (exponent.size() < 2 ? "0" : "") + exponent + ")";
}

std::string ScientificAxisLabel(float x) {
  if (!std::isfinite(x)) x = 0;
  char buffer[64];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(x),
                                     std::chars_format::scientific, 3);
  const std::string text(buffer, written.ptr);  // such as "2.500e+06"
  const size_t e = text.find('e');
  std::string mantissa = text.substr(0, e);
  while (!mantissa.empty() && mantissa.back() == '0') mantissa.pop_back();
  if (!mantissa.empty() && mantissa.back() == '.') mantissa.pop_back();
  std::string exponent = text.substr(e + 1);  // sign and at least two digits
  return mantissa + "E" + exponent;
}

namespace {

// The highest and lowest extent of what is drawn: values, or stack totals.
void FindExtent(ChartKind kind, const ChartData& data, float& highest, float& lowest) {
  highest = -1e38f;
  lowest = 0;
  for (const ChartSeries& series : data.Series) {
    if (kind == ChartKind::StackedBars) {
      float up = 0, down = 0;
      for (float v : series.Values) (v > 0 ? up : down) += v;
      highest = std::max(highest, up);
      lowest = std::min(lowest, down);
    } else {
      for (float v : series.Values) {
        highest = std::max(highest, v);
        lowest = std::min(lowest, v);
      }
    }
  }
}

}  // namespace

Status ScaleChart(ChartKind kind, ChartData& data, ChartScale& scale) {
  float highest = 0, lowest = 0;
  FindExtent(kind, data, highest, lowest);
  if (data.Series.empty() || highest == 0) return Status::Error("Current set of data cannot be plotted!!");
  ChartScale s;
  s.AxisLabel = ScientificAxisLabel(highest);
  float top = std::max(highest, 0.0f);
  float bottom = lowest;
  while (std::max(top, -bottom) >= 1000) {
    top /= 1000;
    bottom /= 1000;
    highest /= 1000;
    for (ChartSeries& series : data.Series) {
      for (float& v : series.Values) v /= 1000;
    }
    ++s.Thousands;
  }
  s.Maximum = highest;
  s.Step = (top - bottom) / 22;
  s.Base = bottom;
  s.YMin = s.Base - 2.6f * s.Step;
  s.YMax = s.Base + 25 * s.Step;
  scale = s;
  return Status::Ok();
}

namespace {

constexpr float kPlotWidth = 80;  // bars lie between x = 0 and x = 80

void AddBar(ChartLayout& layout, int caseIndex, int category, float x0, float x1, float from, float to) {
  layout.Bars.push_back({caseIndex, category, x0, x1, std::min(from, to), std::max(from, to)});
}

// The short name of a category; with characterised values of several
// categories, each in its own unit, the unit below it.
ChartAxisLabel CategoryLabel(float x, int category, bool withUnit) {
  ChartAxisLabel label{x, {CategoryName(category)}};
  if (withUnit) label.Lines.push_back("(" + CategoryUnit(category) + ")");
  return label;
}

void LayOutSideBySide(const ChartData& data, bool unitsPerCategory, ChartLayout& layout) {
  const size_t groups = data.Categories.size();
  const float groupWidth = kPlotWidth / static_cast<float>(groups);
  const float slotWidth = groupWidth * 0.8f / static_cast<float>(data.Series.size());
  // The bars of one category touch; the bars of a single value stand apart.
  const float barWidth = groups == 1 ? slotWidth * 0.6f : slotWidth;
  const float inset = (slotWidth - barWidth) / 2;
  layout.SlotWidth = groups == 1 ? slotWidth : groupWidth;
  for (size_t g = 0; g < groups; ++g) {
    const float start = groupWidth * static_cast<float>(g) + groupWidth * 0.1f;
    for (size_t k = 0; k < data.Series.size(); ++k) {
      const float x0 = start + slotWidth * static_cast<float>(k) + inset;
      AddBar(layout, data.Series[k].Case, data.Categories[g], x0, x0 + barWidth, 0, data.Series[k].Values[g]);
      if (groups == 1) layout.AxisLabels.push_back({x0 + barWidth / 2, {ChartCaseLabels()[data.Series[k].Case]}});
    }
    if (groups > 1) {
      layout.AxisLabels.push_back(
          CategoryLabel(groupWidth * (static_cast<float>(g) + 0.5f), data.Categories[g], unitsPerCategory));
    }
  }
}

void LayOutStacked(const ChartData& data, ChartLayout& layout) {
  const float column = kPlotWidth / static_cast<float>(data.Series.size());
  layout.SlotWidth = column;
  for (size_t k = 0; k < data.Series.size(); ++k) {
    const float x0 = column * static_cast<float>(k) + column * 0.25f;
    const float x1 = x0 + column * 0.5f;
    float up = 0, down = 0;
    for (size_t g = 0; g < data.Categories.size(); ++g) {
      const float v = data.Series[k].Values[g];
      float& level = v > 0 ? up : down;
      AddBar(layout, data.Series[k].Case, data.Categories[g], x0, x1, level, level + v);
      level += v;
    }
    layout.AxisLabels.push_back({(x0 + x1) / 2, {ChartCaseLabels()[data.Series[k].Case]}});
  }
}

}  // namespace

std::string TickLabel(float y) {
  if (!std::isfinite(y)) return "0";
  char buffer[64];
  const auto written =
      std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(y), std::chars_format::scientific, 3);
  double rounded = 0;
  std::from_chars(buffer, written.ptr, rounded);
  return FormatGeneral(static_cast<float>(rounded));
}

namespace {

void LayOutAxes(ChartLayout& layout) {
  const ChartScale& s = layout.Scale;
  const float top = s.Base + 22 * s.Step;
  layout.Axes.push_back({0, s.Base, 0, top});
  layout.Axes.push_back({0, 0, kPlotWidth, 0});
  for (int j = 0; j <= 11; ++j) {
    const float y = s.Base + 2 * s.Step * static_cast<float>(j);
    layout.Axes.push_back({-1, y, 0, y});
    layout.Texts.push_back({-11, y, TickLabel(y)});
  }
  // The maximum stands above the value axis, two divisions above the top tick.
  layout.Texts.push_back({-11, s.Base + 24 * s.Step, s.AxisLabel});
}

// The stage and the part of a case as the subtitle names them.
std::string CaseSubtitle(int caseIndex, int stage, const CaseView& view) {
  const std::string parts = CasePartsText(view);
  return ChartCaseLegend()[caseIndex] + ": " + StageNames()[stage] + (parts.empty() ? "" : ", " + parts);
}

}  // namespace

Status BuildChart(const ChartSettings& settings, const ResultCases& cases, const WeightFactors& weights,
                  const EnergyPrices& prices, const std::string& projectName, ChartLayout& layout) {
  ChartData data;
  if (Status gathered = GatherChartData(settings, cases, weights, prices, data); !gathered) return gathered;
  ChartLayout built;
  built.Kind = settings.Kind;
  if (Status scaled = ScaleChart(settings.Kind, data, built.Scale); !scaled) return scaled;
  const bool unitsPerCategory = settings.Result == ChartResult::Lcia && settings.Value == LciaValueKind::Characterised;
  if (settings.Kind == ChartKind::StackedBars) {
    LayOutStacked(data, built);
  } else {
    LayOutSideBySide(data, unitsPerCategory, built);
  }
  LayOutAxes(built);
  for (const ChartSeries& series : data.Series) {
    built.Legend.push_back({series.Case, 3 + 20 * static_cast<float>(series.Case), built.Scale.Base + 24 * built.Scale.Step,
                            ChartCaseLegend()[series.Case]});
    built.Subtitle.push_back(
        CaseSubtitle(series.Case, settings.Cases[series.Case].Stage, cases.Case[series.Case].View));
  }
  built.ValueAxisTitle = ValueAxisTitle(settings, built.Scale.Thousands);
  built.Title = ChartResultTitle(settings) + ";" + " Project: " + projectName;
  layout = std::move(built);
  return Status::Ok();
}

}  // namespace kelca
