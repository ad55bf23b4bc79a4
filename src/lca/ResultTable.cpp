#include "lca/ResultTable.h"

#include <cmath>

#include "building/GroupTypes.h"
#include "common/TextWriter.h"
#include "lca/ResultCases.h"

namespace kelca {

const std::string& FigureName(int f) {
  static const std::string cost = "Life Cycle Cost", score = "Single Score";
  if (f == kLifeCycleCostFigure) return cost;
  if (f == kSingleScoreFigure) return score;
  return CategoryName(f);
}

const std::string& FigureUnit(int f) {
  static const std::string currency = "ZQ$", none;
  if (f == kLifeCycleCostFigure) return currency;
  if (f == kSingleScoreFigure) return none;
  return CategoryUnit(f);
}

std::array<StageFigures, kStages> FiguresOf(const PartResult& source, const AssessmentParameters& params) {
  CaseView view;
  std::array<float, kStages> score{};
  ComputeView(source, params, view, score);
  const float price = params.CurrentPrices[kElectricityPrice];
  std::array<StageFigures, kStages> figures{};
  for (int s = 0; s < kStages; ++s) {
    StageFigures& f = figures[s];
    for (int c = 1; c < kImpactSlots; ++c) {
      const ViewEntry& e = view.Table[s][c];
      f[c] = {e.Characterised, e.Normalised, e.Weighted};
    }
    f[11].Characterised = view.Energy[s];
    f[12].Characterised = view.Waste[s];
    const float terajoules = price > 0 ? view.Cost[s] / (price * kKWhPerTJ) : 0;
    f[kLifeCycleCostFigure] = {view.Cost[s], std::isfinite(terajoules) ? terajoules : 0,
                               WeightedCostScore(view.Cost[s], params.CurrentWeights, params.CurrentPrices)};
    f[kSingleScoreFigure].Weighted = score[s];
  }
  return figures;
}

namespace {

template <size_t N>
void AddGroups(std::vector<ResultSource>& sources, const std::string& part, int count,
               const std::array<std::string, N>& names, const std::array<std::string, N>& files,
               const std::array<PartResult, N>& results) {
  for (int g = 0; g < count && g < static_cast<int>(N); ++g) {
    sources.push_back({part, names[g].empty() ? files[g] : names[g], &results[g]});
  }
}

}  // namespace

std::vector<ResultSource> ResultSources(const LcaResultSet& r, const ProjectState& info, bool withGroups) {
  const std::vector<std::string>& parts = PartNames();
  CompTypeNameList floorPortions, servicePortions;
  LoadCompTypeNames(kFloor, floorPortions);
  LoadCompTypeNames(kServices, servicePortions);
  std::vector<ResultSource> sources{{parts[kWholeBldg], "", &r.Bldg}, {parts[kFoundations], "", &r.Fdn}};
  if (withGroups) AddGroups(sources, parts[kFoundations], info.FdnCount, info.FdnName, info.FdnFile, r.FdnGroup);
  sources.push_back({parts[kFloors], "", &r.Flr});
  for (int p = 0; p < kFlrPortions; ++p) sources.push_back({parts[kFloors], floorPortions[p], &r.FlrPortion[p]});
  if (withGroups) AddGroups(sources, parts[kFloors], info.FlrCount, info.FlrName, info.FlrFile, r.FlrGroup);
  sources.push_back({parts[kServicesPart], "", &r.Ser});
  for (int p = 0; p < kSerPortions; ++p) {
    sources.push_back({parts[kServicesPart], servicePortions[p], &r.SerPortion[p]});
  }
  if (withGroups) AddGroups(sources, parts[kServicesPart], info.SerCount, info.SerName, info.SerFile, r.SerGroup);
  return sources;
}

std::string AllResultsTableText(const ProjectState& info, const LcaResultSet& results,
                                const AssessmentParameters& params) {
  TextWriter w;
  w.Line("Part", "Portion or Group", "Stage", "Module", "Category", "Unit", "Characterised", "Normalised", "Weighted",
         "Per m2 CFA", "Per m2 CFA and Year");
  for (const ResultSource& source : ResultSources(results, info, true)) {
    const auto figures = FiguresOf(*source.Result, params);
    for (int s = 0; s < kStages; ++s) {
      for (int f = 1; f <= kFigures; ++f) {
        const Figure& figure = figures[s][f];
        std::optional<float> perArea, perAreaYear;
        if (figure.Characterised) perArea = PerArea(*figure.Characterised, info.CFA);
        if (perArea) perAreaYear = *perArea / kAssessmentYears;
        w.Line(source.Part, source.Portion, StageNames()[s], StageModule(s), FigureName(f), FigureUnit(f),
               figure.Characterised, figure.Normalised, figure.Weighted, perArea, perAreaYear);
      }
    }
  }
  return w.Text();
}

}  // namespace kelca
