#include <gtest/gtest.h>

#include <memory>

#include "building/SelectionTables.h"

using namespace kelca;

namespace {
template <int G>
bool AllSlotsAre(const TypeSelection<G>& t, float weight, bool flag) {
  for (int g = 0; g < G; ++g) {
    if (t.GrpSel[g] != weight) return false;
    for (int c = 0; c < kMaxGroupComponents; ++c) {
      if (t.CompSel[g][c] != weight) return false;
      for (int e = 0; e < kElementSlots; ++e) {
        if (t.ElmSel[g][c][e] != flag) return false;
      }
    }
  }
  return true;
}
}  // namespace

TEST(Selection, ResetAllFollowsTheSkipFlagsOverEverySlot) {
  auto sel = std::make_unique<SelectionTables>();
  sel->Flr.GrpSel[19] = 0.5f;
  sel->Ser.ElmSel[19][100][20] = true;
  sel->SerSkip = 1;
  ResetAllSel(*sel);
  EXPECT_TRUE(AllSlotsAre(sel->Fdn, 1, true));
  EXPECT_TRUE(AllSlotsAre(sel->Flr, 1, true));
  EXPECT_TRUE(AllSlotsAre(sel->Ser, 0, false));
}

TEST(Selection, TypeGroupAndComponentResetsTouchOnlyTheirSlots) {
  auto sel = std::make_unique<SelectionTables>();
  ResetAllSel(*sel);
  ResetTypeSel(*sel, kFloor, 1);
  EXPECT_TRUE(AllSlotsAre(sel->Flr, 0, false));
  EXPECT_TRUE(AllSlotsAre(sel->Fdn, 1, true));

  ResetGroupSel(*sel, kFloor, 19, 0);
  EXPECT_EQ(sel->Flr.GrpSel[19], 0);  // the group weight itself is the caller's
  EXPECT_EQ(sel->Flr.CompSel[19][100], 1);
  EXPECT_TRUE(sel->Flr.ElmSel[19][100][20]);
  EXPECT_FALSE(sel->Flr.ElmSel[18][0][0]);

  ResetCompSel(*sel, kFoundation, 9, 100, 2);
  EXPECT_EQ(sel->Fdn.CompSel[9][100], 1);
  EXPECT_FALSE(sel->Fdn.ElmSel[9][100][0]);
  EXPECT_FALSE(sel->Fdn.ElmSel[9][100][20]);
  EXPECT_TRUE(sel->Fdn.ElmSel[9][99][20]);

  // Indexes outside the tables change nothing.
  ResetAllSel(*sel);
  ResetGroupSel(*sel, kFoundation, 10, 1);
  ResetGroupSel(*sel, kFoundation, -1, 1);
  ResetCompSel(*sel, kServices, 0, 101, 1);
  ResetTypeSel(*sel, 400, 1);
  EXPECT_TRUE(AllSlotsAre(sel->Fdn, 1, true));
  EXPECT_TRUE(AllSlotsAre(sel->Ser, 1, true));
}
