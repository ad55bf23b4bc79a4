#include <gtest/gtest.h>

#include <algorithm>

#include "building/ComponentRecord.h"
#include "building/ElementRecord.h"
#include "building/GroupRecord.h"
#include "common/Paths.h"
#include "support/TempFolder.h"

using namespace kelca;
using kelca::testing::TempFolder;

namespace {
bool Contains(const Status& s, const std::string& text) { return s.message.find(text) != std::string::npos; }

GroupRecord FloorGroup() {
  GroupRecord g;
  g.GrpFile = "TYPICAL.FLR";
  g.GrpName = "Typical floor";
  g.GrpQty = 30;
  g.GrpCompCount = 2;
  g.GrpCompFile[0] = "WALL.FLC";
  g.GrpCompName[0] = "Walls";
  g.GrpCompType[0] = 0;
  g.GrpCompQty[0] = 1;
  g.GrpCompFile[1] = "DESKS.FLC";
  g.GrpCompName[1] = "Desks";
  g.GrpCompType[1] = 2;
  g.GrpCompQty[1] = 0.25f;
  return g;
}

ElementRecord Element(int values) {
  ElementRecord e;
  e.ElmFile = "SLAB.FLE";
  e.ElmName = "Slab";
  e.ElmType = 12;
  for (int k = 0; k < values; ++k) {
    e.ElmValue[k] = std::to_string(k + 1) + ".5";
    e.ElmRemark[k] = "r" + std::to_string(k);
  }
  return e;
}
}  // namespace

TEST(GroupFile, RoundTripAndFiveLinesWithoutComponents) {
  TempFolder tmp;
  const GroupRecord g = FloorGroup();
  ASSERT_TRUE(WriteGroupFile(tmp.Folder(), kFloor, g));
  EXPECT_EQ(tmp.Read("TYPICAL.FLR"),
            "\"TYPICAL.FLR\"\r\n200\r\n\"Typical floor\"\r\n30\r\n2\r\n"
            "\"WALL.FLC\",\"Walls\",0,1\r\n\"DESKS.FLC\",\"Desks\",2,0.25\r\n");
  GroupRecord back;
  back.GrpFile = "/somewhere/else/TYPICAL.FLR";  // only the name is looked up, in the folder
  ASSERT_TRUE(ReadGroupFile(tmp.Folder(), kFloor, "Floor", back));
  EXPECT_EQ(back.GrpName, "Typical floor");
  EXPECT_FLOAT_EQ(back.GrpQty, 30);
  ASSERT_EQ(back.GrpCompCount, 2);
  EXPECT_EQ(back.GrpCompFile[1], "DESKS.FLC");
  EXPECT_EQ(back.GrpCompName[1], "Desks");
  EXPECT_EQ(back.GrpCompType[1], 2);
  EXPECT_FLOAT_EQ(back.GrpCompQty[1], 0.25f);

  GroupRecord empty;
  empty.GrpFile = "PILES.FDN";
  empty.GrpName = "Piles";
  empty.GrpQty = 1;
  ASSERT_TRUE(WriteGroupFile(tmp.Folder(), kFoundation, empty));
  EXPECT_EQ(tmp.Read("PILES.FDN"), "\"PILES.FDN\"\r\n100\r\n\"Piles\"\r\n1\r\n0\r\n");
  back.GrpFile = "PILES.FDN";
  ASSERT_TRUE(ReadGroupFile(tmp.Folder(), kFoundation, "Foundation", back));
  EXPECT_EQ(back.GrpCompCount, 0);
}

TEST(GroupFile, WrongGroupTypeIsRefusedWordForWordAndTheRecordKept) {
  TempFolder tmp;
  ASSERT_TRUE(WriteGroupFile(tmp.Folder(), kFloor, FloorGroup()));
  GroupRecord g;
  g.GrpFile = "TYPICAL.FLR";
  g.GrpName = "before";
  g.GrpCompCount = 1;
  Status s = ReadGroupFile(tmp.Folder(), kFoundation, "Foundation", g);
  EXPECT_FALSE(s);
  EXPECT_EQ(s.message, "TYPICAL.FLR is not a Foundation file!");
  EXPECT_EQ(g.GrpName, "before");
  EXPECT_EQ(g.GrpCompCount, 1);
}

