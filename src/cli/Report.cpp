// kelca-cli report input|selection PROJECT.PRJ --db DBFOLDER OUT.TXT [--skip fdn,flr,ser]
// Writes the input summary or the selection summary report of a project as
// the Write menu does. The project is opened as Open Project leaves it, so
// everything is selected; --skip sets the "Skip All" flags of the selection.
#include <iostream>
#include <memory>
#include <sstream>

#include "app/ReportWriters.h"
#include "app/Workspace.h"
#include "cli/Command.h"
#include "cli/DatabaseArgument.h"
#include "cli/NamedOptions.h"
#include "cli/ProjectArgument.h"

namespace kelca::cli {
namespace {

constexpr const char* kUsage = "input|selection PROJECT.PRJ --db DBFOLDER OUT.TXT [--skip fdn,flr,ser]";

struct ReportOptions {
  bool selection = false;
  std::string project, db, out, skip;
};

bool ParseOptions(const std::vector<std::string>& args, ReportOptions& o) {
  if (args.empty() || (args[0] != "input" && args[0] != "selection")) return false;
  o.selection = args[0] == "selection";
  const NamedOptions named{{"--db", &o.db}, {"--skip", &o.skip}};
  for (size_t i = 1; i < args.size(); ++i) {
    if (TakeNamedOption(args, i, named)) continue;
    if (args[i].rfind("--", 0) == 0) return false;
    std::string& positional = o.project.empty() ? o.project : o.out;
    if (!positional.empty()) return false;
    positional = args[i];
  }
  return !o.project.empty() && !o.out.empty() && !o.db.empty() && (o.selection || o.skip.empty());
}

// The "Skip All" flags named in "fdn,flr,ser" (any of them); false for any other word.
struct SkipFlags {
  int fdn = 0, flr = 0, ser = 0;
};

bool ParseSkip(const std::string& list, SkipFlags& skip) {
  std::stringstream in(list);
  std::string word;
  while (std::getline(in, word, ',')) {
    int* flag = word == "fdn" ? &skip.fdn : word == "flr" ? &skip.flr : word == "ser" ? &skip.ser : nullptr;
    if (!flag) return false;
    *flag = 1;
  }
  return true;
}

int Fail(const std::string& message) {
  std::cerr << "kelca-cli report: " << message << "\n";
  return 1;
}

int RunReport(const std::vector<std::string>& args) {
  ReportOptions o;
  SkipFlags skip;
  if (!ParseOptions(args, o) || !ParseSkip(o.skip, skip)) {
    std::cerr << "Usage: kelca-cli report " << kUsage << "\n";
    return 2;
  }
  auto ws = std::make_unique<Workspace>();
  if (Status db = OpenDatabaseArgument(o.db, ws->Db, ws->Materials); !db) return Fail(db.message);
  if (Status project = OpenProjectArgument(o.project, *ws); !project) return Fail(project.message);
  ws->Selection.FdnSkip = skip.fdn;
  ws->Selection.FlrSkip = skip.flr;
  ws->Selection.SerSkip = skip.ser;

  const Status written = o.selection ? WriteSelectionSummaryReport(*ws, o.out) : WriteInputSummaryReport(*ws, o.out);
  if (!written) return Fail(written.message);
  std::cout << written.message << "\n";
  return 0;
}

const CommandRegistration kRegistration{
    "report", kUsage, "writes the input summary or the selection summary report of a project", &RunReport};

}  // namespace
}  // namespace kelca::cli
