#include <gtest/gtest.h>

#include "building/ProjectState.h"
#include "support/TempFolder.h"

using namespace kelca;
using kelca::testing::TempFolder;

namespace {
ProjectState ProjectWithOneFoundation() {
  ProjectState p;
  p.ProjFileName = "/x/OFFICE.PRJ";
  p.ProjName = "Office \"A\"";
  p.CFA = 1234.5f;
  p.FdnCount = 1;
  p.FdnFile[0] = "PILES.FDN";
  p.FdnName[0] = "Piles";
  p.FdnQty[0] = 2;
  return p;
}
}  // namespace

TEST(ProjectFile, OneFoundationGroupWritesSixLinesAndReadsBack) {
  TempFolder tmp;
  ASSERT_TRUE(WriteProjectFile(tmp.File("P.PRJ"), ProjectWithOneFoundation()));
  EXPECT_EQ(tmp.Read("P.PRJ"),
            "\"/x/OFFICE.PRJ\"\r\n\"Office 'A'\",1234.5\r\n1\r\n\"PILES.FDN\",\"Piles\",2\r\n0\r\n0\r\n");

  ProjectState back;
  back.ProjFileName = "kept";
  ASSERT_TRUE(ReadProjectFile(tmp.File("P.PRJ"), back));
  EXPECT_EQ(back.ProjFileName, "kept");  // line 1 is not read into the state
  EXPECT_EQ(back.ProjName, "Office 'A'");
  EXPECT_FLOAT_EQ(back.CFA, 1234.5f);
  ASSERT_EQ(back.FdnCount, 1);
  EXPECT_EQ(back.FdnFile[0], "PILES.FDN");
  EXPECT_EQ(back.FdnName[0], "Piles");
  EXPECT_FLOAT_EQ(back.FdnQty[0], 2);
  EXPECT_EQ(back.FlrCount, 0);
  EXPECT_EQ(back.SerCount, 0);
}

TEST(ProjectFile, FullListsRoundTrip) {
  TempFolder tmp;
  ProjectState p = ProjectWithOneFoundation();
  p.FdnCount = kMaxFdnGroups;
  p.FlrCount = kMaxFlrGroups;
  p.FlrFile[19] = "L19.FLR";
  p.FlrQty[7] = 0.7f;
  ASSERT_TRUE(WriteProjectFile(tmp.File("P.PRJ"), p));
  ProjectState back;
  ASSERT_TRUE(ReadProjectFile(tmp.File("P.PRJ"), back));
  EXPECT_EQ(back.FdnCount, kMaxFdnGroups);
  EXPECT_EQ(back.FlrCount, kMaxFlrGroups);
  EXPECT_EQ(back.FlrFile[19], "L19.FLR");
  EXPECT_EQ(back.FlrQty[7], 0.7f);
  EXPECT_EQ(back.SerCount, 0);
}

TEST(ProjectFile, ReadFailuresNameTheFileAndKeepWhatWasRead) {
  TempFolder tmp;
  // Breaks off inside the second floor group.
  tmp.Write("CUT.PRJ", "\"p\"\r\n\"Tower\",500\r\n0\r\n2\r\n\"A.FLR\",\"A\",1\r\n\"B.FLR\",\"B\"\r\n");
  ProjectState p;
  p.SerCount = 1;
  p.SerFile[0] = "OLD.SER";
  Status s = ReadProjectFile(tmp.File("CUT.PRJ"), p);
  EXPECT_FALSE(s);
  EXPECT_NE(s.message.find("CUT.PRJ"), std::string::npos) << s.message;
  EXPECT_NE(s.message.find("ends early"), std::string::npos) << s.message;
  EXPECT_EQ(p.ProjName, "Tower");
  EXPECT_FLOAT_EQ(p.CFA, 500);
  EXPECT_EQ(p.FlrCount, 1);  // only the group read in full counts
  EXPECT_EQ(p.FlrFile[0], "A.FLR");
  EXPECT_EQ(p.SerCount, 1);  // never reached
  EXPECT_EQ(p.SerFile[0], "OLD.SER");

  tmp.Write("MANY.PRJ", "\"p\"\r\n\"Tower\",500\r\n11\r\n");
  s = ReadProjectFile(tmp.File("MANY.PRJ"), p);
  EXPECT_FALSE(s);
  EXPECT_NE(s.message.find("MANY.PRJ"), std::string::npos);
  EXPECT_NE(s.message.find("11"), std::string::npos) << s.message;

  tmp.Write("BAD.PRJ", "\"p\"\r\n\"Tower\",lots\r\n");
  s = ReadProjectFile(tmp.File("BAD.PRJ"), p);
  EXPECT_NE(s.message.find("BAD.PRJ: line 2"), std::string::npos) << s.message;

  s = ReadProjectFile(tmp.File("NONE.PRJ"), p);
  EXPECT_FALSE(s);
  EXPECT_NE(s.message.find("NONE.PRJ"), std::string::npos);
}

TEST(ProjectFile, WriterRefusesCountsBeyondTheListsAndKeepsTheOldFile) {
  TempFolder tmp;
  ASSERT_TRUE(WriteProjectFile(tmp.File("P.PRJ"), ProjectWithOneFoundation()));
  const std::string before = tmp.Read("P.PRJ");
  ProjectState bad = ProjectWithOneFoundation();
  bad.FlrCount = kMaxFlrGroups + 1;
  Status s = WriteProjectFile(tmp.File("P.PRJ"), bad);
  EXPECT_FALSE(s);
  EXPECT_NE(s.message.find("P.PRJ"), std::string::npos);
  EXPECT_EQ(tmp.Read("P.PRJ"), before);
}
