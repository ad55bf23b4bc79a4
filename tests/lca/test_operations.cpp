#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "common/TextWriter.h"
#include "lca/StackProgram.h"
#include "support/DbFiles.h"
#include "support/TempFolder.h"

using namespace kelca;
using kelca::testing::MaterialFileText;
using kelca::testing::TempFolder;

namespace {
using Values = std::array<std::string, kElementValueSlots>;

float Eval(const std::vector<OperationLine>& lines, const Values& values = {}) {
  static const auto empty = std::make_unique<MaterialTable>();
  StackResult r = EvaluateOperations(lines, values, *empty, {});
  EXPECT_TRUE(r) << r.Fault;
  return r.X;
}

// A table holding material 123 (row 1) and material 45 (row 2).
std::unique_ptr<MaterialTable> Materials() {
  TempFolder tmp;
  const auto text = MaterialFileText({{{123, "Brick", "m3", 1800, 0.7f, 840}, {45, "Block", "m3", 1200, 0.4f, 1000}},
                                      {},
                                      {}});
  tmp.Write("M.ILF", text);
  tmp.Write("M.IDB", text);
  auto t = std::make_unique<MaterialTable>();
  EXPECT_TRUE(LoadMaterialDatabase(tmp.File("M.ILF"), tmp.File("M.IDB"), *t));
  return t;
}
}  // namespace

TEST(StackProgram, PushLoadMultiplyLeavesTheProduct) {
  EXPECT_FLOAT_EQ(Eval({{2, 101}, {0, 0}, {3, 101}, {0, 3}}), 6);
}

TEST(StackProgram, PositiveValuesLoadElementValuesFirst) {
  Values v;
  v[0] = "4";
  v[1] = "2.5 m";  // read leniently
  v[2] = "7";
  // Code 0 with value 3: X is loaded with value 3, pushed down, and becomes 0.
  EXPECT_FLOAT_EQ(Eval({{3, 0}}, v), 0);
  EXPECT_FLOAT_EQ(Eval({{3, 0}, {0, 6}}, v), 7);  // X := Y shows what was pushed
  // value 1 times value 2; value 1.5 rounds to 2 and 2.5 to 2 (halves to even).
  EXPECT_FLOAT_EQ(Eval({{1, 0}, {2, 3}}, v), 10);
  EXPECT_FLOAT_EQ(Eval({{1.5f, 101}, {0, 0}, {2.5f, 1}}, v), 1.5f + 2.5f);
  // Y - X and Y / X take Y first.
  EXPECT_FLOAT_EQ(Eval({{1, 0}, {2, 2}}, v), 1.5f);
  EXPECT_FLOAT_EQ(Eval({{1, 0}, {2, 4}}, v), 1.6f);
  // An empty value and an unknown code: X is loaded, nothing else happens.
  EXPECT_FLOAT_EQ(Eval({{5, 42}}, v), 0);
  EXPECT_FLOAT_EQ(Eval({{3, 42}}, v), 7);
  // Code 101 with a value never reads an element value.
  EXPECT_FLOAT_EQ(Eval({{3, 101}}, v), 3);
}

TEST(StackProgram, ValueNumbersOutsideTheListReadAsEmpty) {
  Values v;
  v.fill("9");
  EXPECT_FLOAT_EQ(Eval({{17, 42}}, v), 9);
  EXPECT_FLOAT_EQ(Eval({{18, 42}}, v), 0);
  EXPECT_FLOAT_EQ(Eval({{0.4f, 42}}, v), 0);  // rounds to 0: no value
  EXPECT_FLOAT_EQ(Eval({{1e9f, 42}}, v), 0);
  EXPECT_FLOAT_EQ(Eval({{-3, 42}}, v), 0);  // not positive: X stays
}

TEST(StackProgram, OneOperandCodesAndConstants) {
  EXPECT_FLOAT_EQ(Eval({{0, 7}}), static_cast<float>(M_PI));
  EXPECT_FLOAT_EQ(Eval({{16, 101}, {0, 8}}), 4);
  EXPECT_FLOAT_EQ(Eval({{27, 101}, {0, 9}}), 3);
  EXPECT_FLOAT_EQ(Eval({{250, 101}, {0, 10}}), 2.5f);
  EXPECT_FLOAT_EQ(Eval({{5, 101}, {0, 11}}), 2.5f);
  EXPECT_FLOAT_EQ(Eval({{2, 101}, {0, 12}}), static_cast<float>(M_PI));
  EXPECT_FLOAT_EQ(Eval({{2, 101}, {0, 0}, {10, 101}, {0, 5}}), 1024);
}

