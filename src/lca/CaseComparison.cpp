#include "lca/CaseComparison.h"

#include <cmath>

#include "common/TextWriter.h"

namespace kelca {

namespace {
template <size_t N>
bool SameList(int countA, const std::array<std::string, N>& fileA, const std::array<std::string, N>& nameA,
              int countB, const std::array<std::string, N>& fileB, const std::array<std::string, N>& nameB) {
  if (countA != countB || countA < 0 || countA > static_cast<int>(N)) return false;
  for (int g = 0; g < countA; ++g) {
    if (fileA[g] != fileB[g] || nameA[g] != nameB[g]) return false;
  }
  return true;
}

// One line of the write form built field by field, for lines of many fields.
class FieldLine {
 public:
  void Text(const std::string& text) { Add(TextWriter::QuoteField(text)); }
  void Number(std::optional<float> x) { Add(x ? FormatSingle(*x) : TextWriter::QuoteField("")); }
  std::string Done() const { return line_ + "\r\n"; }

 private:
  void Add(const std::string& field) { line_ += (line_.empty() ? "" : ",") + field; }
  std::string line_;
};
}  // namespace

bool SameGroupLists(const ProjectState& a, const ProjectState& b) {
  return SameList(a.FdnCount, a.FdnFile, a.FdnName, b.FdnCount, b.FdnFile, b.FdnName) &&
         SameList(a.FlrCount, a.FlrFile, a.FlrName, b.FlrCount, b.FlrFile, b.FlrName) &&
         SameList(a.SerCount, a.SerFile, a.SerName, b.SerCount, b.SerFile, b.SerName);
}

std::vector<ComparedFigure> CompareCases(const ResultCase& a, const ResultCase& b, const AssessmentParameters& params) {
  const bool groups = SameGroupLists(a.Info, b.Info);
  const std::vector<ResultSource> sourcesA = ResultSources(a.Results, a.Info, groups);
  const std::vector<ResultSource> sourcesB = ResultSources(b.Results, b.Info, groups);
  std::vector<ComparedFigure> compared;
  for (size_t i = 0; i < sourcesA.size() && i < sourcesB.size(); ++i) {
    const auto figuresA = FiguresOf(*sourcesA[i].Result, params);
    const auto figuresB = FiguresOf(*sourcesB[i].Result, params);
    for (int s = 0; s < kStages; ++s) {
      for (int f = 1; f <= kFigures; ++f) {
        compared.push_back({sourcesA[i].Part, sourcesA[i].Portion, s, f, figuresA[s][f].Value(), figuresB[s][f].Value()});
      }
    }
  }
  return compared;
}

std::optional<float> ChangePercent(float a, float b) {
  if (a == 0) return std::nullopt;
  const float change = (b - a) / std::fabs(a) * 100;
  if (!std::isfinite(change)) return std::nullopt;
  return change;
}

std::string ComparisonTableText(const std::vector<ComparedFigure>& figures) {
  TextWriter w;
  w.Line("Part", "Portion or Group", "Stage", "Module", "Category", "Unit", "Case A", "Case B", "Difference (B - A)",
         "Change (%)");
  for (const ComparedFigure& c : figures) {
    w.Line(c.Part, c.Portion, StageNames()[c.Stage], StageModule(c.Stage), FigureName(c.Figure), FigureUnit(c.Figure),
           c.A, c.B, c.B - c.A, ChangePercent(c.A, c.B));
  }
  return w.Text();
}

std::string CollectionHeaderLine() {
  FieldLine line;
  for (const char* text : {"File", "Project", "CFA (m2)"}) line.Text(text);
  for (int s = 0; s < kStages; ++s) {
    for (int f = 1; f <= kFigures; ++f) {
      const std::string& unit = FigureUnit(f);
      line.Text(FigureName(f) + " " + StageModule(s) + (unit.empty() ? "" : " (" + unit + ")"));
    }
  }
  return line.Done();
}

std::string CollectionLine(const CollectedCase& c, const AssessmentParameters& params) {
  const auto figures = FiguresOf(c.Case.Results.Bldg, params);
  FieldLine line;
  line.Text(c.File);
  line.Text(c.Case.Info.ProjName);
  line.Number(c.CFA);
  for (int s = 0; s < kStages; ++s) {
    for (int f = 1; f <= kFigures; ++f) line.Number(figures[s][f].Value());
  }
  return line.Done();
}

}  // namespace kelca
