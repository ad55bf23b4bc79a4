#include "app/MainShell.h"

#include <filesystem>
#include <system_error>

#include "app/StartupSettings.h"
#include "building/SelectionTables.h"
#include "common/Paths.h"
#include "database/MaterialTable.h"
#include "lca/AssessmentParameters.h"

namespace kelca {

namespace {
constexpr const char* kDatabaseFile = "MATLCIA.IDB";
constexpr const char* kWasteFile = "MATLCIA.ILF";
constexpr const char* kReportFilter = "Input Summary Report (*.TXT)|*.TXT";
}  // namespace

MainShell::MainShell(Workspace& ws, Prompts& prompts, StartupFolders folders)
    : ws_(ws), prompts_(prompts), folders_(std::move(folders)) {}

void MainShell::ShowStatus(std::string_view text) {
  kelca::ShowStatus(Panel, text);
  if (Hooks.StatusChanged) Hooks.StatusChanged();
}

// A file chosen in a dialog makes its folder the current folder.
std::string MainShell::AskOpen(FileDialogRequest request) {
  std::string path = prompts_.OpenFileName(request);
  if (!path.empty()) ws_.CurrentFolder = FolderOf(path);
  return path;
}

std::string MainShell::AskSave(FileDialogRequest request) {
  std::string path = prompts_.SaveFileName(request);
  if (!path.empty()) ws_.CurrentFolder = FolderOf(path);
  return path;
}

void MainShell::Startup() {
  std::error_code ec;
  if (!folders_.Settings.empty()) std::filesystem::create_directories(folders_.Settings, ec);
  // The activity log is kept open until Exit; nothing is written to it.
  activityLog_.open(folders_.Settings + kActivityLogFile, std::ios::out | std::ios::trunc);

  Fields = MainWindowFields{};
  ws_.Project.ProjDir.clear();
  ws_.Db.LcaDbFolder.clear();
  SetDefaultParameters(ws_.Params);
  ProjSaved = true;
  EndSlideShow();

  FillStartupPanel(Panel);
  ShowStatus("   First step: Open LCIA/LCC Database using the File Menu");

  ws_.CurrentFolder = folders_.Home.empty() ? folders_.Settings : folders_.Home;
  LoadStartupDatabase();
}

// The database folder remembered from the last session is loaded at once. A
// folder that has gone, or an unreadable settings file, is reported and the
// program starts without a database. With nothing remembered, the installed
// database is offered.
void MainShell::LoadStartupDatabase() {
  std::string dbFolder;
  Status status;
  if (!ReadStartupSettings(folders_.Settings, dbFolder, status)) {
    if (!status) {
      ReportStartupFolderProblem(status.message);
    } else {
      OfferInstalledDatabase();
    }
    return;
  }
  if (!FolderExists(dbFolder)) {
    ReportStartupFolderProblem("The database folder " + dbFolder + " named in " + folders_.Settings +
                               kStartupSettingsFile + " no longer exists.");
    return;
  }
  ws_.CurrentFolder = dbFolder;
  OpenDatabase();
}

void MainShell::OfferInstalledDatabase() {
  const std::string db = WithTrailingSlash(folders_.InstalledDb);
  if (db.empty() || !FileExists(FindExistingFile(db + kDatabaseFile))) return;
  if (!prompts_.AskYesNo("No LCIA/LCC database has been opened yet. Open the database installed with the program in " +
                         db + "?")) {
    return;
  }
  ws_.CurrentFolder = db;
  OpenDatabase();
}

void MainShell::ReportStartupFolderProblem(const std::string& text) {
  prompts_.Message(text + "\nOpen the LCIA/LCC database using the File menu.");
}

void MainShell::OpenDatabase() {
  ShowStatus("   Load LCIA profile file");
  DbLocations db;
  const std::string here = WithTrailingSlash(ws_.CurrentFolder);
  if (FileExists(FindExistingFile(here + kDatabaseFile))) {
    db.LcaDbFolder = here;
    db.LcaIdbFile = here + kDatabaseFile;
    db.LcaIlfFile = here + kWasteFile;
  } else {
    const std::string chosen = AskOpen({.title = "Select LCIA Database",
                                         .filter = "LCIA database files (*.IDB)|*.IDB",
                                         .initialFolder = ws_.CurrentFolder});
    if (chosen.empty()) {
      prompts_.Message("No material LCIA profile file loaded!!");
      return;
    }
    db.LcaIdbFile = chosen;
    db.LcaIlfFile = ReplaceLastThree(chosen, "ILF");
    db.LcaDbFolder = FolderOf(chosen);
  }

  // Loading overwrites the table, so after a failure no database counts as loaded.
  if (Status loaded = LoadMaterialDatabase(db.LcaIlfFile, db.LcaIdbFile, ws_.Materials); !loaded) {
    ws_.Db = DbLocations{};
    Fields.DatabaseChecked = false;
    prompts_.Message(loaded.message + "\nNo material LCIA profile file loaded!!");
    return;
  }
  ws_.Db = db;
  ShowStatus("   LCIA profile file loaded");
  Fields.DatabaseChecked = true;
  if (Status saved = WriteStartupSettings(folders_.Settings, ws_.Db.LcaDbFolder); !saved) {
    ShowStatus("   Database folder not remembered: " + saved.message);
  }
  SetLibraryLocations(ws_.Db);
}

bool MainShell::Exit() {
  if (!ProjSaved && !prompts_.AskOkCancel("Quit program without saving?")) return false;
  activityLog_.close();
  return true;
}

void MainShell::ResetSelection() {
  if (!prompts_.AskOkCancel("All previously setting will be reset - Go ahead?")) return;
  ShowStatus("   Reset selection");
  ResetAllSel(ws_.Selection);
  ShowStatus("   Selection reset");
}

// The writer's message says where the report went, or why it stopped.
bool MainShell::WriteReport(const ReportWriter& writer, const std::string& path) {
  const Status written = writer(ws_, path);
  if (!written.message.empty()) prompts_.Message(written.message);
  return written.ok;
}

void MainShell::InputSummary() {
  if (!Hooks.WriteInputSummary) return;
  ShowStatus("   Print input summary");
  const std::string chosen = AskSave({.title = "Generate Input Summary Report",
                                        .filter = kReportFilter,
                                        .initialFolder = ws_.CurrentFolder});
  if (!chosen.empty()) {
    InSumFile = chosen;
    if (!WriteReport(Hooks.WriteInputSummary, InSumFile)) return;
  }
  ShowStatus("   Input summary printed");
}

void MainShell::SelectionSummary() {
  if (!Hooks.WriteSelectionSummary) return;
  const std::string chosen = AskSave({.title = "Generate Selection Summary Report",
                                        .filter = kReportFilter,
                                        .initialFolder = ws_.CurrentFolder});
  if (chosen.empty()) return;
  SelSumFile = chosen;
  ShowStatus("   Print selection summary");
  if (!WriteReport(Hooks.WriteSelectionSummary, SelSumFile)) return;
  ShowStatus("   Selection summary printed");
}

}  // namespace kelca
