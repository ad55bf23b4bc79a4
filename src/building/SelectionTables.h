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

}  // namespace kelca
