// The input summary report: the project, its groups, every group's
// components, every component's elements and every element's values.
#include <memory>

#include "building/ReportWalk.h"

namespace kelca {
namespace {

class InputSummary {
 public:
  explicit InputSummary(const SummaryInputs& in) : in_(in), walk_(in) {}

  Status Write(const std::string& target, const WriteFault* fault) {
    walk_.Labelled("Input Summary Report for the Project named:", in_.Project.ProjName);
    walk_.Blank();
    walk_.ProjectLines();
    const auto lists = GroupListsOf(in_.Project);
    for (const GroupList& list : lists) walk_.GroupListLines(list);
    WriteDetails(lists);
    return walk_.Finish(target, fault);
  }

 private:
  void WriteDetails(const std::array<GroupList, 3>& lists) {
    for (const GroupList& list : lists) {
      for (int g = 0; g < list.Count; ++g) {
        walk_.Labelled(LabelsOf(list.GrpType).Heading, list.Names[g]);
        walk_.Blank();
        if (!WriteGroup(list.GrpType, list.Files[g])) return;
      }
    }
  }

  bool WriteGroup(int grpType, const std::string& file) {
    auto group = std::make_unique<GroupRecord>();
    if (!walk_.ReadGroup(grpType, file, *group)) return false;
    CompTypeNameList typeNames;
    LoadCompTypeNames(grpType, typeNames);
    walk_.Labelled("No. of Components in the Group:", static_cast<float>(group->GrpCompCount));
    walk_.Blank();
    for (int c = 0; c < group->GrpCompCount; ++c) {
      walk_.Labelled("Component Name:", group->GrpCompName[c]);
      walk_.Labelled("In file:       ", group->GrpCompFile[c]);
      walk_.Labelled("Component Type:", CompTypeText(typeNames, group->GrpCompType[c]));
      walk_.Labelled("Qty. (No.):    ", group->GrpCompQty[c]);
      walk_.Blank();
    }
    for (int c = 0; c < group->GrpCompCount; ++c) {
      walk_.Labelled("For the Component:", group->GrpCompName[c]);
      walk_.Blank();
      if (!WriteComponent(grpType, group->GrpCompFile[c])) return false;
    }
    return true;
  }

  bool WriteComponent(int grpType, const std::string& file) {
    ComponentRecord comp;
    if (!walk_.ReadComponent(grpType, file, comp) || !walk_.LoadLibrary(grpType, comp, *lib_)) return false;
    walk_.Labelled("No. of ELements in the Component:", static_cast<float>(comp.CompElmCount));
    walk_.Blank();
    for (int e = 0; e < comp.CompElmCount; ++e) {
      walk_.Labelled("Element Name:", comp.CompElmName[e]);
      walk_.Labelled("Element Type:", ElmTypeName(*lib_, comp.CompElmType[e]));
      walk_.Labelled("In file:     ", comp.CompElmFile[e]);
      walk_.Blank();
    }
    for (int e = 0; e < comp.CompElmCount; ++e) {
      walk_.Labelled("For the Element:", comp.CompElmName[e]);
      walk_.Blank();
      if (!WriteElement(grpType, comp.CompElmFile[e])) return false;
    }
    return true;
  }

  // The values of the element with the names and units of its type's items.
  bool WriteElement(int grpType, const std::string& file) {
    ElementRecord elm;
    if (!walk_.ReadElement(grpType, file, elm)) return false;
    const int row = ElmLibRowOf(*lib_, elm.ElmType);
    for (int k = 0; k < ElementValueCount(elm); ++k) {
      walk_.ValueLine(ElmItemName(*lib_, row, k), ElmItemUnit(*lib_, row, k), elm.ElmValue[k], elm.ElmRemark[k]);
    }
    walk_.Blank();
    return true;
  }

  const SummaryInputs& in_;
  ReportWalk walk_;
  std::unique_ptr<ElementLibrary> lib_ = std::make_unique<ElementLibrary>();
};

}  // namespace

Status WriteInputSummary(const SummaryInputs& in, const std::string& target, const WriteFault* fault) {
  return InputSummary(in).Write(target, fault);
}

}  // namespace kelca