TEST(StackProgram, DropMovesLowerPlacesUpAndPushLosesTheLowest) {
  // Five values pushed: 1 is lost when the sixth push happens.
  std::vector<OperationLine> lines;
  for (int i = 1; i <= 5; ++i) lines.insert(lines.end(), {{static_cast<float>(i), 101}, {0, 0}});
  // The stack is now 0 | 5 4 3 2; adding five times finds no 1 below the 2.
  for (int i = 0; i < 5; ++i) lines.push_back({0, 1});
  EXPECT_FLOAT_EQ(Eval(lines), 14);
  // After a drop the lowest place is 0.
  EXPECT_FLOAT_EQ(Eval({{3, 101}, {0, 0}, {4, 101}, {0, 0}, {5, 101}, {0, 1}, {0, 1}, {0, 1}}), 12);
}

TEST(StackProgram, MaterialPropertiesWithAndWithoutUserMaterials) {
  const auto mats = Materials();
  const Values none;
  EXPECT_FLOAT_EQ(EvaluateOperations({{1230, 100}}, none, *mats, {}).X, 1800);
  EXPECT_FLOAT_EQ(EvaluateOperations({{1231, 100}}, none, *mats, {}).X, 0.7f);
  EXPECT_FLOAT_EQ(EvaluateOperations({{1232, 100}}, none, *mats, {}).X, 840);
  EXPECT_FLOAT_EQ(EvaluateOperations({{9990, 100}}, none, *mats, {}).X, 0);  // no such material

  OperationsFile ops;
  ops.Blocks.resize(2);
  ops.Blocks[0].DefaultMatNo = 77;
  ops.Blocks[1].DefaultMatNo = 123;
  UserValues user;
  user.Count = 2;
  user.MatNo = {77, 45};
  user.UseUserValues = true;
  const MaterialSubstitution sub = SubstitutionFor(ops, user);
  EXPECT_FLOAT_EQ(EvaluateOperations({{1230, 100}}, none, *mats, sub).X, 1200);  // 123 -> 45
  EXPECT_FLOAT_EQ(EvaluateOperations({{452, 100}}, none, *mats, sub).X, 1000);   // 45 stays 45

  user.UseUserValues = false;
  EXPECT_FLOAT_EQ(EvaluateOperations({{1230, 100}}, none, *mats, SubstitutionFor(ops, user)).X, 1800);
}

TEST(StackProgram, UndefinedArithmeticStopsWithAFault) {
  const auto mats = Materials();
  const Values none;
  for (const auto& lines : std::vector<std::vector<OperationLine>>{
           {{1, 101}, {0, 0}, {0, 4}},        // 1 / 0
           {{-4, 101}, {0, 8}},               // square root of -4
           {{0, 101}, {0, 0}, {-1, 101}, {0, 5}},  // 0 ^ -1
           {{1e30f, 101}, {0, 0}, {1e30f, 101}, {0, 3}},  // beyond a single
           {{1235, 100}},                     // property 5
       }) {
    StackResult r = EvaluateOperations(lines, none, *mats, {});
    EXPECT_FALSE(r);
    EXPECT_EQ(r.X, 0);
    EXPECT_NE(r.Fault.find("operation line " + std::to_string(lines.size())), std::string::npos) << r.Fault;
  }
}

