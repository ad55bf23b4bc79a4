#pragma once
// What the LCC results screen does: the two value sets, copy, update, confirm
// (writing the costs back into the results), and its ".LCC" and ".CSV" files.
// The screen stores typed texts into Boxes before each command and shows Boxes,
// Option and the button states afterwards.
#include <array>
#include <string>

#include "common/Prompts.h"
#include "lca/LccTable.h"

namespace kelca {

struct Workspace;

extern const char* const kCopyBeforeConfirmMessage;
extern const char* const kViewBeforeConfirmMessage;
extern const char* const kOpenProjectFirstMessage;

class LccScreenModel {
 public:
  // Opening: the predicted set is filled from the costs of the results and
  // "Predicted / Last Confirmed Values" is selected.
  explicit LccScreenModel(Workspace& ws);

  void ChoosePredicted();   // Option1
  void ChooseAssessment();  // Option2
  void CopyAll();           // cmdCopy
  void Update();            // cmdUpDate
  // cmdOkay / mnuFExit: true when the costs were written back and the screen closes.
  bool Confirm(Prompts& prompts);
  void Save(Prompts& prompts);    // mnuFSave
  void Load(Prompts& prompts);    // mnuFLoad
  void Export(Prompts& prompts);  // mnuFExp

  std::array<std::array<std::string, kStages>, kLccRows> Boxes;  // [row][stage]
  LccSet Option = kPredictedSet;      // the set shown (its caption bold)
  bool Copied = false;                // cmdCopy has run
  bool UpdateAndExitShown = false;    // cmdUpDate and cmdExit visible
  LccTable Table;
  std::string FileName;               // the ".LCC" file last saved or loaded

 private:
  void ShowSet(LccSet set);
  LccValues BoxValues() const;
  LccFileValues BoxNumbers() const;
  void RecomputeAndShowAssessment();
  bool ProjectIsOpenFor(Prompts& prompts) const;  // else the message
  std::string ProposedName() const;

  Workspace& ws_;
};

}  // namespace kelca
