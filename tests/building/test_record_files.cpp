// The project, group, component and element files: their layouts, round
// trips, and the refusal of files that do not fit.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "building/ComponentRecord.h"
#include "building/ElementRecord.h"
#include "building/GroupRecord.h"
#include "building/ProjectState.h"
#include "database/ElementLibrary.h"
#include "support/DbFiles.h"
#include "support/TempFolder.h"

using namespace kelca;
using kelca::testing::TempFolder;

namespace {
ElementRecord Element(int values) {
  ElementRecord e{.ElmFile = "SLAB.FLE", .ElmName = "Slab", .ElmType = 12, .ElmValue = {}, .ElmRemark = {}};
  for (int k = 0; k < values; ++k) {
    e.ElmValue[k] = std::to_string(k + 1) + ".5";
    e.ElmRemark[k] = "r" + std::to_string(k);
  }
  return e;
}

struct Outcome {
  Status status;
  int count = -1;    // components, elements, values or rows read in full
  std::string name;  // the record's name after the read; "kept" before it
};

// Reads a file with the reader of its kind (by extension) into a record named "kept".
Outcome ReadByKind(const TempFolder& tmp, const std::string& file) {
  const std::string ext = file.substr(file.size() - 3);
  Outcome o;
  if (ext == "PRJ") {
    ProjectState p;
    p.ProjName = "kept";
    o = {ReadProjectFile(tmp.File(file), p), p.FlrCount, p.ProjName};
  } else if (ext == "FLR") {
    GroupRecord g;
    g.GrpFile = file;
    g.GrpName = "kept";
    o = {ReadGroupFile(tmp.Folder(), kFloor, "Floor", g), g.GrpCompCount, g.GrpName};
  } else if (ext == "FLC") {
    ComponentRecord c;
    c.CompFile = file;
    c.CompName = "kept";
    o = {ReadCompFile(tmp.Folder(), 210, c), c.CompElmCount, c.CompName};
  } else if (ext == "FLE") {
    ElementRecord e;
    e.ElmFile = file;
    e.ElmName = "kept";
    o = {ReadElmFile(tmp.Folder(), 220, "Floor", e), ElementValueCount(e), e.ElmName};
  } else {
    auto lib = std::make_unique<ElementLibrary>();
    o = {LoadElmLibFile(tmp.File(file), *lib), lib->ElmLibCount, lib->ElmLibTitle};
  }
  return o;
}
}  // namespace

TEST(RecordFiles, ProjectFileOfOneFoundationGroupIsSixLinesAndFullListsReadBack) {
  TempFolder tmp;
  ProjectState p{.ProjFileName = "/x/OFFICE.PRJ", .ProjName = "Office \"A\"", .ProjDir = "", .CFA = 1234.5f,
                 .FdnCount = 1, .FdnFile = {"PILES.FDN"}, .FdnName = {"Piles"}, .FdnQty = {2}, .FlrFile = {},
                 .FlrName = {}, .SerFile = {}, .SerName = {}};
  ASSERT_TRUE(WriteProjectFile(tmp.File("P.PRJ"), p));
  EXPECT_EQ(tmp.Read("P.PRJ"),
            "\"/x/OFFICE.PRJ\"\r\n\"Office 'A'\",1234.5\r\n1\r\n\"PILES.FDN\",\"Piles\",2\r\n0\r\n0\r\n");
  ProjectState back;
  back.ProjFileName = "kept";
  ASSERT_TRUE(ReadProjectFile(tmp.File("P.PRJ"), back));
  EXPECT_EQ(back.ProjFileName, "kept");  // line 1 is not read into the state
  EXPECT_EQ(back.ProjName, "Office 'A'");
  EXPECT_FLOAT_EQ(back.CFA, 1234.5f);

  p.FdnCount = kMaxFdnGroups;
  p.FlrCount = kMaxFlrGroups;
  p.FlrFile[19] = "L19.FLR";
  p.FlrQty[7] = 0.7f;
  ASSERT_TRUE(WriteProjectFile(tmp.File("P.PRJ"), p));
  const std::string full = tmp.Read("P.PRJ");
  ASSERT_TRUE(ReadProjectFile(tmp.File("P.PRJ"), back));
  back.ProjFileName = p.ProjFileName;
  ASSERT_TRUE(WriteProjectFile(tmp.File("P.PRJ"), back));
  EXPECT_EQ(tmp.Read("P.PRJ"), full);  // every field was read back into its own place

  p.FlrCount = kMaxFlrGroups + 1;
  EXPECT_FALSE(WriteProjectFile(tmp.File("P.PRJ"), p));
  EXPECT_EQ(tmp.Read("P.PRJ"), full);
}

