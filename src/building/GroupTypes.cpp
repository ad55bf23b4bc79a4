#include "building/GroupTypes.h"

#include <algorithm>
#include <vector>

#include "building/ProjectState.h"

namespace kelca {
namespace {

// Index 0, 1, 2 for Foundation, Floor, Services; -1 for any other code.
int TypeIndex(int grpType) {
  switch (grpType) {
    case kFoundation: return 0;
    case kFloor: return 1;
    case kServices: return 2;
    default: return -1;
  }
}

template <class T>
T PerType(int grpType, const std::array<T, 3>& values, T otherwise) {
  const int i = TypeIndex(grpType);
  return i < 0 ? otherwise : values[i];
}

// The names, as many per group type as CompTypeCount gives.
const std::vector<std::string>& CompTypeList(int typeIndex) {
  static const std::array<std::vector<std::string>, 3> lists = {{
      {"Foundation"},
      {"Envelope", "Frame", "Contents"},
      {"HVAC", "Elec. & Lighting", "Fire Services", "Lifts & Escalators", "P & D"},
  }};
  return lists[typeIndex];
}

}  // namespace

bool IsGroupType(int grpType) { return TypeIndex(grpType) >= 0; }

std::string GroupTypeName(int grpType) {
  return PerType<std::string>(grpType, {"Foundation", "Floor", "Services"}, "");
}

int CompFileTypeCode(int grpType) { return IsGroupType(grpType) ? grpType + 10 : 0; }
int ElmFileTypeCode(int grpType) { return IsGroupType(grpType) ? grpType + 20 : 0; }

int GroupTypeOfFileTypeCode(int fileTypeCode) {
  const int grpType = fileTypeCode - fileTypeCode % 100;
  const int offset = fileTypeCode % 100;
  return IsGroupType(grpType) && (offset == 10 || offset == 20) ? grpType : 0;
}

std::string GroupFileExtension(int grpType) { return PerType<std::string>(grpType, {".FDN", ".FLR", ".SER"}, ""); }
std::string CompFileExtension(int grpType) { return PerType<std::string>(grpType, {".FDC", ".FLC", ".SRC"}, ""); }
std::string ElmFileExtension(int grpType) { return PerType<std::string>(grpType, {".FDE", ".FLE", ".SRE"}, ""); }

int MaxGroups(int grpType) { return PerType<int>(grpType, {kMaxFdnGroups, kMaxFlrGroups, kMaxSerGroups}, 0); }

void LoadCompTypeNames(int grpType, CompTypeNameList& names) {
  names.fill("");
  const int i = TypeIndex(grpType);
  if (i < 0) return;
  const auto& list = CompTypeList(i);
  std::copy(list.begin(), list.end(), names.begin());
}

}  // namespace kelca
