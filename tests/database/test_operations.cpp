#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <tuple>

#include "common/TextWriter.h"
#include "database/StackProgram.h"
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

TEST(StackProgram, ExamplesOfLoadingAndArithmetic) {
  const Values v{"4", "2.5 m", "7"};  // "2.5 m" is read leniently
  Values nines;
  nines.fill("9");
  const struct {
    std::vector<OperationLine> lines;
    const Values& values;
    float x;
    const char* what;
  } examples[] = {
      {{{2, 101}, {0, 0}, {3, 101}, {0, 3}}, v, 6, "push, load, multiply"},
      {{{3, 0}}, v, 0, "value 3 is loaded, pushed down, and X becomes 0"},
      {{{3, 0}, {0, 6}}, v, 7, "X := Y shows what was pushed"},
      {{{1, 0}, {2, 3}}, v, 10, "value 1 times value 2"},
      {{{1.5f, 101}, {0, 0}, {2.5f, 1}}, v, 4, "values 1.5 and 2.5 both round to value 2"},
      {{{1, 0}, {2, 2}}, v, 1.5f, "Y - X"},
      {{{1, 0}, {2, 4}}, v, 1.6f, "Y / X"},
      {{{5, 42}}, v, 0, "an empty value and an unknown code: X is loaded, nothing else"},
      {{{3, 42}}, v, 7, "an unknown code loads X"},
      {{{3, 101}}, v, 3, "code 101 never reads an element value"},
      {{{17, 42}}, nines, 9, "value 17 is the last"},
      {{{18, 42}}, nines, 0, "value 18 is none"},
      {{{0.4f, 42}}, nines, 0, "rounds to 0: no value"},
      {{{1e9f, 42}}, nines, 0, "far beyond the list"},
      {{{-3, 42}}, nines, 0, "not positive: X stays"},
      {{{0, 7}}, v, static_cast<float>(M_PI), "pi"},
      {{{16, 101}, {0, 8}}, v, 4, "square root"},
      {{{27, 101}, {0, 9}}, v, 3, "cube root"},
      {{{250, 101}, {0, 10}}, v, 2.5f, "percent"},
      {{{5, 101}, {0, 11}}, v, 2.5f, "half"},
      {{{2, 101}, {0, 12}}, v, static_cast<float>(M_PI), "circle area of a diameter"},
      {{{2, 101}, {0, 0}, {10, 101}, {0, 5}}, v, 1024, "Y ^ X"},
  };
  for (const auto& e : examples) EXPECT_FLOAT_EQ(Eval(e.lines, e.values), e.x) << e.what;
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
  // Value 10 x material + property; material 999 is in no row.
  for (const auto& [value, x] : {std::pair{1230.0f, 1800.0f}, {1231.0f, 0.7f}, {1232.0f, 840.0f}, {9990.0f, 0.0f}}) {
    EXPECT_FLOAT_EQ(EvaluateOperations({{value, 100}}, none, *mats, {}).X, x) << value;
  }

  OperationsFile ops;
  ops.Blocks.resize(2);
  ops.Blocks[0].DefaultMatNo = 77;
  ops.Blocks[1].DefaultMatNo = 123;
  UserValues user{true, 2, {77, 45}};
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
  const MaterialBlock& b = ops.Blocks[0];
  ASSERT_EQ(b.Lines.size(), 2u);
  EXPECT_EQ(std::tuple(b.Description, b.DefaultMatNo, b.Lines[1].Value, b.Lines[1].Code, b.Wastage, b.Life),
            std::tuple("Concrete", 12, 2.5f, 3, 5.0f, 50.0f));
  EXPECT_TRUE(ops.Blocks[1].Lines.empty());
  EXPECT_FLOAT_EQ(ops.Blocks[1].Life, 25);

  const std::string whole = tmp.Read("E3.IMP");
  for (const auto& [name, text, outcome] :
       {std::tuple{"CUT.IMP", whole.substr(0, whole.size() - 6), OperationsOutcome::Unreadable},
        {"ZERO.IMP", std::string("0\r\n"), OperationsOutcome::NoMaterials},
        {"MANY.CST", std::string("11\r\n"), OperationsOutcome::Unreadable},
        {"K.IMP", std::string("1\r\n\"X\",1\r\n-2\r\n"), OperationsOutcome::Unreadable},
        {"E9.IMP", std::string(), OperationsOutcome::Unreadable}}) {  // no such file
    if (!text.empty()) tmp.Write(name, text);
    s = ReadOperationsFile(tmp.File(name), ops);
    EXPECT_EQ(s.outcome, outcome) << name;
    EXPECT_NE(s.detail.find(name), std::string::npos) << s.detail;
  }
}

TEST(UserValues, CompanionPathAndReading) {
  EXPECT_EQ(UserValuesPathOf("/p/A.FLE"), "/p/A_.FLE");
  EXPECT_EQ(UserValuesPathOf("WALL.SRE"), "WALL_.SRE");

  TempFolder tmp;
  UserValues v;
  EXPECT_TRUE(ReadUserValues(tmp.File("A_.FLE"), v));  // no file: no user values
  EXPECT_FALSE(v.UseUserValues);

  const UserValues out{false, 2, {12, 40}, {5, 7.5f}, {50, 20}, {100, 2.25f}};
  ASSERT_TRUE(WriteUserValues(tmp.File("A_.FLE"), out, true));
  EXPECT_EQ(tmp.Read("A_.FLE"), "2\r\n12,5,50,100\r\n40,7.5,20,2.25\r\n");
  ASSERT_TRUE(ReadUserValues(tmp.File("A_.FLE"), v));
  EXPECT_EQ(std::tuple(v.UseUserValues, v.Count, v.MatNo[1], v.Cost[1]), std::tuple(true, 2, 40, 2.25f));

  ASSERT_TRUE(WriteUserValues(tmp.File("A_.FLE"), out, false));  // kept but not in force
  ASSERT_TRUE(ReadUserValues(tmp.File("A_.FLE"), v));
  EXPECT_FALSE(v.UseUserValues);

  for (const char* name : {"B_.FLE", "C_.FLE"}) {
    tmp.Write(name, name[0] == 'B' ? "3\r\n12,5,50,100\r\n" : "11\r\n");  // breaks off; count above 10
    const Status s = ReadUserValues(tmp.File(name), v);
    EXPECT_NE(s.message.find(name), std::string::npos) << s.message;
    EXPECT_FALSE(v.UseUserValues);
  }
}
