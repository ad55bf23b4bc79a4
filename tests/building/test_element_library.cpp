#include <gtest/gtest.h>

#include <memory>

#include "building/ElementLibrary.h"
#include "building/GroupTypes.h"
#include "lca/ElementLibraries.h"
#include "support/DbFiles.h"
#include "support/TempFolder.h"

using namespace kelca;
using kelca::testing::LibraryLine;
using kelca::testing::TempFolder;

namespace {
bool Contains(const Status& s, const std::string& text) { return s.message.find(text) != std::string::npos; }

const std::string kHead = LibraryLine("FABRIC", "Building fabric elements");
}  // namespace

TEST(ElementLibrary, LoadsRowsCodesTitleAndItems) {
  TempFolder tmp;
  tmp.Write("FABRIC.ELB", kHead + LibraryLine("12", "Concrete slab", {{"Area", "m2"}, {"Thickness", "mm"}}) +
                              LibraryLine(" 7.6 walls", "Brick wall", {{"Length", "m"}}) +
                              LibraryLine("0", "Own materials"));
  auto lib = std::make_unique<ElementLibrary>();
  ASSERT_TRUE(LoadElmLibFile(tmp.File("FABRIC.ELB"), *lib));
  EXPECT_EQ(lib->ElmLibTitle, "Building fabric elements");
  ASSERT_EQ(lib->ElmLibCount, 3);
  EXPECT_EQ(lib->ElmLibCodeOfRow[0], 12);
  EXPECT_EQ(lib->ElmLibCodeOfRow[1], 8);  // leading number rounded
  EXPECT_EQ(lib->ElmLibRowOfCode[12], 0);
  EXPECT_EQ(ElmLibRowOf(*lib, 0), 2);
  EXPECT_EQ(ElmLibRowOf(*lib, 5), -1);
  EXPECT_EQ(ElmLibRowOf(*lib, 301), -1);
  EXPECT_EQ(ElmTypeName(*lib, 8), "Brick wall");
  EXPECT_EQ(ElmTypeName(*lib, 99), "");
  EXPECT_EQ(lib->ElmLibName[0], "Concrete slab");
  EXPECT_EQ(lib->ElmLib[0][3], "Thickness");
  EXPECT_EQ(ElmItemName(*lib, 0, 1), "Thickness");
  EXPECT_EQ(ElmItemUnit(*lib, 0, 1), "mm");
  EXPECT_EQ(ElmItemUnit(*lib, 0, 16), "");
  EXPECT_EQ(ElmItemName(*lib, 3, 0), "");
}

TEST(ElementLibrary, ReloadingForgetsTheEarlierLibrary) {
  TempFolder tmp;
  tmp.Write("A.ELB", kHead + LibraryLine("1", "One") + LibraryLine("2", "Two"));
  tmp.Write("B.ELB", LibraryLine("x", "B title") + LibraryLine("3", "Three"));
  auto lib = std::make_unique<ElementLibrary>();
  ASSERT_TRUE(LoadElmLibFile(tmp.File("A.ELB"), *lib));
  ASSERT_TRUE(LoadElmLibFile(tmp.File("B.ELB"), *lib));
  EXPECT_EQ(lib->ElmLibCount, 1);
  EXPECT_EQ(ElmTypeName(*lib, 2), "");
  EXPECT_EQ(ElmLibRowOf(*lib, 1), -1);
  EXPECT_EQ(lib->ElmLibName[1], "");
  EXPECT_EQ(lib->ElmLib[1][0], "");
}