TEST(OperationsFile, ReadsBlocksAndTellsNoMaterialsFromUnreadable) {
  TempFolder tmp;
  TextWriter w;
  w.Line(2);
  w.Line("Concrete", 12);
  w.Line(2);
  w.Line(1, 0, "Area", "m2");
  w.Line(2.5f, 3, "", "");
  w.Line(5, 50);
  w.Line("Steel", 13);
  w.Line(0);
  w.Line(2.5f, 25);
  ASSERT_TRUE(w.Save(tmp.File("E3.IMP")));
  OperationsFile ops;
  OperationsStatus s = ReadOperationsFile(tmp.File("E3.IMP"), ops);
  ASSERT_TRUE(s) << s.detail;
  ASSERT_EQ(ops.Blocks.size(), 2u);
  EXPECT_EQ(ops.Blocks[0].Description, "Concrete");
  EXPECT_EQ(ops.Blocks[0].DefaultMatNo, 12);
  ASSERT_EQ(ops.Blocks[0].Lines.size(), 2u);
  EXPECT_FLOAT_EQ(ops.Blocks[0].Lines[1].Value, 2.5f);
  EXPECT_EQ(ops.Blocks[0].Lines[1].Code, 3);
  EXPECT_FLOAT_EQ(ops.Blocks[0].Wastage, 5);
  EXPECT_FLOAT_EQ(ops.Blocks[0].Life, 50);
  EXPECT_TRUE(ops.Blocks[1].Lines.empty());
  EXPECT_FLOAT_EQ(ops.Blocks[1].Life, 25);

  const std::string whole = tmp.Read("E3.IMP");
  tmp.Write("CUT.IMP", whole.substr(0, whole.size() - 6));
  s = ReadOperationsFile(tmp.File("CUT.IMP"), ops);
  EXPECT_EQ(s.outcome, OperationsOutcome::Unreadable);
  EXPECT_NE(s.detail.find("CUT.IMP"), std::string::npos) << s.detail;

  tmp.Write("ZERO.IMP", "0\r\n");
  s = ReadOperationsFile(tmp.File("ZERO.IMP"), ops);
  EXPECT_EQ(s.outcome, OperationsOutcome::NoMaterials);
  EXPECT_NE(s.detail.find("ZERO.IMP"), std::string::npos);

  tmp.Write("MANY.CST", "11\r\n");
  s = ReadOperationsFile(tmp.File("MANY.CST"), ops);
  EXPECT_EQ(s.outcome, OperationsOutcome::Unreadable);
  EXPECT_NE(s.detail.find("MANY.CST"), std::string::npos);

  tmp.Write("K.IMP", "1\r\n\"X\",1\r\n-2\r\n");
  EXPECT_EQ(ReadOperationsFile(tmp.File("K.IMP"), ops).outcome, OperationsOutcome::Unreadable);

  s = ReadOperationsFile(tmp.File("E9.IMP"), ops);
  EXPECT_EQ(s.outcome, OperationsOutcome::Unreadable);
  EXPECT_NE(s.detail.find("E9.IMP"), std::string::npos);
}

TEST(UserValues, CompanionPathAndReading) {
  EXPECT_EQ(UserValuesPathOf("/p/A.FLE"), "/p/A_.FLE");
  EXPECT_EQ(UserValuesPathOf("WALL.SRE"), "WALL_.SRE");

  TempFolder tmp;
  UserValues v;
  EXPECT_TRUE(ReadUserValues(tmp.File("A_.FLE"), v));  // no file: no user values
  EXPECT_FALSE(v.UseUserValues);

  UserValues out;
  out.Count = 2;
  out.MatNo = {12, 40};
  out.Wastage = {5, 7.5f};
  out.Life = {50, 20};
  out.Cost = {100, 2.25f};
  ASSERT_TRUE(WriteUserValues(tmp.File("A_.FLE"), out, true));
  EXPECT_EQ(tmp.Read("A_.FLE"), "2\r\n12,5,50,100\r\n40,7.5,20,2.25\r\n");
  ASSERT_TRUE(ReadUserValues(tmp.File("A_.FLE"), v));
  EXPECT_TRUE(v.UseUserValues);
  EXPECT_EQ(v.Count, 2);
  EXPECT_EQ(v.MatNo[1], 40);
  EXPECT_FLOAT_EQ(v.Cost[1], 2.25f);

  ASSERT_TRUE(WriteUserValues(tmp.File("A_.FLE"), out, false));  // kept but not in force
  ASSERT_TRUE(ReadUserValues(tmp.File("A_.FLE"), v));
  EXPECT_FALSE(v.UseUserValues);

  tmp.Write("B_.FLE", "3\r\n12,5,50,100\r\n");
  Status s = ReadUserValues(tmp.File("B_.FLE"), v);
  EXPECT_NE(s.message.find("B_.FLE"), std::string::npos) << s.message;
  EXPECT_FALSE(v.UseUserValues);

  tmp.Write("C_.FLE", "11\r\n");
  s = ReadUserValues(tmp.File("C_.FLE"), v);
  EXPECT_NE(s.message.find("C_.FLE"), std::string::npos) << s.message;
  EXPECT_FALSE(v.UseUserValues);
}
