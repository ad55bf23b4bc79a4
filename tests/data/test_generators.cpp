// The generators of the database: formulas compiled into stack programs, and
// the rules that turn source rows into material records.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "database/StackProgram.h"
#include "datagen/CsvTable.h"
#include "datagen/LibrarySource.h"
#include "datagen/MaterialRules.h"

using namespace kelca;
using namespace kelca::datagen;

namespace {

// A material table with materials 4 and 26 whose properties the formulas can read.
std::unique_ptr<MaterialTable> PropertyTable() {
  auto t = std::make_unique<MaterialTable>();
  t->MatNo[1] = 4;
  t->MatProp[1] = {2400, 2.3f, 1000};
  t->MatRowOf[4] = 1;
  t->MatNo[2] = 26;
  t->MatProp[2] = {7850, 50, 450};
  t->MatRowOf[26] = 2;
  return t;
}

std::vector<OperationLine> ToProgram(const std::vector<CompiledLine>& compiled) {
  std::vector<OperationLine> lines;
  for (const auto& c : compiled) lines.push_back({c.Value, c.Code});
  return lines;
}

}  // namespace

// Formulas of every shape, compiled and run by the calculation's stack
// program, give what they give when computed directly.
TEST(OpsExpression, CompiledProgramsComputeTheFormula) {
  const auto table = PropertyTable();
  const std::array<std::string, kElementValueSlots> values = {"3", "0.8", "2.5", "12", "7", "0.25"};
  const char* formulas[] = {
      "v3", "v1 * v2 * v3", "v4 - v2 - v3", "v4 - (v2 - v3)", "v4 / v1 / v2", "v1 ^ v2", "2 ^ 3 ^ 0.5",
      "circ(v2) * v3 * v1", "sqrt(v4) + cbrt(v5) - half(v1) + pct(v5)", "v1 * pi * (v2 - v6) * v6 * rho",
      "v1 * rho(26) + cp(4) / k(4)", "(1 - pct(v5)) * v4", "0.018 / 6 * v4",
      "v1 * ((v2 + 2 * v6) * (v3 + 2 * v6) * (v4 + v6) - v2 * v3 * v4)",
      "v1 * ((v2 + 2 * v6) * (v3 + 2 * v6) + 2 * (v2 + v3 + 4 * v6) * (v4 + v6))",
  };
  for (const char* f : formulas) {
    OpsExpression e;
    ASSERT_TRUE(OpsExpression::Parse(f, 4, e).ok) << f;
    std::vector<CompiledLine> compiled;
    const Status s = e.Compile({"a", "b", "c", "d", "e", "f"}, compiled);
    ASSERT_TRUE(s.ok) << s.message;
    const StackResult r = EvaluateOperations(ToProgram(compiled), values, *table, MaterialSubstitution{});
    ASSERT_TRUE(r) << f << ": " << r.Fault;
    const double direct = e.Evaluate([&](int k) { return std::stod(values[k - 1]); },
                                     [&](int m, int p) { return table->MatProp[table->MatRowOf[m]][p]; });
    EXPECT_NEAR(r.X, direct, 1e-5 * std::fabs(direct) + 1e-6) << f;
  }
}

TEST(OpsExpression, PropertiesFollowTheUsersMaterial) {
  // A user material that replaces the block's default also replaces its density.
  const auto table = PropertyTable();
  OpsExpression e;
  ASSERT_TRUE(OpsExpression::Parse("v1 * rho", 4, e).ok);
  std::vector<CompiledLine> compiled;
  ASSERT_TRUE(e.Compile({}, compiled).ok);
  MaterialSubstitution sub;
  sub.Count = 1;
  sub.DefaultMatNo[0] = 4;
  sub.UserMatNo[0] = 26;
  const std::array<std::string, kElementValueSlots> values = {"2"};
  EXPECT_FLOAT_EQ(EvaluateOperations(ToProgram(compiled), values, *table, MaterialSubstitution{}).X, 4800);
  EXPECT_FLOAT_EQ(EvaluateOperations(ToProgram(compiled), values, *table, sub).X, 15700);
}

TEST(OpsExpression, RefusesWhatTheStackCannotHold) {
  OpsExpression e;
  for (const char* bad : {"v17", "v0 * 2", "2 *", "(v1 + v2", "size(v1)", "rho(600)", "v1 v2"}) {
    EXPECT_FALSE(OpsExpression::Parse(bad, 4, e).ok) << bad;
  }
  // Six places: a difference of differences nested four deep on the right.
  ASSERT_TRUE(OpsExpression::Parse("v1 - (v2 - (v3 - (v4 - (v5 - v6 / v7))))", 4, e).ok);
  std::vector<CompiledLine> compiled;
  const Status s = e.Compile({}, compiled);
  EXPECT_FALSE(s.ok);
  EXPECT_NE(s.message.find("five stack places"), std::string::npos);
}

