// The project's lifecycle: create, enter, open, save and close.
#include "app/MainShell.h"
#include "app/ProjectResults.h"
#include "building/ProjectState.h"
#include "building/SelectionTables.h"
#include "common/FileIO.h"
#include "common/Paths.h"

namespace kelca {

namespace {
constexpr const char* kProjectFilter = "LCA project files (*.PRJ)|*.PRJ";

// A new project starts with no groups.
void ClearGroupLists(ProjectState& project) {
  const std::string dir = project.ProjDir;
  project = ProjectState{};
  project.ProjDir = dir;
}
}  // namespace

std::string WithProjectExtension(const std::string& path) {
  const std::string ending = path.size() >= 4 ? path.substr(path.size() - 4) : "";
  return (ending == ".prj" || ending == ".PRJ") ? path : path + ".prj";
}

void MainShell::CreateNewProject() {
  const bool closed = CloseProject();

  const std::string folder = AskSave({.title = "Select Parent Directory and Enter New Folder Name",
                                      .initialFolder = ws_.Db.LcaDbFolder,
                                      .mayBeNew = true});
  if (folder.empty()) return;
  // The project folder is taken only once it has been made, so that a folder
  // that exists already (perhaps another project's) never becomes this one's.
  const std::string projDir = WithTrailingSlash(folder);
  if (!MakeFolder(projDir)) {
    prompts_.Message("Failed to create the Folder! A Folder of the same name may already exist.");
    return;
  }
  ws_.Project.ProjDir = projDir;
  if (closed) ClearGroupLists(ws_.Project);

  const std::string file = AskSave({.title = "Enter Project Filename",
                                    .filter = "LCA Project Files (*.PRJ)|*.PRJ",
                                    .initialFolder = ws_.Project.ProjDir,
                                    .mayBeNew = true});
  if (file.empty()) {
    // No project is left with a folder but no file name.
    ws_.Project.ProjDir.clear();
    prompts_.Message("Failed to create new project file!");
    return;
  }
  Fields.ProjFileText = file;
  ws_.Project.ProjFileName = FileNameOf(file);
}

void MainShell::Enter() {
  if (Fields.ProjNameText.empty()) {
    prompts_.Message("Project name missing!");
    return;
  }
  if (ws_.Project.ProjDir.empty()) {
    prompts_.Message("Select Folder for Project file and Enter a Project File Name");
    const std::string file = AskOpen({.title = "Open Project File",
                                      .filter = kProjectFilter,
                                      .initialFolder = ws_.CurrentFolder,
                                      .mayBeNew = true});
    if (file.empty()) return;
    ws_.Project.ProjDir = FolderOf(file);
    ws_.Project.ProjFileName = FileNameOf(file);
    Fields.ProjFileText = ws_.Project.ProjDir + ws_.Project.ProjFileName;
    ResetAllSel(ws_.Selection);
  }
  if (ws_.Db.LcaDbFolder.empty()) {
    prompts_.Message("Select Main LCIA Library to open");
    OpenDatabase();
  }
  if (!ws_.Db.LcaDbFolder.empty()) {
    ws_.Project.ProjName = Fields.ProjNameText;
    if (Hooks.ShowBuildingInput) Hooks.ShowBuildingInput();
    ProjSaved = false;
  } else {
    prompts_.Message("Main LCIA database not loaded!!");
  }
  ShowStatus("   Proceeded to edit project data");
}

void MainShell::OpenProject() {
  ShowStatus("   Load main project input file");
  const std::string initial = ws_.Db.LcaDbFolder.empty() ? ws_.CurrentFolder : ws_.Db.LcaDbFolder;
  const std::string file = AskOpen({.title = "Open Project File", .filter = kProjectFilter, .initialFolder = initial});
  if (!file.empty()) {
    ws_.Selection.FdnSkip = ws_.Selection.FlrSkip = ws_.Selection.SerSkip = 0;
    ResetAllSel(ws_.Selection);
    // The read starts from an empty project, so that nothing of the previous one
    // stays beside what a file that breaks off gave.
    ws_.Project = ProjectState{};
    const Status read = ReadProjectFile(file, ws_.Project);
    ws_.Project.ProjDir = FolderOf(file);
    ws_.Project.ProjFileName = FileNameOf(file);
    Fields.ProjFileText = ws_.Project.ProjDir + ws_.Project.ProjFileName;
    Fields.ProjNameText = ws_.Project.ProjName;
    if (!read) {
      // What was read stays; the user must know before saving it over the file.
      Fields.RunLcaChecked = Fields.RunOprEgyChecked = Fields.RunLccChecked = false;
      prompts_.Message(read.message + "\nThe project was read only in part.");
      return;
    }
  }
  if (ws_.Db.LcaDbFolder.empty()) OpenDatabase();
  Fields.RunLcaChecked = Fields.RunOprEgyChecked = Fields.RunLccChecked = false;
  ShowStatus("   Project file loaded");
}

void MainShell::SaveProject() {
  ShowStatus("   Save main project data file");
  if (Fields.ProjNameText.empty()) {
    prompts_.Message("Project name missing!");
    return;
  }
  const std::string proposed = Fields.ProjFileText.empty() ? Fields.ProjNameText + ".PRJ" : Fields.ProjFileText;
  const std::string file = AskSave({.title = "Save Project File As",
                                    .filter = kProjectFilter,
                                    .initialFolder = ws_.CurrentFolder,
                                    .proposedName = proposed,
                                    .keepTypedName = true});  // ".prj" below
  if (file.empty()) return;
  ws_.Project.ProjFileName = WithProjectExtension(file);
  Fields.ProjFileText = ws_.Project.ProjFileName;
  ws_.Project.ProjName = Fields.ProjNameText;
  if (Status written = WriteProjectFile(ws_.Project.ProjFileName, ws_.Project); !written) {
    prompts_.Message(written.message);
    return;
  }
  ProjSaved = true;
  ShowStatus("   Project data saved");
}

bool MainShell::CloseProject() {
  ShowStatus("   Close project");
  if (!ProjSaved && !prompts_.AskOkCancel("Close project without saving?")) return false;
  Fields.ProjNameText.clear();
  Fields.ProjFileText.clear();
  ws_.Project.ProjFileName.clear();
  ws_.Project.ProjDir.clear();
  if (!ws_.Db.LcaDbFolder.empty()) ws_.CurrentFolder = ws_.Db.LcaDbFolder;
  ResetAllSel(ws_.Selection);
  ClearProjectResults(ws_);
  ShowStatus("   Project closed");
  ProjSaved = true;
  return true;
}

}  // namespace kelca
