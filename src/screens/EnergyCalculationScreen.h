#pragma once
// The operating-energy calculation system by system: air conditioning (hourly
// cooling loads, then the plant simulation), lighting and equipment in the
// zones, the additional and non-AC systems and town gas; their results as the
// calculation screen shows them, typed corrections, the run log, the energy
// use result file, and the predicted energy use handed on when the screen is left.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "app/Workspace.h"
#include "common/Progress.h"
#include "common/Prompts.h"
#include "common/Status.h"
#include "energy/AnnualLoads.h"

namespace kelca {

enum EnergySystemCode : int {
  kAirConditioningSystem = 1,
  kAdditionalHvacSystems = 2,
  kZoneLightingEquipment = 3,
  kAdditionalElecLightingSystems = 4,
  kFireServicesSystems = 5,
  kLiftEscalatorSystems = 6,
  kPlumbingDrainageSystems = 7,
  kTownGasSystems = 8,
};
// "All Systems, One-by-one".
constexpr std::array<int, 8> kAllSystemsOrder = {1, 3, 2, 4, 5, 6, 7, 8};

struct SystemResultItem {
  std::string Label;
  float Value = 0;
};
struct SystemResults {
  std::string Heading;  // a caption: "&&" shows one "&"
  std::vector<SystemResultItem> Items;  // item 0 is the total
  bool NoSystems = false;               // "No such systems defined"
};
SystemResults ResultsOfSystem(const Workspace& ws, int code);

// A caption as it reads: "&&" shows one "&".
std::string ShownCaption(std::string caption);

// The project's working files of the run, in the current folder.
std::string HourlyLoadFilePath(const Workspace& ws);
std::string PlantOutputFilePath(const Workspace& ws);

// Runs one long step of a calculation (the hourly loads, the plant year) and
// returns when it has ended. The step reports through the sink it is given;
// its lines reach log on the calling thread, in order. The desktop program runs
// the step on a worker thread behind a progress window; RunStepHere runs it in place.
using LongStep = std::function<void(ProgressSink& progress)>;
using StepRunner = std::function<void(const std::string& title, const LongStep& step, ProgressSink& log)>;
void RunStepHere(const std::string& title, const LongStep& step, ProgressSink& log);

// Air conditioning: asks whether an existing hourly cooling load file is to be
// calculated again (Cancel ends the run, No keeps it), runs the load
// calculation, asks whether to go on, then runs the plant simulation. The run
// log gets the steps and, on an error, SimMessage. True when the annual
// air-conditioning energy is complete; after a failed or cancelled plant run
// the previous annual energy is kept.
// options: how the load calculation runs (the rooms at once by default).
bool CalculateAirConditioning(Workspace& ws, Prompts& prompts, ProgressSink& log, const StepRunner& run = RunStepHere,
                              const LoadRunOptions& options = {});

// "Calculate" on one system. Town gas shows its zero-efficiency message.
bool CalculateSystem(Workspace& ws, int code, Prompts& prompts, ProgressSink& log, const StepRunner& run = RunStepHere,
                     const LoadRunOptions& options = {});

// "Enter Changes": the typed texts of items 1..n become the results (leading
// number, else 0); the total is their sum.
void EnterTypedResults(Workspace& ws, int code, const std::vector<std::string>& typed);

// Leaving the calculation: the predicted values go to EnergyUseSummary.
void LeaveEnergyCalculation(Workspace& ws);

extern const char* const kSelectSystemNote;   // "Select System from Menu for Calculation"
extern const char* const kCalculateNote;      // "Click Calculate to Proceed."
extern const char* const kNoSystemsNote;      // "No such systems defined"

// The screen: the system shown with its item texts, the "All Systems,
// One-by-one" walk, the run log and its menu. The form shows the fields below
// and forwards each command; typed item texts are stored in ItemTexts first.
class EnergyCalculationScreen {
 public:
  EnergyCalculationScreen(Workspace& ws, Prompts& prompts, StepRunner run = RunStepHere);

  // Opening: false after "Open a Project File first!" when no project is open.
  // Else each input whose file is not named yet is asked for and read (the
  // central plant file only named); the steps end at the first dialog
  // cancelled or file not read, and the next opening asks again.
  bool Open();
  void ChooseSystem(int code);  // mnuMAC ... mnuMGasS
  void StartAllSystems();       // mnuMAll
  void NextSystem();            // cmdOK; after town gas the walk ends
  void Calculate();             // cmdGO
  void EnterChanges();          // cmdAsTyped
  void ShowLogMenu();           // a click on lstRun
  void SaveRunLog();            // lstRunRpt "Save Run Log"
  void HideLogMenu();           // lstRunRpt "Exit"
  void CloseLog();              // cmdEndRun
  void LoadResults();           // mnuFLoad
  void SaveResults();           // mnuFSave
  void Exit();                  // mnuFExit, mnuDirExit and closing the window

  // Told of each run-log line as it is added, so that the log grows as the run goes.
  std::function<void(const std::string& line)> LineAdded;

  int Code = 0;  // the current system; 0 none
  std::string Heading;
  std::string Note = kSelectSystemNote;
  std::vector<std::string> ItemLabels, ItemTexts;  // item 0 is the total
  bool WalkingAll = false;                         // cmdOK shown
  std::vector<std::string> RunLog;                 // lstRun
  bool LogShown = false;                           // the run log and cmdEndRun
  bool LogMenuShown = false;                       // lstRunRpt

 private:
  class RunLogSink;
  bool AskAndRead(const FileDialogRequest& request, std::string& name,
                  const std::function<Status(const std::string&)>& read);
  void ShowResults();
  void AddLogLine(const std::string& line);
  bool ProjectIsOpenFor() const;  // else the message
  FileDialogRequest ResultFileDialog(const char* title) const;

  Workspace& ws_;
  Prompts& prompts_;
  StepRunner run_;
};

}  // namespace kelca
