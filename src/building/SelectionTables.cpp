#include "building/SelectionTables.h"

namespace kelca {
namespace {

float GroupWeight(int mode) { return mode == 0 ? 1.0f : 0.0f; }

template <int Groups>
void ResetComp(TypeSelection<Groups>& t, int g, int c, int mode) {
  if (g < 0 || g >= Groups || c < 0 || c >= kMaxGroupComponents) return;
  t.ElmSel[g][c].fill(mode == 0);
}

template <int Groups>
void ResetGroup(TypeSelection<Groups>& t, int g, int mode) {
  if (g < 0 || g >= Groups) return;
  for (int c = 0; c < kMaxGroupComponents; ++c) {
    t.CompSel[g][c] = GroupWeight(mode);
    ResetComp(t, g, c, mode);
  }
}

template <int Groups>
void ResetType(TypeSelection<Groups>& t, int mode) {
  for (int g = 0; g < Groups; ++g) {
    t.GrpSel[g] = GroupWeight(mode);
    ResetGroup(t, g, mode);
  }
}

// Calls f with the tables of the group type; nothing for any other code.
template <class Sel, class F>
void WithType(Sel& sel, int grpType, F&& f) {
  switch (grpType) {
    case kFoundation: f(sel.Fdn); break;
    case kFloor: f(sel.Flr); break;
    case kServices: f(sel.Ser); break;
    default: break;
  }
}

template <int Groups>
bool HasGroup(const TypeSelection<Groups>&, int g) {
  return g >= 0 && g < Groups;
}

bool IsComponentSlot(int c) { return c >= 0 && c < kMaxGroupComponents; }

}  // namespace

void ResetAllSel(SelectionTables& sel) {
  ResetTypeSel(sel, kFoundation, sel.FdnSkip);
  ResetTypeSel(sel, kFloor, sel.FlrSkip);
  ResetTypeSel(sel, kServices, sel.SerSkip);
}

void ResetTypeSel(SelectionTables& sel, int grpType, int mode) {
  WithType(sel, grpType, [&](auto& t) { ResetType(t, mode); });
}

void ResetGroupSel(SelectionTables& sel, int grpType, int g, int mode) {
  WithType(sel, grpType, [&](auto& t) { ResetGroup(t, g, mode); });
}

void ResetCompSel(SelectionTables& sel, int grpType, int g, int c, int mode) {
  WithType(sel, grpType, [&](auto& t) { ResetComp(t, g, c, mode); });
}

float GroupWeight(const SelectionTables& sel, int grpType, int g) {
  float weight = 0;
  WithType(sel, grpType, [&](const auto& t) {
    if (HasGroup(t, g)) weight = t.GrpSel[g];
  });
  return weight;
}

void SetGroupWeight(SelectionTables& sel, int grpType, int g, float weight) {
  WithType(sel, grpType, [&](auto& t) {
    if (HasGroup(t, g)) t.GrpSel[g] = weight;
  });
}

float CompWeight(const SelectionTables& sel, int grpType, int g, int c) {
  float weight = 0;
  WithType(sel, grpType, [&](const auto& t) {
    if (HasGroup(t, g) && IsComponentSlot(c)) weight = t.CompSel[g][c];
  });
  return weight;
}

void SetCompWeight(SelectionTables& sel, int grpType, int g, int c, float weight) {
  WithType(sel, grpType, [&](auto& t) {
    if (HasGroup(t, g) && IsComponentSlot(c)) t.CompSel[g][c] = weight;
  });
}

std::array<bool, kElementSlots>* ElementFlags(SelectionTables& sel, int grpType, int g, int c) {
  std::array<bool, kElementSlots>* flags = nullptr;
  WithType(sel, grpType, [&](auto& t) {
    if (HasGroup(t, g) && IsComponentSlot(c)) flags = &t.ElmSel[g][c];
  });
  return flags;
}

int* SkipFlag(SelectionTables& sel, int grpType) {
  switch (grpType) {
    case kFoundation: return &sel.FdnSkip;
    case kFloor: return &sel.FlrSkip;
    case kServices: return &sel.SerSkip;
    default: return nullptr;
  }
}

void RederiveCompSel(SelectionTables& sel, int grpType, int g, int c, int elmCount) {
  const std::array<bool, kElementSlots>* flags = ElementFlags(sel, grpType, g, c);
  if (!flags) return;
  bool allFlagged = true;
  for (int e = 0; e < elmCount && e < kElementSlots; ++e) allFlagged = allFlagged && (*flags)[e];
  const float weight = CompWeight(sel, grpType, g, c);
  if (weight == 0.5f && allFlagged) {
    SetCompWeight(sel, grpType, g, c, 1);
    ResetCompSel(sel, grpType, g, c, 0);
  } else if (weight == 1 && !allFlagged) {
    SetCompWeight(sel, grpType, g, c, 0.5f);
  }
}

void RederiveGroupSel(SelectionTables& sel, int grpType, int g, int compCount) {
  bool allWhole = true;
  for (int c = 0; c < compCount && c < kMaxGroupComponents; ++c) {
    allWhole = allWhole && CompWeight(sel, grpType, g, c) == 1;
  }
  const float weight = GroupWeight(sel, grpType, g);
  if (weight == 1 && !allWhole) SetGroupWeight(sel, grpType, g, 0.5f);
  if (weight == 0.5f && allWhole) SetGroupWeight(sel, grpType, g, 1);
}

}  // namespace kelca
