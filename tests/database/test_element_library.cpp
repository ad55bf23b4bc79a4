#include <gtest/gtest.h>

#include <memory>

#include "building/GroupTypes.h"
#include "database/ElementLibraries.h"
#include "database/ElementLibrary.h"
#include "support/DbFiles.h"
#include "support/TempFolder.h"

using namespace kelca;
using kelca::testing::LibraryLine;
using kelca::testing::TempFolder;

TEST(ElementLibrary, LoadsRowsCodesTitleAndItemsAndReloadingForgetsTheEarlierLibrary) {
  TempFolder tmp;
  tmp.Write("FABRIC.ELB", LibraryLine("FABRIC", "Building fabric elements") +
                              LibraryLine("12", "Concrete slab", {{"Area", "m2"}, {"Thickness", "mm"}}) +
                              LibraryLine(" 7.6 walls", "Brick wall", {{"Length", "m"}}) +
                              LibraryLine("0", "Own materials"));
  auto lib = std::make_unique<ElementLibrary>();
  ASSERT_TRUE(LoadElmLibFile(tmp.File("FABRIC.ELB"), *lib));
  EXPECT_EQ(lib->ElmLibTitle, "Building fabric elements");
  ASSERT_EQ(lib->ElmLibCount, 3);
  EXPECT_EQ(ElmTypeName(*lib, 8), "Brick wall");  // leading number rounded
  EXPECT_EQ(ElmLibRowOf(*lib, 0), 2);
  EXPECT_EQ(ElmLibRowOf(*lib, 5), -1);
  EXPECT_EQ(ElmItemName(*lib, 0, 1) + ElmItemUnit(*lib, 0, 1), "Thicknessmm");
  EXPECT_EQ(ElmItemUnit(*lib, 0, 16) + ElmItemName(*lib, 3, 0), "");  // outside the items and the rows

  tmp.Write("B.ELB", LibraryLine("x", "B title") + LibraryLine("3", "Three"));
  ASSERT_TRUE(LoadElmLibFile(tmp.File("B.ELB"), *lib));
  EXPECT_EQ(lib->ElmLibCount, 1);
  EXPECT_EQ(ElmTypeName(*lib, 8), "");
  EXPECT_EQ(ElmLibRowOf(*lib, 0), -1);
  EXPECT_EQ(lib->ElmLib[1][0], "");
}

TEST(ElementLibrary, GroupAndComponentTypeChooseTheLibraryAndItsOperationsFiles) {
  TempFolder tmp;
  DbLocations db;
  db.LcaDbFolder = tmp.Folder();
  SetLibraryLocations(db);
  const struct {
    int grpType, compType;
    const char* folder;  // "" where no library serves
  } cases[] = {{kFoundation, 0, "FOUND/"},   {kFoundation, 1, "FOUND/"},  {kFloor, 1, "FABRIC/"},
               {kFloor, 2, "CONTENTS/"},    {kServices, 2, "MECHASER/"}, {kServices, 3, "ELECTSER/"},
               {kFloor, 3, ""},             {kServices, -1, ""},         {400, 0, ""}};
  for (const auto& c : cases) {
    const std::string expected = *c.folder ? tmp.Folder() + c.folder + "E12.CST" : "";
    EXPECT_EQ(OperationsFilePath(db, c.grpType, c.compType, 12, OperationsKind::Cost), expected) << c.folder;
  }
  EXPECT_EQ(OperationsFilePath(db, kFoundation, 0, 7, OperationsKind::Impact), tmp.Folder() + "FOUND/E7.IMP");

  // A library folder copied from a system that ignores letter case.
  std::filesystem::create_directory(tmp.File("Contents"));
  tmp.Write("Contents/contents.elb", LibraryLine("", "Contents") + LibraryLine("9", "Desk"));
  auto lib = std::make_unique<ElementLibrary>();
  ASSERT_TRUE(LoadElmLib(db, kFloor, 2, *lib));
  EXPECT_EQ(lib->ElmLibTitle, "Contents");
  EXPECT_NE(LoadElmLib(db, kFloor, 0, *lib).message.find("FABRIC.ELB"), std::string::npos);
  EXPECT_FALSE(LoadElmLib(db, kFloor, 7, *lib));
}

TEST(GroupTypes, ComponentTypeNamesAreClearedFirst) {
  CompTypeNameList names;
  names.fill("stale");
  LoadCompTypeNames(kServices, names);
  EXPECT_EQ(names[4], "P & D");
  EXPECT_EQ(names[5], "");
  EXPECT_EQ(GroupTypeOfFileTypeCode(220), kFloor);
}
