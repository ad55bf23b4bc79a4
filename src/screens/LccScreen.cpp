#include "screens/LccScreen.h"

#include "app/Workspace.h"
#include "common/FileIO.h"
#include "common/FiniteRead.h"
#include "common/Numbers.h"
#include "common/Paths.h"
#include "screens/FileChoice.h"

namespace kelca {

const char* const kCopyBeforeConfirmMessage = "Copy all data to Values for LCC Assessment before confirmation";
const char* const kViewBeforeConfirmMessage = "View Values for LCC Assessment before Confirmation";
const char* const kOpenProjectFirstMessage = "Open a Project File first!";

namespace {
const char* const kLccFilter = "LCC Calculation Result File (*.LCC)|*.LCC";
}  // namespace

LccScreenModel::LccScreenModel(Workspace& ws) : ws_(ws) {
  Table.Set[kPredictedSet] = LccValuesOf(ws_.Results);
  Option = kAssessmentSet;  // so that choosing the predicted set takes the empty boxes into set 1
  ChoosePredicted();
}

void LccScreenModel::ShowSet(LccSet set) {
  for (int row = 0; row < kLccRows; ++row) {
    for (int s = 0; s < kStages; ++s) Boxes[row][s] = FormatSingle(Table.Set[set][row][s]);
  }
}

LccValues LccScreenModel::BoxValues() const {
  LccValues values{};
  for (int row = 0; row < kLccRows; ++row) {
    for (int s = 0; s < kStages; ++s) values[row][s] = SingleOf(Val(Boxes[row][s]));
  }
  return values;
}

LccFileValues LccScreenModel::BoxNumbers() const {
  LccFileValues values{};
  for (int row = 0; row < kLccRows; ++row) {
    for (int s = 0; s < kStages; ++s) {
      const double v = Val(Boxes[row][s]);
      values[row][s] = FitsSingle(v) ? v : 0;
    }
  }
  return values;
}

void LccScreenModel::ChoosePredicted() {
  if (Option == kPredictedSet) return;  // choosing the option already chosen does nothing
  Table.Set[kAssessmentSet] = BoxValues();
  Option = kPredictedSet;
  ShowSet(kPredictedSet);
}

void LccScreenModel::RecomputeAndShowAssessment() {
  RecomputeLccTotals(Table.Set[kAssessmentSet]);
  Option = kAssessmentSet;
  ShowSet(kAssessmentSet);
}

void LccScreenModel::ChooseAssessment() {
  if (Option == kAssessmentSet) return;
  RecomputeAndShowAssessment();
}

void LccScreenModel::CopyAll() {
  for (int row = 0; row < kLccRows; ++row) {
    if (!IsLccInputRow(row)) continue;
    for (int s = 1; s < kStages; ++s) Table.Set[kAssessmentSet][row][s] = Table.Set[kPredictedSet][row][s];
  }
  Copied = true;
  UpdateAndExitShown = true;
  RecomputeAndShowAssessment();
}

void LccScreenModel::Update() {
  // With the predicted set on show the boxes hold no assessment values to take.
  if (Option == kAssessmentSet) {
    const LccValues typed = BoxValues();
    for (int row = 0; row < kLccRows; ++row) {
      if (!IsLccInputRow(row)) continue;
      for (int s = 1; s < kStages; ++s) Table.Set[kAssessmentSet][row][s] = typed[row][s];
    }
  }
  RecomputeAndShowAssessment();
}

bool LccScreenModel::Confirm(Prompts& prompts) {
  if (!Copied) {
    prompts.Message(kCopyBeforeConfirmMessage);
    return false;
  }
  if (Option != kAssessmentSet) {
    prompts.Message(kViewBeforeConfirmMessage);
    return false;
  }
  Update();
  WriteLccIntoResults(BoxValues(), ws_.Results);
  return true;
}

bool LccScreenModel::ProjectIsOpenFor(Prompts& prompts) const {
  if (ProjectIsOpen(ws_.Project)) return true;
  prompts.Message(kOpenProjectFirstMessage);
  return false;
}

std::string LccScreenModel::ProposedName() const {
  return FileName.empty() ? ReplaceLastThree(ws_.Project.ProjFileName, "LCC") : FileName;
}

void LccScreenModel::Save(Prompts& prompts) {
  if (!ProjectIsOpenFor(prompts)) return;
  const std::string path =
      ChooseFileToSave(prompts, {"Save LCC Calculation Results", kLccFilter, "", ProposedName()}, ws_.CurrentFolder);
  if (path.empty()) return;
  if (Status written = WriteLccFile(path, BoxNumbers()); !written) {
    prompts.Message("LCC results not saved: " + written.message);
    return;
  }
  FileName = path;
}

void LccScreenModel::Load(Prompts& prompts) {
  if (!ProjectIsOpenFor(prompts)) return;
  const std::string path =
      ChooseFileToOpen(prompts, {"Load LCC Calculation Results", kLccFilter, "", ProposedName()}, ws_.CurrentFolder);
  if (path.empty()) return;
  LccFileValues values{};
  if (Status read = ReadLccFile(path, values); !read) {
    prompts.Message("LCC results not loaded: " + read.message);
    return;
  }
  for (int row = 0; row < kLccRows; ++row) {
    for (int s = 0; s < kStages; ++s) Boxes[row][s] = FormatDouble(values[row][s]);
  }
  FileName = path;
}

void LccScreenModel::Export(Prompts& prompts) {
  const std::string path = ChooseFileToSave(
      prompts, {"Export LCC Calculation Results", "LCC Calculation Result File (*.CSV)|*.CSV", "", ""},
      ws_.CurrentFolder);
  if (path.empty()) return;
  if (Status written = ReplaceFile(path, LccTableText(BoxValues())); !written) {
    prompts.Message("LCC results not exported: " + written.message);
  }
}

}  // namespace kelca
