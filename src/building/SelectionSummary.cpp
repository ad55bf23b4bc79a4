// The selection summary report: the project's groups, components and
// elements marked with what is selected for the assessment; what is not
// selected gets no details.
#include <memory>

#include "building/ReportWalk.h"

namespace kelca {

std::string SelectionWord(float weight) { return weight >= 1 ? "All" : weight > 0 ? "Some" : "None"; }
std::string SelectionWord(bool flag) { return flag ? "Yes" : "No"; }

Status GroupSelectionOf(const SelectionTables& sel, int grpType, int g, GroupSelection& out) {
  const auto take = [&](const auto& type) {
    if (g < 0 || g >= static_cast<int>(type.GrpSel.size())) {
      return Status::Error("No selection is kept for " + GroupTypeName(grpType) + " group " + std::to_string(g + 1));
    }
    out = {type.GrpSel[g], &type.CompSel[g], &type.ElmSel[g]};
    return Status::Ok();
  };
  switch (grpType) {
    case kFoundation: return take(sel.Fdn);
    case kFloor: return take(sel.Flr);
    case kServices: return take(sel.Ser);
    default: return Status::Error("Error in Component type!!");
  }
}

namespace {

bool Skipped(const SelectionTables& sel, int grpType) {
  return (grpType == kFoundation ? sel.FdnSkip : grpType == kFloor ? sel.FlrSkip : sel.SerSkip) != 0;
}

class SelectionSummary {
 public:
  SelectionSummary(const SummaryInputs& in, const SelectionTables& sel) : in_(in), sel_(sel), walk_(in) {}

  Status Write(const std::string& target, const WriteFault* fault) {
    walk_.Line("Summary Report on Selection of Components and Elements");
    walk_.Labelled("for the Project named:", in_.Project.ProjName);
    walk_.Blank();
    walk_.ProjectLines();
    const auto lists = GroupListsOf(in_.Project);
    for (const GroupList& list : lists) {
      walk_.GroupListLines(list, [&](int g) {
        GroupSelection s;
        return GroupSelectionOf(sel_, list.GrpType, g, s) ? SelectionWord(s.GrpSel) : std::string();
      });
      if (Skipped(sel_, list.GrpType)) {
        walk_.Line(LabelsOf(list.GrpType).Skipped);
        walk_.Blank();
      }
    }
    walk_.Blank();
    WriteDetails(lists);
    return walk_.Finish(target, fault);
  }

 private:
  void WriteDetails(const std::array<GroupList, 3>& lists) {
    for (const GroupList& list : lists) {
      if (Skipped(sel_, list.GrpType)) continue;
      for (int g = 0; g < list.Count; ++g) {
        GroupSelection s;
        if (Status found = GroupSelectionOf(sel_, list.GrpType, g, s); !found) {
          walk_.Fail(found);
          return;
        }
        if (!(s.GrpSel > 0)) continue;
        walk_.Labelled(LabelsOf(list.GrpType).Heading, list.Names[g]);
        walk_.Blank();
        if (!WriteGroup(list.GrpType, list.Files[g], s)) return;
        walk_.Blank();
      }
    }
  }

  bool WriteGroup(int grpType, const std::string& file, const GroupSelection& s) {
    auto group = std::make_unique<GroupRecord>();
    if (!walk_.ReadGroup(grpType, file, *group)) return false;
    CompTypeNameList typeNames;
    LoadCompTypeNames(grpType, typeNames);
    walk_.Labelled("No. of Components in the Group:", static_cast<float>(group->GrpCompCount));
    walk_.Blank();
    for (int c = 0; c < group->GrpCompCount; ++c) {
      walk_.Labelled("Component Name:", WithWord(group->GrpCompName[c], SelectionWord((*s.CompSel)[c])));
      walk_.Labelled("In file:       ", group->GrpCompFile[c]);
      walk_.Labelled("Component Type:", CompTypeText(typeNames, group->GrpCompType[c]));
      walk_.Labelled("Qty. (No.):    ", group->GrpCompQty[c]);
      walk_.Blank();
    }
    for (int c = 0; c < group->GrpCompCount; ++c) {
      if (!((*s.CompSel)[c] > 0)) continue;
      walk_.Labelled("For the Component:", group->GrpCompName[c]);
      walk_.Blank();
      if (!WriteComponent(grpType, group->GrpCompFile[c], (*s.ElmSel)[c])) return false;
    }
    return true;
  }

  // The elements with their flags; their values are not listed.
  bool WriteComponent(int grpType, const std::string& file, const std::array<bool, kElementSlots>& elmSel) {
    ComponentRecord comp;
    if (!walk_.ReadComponent(grpType, file, comp) || !walk_.LoadLibrary(grpType, comp, *lib_)) return false;
    walk_.Labelled("No. of ELements in the Component:", static_cast<float>(comp.CompElmCount));
    walk_.Blank();
    for (int e = 0; e < comp.CompElmCount; ++e) {
      walk_.Labelled("Element Name:", WithWord(comp.CompElmName[e], SelectionWord(elmSel[e])));
      walk_.Labelled("Element Type:", ElmTypeName(*lib_, comp.CompElmType[e]));
      walk_.Labelled("In file:     ", comp.CompElmFile[e]);
      walk_.Blank();
    }
    return true;
  }

  const SummaryInputs& in_;
  const SelectionTables& sel_;
  ReportWalk walk_;
  std::unique_ptr<ElementLibrary> lib_ = std::make_unique<ElementLibrary>();
};

}  // namespace

Status WriteSelectionSummary(const SummaryInputs& in, const SelectionTables& sel, const std::string& target,
                             const WriteFault* fault) {
  return SelectionSummary(in, sel).Write(target, fault);
}

}  // namespace kelca
