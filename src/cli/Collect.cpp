// kelca-cli collect FILE.RES...
// The table of a design study: one row per result case file (file, project
// name, floor area, the whole building's figures for the whole life cycle and
// each stage) written to standard output as comma-separated values. A file
// that cannot be read is named on standard error with the reason; the others
// are still written, and the exit status is 1.
#include <iostream>
#include <memory>

#include "cli/CaseArgument.h"
#include "cli/Command.h"

namespace kelca::cli {
namespace {

constexpr const char* kUsage = "FILE.RES...";

int RunCollect(const std::vector<std::string>& files) {
  if (files.empty() || files.front().rfind("--", 0) == 0) {
    std::cerr << "Usage: kelca-cli collect " << kUsage << "\n";
    return 2;
  }
  AssessmentParameters params;
  SetDefaultParameters(params);
  std::cout << CollectionHeaderLine();
  int status = 0;
  for (const std::string& file : files) {
    auto read = std::make_unique<CollectedCase>();
    if (Status ok = ReadCaseArgument(file, *read); !ok) {
      std::cerr << "kelca-cli collect: " << ok.message << "\n";
      status = 1;
      continue;
    }
    std::cout << CollectionLine(*read, params);
  }
  return status;
}

const CommandRegistration kRegistration{
    "collect", kUsage,
    "writes one row per result case file (project, floor area, whole-building figures by stage) as CSV to stdout",
    &RunCollect};

}  // namespace
}  // namespace kelca::cli