TEST(GroupFile, MalformedFilesNameTheFile) {
  TempFolder tmp;
  GroupRecord g;
  g.GrpFile = "CUT.FLR";
  tmp.Write("CUT.FLR", "\"CUT.FLR\"\r\n200\r\n\"Cut\"\r\n1\r\n3\r\n\"A.FLC\",\"A\",0,1\r\n\"B.FLC\",\"B\"\r\n");
  Status s = ReadGroupFile(tmp.Folder(), kFloor, "Floor", g);
  EXPECT_TRUE(Contains(s, "CUT.FLR")) << s.message;
  EXPECT_EQ(g.GrpName, "Cut");
  EXPECT_EQ(g.GrpCompCount, 1);  // the components read in full

  g.GrpFile = "MANY.FLR";
  tmp.Write("MANY.FLR", "\"MANY.FLR\"\r\n200\r\n\"Many\"\r\n1\r\n102\r\n");
  s = ReadGroupFile(tmp.Folder(), kFloor, "Floor", g);
  EXPECT_TRUE(Contains(s, "MANY.FLR")) << s.message;
  EXPECT_TRUE(Contains(s, "102")) << s.message;

  g.GrpFile = "NOCODE.FLR";
  tmp.Write("NOCODE.FLR", "\"NOCODE.FLR\"\r\n\"Floor\"\r\n");
  s = ReadGroupFile(tmp.Folder(), kFloor, "Floor", g);
  EXPECT_TRUE(Contains(s, "NOCODE.FLR: line 2")) << s.message;

  g.GrpFile = "ABSENT.FLR";
  EXPECT_TRUE(Contains(ReadGroupFile(tmp.Folder(), kFloor, "Floor", g), "ABSENT.FLR"));

  g = FloorGroup();
  g.GrpCompCount = kMaxGroupComponents + 1;
  EXPECT_FALSE(WriteGroupFile(tmp.Folder(), kFloor, g));
  EXPECT_FALSE(FileExists(tmp.File("TYPICAL.FLR")));
}

TEST(CompFile, RoundTripAndTypeCodeMismatch) {
  TempFolder tmp;
  ComponentRecord c;
  c.CompFile = "WALL.FLC";
  c.CompName = "Walls";
  c.CompType = 1;
  c.CompQty = 4;
  c.CompElmCount = kMaxComponentElements;
  for (int e = 0; e < c.CompElmCount; ++e) {
    c.CompElmFile[e] = "E" + std::to_string(e) + ".FLE";
    c.CompElmName[e] = "Element " + std::to_string(e);
    c.CompElmType[e] = e * 3;
  }
  ASSERT_TRUE(WriteCompFile(tmp.Folder(), 210, c));
  const std::string head = "\"WALL.FLC\"\r\n210\r\n\"Walls\"\r\n1\r\n4\r\n20\r\n\"E0.FLE\",\"Element 0\",0\r\n";
  EXPECT_EQ(tmp.Read("WALL.FLC").substr(0, head.size()), head);

  ComponentRecord back;
  back.CompFile = "WALL.FLC";
  ASSERT_TRUE(ReadCompFile(tmp.Folder(), 210, back));
  EXPECT_EQ(back.CompName, "Walls");
  EXPECT_EQ(back.CompType, 1);
  EXPECT_FLOAT_EQ(back.CompQty, 4);
  ASSERT_EQ(back.CompElmCount, 20);
  EXPECT_EQ(back.CompElmFile[19], "E19.FLE");
  EXPECT_EQ(back.CompElmType[19], 57);

  ComponentRecord kept;
  kept.CompFile = "WALL.FLC";
  kept.CompName = "before";
  Status s = ReadCompFile(tmp.Folder(), 110, kept);
  EXPECT_EQ(s.message, "WALL.FLC is for type 210 but not 110");
  EXPECT_EQ(kept.CompName, "before");
  EXPECT_EQ(kept.CompElmCount, 0);
}

