#pragma once
// A result case file (".RES") named on a kelca-cli command line, with the
// floor area of the project it names.
#include <string>

#include "common/Status.h"
#include "lca/CaseComparison.h"

namespace kelca::cli {

// Reads the file into read (File holds the name as given); the status names the
// file and what was wrong.
Status ReadCaseArgument(const std::string& file, CollectedCase& read);

}  // namespace kelca::cli
