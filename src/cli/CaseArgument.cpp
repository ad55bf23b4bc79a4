#include "cli/CaseArgument.h"

#include "lca/ResultFile.h"

namespace kelca::cli {

Status ReadCaseArgument(const std::string& file, CollectedCase& read) {
  read.File = file;
  if (Status status = ReadResultFile(file, read.Case.Info, read.Case.Results); !status) return status;
  read.CFA = FloorAreaOfCase(file, read.Case.Info);
  read.Case.Info.CFA = read.CFA.value_or(0);
  return Status::Ok();
}

}  // namespace kelca::cli
