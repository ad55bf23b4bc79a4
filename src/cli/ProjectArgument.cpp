#include "cli/ProjectArgument.h"

#include "building/ProjectState.h"
#include "building/SelectionTables.h"
#include "common/Paths.h"

namespace kelca::cli {

Status OpenProjectArgument(const std::string& file, Workspace& ws) {
  ws.Selection.FdnSkip = ws.Selection.FlrSkip = ws.Selection.SerSkip = 0;
  ResetAllSel(ws.Selection);
  const std::string path = ResolvePath(ws.CurrentFolder, file);
  if (Status read = ReadProjectFile(path, ws.Project); !read) return read;
  ws.Project.ProjDir = FolderOf(path);
  ws.Project.ProjFileName = FileNameOf(path);
  ws.CurrentFolder = ws.Project.ProjDir;
  return Status::Ok();
}

}  // namespace kelca::cli
