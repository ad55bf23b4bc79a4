#pragma once
// The three group types (Foundation, Floor, Services) and what follows from
// them: words, file extensions, file type codes, group limits and component
// type names.
#include <array>
#include <string>

#include "common/GroupTypeCodes.h"

namespace kelca {

bool IsGroupType(int grpType);
// "Foundation", "Floor", "Services"; empty for any other code.
std::string GroupTypeName(int grpType);
// 110/210/310 and 120/220/320; 0 for any other code.
int CompFileTypeCode(int grpType);
int ElmFileTypeCode(int grpType);
// The group type of a component or element file type code (110 -> 100); 0 if none.
int GroupTypeOfFileTypeCode(int fileTypeCode);
// ".FDN"/".FLR"/".SER", ".FDC"/".FLC"/".SRC", ".FDE"/".FLE"/".SRE"; empty for any other code.
std::string GroupFileExtension(int grpType);
std::string CompFileExtension(int grpType);
std::string ElmFileExtension(int grpType);
// 10 foundation groups, 20 floor and 20 services groups; 0 for any other code.
int MaxGroups(int grpType);

// Component types of the current group type, by 0-based position.
constexpr int kCompTypeSlots = 20;
using CompTypeNameList = std::array<std::string, kCompTypeSlots>;

// Clears the names and fills them for the group type; any other code leaves them empty.
void LoadCompTypeNames(int grpType, CompTypeNameList& names);

}  // namespace kelca
