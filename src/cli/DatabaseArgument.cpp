#include "cli/DatabaseArgument.h"

#include "common/Paths.h"

namespace kelca::cli {

Status OpenDatabaseArgument(const std::string& folderOrFile, DbLocations& db, MaterialTable& table) {
  const std::string named =
      FolderExists(folderOrFile) ? WithTrailingSlash(folderOrFile) + "MATLCIA.IDB" : folderOrFile;
  const std::string idb = FindExistingFile(named);
  if (!FileExists(idb)) return Status::Error("Cannot open " + named + ": no such database file");
  return OpenDatabase(idb, db, table);
}

}  // namespace kelca::cli
