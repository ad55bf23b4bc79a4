#pragma once
// The three group types (Foundation, Floor, Services) and what follows from
// them: words, file extensions, file type codes, group limits and component
// type names.
#include <array>
#include <string>

namespace kelca {

// Group type codes as written in group files; component files carry the code
// plus 10, element files the code plus 20.
enum GroupType : int { kFoundation = 100, kFloor = 200, kServices = 300 };

constexpr std::array<int, 3> kGroupTypes = {kFoundation, kFloor, kServices};

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
// Number of component types of the group type (1, 3 or 5; 0 for any other code).
int CompTypeCount(int grpType);

}  // namespace kelca
