#include "building/ReportWalk.h"

#include <algorithm>

#include "common/Numbers.h"
#include "database/ElementLibraries.h"

namespace kelca {
namespace {

constexpr size_t kNameWidth = 40;       // a name before its selection word
constexpr size_t kItemWidth = 36;       // the columns of an element value line
constexpr size_t kUnitWidth = 10;
constexpr size_t kValueWidth = 16;
constexpr size_t kSmallestGap = 2;

// Characters, not bytes, of a UTF-8 text.
size_t Width(std::string_view text) {
  size_t n = 0;
  for (unsigned char c : text) n += (c & 0xC0) != 0x80;
  return n;
}

std::string Padded(const std::string& text, size_t width) {
  const size_t used = Width(text);
  return text + std::string(used + kSmallestGap > width ? kSmallestGap : width - used, ' ');
}

}  // namespace

// Counts are kept within the lists' bounds, so no count can lead past them.
std::array<GroupList, 3> GroupListsOf(const ProjectState& p) {
  const auto fdn = std::clamp(p.FdnCount, 0, kMaxFdnGroups);
  const auto flr = std::clamp(p.FlrCount, 0, kMaxFlrGroups);
  const auto ser = std::clamp(p.SerCount, 0, kMaxSerGroups);
  return {{{kFoundation, fdn, p.FdnFile.data(), p.FdnName.data(), p.FdnQty.data()},
           {kFloor, flr, p.FlrFile.data(), p.FlrName.data(), p.FlrQty.data()},
           {kServices, ser, p.SerFile.data(), p.SerName.data(), p.SerQty.data()}}};
}

const GroupTypeLabels& LabelsOf(int grpType) {
  static const GroupTypeLabels foundation{"No. of Foundation group(s):", "For the Foundation Group:",
                                          "However, all Foundations are SKIPPED in the present selection!"};
  static const GroupTypeLabels floor{"No. of Floor(s):", "For the Floor Group:",
                                     "However, all Floors are SKIPPED in the present selection!"};
  static const GroupTypeLabels services{"No. of Services:", "For the Services Group:",
                                        "However, all Services are SKIPPED in the present selection!"};
  return grpType == kFoundation ? foundation : grpType == kFloor ? floor : services;
}

std::string CompTypeText(const CompTypeNameList& names, int compType) {
  return compType >= 0 && compType < kCompTypeSlots ? names[compType] : std::string();
}

std::string WithWord(const std::string& name, const std::string& word) { return Padded(name, kNameWidth) + word; }

void ReportWalk::Labelled(std::string_view label, std::string_view text) {
  std::string line(label);
  line += text;
  out_.PrintLine(line);
}

void ReportWalk::Labelled(std::string_view label, float number) { Labelled(label, PrintForm(number)); }

void ReportWalk::ValueLine(const std::string& item, const std::string& unit, const std::string& value,
                           const std::string& remark) {
  std::string line = Padded(item, kItemWidth) + Padded(unit, kUnitWidth) + Padded(value, kValueWidth) + remark;
  line.erase(line.find_last_not_of(' ') + 1);
  out_.PrintLine(line);
}

void ReportWalk::ProjectLines() {
  Labelled("Main Project File:", in_.Project.ProjFileName);
  Blank();
  Labelled("Construction Floor Area (sqm):", in_.Project.CFA);
  Blank();
  Line("The Project comprises:");
  Blank();
}

void ReportWalk::GroupListLines(const GroupList& list, const std::function<std::string(int g)>& wordOf) {
  Labelled(LabelsOf(list.GrpType).Count, static_cast<float>(list.Count));
  Blank();
  for (int g = 0; g < list.Count; ++g) {
    Labelled("Name:      ", wordOf ? WithWord(list.Names[g], wordOf(g)) : list.Names[g]);
    Labelled("Qty. (No.):", list.Qtys[g]);
    Labelled("In file:   ", list.Files[g]);
    Blank();
  }
}

bool ReportWalk::Check(const Status& read) {
  if (read) return true;
  return Fail(Status::Error("Error encountered. Currently reading from:" + CurReadFile + "\n" + read.message));
}

bool ReportWalk::Fail(const Status& status) {
  if (outcome_) outcome_ = status;
  return false;
}

bool ReportWalk::ReadGroup(int grpType, const std::string& file, GroupRecord& group) {
  CurReadFile = file;
  group.GrpFile = file;
  return Check(ReadGroupFile(in_.Folder, grpType, GroupTypeName(grpType), group));
}

bool ReportWalk::ReadComponent(int grpType, const std::string& file, ComponentRecord& comp) {
  CurReadFile = file;
  comp.CompFile = file;
  return Check(ReadCompFile(in_.Folder, CompFileTypeCode(grpType), comp));
}

bool ReportWalk::ReadElement(int grpType, const std::string& file, ElementRecord& elm) {
  CurReadFile = file;
  elm.ElmFile = file;
  return Check(ReadElmFile(in_.Folder, ElmFileTypeCode(grpType), GroupTypeName(grpType), elm));
}

// A component type that no library serves is a fault of the component file.
bool ReportWalk::LoadLibrary(int grpType, const ComponentRecord& comp, ElementLibrary& lib) {
  const LibraryId id = LibraryFor(grpType, comp.CompType);
  CurReadFile = id == LibraryId::None ? comp.CompFile : LibraryFile(in_.Db, id);
  return Check(LoadElmLib(in_.Db, grpType, comp.CompType, lib));
}

Status ReportWalk::Finish(const std::string& target, const WriteFault* fault) const {
  if (Status saved = out_.Save(target, fault); !saved) {
    return Status::Error("Failed to open " + target + " for output!\n" + saved.message);
  }
  if (!outcome_) return outcome_;
  return {true, "Report written to file: " + target};
}

}  // namespace kelca