TEST(ElementLibrary, BadCodesTooManyRowsAndShortLinesAreRefused) {
  TempFolder tmp;
  auto lib = std::make_unique<ElementLibrary>();
  tmp.Write("CODE.ELB", kHead + LibraryLine("4", "Four") + LibraryLine("301", "Too high"));
  Status s = LoadElmLibFile(tmp.File("CODE.ELB"), *lib);
  EXPECT_TRUE(Contains(s, "CODE.ELB")) << s.message;
  EXPECT_TRUE(Contains(s, "301")) << s.message;
  EXPECT_EQ(lib->ElmLibCount, 1);  // the row before stays
  EXPECT_EQ(ElmTypeName(*lib, 4), "Four");

  tmp.Write("NEG.ELB", kHead + LibraryLine("-1", "Negative"));
  EXPECT_TRUE(Contains(LoadElmLibFile(tmp.File("NEG.ELB"), *lib), "NEG.ELB"));

  std::string many = kHead;
  for (int row = 0; row <= kElmLibRows; ++row) many += LibraryLine(std::to_string(row % 301), "T");
  tmp.Write("MANY.ELB", many);
  s = LoadElmLibFile(tmp.File("MANY.ELB"), *lib);
  EXPECT_TRUE(Contains(s, "MANY.ELB")) << s.message;
  EXPECT_TRUE(Contains(s, "more than 301")) << s.message;
  EXPECT_EQ(lib->ElmLibCount, kElmLibRows);

  tmp.Write("SHORT.ELB", kHead + "\"5\",\"Half a line\"\r\n");
  s = LoadElmLibFile(tmp.File("SHORT.ELB"), *lib);
  EXPECT_TRUE(Contains(s, "SHORT.ELB")) << s.message;
  EXPECT_EQ(lib->ElmLibCount, 0);
}

TEST(ElementLibrary, TheLibraryFollowsGroupAndComponentType) {
  EXPECT_EQ(LibraryFor(kFoundation, 0), LibraryId::Found);
  EXPECT_EQ(LibraryFor(kFloor, 0), LibraryId::Fabric);
  EXPECT_EQ(LibraryFor(kFloor, 1), LibraryId::Fabric);
  EXPECT_EQ(LibraryFor(kFloor, 2), LibraryId::Contents);
  EXPECT_EQ(LibraryFor(kServices, 0), LibraryId::Mech);
  EXPECT_EQ(LibraryFor(kServices, 1), LibraryId::Elec);
  EXPECT_EQ(LibraryFor(kServices, 2), LibraryId::Mech);
  EXPECT_EQ(LibraryFor(kServices, 3), LibraryId::Elec);
  EXPECT_EQ(LibraryFor(kServices, 4), LibraryId::Mech);
  EXPECT_EQ(LibraryFor(kFloor, 3), LibraryId::None);
  EXPECT_EQ(LibraryFor(kServices, -1), LibraryId::None);
  EXPECT_EQ(LibraryFor(400, 0), LibraryId::None);

  TempFolder tmp;
  DbLocations db;
  db.LcaDbFolder = tmp.Folder();
  SetLibraryLocations(db);
  std::filesystem::create_directory(tmp.File("CONTENTS"));
  tmp.Write("CONTENTS/CONTENTS.ELB", LibraryLine("", "Contents") + LibraryLine("9", "Desk"));
  auto lib = std::make_unique<ElementLibrary>();
  ASSERT_TRUE(LoadElmLib(db, kFloor, 2, *lib));
  EXPECT_EQ(lib->ElmLibTitle, "Contents");
  EXPECT_TRUE(Contains(LoadElmLib(db, kFloor, 0, *lib), "FABRIC.ELB"));
  EXPECT_FALSE(LoadElmLib(db, kFloor, 7, *lib));
  EXPECT_EQ(OperationsFilePath(db, kServices, 3, 12, OperationsKind::Cost), tmp.Folder() + "ELECTSER/E12.CST");
  EXPECT_EQ(OperationsFilePath(db, kFoundation, 0, 7, OperationsKind::Impact), tmp.Folder() + "FOUND/E7.IMP");
  EXPECT_EQ(OperationsFilePath(db, kFloor, 5, 7, OperationsKind::Impact), "");
}

TEST(GroupTypes, FileTypeCodesAndComponentTypeNames) {
  EXPECT_EQ(GroupTypeOfFileTypeCode(220), kFloor);
  EXPECT_EQ(GroupTypeOfFileTypeCode(230), 0);
  EXPECT_EQ(GroupTypeOfFileTypeCode(420), 0);
  EXPECT_EQ(CompFileTypeCode(250), 0);

  CompTypeNameList names;
  names.fill("stale");
  LoadCompTypeNames(kServices, names);
  EXPECT_EQ(names[3], "Lifts & Escalators");
  EXPECT_EQ(names[4], "P & D");
  EXPECT_EQ(names[5], "");
  EXPECT_EQ(names[19], "");
  LoadCompTypeNames(0, names);
  EXPECT_EQ(names[0], "");
}