TEST(RecordFiles, GroupAndComponentFilesRoundTripAndAGroupWithoutComponentsIsFiveLines) {
  TempFolder tmp;
  ASSERT_TRUE(WriteGroupFile(tmp.Folder(), kFloor,
                             {.GrpFile = "TYPICAL.FLR", .GrpName = "Typical floor", .GrpQty = 30, .GrpCompCount = 2,
                              .GrpCompFile = {"WALL.FLC", "DESKS.FLC"}, .GrpCompName = {"Walls", "Desks"},
                              .GrpCompType = {0, 2}, .GrpCompQty = {1, 0.25f}}));
  const std::string text = tmp.Read("TYPICAL.FLR");
  EXPECT_EQ(text, "\"TYPICAL.FLR\"\r\n200\r\n\"Typical floor\"\r\n30\r\n2\r\n"
                  "\"WALL.FLC\",\"Walls\",0,1\r\n\"DESKS.FLC\",\"Desks\",2,0.25\r\n");
  GroupRecord back;
  back.GrpFile = "/somewhere/else/TYPICAL.FLR";  // only the name is looked up, in the folder
  ASSERT_TRUE(ReadGroupFile(tmp.Folder(), kFloor, "Floor", back));
  back.GrpFile = "TYPICAL.FLR";
  ASSERT_TRUE(WriteGroupFile(tmp.Folder(), kFloor, back));
  EXPECT_EQ(tmp.Read("TYPICAL.FLR"), text);
  back.GrpCompCount = kMaxGroupComponents + 1;  // beyond the lists: refused, the file stays
  EXPECT_FALSE(WriteGroupFile(tmp.Folder(), kFloor, back));
  EXPECT_EQ(tmp.Read("TYPICAL.FLR"), text);

  GroupRecord empty{.GrpFile = "PILES.FDN", .GrpName = "Piles", .GrpQty = 1, .GrpCompFile = {}, .GrpCompName = {}};
  ASSERT_TRUE(WriteGroupFile(tmp.Folder(), kFoundation, empty));
  EXPECT_EQ(tmp.Read("PILES.FDN"), "\"PILES.FDN\"\r\n100\r\n\"Piles\"\r\n1\r\n0\r\n");
  ASSERT_TRUE(ReadGroupFile(tmp.Folder(), kFoundation, "Foundation", empty));
  EXPECT_EQ(empty.GrpCompCount, 0);

  ComponentRecord c{.CompFile = "WALL.FLC", .CompName = "Walls", .CompType = 1, .CompQty = 4,
                    .CompElmCount = kMaxComponentElements, .CompElmFile = {}, .CompElmName = {}};
  for (int e = 0; e < c.CompElmCount; ++e) c.CompElmFile[e] = "E" + std::to_string(e) + ".FLE";
  c.CompElmType[19] = 57;
  ASSERT_TRUE(WriteCompFile(tmp.Folder(), 210, c));
  const std::string comp = tmp.Read("WALL.FLC");
  EXPECT_TRUE(comp.starts_with("\"WALL.FLC\"\r\n210\r\n\"Walls\"\r\n1\r\n4\r\n20\r\n\"E0.FLE\",\"\",0\r\n"));
  ComponentRecord compBack{.CompFile = "WALL.FLC", .CompName = "", .CompElmFile = {}, .CompElmName = {}};
  ASSERT_TRUE(ReadCompFile(tmp.Folder(), 210, compBack));
  ASSERT_TRUE(WriteCompFile(tmp.Folder(), 210, compBack));
  EXPECT_EQ(tmp.Read("WALL.FLC"), comp);
  compBack.CompElmCount = kMaxComponentElements + 1;
  EXPECT_FALSE(WriteCompFile(tmp.Folder(), 210, compBack));
  EXPECT_EQ(tmp.Read("WALL.FLC"), comp);
}

TEST(RecordFiles, ElementFileOfNoValuesIsOneEmptyLineAndOfSixteenSeventeen) {
  TempFolder tmp;
  ASSERT_TRUE(WriteElmFile(tmp.Folder(), 220, Element(0)));
  EXPECT_EQ(tmp.Read("SLAB.FLE"), "\"SLAB.FLE\"\r\n220\r\n\"Slab\"\r\n12\r\n\"\",\"\"\r\n");
  ElementRecord back = Element(5);  // values of an element read earlier
  ASSERT_TRUE(ReadElmFile(tmp.Folder(), 220, "Floor", back));
  EXPECT_EQ(back.ElmType, 12);
  for (int k = 0; k < kElementValueSlots; ++k) EXPECT_EQ(back.ElmValue[k], "") << k;

  ASSERT_TRUE(WriteElmFile(tmp.Folder(), 320, Element(16)));
  const std::string text = tmp.Read("SLAB.FLE");
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4 + 17);
  EXPECT_TRUE(text.ends_with("\"16.5\",\"r15\"\r\n\"\",\"\"\r\n"));
  back.ElmFile = tmp.File("SLAB.FLE");  // a full path is used as it is
  ASSERT_TRUE(ReadElmFile("/nowhere/", 320, "Services", back));
  EXPECT_EQ(ElementValueCount(back), 16);
  EXPECT_EQ(back.ElmRemark[15], "r15");

  ASSERT_TRUE(WriteElmFile(tmp.Folder(), 320, Element(17)));
  ASSERT_TRUE(ReadElmFile("/nowhere/", 320, "Services", back));
  EXPECT_EQ(ElementValueCount(back), 17);
}

