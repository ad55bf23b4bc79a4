#pragma once
// The commands of the main window: start-up, the database, the project's
// lifecycle, selection reset, the summary reports and the slide show. They work
// on the Workspace, talk to the user through Prompts and announce what they do
// on the status panel; the window mirrors the fields below in its controls.
#include <fstream>
#include <functional>
#include <string>
#include <string_view>

#include "app/SlideShow.h"
#include "app/StartupSettings.h"
#include "app/StatusPanel.h"
#include "app/Workspace.h"
#include "common/Prompts.h"
#include "common/Status.h"

namespace kelca {

// Writes a report of the workspace to path; the message of its status (also
// of a good one) is shown to the user.
using ReportWriter = std::function<Status(Workspace& ws, const std::string& path)>;

// What the shell asks of the screens around it. Empty hooks are skipped.
struct ShellHooks {
  std::function<void()> ShowBuildingInput;  // open the building input screen
  ReportWriter WriteInputSummary;
  ReportWriter WriteSelectionSummary;
  std::function<void()> StatusChanged;      // the status panel has a new line
};

// The main window's text boxes and menu check marks.
struct MainWindowFields {
  std::string ProjNameText;  // the project name box
  std::string ProjFileText;  // the project file box
  bool DatabaseChecked = false;
  bool RunLcaChecked = false;
  bool RunOprEgyChecked = false;
  bool RunLccChecked = false;
};

inline constexpr const char* kAboutLcaSlides = "Ch1/Ch1Slides.txt";
inline constexpr const char* kAboutProgramSlides = "Ch2/Ch2Slides.txt";

// A project file name as saved: ".prj" appended unless it ends in ".prj" or ".PRJ".
std::string WithProjectExtension(const std::string& path);

class MainShell {
 public:
  MainShell(Workspace& ws, Prompts& prompts, StartupFolders folders);

  void Startup();
  void OpenDatabase();
  void CreateNewProject();
  void Enter();
  void OpenProject();
  void SaveProject();
  // False when the user chose to keep an unsaved project open.
  bool CloseProject();
  // True when the program may end.
  bool Exit();
  void ResetSelection();
  void InputSummary();
  void SelectionSummary();

  // slidesFile is relative to the database folder (kAboutLcaSlides, kAboutProgramSlides).
  void StartSlideShow(const std::string& slidesFile);
  void ShowNextSlide();
  void ShowLastSlide();
  void ShowPickedSlide(int position);
  void EndSlideShow();
  // A click on the status panel shows the picture area; a click on it hides it.
  void ShowPicture();
  void HidePicture();

  // Writes a line to the status panel and tells the window.
  void ShowStatus(std::string_view text);

  ShellHooks Hooks;
  MainWindowFields Fields;
  bool ProjSaved = true;  // nothing unsaved
  std::string InSumFile, SelSumFile;
  StatusPanel Panel;
  SlideShowState Slides;

 private:
  std::string AskOpen(FileDialogRequest request);
  std::string AskSave(FileDialogRequest request);
  void ReportStartupFolderProblem(const std::string& text);
  void LoadStartupDatabase();
  void OfferInstalledDatabase();
  bool WriteReport(const ReportWriter& writer, const std::string& path);

  Workspace& ws_;
  Prompts& prompts_;
  StartupFolders folders_;
  std::ofstream activityLog_;
};

}  // namespace kelca
