#include "lca/ResultCases.h"

#include <cmath>

#include "common/Numbers.h"

namespace kelca {

const char* const kSelectGroupEntry = "Select ........";

const std::vector<std::string>& CaseNames() {
  static const std::vector<std::string> names{"Reference Case", "Alternative Case", "Current Case"};
  return names;
}

const std::vector<std::string>& StageNames() {
  static const std::vector<std::string> names{"Whole Life Cycle", "As Built", "Operating (Mat'l.)",
                                              "Operating (Energy)", "Demolition Waste"};
  return names;
}

const std::vector<std::string>& PartNames() {
  static const std::vector<std::string> names{"Whole Bldg.", "Foundations", "Floors", "Services"};
  return names;
}

std::vector<std::string> ClassEntries(int part) {
  switch (part) {
    case kFoundations: return {"All Foundations", kSelectGroupEntry};
    case kFloors: return {"All Flrs.", "Envelope", "Frame", "Contents", kSelectGroupEntry};
    case kServicesPart:
      return {"All Services.", "HVAC", "Elec. & Lgt.", "Fire Sers.", "Lifts & Esca.", "P & D", kSelectGroupEntry};
    default: return {};
  }
}

bool IsGroupEntry(int part, int classEntry) {
  const auto entries = ClassEntries(part);
  return classEntry >= 0 && classEntry < static_cast<int>(entries.size()) && entries[classEntry] == kSelectGroupEntry;
}

namespace {
template <size_t N>
std::vector<std::string> FirstNames(const std::array<std::string, N>& names, int count) {
  const int n = count < 0 ? 0 : (count > static_cast<int>(N) ? static_cast<int>(N) : count);
  return std::vector<std::string>(names.begin(), names.begin() + n);
}
}  // namespace

std::vector<std::string> GroupNames(int part, const ProjectState& info) {
  switch (part) {
    case kFoundations: return FirstNames(info.FdnName, info.FdnCount);
    case kFloors: return FirstNames(info.FlrName, info.FlrCount);
    case kServicesPart: return FirstNames(info.SerName, info.SerCount);
    default: return {};
  }
}

const std::string& CategoryText(int c) {
  static const std::array<std::string, 13> texts{"",
                                                 " 1. Abiotic Depl'n ",
                                                 " 2. Global Warming ",
                                                 " 3. Ozone Depl'n ",
                                                 " 4. Hum Toxicity ",
                                                 " 5. F W A Ecotox ",
                                                 " 6. Mar A Ecotox ",
                                                 " 7. Terri Ecotox ",
                                                 " 8. Phc Oxid'n ",
                                                 " 9. Acidification ",
                                                 "10. Eutrophication",
                                                 "11. Energy Use",
                                                 "12. Solid Waste"};
  return texts[(c >= 1 && c <= 12) ? c : 0];
}

const std::string& CategoryUnit(int c) {
  static const std::array<std::string, 13> units{"",           "kg Sb eq.",     "kg CO2 eq.",    "kg CFC-11 eq.",
                                                 "kg 1,4-DB eq.", "kg 1,4-DB eq.", "kg 1,4-DB eq.", "kg 1,4-DB eq.",
                                                 "kg C2H2",    "kg SO2 eq.",    "kg PO4 eq.",    "MJ",
                                                 "kg"};
  return units[(c >= 1 && c <= 12) ? c : 0];
}

const std::string& CategoryName(int c) {
  static const std::array<std::string, 13> names{"",           "Abiotic Depl'n", "Global Warming", "Ozone Depl'n",
                                                 "Hum Toxicity", "F W A Ecotox", "Mar A Ecotox",   "Terri Ecotox",
                                                 "Phc Oxid'n",   "Acidification", "Eutrophication", "Energy Use",
                                                 "Solid Waste"};
  return names[(c >= 1 && c <= 12) ? c : 0];
}

const std::string& StageModule(int stage) {
  static const std::array<std::string, kStages + 1> modules{"A-C", "A1-A5", "B4", "B6", "C1-C4", ""};
  return modules[(stage >= 0 && stage < kStages) ? stage : kStages];
}

std::string CaseComputedMessage(int caseIndex) {
  static const std::array<const char*, kResultCases> words{"REFERENCE", "ALTERNATIVE", "CURRENT"};
  if (caseIndex < 0 || caseIndex >= kResultCases) return "";
  return std::string("Data computed for the ") + words[caseIndex] + " Case.";
}

const PartResult* ViewSource(const LcaResultSet& results, const ProjectState& info, const ViewSelection& sel) {
  if (sel.Part == kWholeBldg) return &results.Bldg;
  const int entries = static_cast<int>(ClassEntries(sel.Part).size());
  if (entries == 0 || sel.ClassEntry < 0 || sel.ClassEntry >= entries) return nullptr;
  if (IsGroupEntry(sel.Part, sel.ClassEntry)) {
    const int groups = static_cast<int>(GroupNames(sel.Part, info).size());
    if (sel.Group < 0 || sel.Group >= groups) return nullptr;
    if (sel.Part == kFoundations) return &results.FdnGroup[sel.Group];
    if (sel.Part == kFloors) return &results.FlrGroup[sel.Group];
    return &results.SerGroup[sel.Group];
  }
  if (sel.ClassEntry == 0) {
    if (sel.Part == kFoundations) return &results.Fdn;
    if (sel.Part == kFloors) return &results.Flr;
    return &results.Ser;
  }
  if (sel.Part == kFloors) return &results.FlrPortion[sel.ClassEntry - 1];
  return &results.SerPortion[sel.ClassEntry - 1];
}

namespace {
// a / b, or 0 where the quotient would not be a finite number.
float GuardedQuotient(float a, float b) {
  if (b == 0) return 0;
  const float q = a / b;
  return std::isfinite(q) ? q : 0;
}
}  // namespace

float StageScore(const CaseView& view, int stage, const WeightFactors& weights, const EnergyPrices& prices) {
  const float total = WeightedCostScore(view.Cost[stage], weights, prices) + view.Table[stage][0].Weighted;
  return std::isfinite(total) ? total : 0;
}

void ComputeView(const PartResult& source, const AssessmentParameters& params, CaseView& view,
                 std::array<float, kStages>& score) {
  for (int s = 0; s < kStages; ++s) {
    float sum = 0;
    view.Table[s][0] = ViewEntry{};
    for (int c = 1; c < kImpactSlots; ++c) {
      ViewEntry& e = view.Table[s][c];
      e.Characterised = source.Impact[s][c];
      e.Normalised = GuardedQuotient(e.Characterised, params.CurrentNorms[c]);
      e.Weighted = e.Normalised * params.CurrentWeights[c];
      if (!std::isfinite(e.Weighted)) e.Weighted = 0;
      sum += e.Weighted;
    }
    view.Table[s][0].Weighted = std::isfinite(sum) ? sum : 0;
    view.Energy[s] = source.Energy[s];
    view.Waste[s] = source.Waste[s];
    view.Cost[s] = source.Cost[s];
    score[s] = StageScore(view, s, params.CurrentWeights, params.CurrentPrices);
  }
}

ProjectState CaseInfoOf(const ProjectState& project) {
  ProjectState info = project;
  info.ProjDir.clear();
  return info;
}

ResultCase CurrentCaseSnapshot(const ProjectState& project, const LcaResultSet& results, const CaseView& view) {
  return ResultCase{CaseInfoOf(project), results, view};
}

ShownView ShowStage(const CaseView& view, const std::array<float, kStages>& score, int stage) {
  ShownView shown;
  if (stage < 0 || stage >= kStages) return shown;
  for (int c = 1; c < kImpactSlots; ++c) {
    shown.Characterised[c] = FormatGeneral(view.Table[stage][c].Characterised);
    shown.Normalised[c] = FormatGeneral(view.Table[stage][c].Normalised);
    shown.Weighted[c] = FormatGeneral(view.Table[stage][c].Weighted);
  }
  shown.Weighted[0] = FormatGeneral(view.Table[stage][0].Weighted);
  shown.Energy = FormatGeneral(view.Energy[stage]);
  shown.Waste = FormatGeneral(view.Waste[stage]);
  shown.Cost = FormatGeneral(view.Cost[stage]);
  shown.Score = FormatGeneral(score[stage]);
  return shown;
}

std::optional<float> PerArea(float value, float cfa) {
  if (!(cfa > 0)) return std::nullopt;
  const float q = value / cfa;
  if (!std::isfinite(q)) return std::nullopt;
  return q;
}

ShownView PerFloorArea(const ShownView& shown, const CaseView& view, int stage, float cfa) {
  if (stage < 0 || stage >= kStages || !(cfa > 0)) return shown;
  const auto text = [cfa](float value) { return FormatGeneral(PerArea(value, cfa).value_or(0)); };
  ShownView divided = shown;
  for (int c = 1; c < kImpactSlots; ++c) divided.Characterised[c] = text(view.Table[stage][c].Characterised);
  divided.Energy = text(view.Energy[stage]);
  divided.Waste = text(view.Waste[stage]);
  divided.Cost = text(view.Cost[stage]);
  return divided;
}

}  // namespace kelca
