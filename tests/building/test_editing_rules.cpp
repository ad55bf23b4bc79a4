// The rules the building editors share: file names of records, the
// re-derived selection weights, and the default material values of an element.
#include <gtest/gtest.h>

#include <memory>

#include "building/MaterialOverrides.h"
#include "building/RecordFileNames.h"
#include "building/SelectionTables.h"
#include "database/MaterialTable.h"

using namespace kelca;

TEST(RecordFileNames, ChosenNamesGetTheirExtensionAndNamesThatCannotBeFilesAreRefused) {
  const struct {
    std::string chosen;
    bool ok;
    std::string path;
  } cases[] = {
      {"/p/WALL", true, "/p/WALL.FLE"},     {"/p/wall.fle", true, "/p/wall.fle"},
      {"/p/Wall 1.5", true, "/p/Wall 1.5.FLE"}, {"/p/", false, ""},
      {"/p/..", false, ""},                 {"/p/a\\b.FLE", false, ""},
      {std::string("/p/a\0b", 6), false, ""},
  };
  for (const auto& c : cases) {
    std::string path;
    EXPECT_EQ(CheckedRecordPath(c.chosen, ".FLE", path).ok, c.ok) << c.chosen;
    if (c.ok) {
      EXPECT_EQ(path, c.path);
    }
  }
  EXPECT_TRUE(CheckNameForFile("Slab (1.5 m)").ok);
  for (const std::string& bad : {std::string(""), std::string("1/2 slab"), std::string("a\\b"), std::string("a\0", 2)}) {
    EXPECT_FALSE(CheckNameForFile(bad).ok) << bad;
  }
  EXPECT_EQ(ProposedRecordFileName("", "Slab", ".FLE"), "Slab.FLE");
  EXPECT_EQ(ProposedRecordFileName("/elsewhere/S.FLE", "Slab", ".FLE"), "S.FLE");
}

TEST(SelectionRederived, ComponentsFollowTheirElementsAndGroupsTheirComponents) {
  auto sel = std::make_unique<SelectionTables>();
  ResetAllSel(*sel);
  const struct {
    float weight;
    bool secondFlag;
    float after;
  } components[] = {{0.5f, true, 1}, {1, false, 0.5f}, {0.5f, false, 0.5f}, {0, true, 0}, {0, false, 0}};
  for (const auto& c : components) {
    SetCompWeight(*sel, kFloor, 3, 7, c.weight);
    sel->Flr.ElmSel[3][7].fill(false);
    sel->Flr.ElmSel[3][7][0] = true;
    sel->Flr.ElmSel[3][7][1] = c.secondFlag;
    RederiveCompSel(*sel, kFloor, 3, 7, 2);
    EXPECT_EQ(CompWeight(*sel, kFloor, 3, 7), c.after) << c.weight << " " << c.secondFlag;
    EXPECT_EQ(sel->Flr.ElmSel[3][7][20], c.weight != 1 && c.after == 1);  // becoming All flags every slot
  }

  const struct {
    float group;
    float secondComp;
    float after;
  } groups[] = {{1, 0, 0.5f}, {1, 1, 1}, {0.5f, 1, 1}, {0.5f, 0, 0.5f}, {0, 0.5f, 0}};
  for (const auto& g : groups) {
    SetGroupWeight(*sel, kServices, 19, g.group);
    SetCompWeight(*sel, kServices, 19, 0, 1);
    SetCompWeight(*sel, kServices, 19, 1, g.secondComp);
    RederiveGroupSel(*sel, kServices, 19, 2);
    EXPECT_EQ(GroupWeight(*sel, kServices, 19), g.after) << g.group << " " << g.secondComp;
    EXPECT_EQ(CompWeight(*sel, kServices, 19, 1), g.secondComp);
  }
  EXPECT_EQ(GroupWeight(*sel, kServices, 20), 0);
  EXPECT_EQ(ElementFlags(*sel, kFoundation, 10, 0), nullptr);
  EXPECT_EQ(SkipFlag(*sel, 400), nullptr);
}

TEST(MaterialDefaults, ComeFromTheElementsOwnMaterialsOrItsOperationsFile) {
  auto materials = std::make_unique<MaterialTable>();
  DbLocations db;
  ASSERT_TRUE(OpenDatabase(KELCA_SOURCE_DIR "/data/db/MATLCIA.IDB", db, *materials).ok);
  ElementRecord own;
  own.ElmType = 0;
  own.ElmValue = {"3", "10", "5", "60", "101", "2", "1", "25"};
  MaterialDefaults d;
  ASSERT_TRUE(LoadMaterialDefaults(own, 220, 0, db, *materials, d).ok);
  ASSERT_EQ(d.Count, 2);
  EXPECT_EQ(d.Value[0], (MaterialValues{3, 5, 60, materials->MatCost[3]}));
  EXPECT_EQ(d.Value[1].MatNo, 101);
  EXPECT_EQ(d.Value[1].Life, 25);

  ElementRecord slab;
  slab.ElmType = 1;
  ASSERT_TRUE(LoadMaterialDefaults(slab, 220, 1, db, *materials, d).ok);
  ASSERT_EQ(d.Count, 3);
  EXPECT_EQ(d.Value[1].MatNo, 25);
  EXPECT_EQ(d.Value[1].Wastage, 3);
  EXPECT_EQ(LoadMaterialDefaults(slab, 210, 1, db, *materials, d).message, "Type of element undefined!!");
  slab.ElmType = 299;
  EXPECT_NE(LoadMaterialDefaults(slab, 220, 1, db, *materials, d).message.find("E299.IMP"), std::string::npos);
}
