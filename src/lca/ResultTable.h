#pragma once
// Every figure of a result case in one tidy table: a header row, then one row
// per part, portion or group, stage and figure, numbers bare, so that a
// spreadsheet filters it by any column at once.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "building/ProjectState.h"
#include "lca/AssessmentParameters.h"
#include "lca/LcaResults.h"

namespace kelca {

// Figures 1..12 are the categories (11 energy use, 12 solid waste); then the
// life cycle cost and the single score.
constexpr int kLifeCycleCostFigure = 13;
constexpr int kSingleScoreFigure = 14;
constexpr int kFigures = 14;
const std::string& FigureName(int f);  // "Abiotic Depl'n" .. "Solid Waste", "Life Cycle Cost", "Single Score"
const std::string& FigureUnit(int f);  // the category's unit, "ZQ$", "" for the score

struct Figure {
  std::optional<float> Characterised, Normalised, Weighted;
  // The figure itself: its characterised value, or the score.
  float Value() const { return Characterised ? *Characterised : Weighted.value_or(0); }
};
using StageFigures = std::array<Figure, kFigures + 1>;  // index 0 unused

// The figures of one part, portion or group at every stage, with the current
// factors: impacts characterised, normalised and weighted; energy and waste as
// they are; the cost, its electricity equivalent in TJ and its weighted share;
// the single score.
std::array<StageFigures, kStages> FiguresOf(const PartResult& source, const AssessmentParameters& params);

// A part, portion or group of a case as the tables name it.
struct ResultSource {
  std::string Part;     // "Whole Bldg.", "Foundations", "Floors", "Services"
  std::string Portion;  // the portion or group; empty for the whole part
  const PartResult* Result = nullptr;
};
// The whole building, then each part with its portions and, withGroups, its
// groups (named by their name, else their file).
std::vector<ResultSource> ResultSources(const LcaResultSet& results, const ProjectState& info, bool withGroups);

// The table of every figure of a case; the per-m² columns are empty unless
// info.CFA is above 0.
std::string AllResultsTableText(const ProjectState& info, const LcaResultSet& results,
                                const AssessmentParameters& params);

}  // namespace kelca
