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
template <class F>
void WithType(SelectionTables& sel, int grpType, F&& f) {
  switch (grpType) {
    case kFoundation: f(sel.Fdn); break;
    case kFloor: f(sel.Flr); break;
    case kServices: f(sel.Ser); break;
    default: break;
  }
}

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

}  // namespace kelca
