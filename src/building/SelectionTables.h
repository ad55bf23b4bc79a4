#pragma once
// Which groups, components and elements take part in the assessment.
#include <array>

#include "building/ComponentRecord.h"
#include "building/GroupRecord.h"
#include "building/GroupTypes.h"
#include "building/ProjectState.h"

namespace kelca {

template <int Groups>
struct TypeSelection {
  std::array<float, Groups> GrpSel{};                                          // 1 All, 0.5 Some, 0 None
  std::array<std::array<float, kMaxGroupComponents>, Groups> CompSel{};        // 1, 0.5, 0
  std::array<std::array<std::array<bool, kElementSlots>, kMaxGroupComponents>, Groups> ElmSel{};
};

struct SelectionTables {
  TypeSelection<kMaxFdnGroups> Fdn;
  TypeSelection<kMaxFlrGroups> Flr;
  TypeSelection<kMaxSerGroups> Ser;
  int FdnSkip = 0;  // "Skip All" flags: 0 unchecked, 1 checked
  int FlrSkip = 0;
  int SerSkip = 0;
};

// mode 0 selects every slot, any other mode clears every slot. Every slot of
// the type is reset, also those beyond the current group count; a group type
// or group index outside the tables changes nothing.
// ResetAllSel resets each type with its "Skip All" flag as the mode.
void ResetAllSel(SelectionTables& sel);
void ResetTypeSel(SelectionTables& sel, int grpType, int mode);
void ResetGroupSel(SelectionTables& sel, int grpType, int g, int mode);
void ResetCompSel(SelectionTables& sel, int grpType, int g, int c, int mode);

// One slot of the tables by group type: 0 (false) outside the tables, where
// setting changes nothing.
float GroupWeight(const SelectionTables& sel, int grpType, int g);
void SetGroupWeight(SelectionTables& sel, int grpType, int g, float weight);
float CompWeight(const SelectionTables& sel, int grpType, int g, int c);
void SetCompWeight(SelectionTables& sel, int grpType, int g, int c, float weight);
// The element flags of one component; nullptr outside the tables.
std::array<bool, kElementSlots>* ElementFlags(SelectionTables& sel, int grpType, int g, int c);
// The "Skip All" flag of a group type; nullptr for any other code.
int* SkipFlag(SelectionTables& sel, int grpType);

// After a component was edited: a component weighted 0.5 whose elements
// 0..elmCount-1 are all flagged becomes 1 (every element slot flagged); one
// weighted 1 with an element not flagged becomes 0.5. A weight of 0 stays.
void RederiveCompSel(SelectionTables& sel, int grpType, int g, int c, int elmCount);
// After a group was edited: a group weighted 1 with a component 0..compCount-1
// not weighted 1 becomes 0.5; a group weighted 0.5 whose components are all
// weighted 1 becomes 1. Any other group keeps its weight and its components'
// choices.
void RederiveGroupSel(SelectionTables& sel, int grpType, int g, int compCount);

}  // namespace kelca
