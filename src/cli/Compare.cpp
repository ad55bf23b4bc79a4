// kelca-cli compare A.RES B.RES [--csv OUT.CSV]
// Compares two result cases: for the whole building and each stage, the
// categories, cost and score of both, the difference and the change in %;
// --csv writes every compared figure (parts, portions and, when both projects
// have the same groups, the groups) as a tidy table.
#include <iomanip>
#include <iostream>
#include <memory>
#include <sstream>

#include "cli/CaseArgument.h"
#include "cli/Command.h"
#include "cli/NamedOptions.h"
#include "common/FileIO.h"
#include "common/Numbers.h"

namespace kelca::cli {
namespace {

constexpr const char* kUsage = "A.RES B.RES [--csv OUT.CSV]";

struct CompareOptions {
  std::string a, b, csv;
};

bool ParseOptions(const std::vector<std::string>& args, CompareOptions& o) {
  const NamedOptions named{{"--csv", &o.csv}};
  for (size_t i = 0; i < args.size(); ++i) {
    if (TakeNamedOption(args, i, named)) continue;
    if (args[i].rfind("--", 0) == 0) return false;
    std::string& positional = o.a.empty() ? o.a : o.b;
    if (!positional.empty()) return false;
    positional = args[i];
  }
  return !o.a.empty() && !o.b.empty();
}

std::string ChangeText(float a, float b) {
  const auto change = ChangePercent(a, b);
  if (!change) return "-";
  std::ostringstream text;
  text << std::showpos << std::fixed << std::setprecision(1) << *change << "%";
  return text.str();
}

void PrintStage(const std::vector<ComparedFigure>& figures, int stage) {
  std::cout << "\nWhole building, " << StageNames()[stage] << " (" << StageModule(stage) << ")\n";
  std::cout << std::left << std::setw(40) << "" << std::right << std::setw(16) << "Case A" << std::setw(16) << "Case B"
            << std::setw(16) << "Difference" << std::setw(12) << "Change" << "\n";
  for (const ComparedFigure& c : figures) {
    if (c.Stage != stage || c.Part != PartNames()[kWholeBldg]) continue;
    const std::string& unit = FigureUnit(c.Figure);
    const std::string label =
        std::to_string(c.Figure) + ". " + FigureName(c.Figure) + (unit.empty() ? "" : " (" + unit + ")");
    std::cout << std::left << std::setw(40) << label << std::right << std::setw(16) << FormatGeneral(c.A)
              << std::setw(16) << FormatGeneral(c.B) << std::setw(16) << FormatGeneral(c.B - c.A) << std::setw(12)
              << ChangeText(c.A, c.B) << "\n";
  }
}

int Fail(const std::string& message) {
  std::cerr << "kelca-cli compare: " << message << "\n";
  return 1;
}

int RunCompare(const std::vector<std::string>& args) {
  CompareOptions o;
  if (!ParseOptions(args, o)) {
    std::cerr << "Usage: kelca-cli compare " << kUsage << "\n";
    return 2;
  }
  auto a = std::make_unique<CollectedCase>(), b = std::make_unique<CollectedCase>();
  if (Status read = ReadCaseArgument(o.a, *a); !read) return Fail(read.message);
  if (Status read = ReadCaseArgument(o.b, *b); !read) return Fail(read.message);
  AssessmentParameters params;
  SetDefaultParameters(params);
  const std::vector<ComparedFigure> figures = CompareCases(a->Case, b->Case, params);
  std::cout << "Case A: " << o.a << ", project \"" << a->Case.Info.ProjName << "\"\n";
  std::cout << "Case B: " << o.b << ", project \"" << b->Case.Info.ProjName << "\"\n";
  if (!SameGroupLists(a->Case.Info, b->Case.Info)) {
    std::cout << "The group lists of the two projects differ: the whole building, the three parts and their "
                 "portions are compared, the groups are not.\n";
  }
  for (int s = 0; s < kStages; ++s) PrintStage(figures, s);
  if (!o.csv.empty()) {
    if (Status written = ReplaceFile(o.csv, ComparisonTableText(figures)); !written) return Fail(written.message);
  }
  return 0;
}

const CommandRegistration kRegistration{
    "compare", kUsage,
    "compares two result case files: every category, the cost and the score of both, the difference and the change",
    &RunCompare};

}  // namespace
}  // namespace kelca::cli