TEST(LibrarySource, ChecksTypesItemsAndFormulas) {
  LibrarySource lib;
  const std::string good =
      "# comment\ntitle \"T\"\ntype 7 \"Slab\"\nitem \"Area\" \"m2\" 100\nitem \"Thickness\" \"m\" 0.2\n"
      "material \"Concrete\" 4 waste 4 life 100 = v1 * v2\n";
  ASSERT_TRUE(ParseLibrarySource("X", "x.txt", good, lib).ok);
  ASSERT_EQ(lib.Types.size(), 1u);
  EXPECT_EQ(lib.Types[0].Code, 7);
  EXPECT_EQ(lib.Types[0].Items[1].Sample, "0.2");
  EXPECT_FLOAT_EQ(lib.Types[0].Materials[0].Life, 100);

  const std::string bad[] = {
      good + "type 7 \"Again\"\n",                                               // code used twice
      "title \"T\"\ntype 301 \"Too high\"\n",                                    // code out of range
      "title \"T\"\ntype 1 \"No materials\"\nitem \"A\" \"m\" 1\n",              // no materials
      "title \"T\"\ntype 1 \"S\"\nitem \"A\" \"m\" 1\nmaterial \"C\" 4 waste 4 life 9 = v2\n",  // item 2 missing
      "title \"T\"\ntype 1 \"S\"\nitem \"A\" \"m\" x\n",                         // sample not a number
      "title \"T\"\ntype 1 \"S\"\nmaterial \"C\" 4 life 9 = 1\n",                // waste missing
  };
  for (const auto& text : bad) {
    const Status s = ParseLibrarySource("X", "x.txt", text, lib);
    EXPECT_FALSE(s.ok) << text;
    EXPECT_NE(s.message.find("x.txt"), std::string::npos) << s.message;
  }
}

namespace {

const char* const kWaste =
    "process,source,modules,factor,source_name,source_unit,ADPE,ADPF,GWP,ODP,POCP,AP,EP,PE\n"
    "transport,OBD:t,A4,0.04,Truck,1000 kgkm,0,1,0.1,0,0,0.0002,0.00005,1.3\n"
    "inert,OBD:i,C4,1,Rubble,1 kg,0,0.2,0.01,0,0,0.00008,0.00001,0.2\n"
    "mixed,OBD:m,C4,1,Municipal,1 kg,0,0.3,0.75,0,0.0002,0.00016,0.0008,0.2\n";

const char* const kHead =
    "section,no,name,unit,density,conductivity,specific_heat,cost,landfill,unit_mass,source,modules,gwp_add,"
    "factor,source_name,source_unit,ADPE,ADPF,GWP,ODP,POCP,AP,EP,PE\n";

Status Build(const std::string& rows, std::vector<MaterialRecord>& out) {
  CsvTable materials, waste;
  EXPECT_TRUE(CsvTable::Parse("m.csv", std::string(kHead) + rows, materials).ok);
  EXPECT_TRUE(CsvTable::Parse("w.csv", kWaste, waste).ok);
  return BuildMaterials(materials, waste, DefaultNormalisation(), out);
}

}  // namespace

TEST(MaterialRules, ConvertsDerivesAndAddsLandfill) {
  std::vector<MaterialRecord> out;
  const Status s = Build(
      "1,3,Screed,m3,2000,1.4,1000,2600,inert,2000,OBD:x,A1-A3,,2000,Screed,1 kg,1e-7,1.5,0.18,1e-11,2e-5,4e-4,6e-5,1.5\n"
      "2,102,Copper,kg,8940,380,385,180,mixed,1,ICE:Copper,,,1,Copper,1 kg,,,2.71,,,,,42\n",
      out);
  ASSERT_TRUE(s.ok) << s.message;
  ASSERT_EQ(out.size(), 2u);
  const NormalisationFactors nf = DefaultNormalisation();
  const MaterialRecord& screed = out[0];
  // Per m3: 2000 kg times the per-kg figures; ADP counts fossil energy.
  EXPECT_NEAR(screed.Impact[0], 2000 * (1e-7 + kFossilAdpPerMJ * 1.5), 1e-6);
  EXPECT_NEAR(screed.Impact[1], 360, 1e-3);
  EXPECT_NEAR(screed.Impact[8], 0.8, 1e-6);
  EXPECT_NEAR(screed.Energy, 3000, 1e-3);
  EXPECT_EQ(screed.DerivedCategories, (std::vector<int>{4, 5, 6, 7}));
  for (int c : {3, 4, 5, 6}) EXPECT_NEAR(screed.Impact[c] / nf.Factor[c], 360 / nf.Factor[1], 1e-9);
  // Landfill of 2000 kg: 40 km by truck (0.04 x 0.1) plus the rubble landfill (0.01) per kg.
  EXPECT_NEAR(screed.WasteImpact[1], 2000 * (0.004 + 0.01), 1e-3);

  const MaterialRecord& copper = out[1];
  EXPECT_EQ(copper.DerivedCategories, (std::vector<int>{1, 3, 4, 5, 6, 7, 8, 9, 10}));
  EXPECT_NEAR(copper.Impact[0] / nf.Factor[0], 2.71 / nf.Factor[1], 1e-9);
  EXPECT_NEAR(copper.WasteImpact[1], 0.004 + 0.75, 1e-6);
}

TEST(MaterialRules, RefusesRowsOutOfPlace) {
  const std::string ok = "1,3,A,m3,1,1,1,1,inert,1,OBD:x,A1-A3,,1,A,1 m3,0,0,1,0,0,0,0,1\n";
  // The good row with one field replaced.
  const auto with = [&](int field, const std::string& value) {
    size_t at = 0;
    for (int f = 0; f < field; ++f) at = ok.find(',', at) + 1;
    return ok.substr(0, at) + value + ok.substr(ok.find_first_of(",\n", at));
  };
  const std::string rows[] = {
      with(1, "100"),          // building material >= 100
      ok + ok,                 // number not rising
      with(0, "4"),            // no section 4
      with(8, "landfill"),     // unknown landfill class
      with(7, "-5"),           // negative cost
      with(18, ""),            // no GWP to derive from
      with(5, "x"),            // not a number
  };
  std::vector<MaterialRecord> out;
  EXPECT_TRUE(Build(ok, out).ok);
  for (const auto& r : rows) {
    const Status s = Build(r, out);
    EXPECT_FALSE(s.ok) << r;
    EXPECT_NE(s.message.find("m.csv line"), std::string::npos) << s.message;
  }
}
