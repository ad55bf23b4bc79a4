#include "screens/AddGroupScreen.h"

#include "app/Workspace.h"
#include "building/GroupTypes.h"
#include "common/FiniteRead.h"
#include "common/ListEditing.h"
#include "common/Numbers.h"
#include "common/Paths.h"
#include "screens/FileChoice.h"
#include "screens/RecordDialogs.h"

namespace kelca {

const char* const kGroupReturnQuestion = "Save data before closing this form?";

AddGroupScreenModel::AddGroupScreenModel(Workspace& ws, Prompts& prompts) : ws_(ws), prompts_(prompts) {
  LoadCompTypeNames(ws_.GrpType, ws_.CompTypeNames);
  // A group is new when it has no file yet; its number in the building may be 0.
  newGroup_ = ws_.Group.GrpFile.empty();
  if (!newGroup_) {
    ws_.Group.GrpCompCount = 0;  // nothing of another group shows when the file cannot be read
    ReadGroup(ws_.Group.GrpFile);
  }
  saved_ = true;
}

// Captions ------------------------------------------------------------------

std::string AddGroupScreenModel::WindowCaption() const { return ws_.GrpTypeName; }
std::string AddGroupScreenModel::GroupNameCaption() const { return ws_.GrpTypeName + " Name"; }
std::string AddGroupScreenModel::GroupFileCaption() const { return ws_.GrpTypeName + " File Name"; }
std::string AddGroupScreenModel::ComponentsCaption() const { return ws_.GrpTypeName + " Components"; }
std::string AddGroupScreenModel::LoadCaption() const { return "Load " + ws_.GrpTypeName; }
std::string AddGroupScreenModel::SaveCaption() const { return "Save " + ws_.GrpTypeName; }

std::string AddGroupScreenModel::CompNoCaption() const {
  switch (ws_.GrpType) {
    case kFoundation: return "No. in Fdn";
    case kFloor: return "No. in Flr";
    case kServices: return "No. in Ser";
    default: return "";
  }
}

// The component lists ----------------------------------------------------------

std::vector<std::string> AddGroupScreenModel::ComponentNames() const {
  const GroupRecord& g = ws_.Group;
  return {g.GrpCompName.begin(), g.GrpCompName.begin() + g.GrpCompCount};
}

std::vector<std::string> AddGroupScreenModel::ComponentTypes() const {
  std::vector<std::string> types;
  for (int c = 0; c < ws_.Group.GrpCompCount; ++c) {
    const int type = ws_.Group.GrpCompType[c];
    types.push_back(type >= 0 && type < kCompTypeSlots ? ws_.CompTypeNames[type] : "");
  }
  return types;
}

std::vector<std::string> AddGroupScreenModel::ComponentNumbers() const {
  std::vector<std::string> numbers;
  for (int c = 0; c < ws_.Group.GrpCompCount; ++c) numbers.push_back(FormatGeneral(ws_.Group.GrpCompQty[c]));
  return numbers;
}

void AddGroupScreenModel::Pick(int line) { picked_ = line >= 0 && line < ws_.Group.GrpCompCount ? line : -1; }

// Selection: a group still being added has no place in the tables yet.
OptionState AddGroupScreenModel::Options() const {
  return OptionsOf(picked_ >= 0 && ws_.CurGrp >= 0, CompWeight(ws_.Selection, ws_.GrpType, ws_.CurGrp, picked_));
}

void AddGroupScreenModel::ChooseAll() {
  if (!Options().Enabled) return;
  SetCompWeight(ws_.Selection, ws_.GrpType, ws_.CurGrp, picked_, 1);
  ResetCompSel(ws_.Selection, ws_.GrpType, ws_.CurGrp, picked_, 0);
}

void AddGroupScreenModel::ChooseSome() {
  if (Options().SomeEnabled) SetCompWeight(ws_.Selection, ws_.GrpType, ws_.CurGrp, picked_, 0.5f);
}

void AddGroupScreenModel::ChooseNone() {
  if (Options().Enabled) SetCompWeight(ws_.Selection, ws_.GrpType, ws_.CurGrp, picked_, 0);
}

void AddGroupScreenModel::ResetGroupSelection() {
  if (ws_.CurGrp != -1) ResetGroupSel(ws_.Selection, ws_.GrpType, ws_.CurGrp, 0);
}

// Commands ----------------------------------------------------------------------

void AddGroupScreenModel::AddComponent() {
  GroupRecord& g = ws_.Group;
  if (!list::HasRoom(g.GrpCompCount, kMaxGroupComponents)) {
    return prompts_.Message("No. of Components defined already reached the Max. (" +
                            std::to_string(kMaxGroupComponents) + ")!");
  }
  const int p = picked_;
  g.GrpName = GroupNameBox;
  ws_.Component = ComponentRecord{};
  ws_.CurComp = -1;
  if (ShowComponentEditor) ShowComponentEditor();
  const ComponentRecord& comp = ws_.Component;
  if (comp.CompName.empty()) return;
  const int at = list::InsertBelowPicked(g.GrpCompCount, kMaxGroupComponents, p, g.GrpCompFile, g.GrpCompName,
                                         g.GrpCompType, g.GrpCompQty);
  if (at < 0) return;
  g.GrpCompFile[at] = comp.CompFile;
  g.GrpCompName[at] = comp.CompName;
  g.GrpCompType[at] = comp.CompType;
  g.GrpCompQty[at] = comp.CompQty;
  picked_ = at;
  ResetGroupSelection();
  saved_ = false;
}

void AddGroupScreenModel::EditComponent() {
  if (picked_ < 0) return;
  const int i = picked_;
  GroupRecord& g = ws_.Group;
  ws_.Component = ComponentRecord{};
  ws_.Component.CompFile = g.GrpCompFile[i];
  ws_.Component.CompName = g.GrpCompName[i];
  ws_.Component.CompType = g.GrpCompType[i];
  ws_.Component.CompQty = g.GrpCompQty[i];
  ws_.CurComp = i;
  if (ShowComponentEditor) ShowComponentEditor();
  const ComponentRecord& comp = ws_.Component;
  g.GrpCompFile[i] = comp.CompFile;
  g.GrpCompName[i] = comp.CompName;
  g.GrpCompType[i] = comp.CompType;
  g.GrpCompQty[i] = comp.CompQty;
  saved_ = false;
  RederiveCompSel(ws_.Selection, ws_.GrpType, ws_.CurGrp, i, comp.CompElmCount);
}

void AddGroupScreenModel::DeleteComponent() {
  GroupRecord& g = ws_.Group;
  if (!list::DeleteAt(g.GrpCompCount, picked_, g.GrpCompFile, g.GrpCompName, g.GrpCompType, g.GrpCompQty)) return;
  picked_ = -1;
  ResetGroupSelection();
  saved_ = false;
}

void AddGroupScreenModel::MoveUp() {
  GroupRecord& g = ws_.Group;
  if (!list::MoveUp(g.GrpCompCount, picked_, g.GrpCompFile, g.GrpCompName, g.GrpCompType, g.GrpCompQty)) return;
  --picked_;
  ResetGroupSelection();
  saved_ = false;
}

void AddGroupScreenModel::MoveDown() {
  GroupRecord& g = ws_.Group;
  if (!list::MoveDown(g.GrpCompCount, picked_, g.GrpCompFile, g.GrpCompName, g.GrpCompType, g.GrpCompQty)) return;
  ++picked_;
  ResetGroupSelection();
  saved_ = false;
}

// Reads into a copy, so that a file that cannot be read leaves the group as it was.
bool AddGroupScreenModel::ReadGroup(const std::string& file) {
  GroupRecord read = ws_.Group;
  read.GrpFile = file;
  if (Status status = ReadGroupFile(ws_.CurrentFolder, ws_.GrpType, ws_.GrpTypeName, read); !status) {
    prompts_.Message(status.message);
    return false;
  }
  ws_.Group = read;
  fileBox_ = read.GrpFile;
  GroupNameBox = read.GrpName;
  GroupNoBox = FormatGeneral(read.GrpQty);
  picked_ = -1;
  return true;
}

void AddGroupScreenModel::LoadGroup() {
  if (!newGroup_) return;
  const std::string path = ChooseFileToOpen(
      prompts_, {"Load a " + ws_.GrpTypeName + " File", GroupFileFilter(ws_.GrpType), ws_.Project.ProjDir, ""},
      ws_.CurrentFolder);
  // A group from another folder is not yet the project's: Return asks to save it.
  if (!path.empty() && ReadGroup(path)) saved_ = FolderOf(path) == WithTrailingSlash(ws_.Project.ProjDir);
}

void AddGroupScreenModel::SaveGroup() {
  if (GroupNameBox.empty()) return prompts_.Message(ws_.GrpTypeName + " name missing!");
  if (GroupNoBox.empty()) {
    return prompts_.Message("Missing no. of identical " + ws_.GrpTypeName + "(s) in Building!");
  }
  const std::string path = AskRecordPath(
      prompts_,
      {"Save " + ws_.GrpTypeName + " As", GroupFileFilter(ws_.GrpType), GroupFileExtension(ws_.GrpType),
       ws_.Group.GrpFile, GroupNameBox},
      ws_.Project.ProjDir, ws_.CurrentFolder);
  if (path.empty()) return;
  GroupRecord saved = ws_.Group;
  saved.GrpFile = FileNameOf(path);
  saved.GrpName = GroupNameBox;
  saved.GrpQty = SingleOf(Val(GroupNoBox));
  if (Status written = WriteGroupFile(FolderOf(path), ws_.GrpType, saved); !written) {
    prompts_.Message(written.message);
    return;
  }
  ws_.Group = saved;
  fileBox_ = saved.GrpFile;
  saved_ = true;
}

bool AddGroupScreenModel::Saved() const {
  const GroupRecord& g = ws_.Group;
  const bool numberShown = GroupNoBox.empty() ? g.GrpQty == 0
                                              : FormatGeneral(SingleOf(Val(GroupNoBox))) == FormatGeneral(g.GrpQty);
  const bool boxesShowRecord = GroupNameBox == g.GrpName && numberShown;
  return saved_ && boxesShowRecord;
}

bool AddGroupScreenModel::Return() {
  if (Saved()) return true;
  switch (prompts_.AskYesNoCancel(kGroupReturnQuestion)) {
    case Answer::Yes:
      SaveGroup();
      return Saved();
    case Answer::No: return true;
    default: return false;
  }
}

}  // namespace kelca
