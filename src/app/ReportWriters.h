#pragma once
// The Write menu's report writers over the workspace: the open project, its
// selections and the database's element libraries. Group, component and
// element files are read from the project folder (the current folder while
// no project folder is set), whichever folder the report goes to.
#include <string>

#include "app/Workspace.h"
#include "common/Status.h"

namespace kelca {

Status WriteInputSummaryReport(Workspace& ws, const std::string& path);
Status WriteSelectionSummaryReport(Workspace& ws, const std::string& path);

}  // namespace kelca
