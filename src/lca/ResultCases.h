#pragma once
// The three result cases (Reference, Alternative, Current), the view last
// shown for each, and the computation of a view: characterised, normalised
// and weighted impacts, energy, waste, cost and the single score per stage.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "building/ProjectState.h"
#include "lca/AssessmentParameters.h"
#include "lca/LcaResults.h"

namespace kelca {

enum CaseIndex : int { kReferenceCase = 0, kAlternativeCase = 1, kCurrentCase = 2 };
constexpr int kResultCases = 3;

// The building part chosen on the results screen (cboPortion).
enum BuildingPart : int { kWholeBldg = 0, kFoundations = 1, kFloors = 2, kServicesPart = 3 };

struct ViewEntry {
  float Weighted = 0;
  float Characterised = 0;
  float Normalised = 0;
};

struct CaseView {
  // [stage][category]; entry [s][0].Weighted holds the sum of the ten weighted values.
  std::array<std::array<ViewEntry, kImpactSlots>, kStages> Table{};
  std::array<float, kStages> Energy{}, Waste{}, Cost{};
  std::string PartText, ClassText, GroupText;  // the three selection texts
};

struct ResultCase {
  ProjectState Info;  // the project without its folder
  LcaResultSet Results;
  CaseView View;
};

// Case kCurrentCase keeps only its View: its project info and results are the
// live program-wide tables (see CurrentCaseSnapshot).
struct ResultCases {
  std::array<ResultCase, kResultCases> Case;
  std::array<float, kStages> Score{};  // single score per stage of the last shown view
};

// Texts of the selectors and rows.
const std::vector<std::string>& CaseNames();    // "Reference Case", ...
const std::vector<std::string>& StageNames();   // "Whole Life Cycle", ...
const std::vector<std::string>& PartNames();    // "Whole Bldg.", "Foundations", "Floors", "Services"
// The cboClass list of a part, ending with "Select ........"; empty for Whole Bldg.
std::vector<std::string> ClassEntries(int part);
extern const char* const kSelectGroupEntry;     // "Select ........"
bool IsGroupEntry(int part, int classEntry);
// Names of the part's groups in the given project info (cboCGNo).
std::vector<std::string> GroupNames(int part, const ProjectState& info);
// Category text and unit, c = 1..12 (11 energy, 12 waste).
const std::string& CategoryText(int c);
const std::string& CategoryUnit(int c);
// The category's name without its number and padding ("Global Warming"), c = 1..12.
const std::string& CategoryName(int c);
// The EN 15978 life-cycle modules of a stage: "A-C" (whole life), "A1-A5", "B4", "B6", "C1-C4".
const std::string& StageModule(int stage);
// "Data computed for the REFERENCE Case." and the other two.
std::string CaseComputedMessage(int caseIndex);

// What the view is computed from. Group is used only for the group entry.
struct ViewSelection {
  int Part = -1;
  int ClassEntry = -1;  // position in ClassEntries(Part)
  int Group = -1;       // position in GroupNames(Part, info)
};
// The source of the view, or nullptr when the selection is incomplete.
const PartResult* ViewSource(const LcaResultSet& results, const ProjectState& info, const ViewSelection& sel);

// Fills the view's table, energy, waste and cost from the source for all five
// stages, and the single score of each stage.
void ComputeView(const PartResult& source, const AssessmentParameters& params, CaseView& view,
                 std::array<float, kStages>& score);
// The single score of one stage of a view, with the given factors.
float StageScore(const CaseView& view, int stage, const WeightFactors& weights, const EnergyPrices& prices);

// The live project and results as a case (the project folder left out).
ResultCase CurrentCaseSnapshot(const ProjectState& project, const LcaResultSet& results, const CaseView& view);
ProjectState CaseInfoOf(const ProjectState& project);

// What the results screen shows for one stage, in the general text form.
struct ShownView {
  std::array<std::string, kImpactSlots> Characterised, Normalised, Weighted;  // 1..10; Weighted[0] the sum
  std::string Energy, Waste, Cost, Score;
};
ShownView ShowStage(const CaseView& view, const std::array<float, kStages>& score, int stage);
// The shown values with the characterised values, energy, waste and cost
// divided by the floor area; unchanged unless the area is above 0.
ShownView PerFloorArea(const ShownView& shown, const CaseView& view, int stage, float cfa);
// value / cfa, or nothing when the area is not above 0 or the quotient is not finite.
std::optional<float> PerArea(float value, float cfa);

}  // namespace kelca
