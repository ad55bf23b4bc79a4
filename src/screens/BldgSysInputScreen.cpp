#include "screens/BldgSysInputScreen.h"

#include "app/Workspace.h"
#include "building/GroupTypes.h"
#include "common/FiniteRead.h"
#include "common/ListEditing.h"
#include "common/Numbers.h"
#include "common/Paths.h"

namespace kelca {
namespace {

// One group type's lists in ProjectState.
struct GroupSlots {
  int* Count = nullptr;
  std::string* File = nullptr;
  std::string* Name = nullptr;
  float* Qty = nullptr;
  int Max = 0;
};

GroupSlots SlotsOf(ProjectState& p, int grpType) {
  switch (grpType) {
    case kFoundation: return {&p.FdnCount, p.FdnFile.data(), p.FdnName.data(), p.FdnQty.data(), kMaxFdnGroups};
    case kFloor: return {&p.FlrCount, p.FlrFile.data(), p.FlrName.data(), p.FlrQty.data(), kMaxFlrGroups};
    case kServices: return {&p.SerCount, p.SerFile.data(), p.SerName.data(), p.SerQty.data(), kMaxSerGroups};
    default: return {};
  }
}

int TypeIndex(int grpType) { return grpType / 100 - 1; }

}  // namespace

BldgSysInputScreenModel::BldgSysInputScreenModel(Workspace& ws, Prompts& prompts) : ws_(ws), prompts_(prompts) {
  projName_ = ws_.Project.ProjName;
  CFABox = FormatGeneral(ws_.Project.CFA);
  if (!ws_.Project.ProjDir.empty()) ws_.CurrentFolder = ws_.Project.ProjDir;
  if (!ProjectIsOpen(ws_.Project)) ws_.Project.FdnCount = ws_.Project.FlrCount = ws_.Project.SerCount = 0;
}

std::vector<std::string> BldgSysInputScreenModel::Names(int grpType) const {
  const GroupSlots s = SlotsOf(ws_.Project, grpType);
  return s.Count ? std::vector<std::string>(s.Name, s.Name + *s.Count) : std::vector<std::string>{};
}

std::vector<std::string> BldgSysInputScreenModel::Quantities(int grpType) const {
  const GroupSlots s = SlotsOf(ws_.Project, grpType);
  std::vector<std::string> quantities;
  for (int g = 0; s.Count && g < *s.Count; ++g) quantities.push_back(FormatGeneral(s.Qty[g]));
  return quantities;
}

int BldgSysInputScreenModel::Picked(int grpType) const {
  return IsGroupType(grpType) ? picked_[TypeIndex(grpType)] : -1;
}

void BldgSysInputScreenModel::Pick(int grpType, int line) {
  const GroupSlots s = SlotsOf(ws_.Project, grpType);
  if (!s.Count) return;
  picked_[TypeIndex(grpType)] = line >= 0 && line < *s.Count ? line : -1;
  ws_.CurGrp = Picked(grpType);
}

// Selection -----------------------------------------------------------------------

OptionState BldgSysInputScreenModel::Options(int grpType) const {
  const int g = Picked(grpType);
  return OptionsOf(g >= 0, GroupWeight(ws_.Selection, grpType, g));
}

void BldgSysInputScreenModel::ChooseAll(int grpType) {
  const int g = Picked(grpType);
  if (g < 0) return;
  SetGroupWeight(ws_.Selection, grpType, g, 1);
  ResetGroupSel(ws_.Selection, grpType, g, 0);
}

void BldgSysInputScreenModel::ChooseSome(int grpType) {
  if (Options(grpType).SomeEnabled) SetGroupWeight(ws_.Selection, grpType, Picked(grpType), 0.5f);
}

void BldgSysInputScreenModel::ChooseNone(int grpType) {
  if (Picked(grpType) >= 0) SetGroupWeight(ws_.Selection, grpType, Picked(grpType), 0);
}

bool BldgSysInputScreenModel::Skip(int grpType) const {
  const int* flag = SkipFlag(ws_.Selection, grpType);
  return flag && *flag != 0;
}

void BldgSysInputScreenModel::SetSkip(int grpType, bool skip) {
  if (int* flag = SkipFlag(ws_.Selection, grpType)) *flag = skip ? 1 : 0;
}

// The group lists ------------------------------------------------------------------

void BldgSysInputScreenModel::OpenGroupEditor(int grpType, int g) {
  ws_.GrpType = grpType;
  ws_.GrpTypeName = GroupTypeName(grpType);
  ws_.CurGrp = g;
  if (ShowGroupEditor) ShowGroupEditor();
}

void BldgSysInputScreenModel::Add(int grpType) {
  const GroupSlots s = SlotsOf(ws_.Project, grpType);
  if (!s.Count) return;
  if (!list::HasRoom(*s.Count, s.Max)) {
    return prompts_.Message("No. of " + GroupTypeName(grpType) + " groups defined already reached the Max. (" +
                            std::to_string(s.Max) + ")!");
  }
  const int p = Picked(grpType);
  ws_.Group = GroupRecord{};
  OpenGroupEditor(grpType, -1);
  const GroupRecord& group = ws_.Group;
  if (group.GrpName.empty()) return;
  const int at = list::InsertBelowPicked(*s.Count, s.Max, p, s.File, s.Name, s.Qty);
  if (at < 0) return;
  s.File[at] = FileNameOf(group.GrpFile);
  s.Name[at] = group.GrpName;
  s.Qty[at] = group.GrpQty;
  Pick(grpType, at);
  ResetTypeSel(ws_.Selection, grpType, 0);
}

void BldgSysInputScreenModel::Edit(int grpType) {
  const GroupSlots s = SlotsOf(ws_.Project, grpType);
  const int i = Picked(grpType);
  if (!s.Count || i < 0) return;
  ws_.Group = GroupRecord{};
  ws_.Group.GrpFile = s.File[i];
  ws_.Group.GrpName = s.Name[i];
  ws_.Group.GrpQty = s.Qty[i];
  OpenGroupEditor(grpType, i);
  s.File[i] = FileNameOf(ws_.Group.GrpFile);
  s.Name[i] = ws_.Group.GrpName;
  s.Qty[i] = ws_.Group.GrpQty;
  RederiveGroupSel(ws_.Selection, grpType, i, ws_.Group.GrpCompCount);
}

void BldgSysInputScreenModel::Delete(int grpType) {
  const GroupSlots s = SlotsOf(ws_.Project, grpType);
  const int i = Picked(grpType);
  if (!s.Count || i < 0) return;
  if (!prompts_.AskOkCancel(s.Name[i] + " will be removed from the Project. Continue?")) return;
  list::DeleteAt(*s.Count, i, s.File, s.Name, s.Qty);
  picked_[TypeIndex(grpType)] = -1;
  ResetTypeSel(ws_.Selection, grpType, 0);
}

void BldgSysInputScreenModel::MoveUp(int grpType) {
  const GroupSlots s = SlotsOf(ws_.Project, grpType);
  const int i = Picked(grpType);
  if (!s.Count || !list::MoveUp(*s.Count, i, s.File, s.Name, s.Qty)) return;
  Pick(grpType, i - 1);
  ResetAllSel(ws_.Selection);
}

void BldgSysInputScreenModel::MoveDown(int grpType) {
  const GroupSlots s = SlotsOf(ws_.Project, grpType);
  const int i = Picked(grpType);
  if (!s.Count || !list::MoveDown(*s.Count, i, s.File, s.Name, s.Qty)) return;
  Pick(grpType, i + 1);
  ResetAllSel(ws_.Selection);
}

void BldgSysInputScreenModel::Return() { ws_.Project.CFA = SingleOf(Val(CFABox)); }

}  // namespace kelca
