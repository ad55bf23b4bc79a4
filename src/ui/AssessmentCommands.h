#pragma once
// The assessment commands of the main window: the weighting and cost
// parameter screen, the results and LCC results screens, and the impact and
// cost runs on a worker thread behind a progress dialog.
#include <QWidget>

#include "app/AssessmentRuns.h"
#include "app/MainShell.h"

class AssessmentCommands {
 public:
  AssessmentCommands(QWidget* window, kelca::Workspace& ws, kelca::Prompts& prompts, kelca::MainShell& shell)
      : window_(window), ws_(ws), prompts_(prompts), shell_(shell) {}

  void EditWeights();     // mnuEditWeights
  void ViewResults();     // mnuViewRes
  void ViewLccResults();  // mnuViewLCC
  // mnuRunLCA, mnuRunLCC: the run's lines go to the status panel as it goes;
  // a completed run checks its menu entry.
  void Calculate(kelca::RunMode mode);

 private:
  QWidget* window_;
  kelca::Workspace& ws_;
  kelca::Prompts& prompts_;
  kelca::MainShell& shell_;
};
