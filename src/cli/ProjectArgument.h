#pragma once
// The project named on a kelca-cli command line, opened as Open Project leaves
// it: selections reset, project folder current.
#include <string>

#include "app/Workspace.h"
#include "common/Status.h"

namespace kelca::cli {

Status OpenProjectArgument(const std::string& file, Workspace& ws);

}  // namespace kelca::cli
