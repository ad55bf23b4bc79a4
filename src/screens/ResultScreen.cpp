#include "screens/ResultScreen.h"

#include "app/Workspace.h"
#include "common/FileIO.h"
#include "common/Numbers.h"
#include "common/Paths.h"
#include "lca/ResultFile.h"
#include "lca/ResultTable.h"
#include "screens/FileChoice.h"

namespace kelca {
namespace {
const char* const kResultFilter = "LCA/LCC Result files (*.RES)|*.RES";
const std::array<const char*, kResultCases> kCaseSuffix{"_R", "_A", "_C"};

bool ValidCase(int c) { return c >= 0 && c < kResultCases; }

template <class T>
const std::string& TextAt(const std::vector<std::string>& list, T index) {
  static const std::string empty;
  return (index >= 0 && index < static_cast<T>(list.size())) ? list[index] : empty;
}
}  // namespace

ResultScreenModel::ResultScreenModel(Workspace& ws) : ws_(ws), work_(std::make_unique<ResultCase>()) {
  SelectCase(kCurrentCase);
}

ResultCase ResultScreenModel::CaseContents(int caseIndex) const {
  if (caseIndex == kCurrentCase) return CurrentCaseSnapshot(ws_.Project, ws_.Results, ws_.Cases.Case[kCurrentCase].View);
  return ws_.Cases.Case[caseIndex];
}

void ResultScreenModel::SelectCase(int caseIndex) {
  if (!ValidCase(caseIndex)) return;
  case_ = caseIndex;
  *work_ = CaseContents(caseIndex);
  shown_ = ShownView{};
  RefreshGroupList();
}

void ResultScreenModel::SelectPart(int part) {
  if (part < kWholeBldg || part > kServicesPart) return;
  sel_.Part = part;
  sel_.ClassEntry = -1;
  sel_.Group = -1;
  classList_ = ClassEntries(part);
  groupList_.clear();
}

void ResultScreenModel::SelectClass(int entry) {
  if (entry < 0 || entry >= static_cast<int>(classList_.size())) return;
  sel_.ClassEntry = entry;
  sel_.Group = -1;
  RefreshGroupList();
}

void ResultScreenModel::RefreshGroupList() {
  if (IsGroupEntry(sel_.Part, sel_.ClassEntry)) {
    groupList_ = GroupNames(sel_.Part, work_->Info);
    if (sel_.Group >= static_cast<int>(groupList_.size())) sel_.Group = -1;
  } else {
    groupList_.clear();
    sel_.Group = -1;
  }
}

void ResultScreenModel::SelectGroup(int group) {
  if (group >= 0 && group < static_cast<int>(groupList_.size())) sel_.Group = group;
}

void ResultScreenModel::SelectStage(int stage) {
  if (stage < 0 || stage >= kStages) return;
  stage_ = stage;
  shown_ = ShownView{};
  messages_ = {};
}

bool ResultScreenModel::ShowResults() {
  if (!ValidCase(case_) || stage_ < 0) return false;
  const PartResult* source = ViewSource(work_->Results, work_->Info, sel_);
  if (!source) return false;
  CaseView& view = ws_.Cases.Case[case_].View;
  ComputeView(*source, ws_.Params, view, ws_.Cases.Score);
  view.PartText = TextAt(PartNames(), sel_.Part);
  view.ClassText = TextAt(classList_, sel_.ClassEntry);
  view.GroupText = TextAt(groupList_, sel_.Group);
  work_->View = view;
  shown_ = ShowStage(view, ws_.Cases.Score, stage_);
  exportEnabled_ = true;
  messages_[case_] = CaseComputedMessage(case_);
  return true;
}

void ResultScreenModel::SetReference() {
  ws_.Cases.Case[kReferenceCase] = CaseContents(kCurrentCase);
  saveEnabled_[kReferenceCase] = true;
}

void ResultScreenModel::SetAlternative() {
  ws_.Cases.Case[kAlternativeCase] = CaseContents(kCurrentCase);
  saveEnabled_[kAlternativeCase] = true;
}

std::string ResultScreenModel::ProposedResultName(int caseIndex) const {
  const std::string name = FileNameOf(ws_.Project.ProjFileName);
  const std::string stem = name.size() >= 4 ? name.substr(0, name.size() - 4) : name;
  return stem + kCaseSuffix[caseIndex];
}

void ResultScreenModel::SaveCase(int caseIndex, Prompts& prompts) {
  if (!ValidCase(caseIndex) || !saveEnabled_[caseIndex]) return;
  *work_ = CaseContents(caseIndex);
  const std::string path = ChooseFileToSave(
      prompts, {"Open File for Saving LCA/LCC Results", kResultFilter, "", ProposedResultName(caseIndex)},
      ws_.CurrentFolder);
  if (path.empty()) return;
  const Status written = WriteResultFile(path, work_->Info, work_->Results);
  ReturnToProjectFolder(ws_.CurrentFolder, ws_.Project);
  if (!written) prompts.Message("LCA/LCC results not saved: " + written.message);
  SelectCase(caseIndex);
}

void ResultScreenModel::LoadCase(int caseIndex, Prompts& prompts) {
  if (caseIndex != kReferenceCase && caseIndex != kAlternativeCase) return;
  const std::string path = ChooseFileToOpen(
      prompts, {"Open File for Loading LCA/LCC Results", kResultFilter, "", ProposedResultName(caseIndex)},
      ws_.CurrentFolder);
  if (path.empty()) return;
  auto loaded = std::make_unique<ResultCase>();
  const Status read = ReadResultFile(path, loaded->Info, loaded->Results);
  if (read) loaded->Info.CFA = FloorAreaOfCase(path, loaded->Info).value_or(0);
  ReturnToProjectFolder(ws_.CurrentFolder, ws_.Project);
  if (!read) {
    prompts.Message("LCA/LCC results not loaded: " + read.message);
    return;
  }
  work_->Info = loaded->Info;
  work_->Results = loaded->Results;
  ResultCase& target = ws_.Cases.Case[caseIndex];
  target.Info = work_->Info;
  target.Results = work_->Results;
  saveEnabled_[caseIndex] = true;
  SelectCase(caseIndex);
}

void ResultScreenModel::ExportTable(Prompts& prompts) {
  if (!exportEnabled_) return;
  const std::string path =
      ChooseFileToSave(prompts, {"Write Results as Excel Table", "LCA/LCC Results (*.CSV)|*.CSV", "", ""},
                       ws_.CurrentFolder);
  if (path.empty()) {
    prompts.Message("Failed to write results in table!!");
    return;
  }
  const TableHeading heading{work_->Info.ProjName,          TextAt(CaseNames(), case_),
                             TextAt(PartNames(), sel_.Part), TextAt(classList_, sel_.ClassEntry),
                             TextAt(groupList_, sel_.Group), TextAt(StageNames(), stage_)};
  if (Status written = ReplaceFile(path, ResultTableText(heading, shown_)); !written) {
    prompts.Message("Failed to write results in table!! " + written.message);
  }
}


void ResultScreenModel::ExportAllResults(Prompts& prompts) {
  const std::string name = ProposedResultName(case_) + "_ALL.CSV";
  const std::string path = ChooseFileToSave(
      prompts, {"Write All Results as Table", "LCA/LCC Results (*.CSV)|*.CSV", "", name}, ws_.CurrentFolder);
  if (path.empty()) return;
  const Status written = ReplaceFile(path, AllResultsTableText(work_->Info, work_->Results, ws_.Params));
  ReturnToProjectFolder(ws_.CurrentFolder, ws_.Project);
  if (!written) prompts.Message("Failed to write results in table!! " + written.message);
}

void ResultScreenModel::ShowPerFloorArea(bool on) { perArea_ = on; }

ShownView ResultScreenModel::Displayed() const {
  if (!perArea_ || shown_.Score.empty()) return shown_;
  return PerFloorArea(shown_, work_->View, stage_, work_->Info.CFA);
}

std::string ResultScreenModel::UnitSuffix() const { return perArea_ && work_->Info.CFA > 0 ? "/m²" : ""; }

std::string ResultScreenModel::FloorAreaNote() const {
  if (!perArea_) return "";
  if (!(work_->Info.CFA > 0)) return "The CFA of this case is 0: no values per m² can be shown.";
  return "Values per m² of CFA (" + FormatGeneral(work_->Info.CFA) + " m²)";
}

}  // namespace kelca
