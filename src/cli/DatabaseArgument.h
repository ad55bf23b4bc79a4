#pragma once
// The database named on a kelca-cli command line: a folder holding
// "MATLCIA.IDB" (as Open database finds it), or an ".IDB" file.
#include <string>

#include "common/Status.h"
#include "database/MaterialTable.h"

namespace kelca::cli {

Status OpenDatabaseArgument(const std::string& folderOrFile, DbLocations& db, MaterialTable& table);

}  // namespace kelca::cli
