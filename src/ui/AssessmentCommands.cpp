#include "AssessmentCommands.h"

#include "ProgressRun.h"
#include "frmLCCResult.h"
#include "frmNormWgt.h"
#include "frmResult.h"

void AssessmentCommands::EditWeights() {
  frmNormWgt screen({ws_.Params, ws_.CurrentFolder, ws_.Project}, prompts_, window_);
  screen.exec();
  shell_.ShowStatus("   Viewed weighting factors");
}

void AssessmentCommands::ViewResults() {
  frmResult screen(ws_, prompts_, window_);
  screen.exec();
}

void AssessmentCommands::ViewLccResults() {
  frmLCCResult screen(ws_, prompts_, window_);
  screen.exec();
}

void AssessmentCommands::Calculate(kelca::RunMode mode) {
  const bool impact = mode == kelca::RunMode::Impact;
  kelca::CalculationOutcome outcome;
  int lines = 0;
  RunWithProgress(
      window_, impact ? "Calculate Life Cycle Impact" : "Calculate Life Cycle Cost",
      [&](kelca::ProgressSink& progress) {
        outcome = impact ? kelca::RunImpactCalculation(ws_, progress) : kelca::RunCostCalculation(ws_, progress);
      },
      [&](const std::string& line) {
        ++lines;
        shell_.ShowStatus(line);
      });
  if (!outcome.Message.empty()) prompts_.Message(outcome.Message);
  // A run that got under way has cleared its results: unless it completed,
  // what is left is partial and the check mark goes.
  bool& checked = impact ? shell_.Fields.RunLcaChecked : shell_.Fields.RunLccChecked;
  if (outcome.Completed) {
    checked = true;
    if (const std::string notice = kelca::NoOperatingEnergyNotice(ws_.EnergyUse); !notice.empty()) {
      shell_.ShowStatus(notice);
    }
  } else if (lines > 0) {
    checked = false;
  }
}
