#pragma once
// What the results screen does: its selectors, the show command, setting,
// saving and loading cases, and the table export. The screen shows the lists,
// texts and enabled states held here and forwards each choice and command.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "common/Prompts.h"
#include "lca/ResultCases.h"

namespace kelca {

struct Workspace;

class ResultScreenModel {
 public:
  // Opening: the Current Case is selected; the save and export commands are disabled.
  explicit ResultScreenModel(Workspace& ws);

  void SelectCase(int caseIndex);  // cboSelCase
  void SelectPart(int part);       // cboPortion
  void SelectClass(int entry);     // cboClass
  void SelectGroup(int group);     // cboCGNo
  void SelectStage(int stage);     // cboStage
  // cmdShowRes: false (and nothing changes) while the selection is incomplete.
  bool ShowResults();
  void SetReference();    // mnuSetBC
  void SetAlternative();  // mnuSetAlt
  void SaveCase(int caseIndex, Prompts& prompts);  // mnuSaveBC, mnuSaveAlt, mnuSaveCur
  void LoadCase(int caseIndex, Prompts& prompts);  // mnuLoadBC, mnuLoadAlt
  void ExportTable(Prompts& prompts);              // mnuExpTab
  // mnuExpAll: every figure of the selected case as one tidy table.
  void ExportAllResults(Prompts& prompts);
  // chkPerCFA: the characterised values, energy, waste and cost shown per m² of the case's CFA.
  void ShowPerFloorArea(bool on);

  int SelectedCase() const { return case_; }
  int SelectedPart() const { return sel_.Part; }
  int SelectedClass() const { return sel_.ClassEntry; }
  int SelectedGroup() const { return sel_.Group; }
  int SelectedStage() const { return stage_; }
  const std::vector<std::string>& ClassList() const { return classList_; }
  const std::vector<std::string>& GroupList() const { return groupList_; }
  // The values in the text boxes (all empty while nothing is shown).
  const ShownView& Shown() const { return shown_; }
  // What the boxes show: Shown(), per m² of CFA while that is chosen and the CFA is above 0.
  ShownView Displayed() const;
  bool PerFloorAreaChosen() const { return perArea_; }
  // "/m²" after the units while values are shown per m², else empty.
  std::string UnitSuffix() const;
  // The floor area in use, or why there is none (lblCFA).
  std::string FloorAreaNote() const;
  const std::array<std::string, kResultCases>& CaseMessages() const { return messages_; }  // lblMsg
  bool SaveEnabled(int caseIndex) const { return saveEnabled_[caseIndex]; }
  bool ExportEnabled() const { return exportEnabled_; }
  const ResultCase& WorkingCopy() const { return *work_; }

 private:
  void RefreshGroupList();
  ResultCase CaseContents(int caseIndex) const;
  std::string ProposedResultName(int caseIndex) const;

  Workspace& ws_;
  std::unique_ptr<ResultCase> work_;
  int case_ = -1;
  ViewSelection sel_;
  int stage_ = -1;
  std::vector<std::string> classList_, groupList_;
  ShownView shown_;
  std::array<std::string, kResultCases> messages_;
  std::array<bool, kResultCases> saveEnabled_{false, false, true};
  bool exportEnabled_ = false;
  bool perArea_ = false;
};

}  // namespace kelca
