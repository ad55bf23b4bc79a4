#include <gtest/gtest.h>

#include <tuple>

#include "common/TextReader.h"
#include "common/TextWriter.h"
#include "support/TempFolder.h"

using namespace kelca;
using kelca::testing::TempFolder;

TEST(TextWriter, WriteFormOfOneLine) {
  TextWriter w;
  w.Line("name", 2.5f, 3, std::string("say \"hi\""));
  w.Line(1e-5f);
  EXPECT_EQ(w.Text(), "\"name\",2.5,3,\"say 'hi'\"\r\n1E-05\r\n");
}

TEST(TextReader, ReadsFieldsAcrossCommasAndLineEnds) {
  TextReader r("T.TXT", "\"a, b\",1.5\r\n  7 , \"x\"\n-2\n");
  std::string s, x;
  float f = 0;
  int i = 0, j = 0;
  ASSERT_TRUE(r.ReadString(s) && r.ReadSingle(f) && r.ReadInt(i) && r.ReadString(x) && r.ReadInt(j)) << r.Error();
  EXPECT_EQ(std::tuple(s, f, i, x, j), std::tuple("a, b", 1.5f, 7, "x", -2));
  EXPECT_TRUE(r.AtEnd());
  EXPECT_FALSE(r.Failed());
  // Unquoted texts are trimmed; empty fields are allowed.
  TextReader plain("T.TXT", "  plain text  ,,\"\"\r\n");
  ASSERT_TRUE(plain.ReadString(s) && plain.ReadString(x));
  EXPECT_EQ(std::pair(s, x), std::pair(std::string("plain text"), std::string()));
  EXPECT_TRUE(plain.ReadString(s) && s.empty());
}

TEST(TextReader, FailuresNameTheFileAndLineAndStick) {
  TextReader r("PROJ.PRJ", "\"x\"\r\nabc\r\n5\r\n");
  std::string s;
  int n = 0;
  ASSERT_TRUE(r.ReadString(s));
  EXPECT_FALSE(r.ReadInt(n));
  EXPECT_EQ(r.Error(), "PROJ.PRJ: line 2: expected a number, found \"abc\"");
  EXPECT_FALSE(r.ReadInt(n));  // sticky: the 5 is not read after a failure
  EXPECT_EQ(n, 0);

  TextReader open("O.TXT", "\"never closed\r\n");
  EXPECT_FALSE(open.ReadString(s));
  EXPECT_NE(open.Error().find("closing quote"), std::string::npos);
}

TEST(TextReader, CountsOutsideTheirBoundsAreRefused) {
  TextReader r("C.FLC", "21\r\n");
  int n = 0;
  EXPECT_FALSE(r.ReadCount(n, 0, 20, "element count"));
  EXPECT_EQ(r.Error(), "C.FLC: line 1: element count 21 is outside 0 to 20");
  TextReader half("H.TXT", "2.5,3.5\r\n");
  int a = 0, b = 0;
  ASSERT_TRUE(half.ReadInt(a) && half.ReadInt(b));
  EXPECT_EQ(std::pair(a, b), std::pair(2, 4));  // halves to even
}

TEST(TextFiles, RoundTripThroughDisk) {
  TempFolder tmp;
  TextWriter w;
  w.Line("Ünïcode bytes", 0.1f, -12345678.0f, 3.25);
  ASSERT_TRUE(w.Save(tmp.File("A.TXT")));
  TextReader r("", "");
  ASSERT_TRUE(TextReader::Open(tmp.File("a.txt"), r));  // case-insensitive fallback
  std::string s;
  float f = 0, g = 0;
  double d = 0;
  ASSERT_TRUE(r.ReadString(s) && r.ReadSingle(f) && r.ReadSingle(g) && r.ReadDouble(d));
  EXPECT_EQ(std::tuple(s, f, g, d), std::tuple("Ünïcode bytes", 0.1f, -12345678.0f, 3.25));
  // A missing file, and a folder that does not exist, are reported.
  const Status missing = TextReader::Open(tmp.File("NONE.TXT"), r);
  EXPECT_NE(missing.message.find("NONE.TXT"), std::string::npos);
  EXPECT_FALSE(w.Save(tmp.File("no/such/folder/X.TXT")));
}
