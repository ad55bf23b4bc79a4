#pragma once
// The impact and the cost calculation: a walk over the groups, components,
// elements and materials of the project for the material stages, the
// operating energy for stage 3, and the whole-building sums after each stage.
#include <string>

#include "building/ProjectState.h"
#include "building/SelectionTables.h"
#include "common/Progress.h"
#include "database/MaterialTable.h"
#include "lca/AssessmentParameters.h"
#include "lca/LcaResults.h"
#include "lca/RunFiles.h"
#include "plant/EnergyHandover.h"
#include "plant/NonACServices.h"

namespace kelca {

enum class RunMode { Impact, Cost };

// Everything a stage reads. Group, component and element files are looked up
// in Folder; operations files in the library folders of Db.
struct CalculationInputs {
  const ProjectState& Project;
  const SelectionTables& Selection;
  const MaterialTable& Materials;
  const DbLocations& Db;
  const AssessmentParameters& Params;
  const EnergyUseSummary& EnergyUse;
  const NonACServices& NonAC;
  std::string Folder;
};

struct StageOutcome {
  std::string Error;       // "" when the stage went well
  bool Cancelled = false;  // the progress sink asked the run to stop
  explicit operator bool() const { return Error.empty() && !Cancelled; }
};

// Runs one stage (1, 2, 3, 4 for impacts; 1, 2, 3 for costs) into results,
// taking the files from the run's table (made for in.Folder and in.Db).
// Errors come as one text, innermost first, ended by " Impacting calculation terminated!!".
StageOutcome RunStage(RunMode mode, int stage, const CalculationInputs& in, LcaResultSet& results, RunFiles& files,
                      const ProgressSink* progress = nullptr);

extern const char* const kOpenProjectFirstRunMessage;  // "Open a project file first!!"
extern const char* const kNoDatabaseRunMessage;        // "Directory for main LCIA database file not set!!"

struct CalculationOutcome {
  bool Completed = false;  // every stage ran: the menu item gets its check mark
  bool Cancelled = false;
  std::string Message;     // for a message box: a precondition or a stage's error text
};

// A whole run as the main window's commands start it: preconditions (an open
// project, a database), clearing the results of the mode, then the stages in
// turn with their status lines on the progress sink. The run reads each file
// once, at its first use, and forgets them all when it ends.
CalculationOutcome RunCalculation(RunMode mode, const CalculationInputs& in, LcaResultSet& results,
                                  ProgressSink& progress);

}  // namespace kelca
