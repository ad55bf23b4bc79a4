#pragma once
// Result cases side by side: two cases compared figure by figure, and the
// whole-building figures of many cases one row each (a design study).
#include <optional>
#include <string>
#include <vector>

#include "lca/ResultCases.h"
#include "lca/ResultTable.h"

namespace kelca {

// True when both projects have the same groups (files and names) of every type,
// so that their groups can be compared one by one.
bool SameGroupLists(const ProjectState& a, const ProjectState& b);

struct ComparedFigure {
  std::string Part, Portion;
  int Stage = 0;
  int Figure = 0;  // 1..kFigures
  float A = 0, B = 0;
};
// Every figure of the whole building, the parts and their portions in both
// cases, and of the groups when the group lists are the same.
std::vector<ComparedFigure> CompareCases(const ResultCase& a, const ResultCase& b, const AssessmentParameters& params);
// (b - a) / |a| in %; nothing when a is 0 or the change is not finite.
std::optional<float> ChangePercent(float a, float b);
// The comparison as a tidy table with a header row.
std::string ComparisonTableText(const std::vector<ComparedFigure>& figures);

// One case of a design study: the file it came from, its project and floor area.
struct CollectedCase {
  std::string File;
  ResultCase Case;
  std::optional<float> CFA;  // nothing when its project file was not found
};
// The header and one row per case: file, project name, CFA, then the whole
// building's figures for the whole life cycle and each stage.
std::string CollectionHeaderLine();
std::string CollectionLine(const CollectedCase& c, const AssessmentParameters& params);

}  // namespace kelca