TEST(RecordFiles, AWrongTypeCodeIsRefusedWordForWordAndTheRecordKept) {
  const struct {
    const char* file;
    int code;
    const char* message;
  } cases[] = {{"F.FLR", 100, "F.FLR is not a Floor file!"},
               {"F.FLC", 110, "F.FLC is for type 110 but not 210"},
               {"F.FLE", 120, "F.FLE is not for a Floor element!"}};
  TempFolder tmp;
  for (const auto& c : cases) {
    tmp.Write(c.file, "\"x\"\r\n" + std::to_string(c.code) + "\r\n\"Name\"\r\n1\r\n0\r\n");
    const Outcome o = ReadByKind(tmp, c.file);
    EXPECT_EQ(o.status.message, c.message);
    EXPECT_EQ(o.name, "kept");
  }
}

TEST(RecordFiles, MalformedFilesAreRefusedNamingTheFileAndKeepWhatWasReadInFull) {
  using kelca::testing::LibraryLine;
  const std::string head = LibraryLine("FABRIC", "Fabric");
  std::string rows = head, values = "\"X.FLE\"\r\n220\r\n\"X\"\r\n1\r\n";
  for (int row = 0; row <= kElmLibRows; ++row) rows += LibraryLine(std::to_string(row % 301), "T");
  for (int k = 0; k < 18; ++k) values += "\"1\",\"\"\r\n";
  const struct {
    const char* file;
    std::string text, fragment;
    int kept;
  } cases[] = {
      {"CUT.PRJ", "\"p\"\r\n\"T\",500\r\n0\r\n2\r\n\"A.FLR\",\"A\",1\r\n\"B.FLR\",\"B\"\r\n", "ends early", 1},
      {"MANY.PRJ", "\"p\"\r\n\"Tower\",500\r\n11\r\n", "11", 0},
      {"BAD.PRJ", "\"p\"\r\n\"Tower\",lots\r\n", "BAD.PRJ: line 2", 0},
      {"CUT.FLR", "\"CUT.FLR\"\r\n200\r\n\"Cut\"\r\n1\r\n3\r\n\"A.FLC\",\"A\",0,1\r\n\"B.FLC\",\"B\"\r\n", "early", 1},
      {"MANY.FLR", "\"MANY.FLR\"\r\n200\r\n\"Many\"\r\n1\r\n102\r\n", "102", 0},
      {"NOCODE.FLR", "\"NOCODE.FLR\"\r\n\"Floor\"\r\n", "NOCODE.FLR: line 2", 0},
      {"MANY.FLC", "\"MANY.FLC\"\r\n210\r\n\"Pumps\"\r\n0\r\n1\r\n21\r\n", "21", 0},
      {"BAD.FLC", "\"BAD.FLC\"\r\n210\r\n\"P\"\r\n0\r\n1\r\n2\r\n\"P.FLE\",\"P\",abc\r\n", "BAD.FLC: line 7", 0},
      {"X.FLE", values, "more than 17", 17},
      {"Y.FLE", "\"Y.FLE\"\r\n220\r\n\"Y\"\r\n1\r\n\"2\",\"a\"\r\n\"3\"\r\n", "early", 2},
      {"CODE.ELB", head + LibraryLine("4", "Four") + LibraryLine("301", "Too high"), "301", 1},
      {"NEG.ELB", head + LibraryLine("-1", "Negative"), "-1", 0},
      {"MANY.ELB", rows, "more than 301", kElmLibRows},
      {"SHORT.ELB", head + "\"5\",\"Half a line\"\r\n", "ends early", 0},
  };
  TempFolder tmp;
  for (const auto& c : cases) {
    tmp.Write(c.file, c.text);
    const Outcome o = ReadByKind(tmp, c.file);
    EXPECT_FALSE(o.status) << c.file;
    EXPECT_NE(o.status.message.find(c.file), std::string::npos) << o.status.message;
    EXPECT_NE(o.status.message.find(c.fragment), std::string::npos) << o.status.message;
    EXPECT_EQ(o.count, c.kept) << c.file;
  }
  EXPECT_NE(ReadByKind(tmp, "ABSENT.FLR").status.message.find("ABSENT.FLR"), std::string::npos);
}