TEST(CompFile, CountsBeyondTwentyAndTruncationAreRefused) {
  TempFolder tmp;
  ComponentRecord c;
  c.CompFile = "C.SRC";
  tmp.Write("C.SRC", "\"C.SRC\"\r\n310\r\n\"Pumps\"\r\n0\r\n1\r\n21\r\n");
  Status s = ReadCompFile(tmp.Folder(), 310, c);
  EXPECT_TRUE(Contains(s, "C.SRC")) << s.message;
  EXPECT_TRUE(Contains(s, "21")) << s.message;
  EXPECT_EQ(c.CompElmCount, 0);

  tmp.Write("C.SRC", "\"C.SRC\"\r\n310\r\n\"Pumps\"\r\n0\r\n1\r\n2\r\n\"P.SRE\",\"P\",abc\r\n");
  s = ReadCompFile(tmp.Folder(), 310, c);
  EXPECT_TRUE(Contains(s, "C.SRC: line 7")) << s.message;
  EXPECT_EQ(c.CompElmCount, 0);

  c.CompElmCount = 21;
  EXPECT_FALSE(WriteCompFile(tmp.Folder(), 310, c));
}

TEST(ElmFile, NoValuesWritesOneEmptyLineAndReadsBackEmpty) {
  TempFolder tmp;
  ASSERT_TRUE(WriteElmFile(tmp.Folder(), 220, Element(0)));
  EXPECT_EQ(tmp.Read("SLAB.FLE"), "\"SLAB.FLE\"\r\n220\r\n\"Slab\"\r\n12\r\n\"\",\"\"\r\n");
  ElementRecord back = Element(5);  // values of an element read earlier
  ASSERT_TRUE(ReadElmFile(tmp.Folder(), 220, "Floor", back));
  EXPECT_EQ(back.ElmType, 12);
  EXPECT_EQ(ElementValueCount(back), 0);
  for (int k = 0; k < kElementValueSlots; ++k) EXPECT_EQ(back.ElmValue[k], "") << k;
}

TEST(ElmFile, SixteenValuesWriteSeventeenLinesAndSeventeenRoundTrip) {
  TempFolder tmp;
  ASSERT_TRUE(WriteElmFile(tmp.Folder(), 320, Element(16)));
  const std::string text = tmp.Read("SLAB.FLE");
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4 + 17);
  EXPECT_NE(text.find("\"16.5\",\"r15\"\r\n\"\",\"\"\r\n"), std::string::npos);
  ElementRecord back;
  back.ElmFile = tmp.File("SLAB.FLE");  // a full path is used as it is
  ASSERT_TRUE(ReadElmFile("/nowhere/", 320, "Services", back));
  EXPECT_EQ(ElementValueCount(back), 16);
  EXPECT_EQ(back.ElmValue[15], "16.5");
  EXPECT_EQ(back.ElmRemark[15], "r15");

  ASSERT_TRUE(WriteElmFile(tmp.Folder(), 320, Element(17)));
  ASSERT_TRUE(ReadElmFile("/nowhere/", 320, "Services", back));
  EXPECT_EQ(ElementValueCount(back), 17);
}

TEST(ElmFile, MismatchKeepsTheRecordAndBadFilesNameTheFile) {
  TempFolder tmp;
  ASSERT_TRUE(WriteElmFile(tmp.Folder(), 220, Element(3)));
  ElementRecord e = Element(2);
  e.ElmName = "before";
  Status s = ReadElmFile(tmp.Folder(), 120, "Foundation", e);
  EXPECT_EQ(s.message, "SLAB.FLE is not for a Foundation element!");
  EXPECT_EQ(e.ElmName, "before");
  EXPECT_EQ(e.ElmValue[1], "2.5");

  // Eighteen filled value lines.
  std::string many = "\"X.FLE\"\r\n220\r\n\"X\"\r\n1\r\n";
  for (int k = 0; k < 18; ++k) many += "\"1\",\"\"\r\n";
  tmp.Write("X.FLE", many);
  e.ElmFile = "X.FLE";
  s = ReadElmFile(tmp.Folder(), 220, "Floor", e);
  EXPECT_TRUE(Contains(s, "X.FLE")) << s.message;
  EXPECT_TRUE(Contains(s, "more than 17")) << s.message;

  tmp.Write("Y.FLE", "\"Y.FLE\"\r\n220\r\n\"Y\"\r\n1\r\n\"2\",\"a\"\r\n\"3\"\r\n");
  e.ElmFile = "Y.FLE";
  s = ReadElmFile(tmp.Folder(), 220, "Floor", e);
  EXPECT_TRUE(Contains(s, "Y.FLE")) << s.message;
  EXPECT_EQ(e.ElmValue[0], "2");
}
