// The impact and cost runs over a small building written with the project's
// own writers into a temporary folder, beside a database folder holding the
// library folders and operations files.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "app/AssessmentRuns.h"
#include "app/Workspace.h"
#include "building/ComponentRecord.h"
#include "building/ElementRecord.h"
#include "building/GroupRecord.h"
#include "common/TextWriter.h"
#include "database/UserValues.h"
#include "lca/Discounting.h"
#include "support/TempFolder.h"

using namespace kelca;

namespace {

struct CompLine {
  std::string file;
  int type = 0;  // position of the component type
  float qty = 1;
};

struct OpsBlock {
  int matNo = 0;
  std::vector<std::pair<float, int>> lines;  // value, code
  float wastage = 0, life = 0;
};

struct Calculation : ::testing::Test {
  Calculation() : ws(std::make_unique<Workspace>()) {
    ws->Project.ProjFileName = "TEST.PRJ";
    ws->Project.ProjDir = ws->CurrentFolder = proj;
    ws->Db.LcaDbFolder = tmp.Folder() + "db/";
    SetLibraryLocations(ws->Db);
    for (const std::string& f : {proj, ws->Db.FoundLibFolder, ws->Db.MechLibFolder}) {
      std::filesystem::create_directories(f);
    }
    SetDefaultParameters(ws->Params);
    ResetAllSel(ws->Selection);
    AddMaterial(1, 5, 1, 7, 4);  // impact c: c, waste impact c: 100 c, 7 MJ and 4 ZQ$ per unit
    AddMaterial(2, 6, 2, 0, 9);
  }
  CalculationOutcome RunImpacts() { return RunImpactCalculation(*ws, log); }
  CalculationOutcome RunCosts() { return RunCostCalculation(*ws, log); }

  // Material number no in row: impact factor c is scale * c, waste factor c is 100 * scale * c.
  void AddMaterial(int row, int no, float scale, float energy = 0, float cost = 0) {
    MaterialTable& m = ws->Materials;
    m.MatNo[row] = no;
    m.MatRowOf[no] = row;
    for (int c = 0; c < kImpactCategories; ++c) {
      m.MatImpact[row][c] = scale * (c + 1);
      m.MatWasteImpact[row][c] = 100 * scale * (c + 1);
    }
    m.MatEnergy[row] = energy;
    m.MatCost[row] = cost;
  }

  // The project's list of groups of a type: count, files and quantities.
  std::tuple<int&, std::string*, float*> GroupList(int grpType) {
    ProjectState& p = ws->Project;
    if (grpType == kFoundation) return {p.FdnCount, p.FdnFile.data(), p.FdnQty.data()};
    if (grpType == kFloor) return {p.FlrCount, p.FlrFile.data(), p.FlrQty.data()};
    return {p.SerCount, p.SerFile.data(), p.SerQty.data()};
  }

  // Writes the group file (its own quantity 99: the project's counts) and lists it in the project.
  void AddGroup(int grpType, const std::string& file, float qtyInProject, const std::vector<CompLine>& comps) {
    GroupRecord g;
    g.GrpFile = file;
    g.GrpQty = 99;
    g.GrpCompCount = static_cast<int>(comps.size());
    for (size_t c = 0; c < comps.size(); ++c) {
      std::tie(g.GrpCompFile[c], g.GrpCompType[c], g.GrpCompQty[c]) = std::tie(comps[c].file, comps[c].type,
                                                                              comps[c].qty);
    }
    Require(WriteGroupFile(proj, grpType, g));
    auto [count, files, qtys] = GroupList(grpType);
    files[count] = file;
    qtys[count++] = qtyInProject;
  }

  // A component (its own quantity 77 is not used) of elements given as file and type.
  void AddComponent(int fileTypeCode, const std::string& file, int compType,
                    const std::vector<std::pair<std::string, int>>& elms) {
    ComponentRecord c;
    std::tie(c.CompFile, c.CompType, c.CompQty, c.CompElmCount) = std::tuple(file, compType, 77, elms.size());
    for (size_t e = 0; e < elms.size(); ++e) std::tie(c.CompElmFile[e], c.CompElmType[e]) = elms[e];
    Require(WriteCompFile(proj, fileTypeCode, c));
  }

  void AddElement(int fileTypeCode, const std::string& file, int elmType, const std::vector<std::string>& values) {
    ElementRecord e;
    std::tie(e.ElmFile, e.ElmType) = std::tie(file, elmType);
    std::copy(values.begin(), values.end(), e.ElmValue.begin());
    Require(WriteElmFile(proj, fileTypeCode, e));
  }

  void AddUserValues(const std::string& elmFile, const UserValues& values) {
    Require(WriteUserValues(UserValuesPathOf(proj + elmFile), values, true));
  }

  static void WriteOps(const std::string& path, const std::vector<OpsBlock>& blocks) {
    TextWriter w;
    w.Line(static_cast<int>(blocks.size()));
    for (const OpsBlock& b : blocks) {
      w.Line("material", b.matNo);
      w.Line(static_cast<int>(b.lines.size()));
      for (const auto& [value, code] : b.lines) w.Line(value, code, "", "");
      w.Line(b.wastage, b.life);
    }
    ASSERT_TRUE(w.Save(path));
  }

  // A foundation group (2 in the building) of one component (3 in the group) of one element.
  void OneFoundationElement(const std::vector<std::string>& values) {
    AddElement(120, "E1.FDE", 0, values);
    AddComponent(110, "C1.FDC", 0, {{"E1.FDE", 0}});
    AddGroup(kFoundation, "F1.FDN", 2, {{"C1.FDC", 0, 3}});
  }
  static void Require(const Status& s) { ASSERT_TRUE(s.ok) << s.message; }

  kelca::testing::TempFolder tmp;
  std::string proj = tmp.Folder() + "proj/";
  std::unique_ptr<Workspace> ws;
  CollectingProgress log;
};

std::string Terminated(const std::string& chain) { return chain + " Impacting calculation terminated!!"; }

}  // namespace

TEST_F(Calculation, LifeTwentyWastageTenPercentGivesTwoDiscountedReplacements) {
  OneFoundationElement({"5", "1", "10", "20"});
  ASSERT_TRUE(RunImpacts().Completed);
  EXPECT_EQ(log.lines, (std::vector<std::string>{"", "   Impact calculation commenced ...", "   Stage 1 in progress",
                                                 "   Stage 2 in progress", "   Stage 3 in progress",
                                                 "   Stage 4 in progress", "   Impact calculation completed"}));
  const PartResult& g = ws->Results.FdnGroup[0];
  // Per element: stage 1 M = 1.1, W = 0.1; stage 2 M = W = 2.2; stage 4 W = 1; times 2 x 3.
  EXPECT_NEAR(g.Impact[kAsBuilt][1], (1.1 + 100 * 0.1) * 6, 1e-4);
  EXPECT_NEAR(g.Energy[kAsBuilt], 7.7 * 6, 1e-4);
  EXPECT_NEAR(g.Waste[kAsBuilt], 0.1 * 6, 1e-5);
  EXPECT_NEAR(g.Impact[kOperatingMaterial][3], (3 * 2.2 + 300 * 2.2) * 6, 1e-2);
  EXPECT_NEAR(g.Waste[kOperatingMaterial], 2.2 * 6, 1e-5);
  EXPECT_NEAR(g.Energy[kOperatingMaterial], 15.4 * 6, 1e-4);
  EXPECT_NEAR(g.Impact[kDemolition][2], 200 * 6, 1e-3);
  EXPECT_NEAR(g.Waste[kDemolition], 6, 1e-5);
  EXPECT_EQ(g.Energy[kDemolition], 0);
  EXPECT_EQ(g.Impact[kOperatingEnergy][1], 0);
  EXPECT_NEAR(g.Waste[kWholeLife], (0.1 + 2.2 + 1) * 6, 1e-4);
  // The group adds into the foundations and the building.
  EXPECT_EQ(ws->Results.Fdn.Impact[kOperatingMaterial], g.Impact[kOperatingMaterial]);
  EXPECT_EQ(ws->Results.Bldg.Waste, g.Waste);
  EXPECT_EQ(ws->Results.Bldg.Impact[kWholeLife], g.Impact[kWholeLife]);
  EXPECT_EQ(ws->Results.Flr.Waste[kWholeLife], 0);

  // The cost run discounts the replacements, clears earlier costs and leaves the impacts alone.
  const auto impacts = ws->Results.Bldg.Impact;
  ws->Results.Bldg.Cost[kDemolition] = 123;
  ASSERT_TRUE(RunCosts().Completed);
  EXPECT_EQ(log.lines.back(), "   LCC calculation completed");
  EXPECT_EQ(log.progress, 1);
  const PartResult& b = ws->Results.Bldg;
  EXPECT_NEAR(b.Cost[kAsBuilt], 4 * 1.1 * 6, 1e-4);
  EXPECT_NEAR(b.Cost[kOperatingMaterial], 4 * 1.1 * 1.1440627 * 6, 1e-4);  // DF(20) + DF(40)
  EXPECT_EQ(b.Cost[kDemolition], 0);
  EXPECT_NEAR(b.Cost[kWholeLife], 4 * 1.1 * 2.1440627 * 6, 1e-3);
  EXPECT_EQ(b.Impact, impacts);
  ASSERT_TRUE(RunImpacts().Completed);
  EXPECT_NEAR(ws->Results.Bldg.Cost[kAsBuilt], 4 * 1.1 * 6, 1e-4);  // and the other way round
}

TEST_F(Calculation, LivesBeyondFiftyYearsAndNegativeLives) {
  // Material 5 lives 60 years (counts as 50); material 6 lives -60 years.
  OneFoundationElement({"5", "1", "0", "60", "6", "1", "0", "-60"});
  ASSERT_TRUE(RunImpacts().Completed);
  const PartResult& g = ws->Results.FdnGroup[0];
  EXPECT_EQ(g.Impact[kOperatingMaterial][1], 0);  // no replacement for either
  EXPECT_EQ(g.Waste[kOperatingMaterial], 0);
  // As built: material 5 made 1 and no waste (no wastage); material 6 made 1 and wholly wasted.
  EXPECT_NEAR(g.Impact[kAsBuilt][1], (1 + 2 + 200) * 6, 1e-3);
  EXPECT_NEAR(g.Waste[kAsBuilt], 6, 1e-5);
  // Demolition: only material 5.
  EXPECT_NEAR(g.Impact[kDemolition][1], 100 * 6, 1e-3);
  EXPECT_NEAR(g.Waste[kDemolition], 6, 1e-5);
}

TEST_F(Calculation, AMaterialNumberThatNoMaterialHasStopsTheRunNamingTheElement) {
  for (const char* number : {"77", "999", "4294967297", "-1", "abc"}) {
    OneFoundationElement({number, "5", "10", "20", "", "9"});
    const CalculationOutcome out = RunImpacts();
    EXPECT_FALSE(out.Completed) << number;
    EXPECT_EQ(out.Message, Terminated(std::string("F1.FDN Err with C1.FDC Err with E1.FDE: material \"") + number +
                                      "\" is not in the material database"));
  }
}

TEST_F(Calculation, SelectionsSkipGroupsAndPortionsCollectComponents) {
  AddElement(220, "E2.FLE", 0, {"5", "1", "0", "50"});
  AddComponent(210, "C2.FLC", 1, {{"E2.FLE", 0}});
  AddComponent(210, "C3.FLC", 2, {{"E2.FLE", 0}});
  AddGroup(kFloor, "L1.FLR", 1, {{"C2.FLC", 1, 2}, {"C3.FLC", 2, 5}});
  AddGroup(kFloor, "L2.FLR", 4, {{"C2.FLC", 1, 1}});
  AddElement(320, "E3.SRE", 0, {"5", "1", "0", "50"});
  AddComponent(310, "C4.SRC", 0, {{"E3.SRE", 0}});
  AddGroup(kServices, "S1.SER", 1, {{"C4.SRC", 0, 1}});
  ws->Selection.Flr.GrpSel[0] = 0.5f;  // "Some" counts fully
  ws->Selection.Flr.GrpSel[1] = 0;
  ws->Selection.Flr.CompSel[0][1] = 0.5f;
  ws->Selection.SerSkip = 1;
  ASSERT_TRUE(RunImpacts().Completed);
  const LcaResultSet& r = ws->Results;
  EXPECT_FLOAT_EQ(r.FlrPortion[1].Impact[kAsBuilt][1], 2);  // 1 x 2 in the group x 1 group
  EXPECT_FLOAT_EQ(r.FlrPortion[2].Impact[kAsBuilt][1], 5);
  EXPECT_FLOAT_EQ(r.FlrPortion[1].Impact[kWholeLife][1], 2 + 100 * 2);
  EXPECT_FLOAT_EQ(r.Flr.Impact[kAsBuilt][1], 7);
  EXPECT_EQ(r.FlrGroup[1].Impact[kAsBuilt][1], 0);
  EXPECT_EQ(r.Ser.Impact[kWholeLife][1], 0);
  EXPECT_FLOAT_EQ(r.Bldg.Impact[kAsBuilt][1], 7);
  // Dropping an element of a component: the component adds nothing.
  ws->Selection.Flr.ElmSel[0][1][0] = false;
  ASSERT_TRUE(RunImpacts().Completed);
  EXPECT_FLOAT_EQ(ws->Results.Flr.Impact[kAsBuilt][1], 2);
}

TEST_F(Calculation, OperationsFilesGiveQuantitiesAndUserValuesOverrideTheDefaults) {
  // E12: quantity = value 1 x value 2, default material 5, wastage 10 %, life 20 years.
  const std::vector<OpsBlock> blocks{{5, {{1, 0}, {2, 3}}, 10, 20}};
  WriteOps(ws->Db.MechLibFolder + "E12.IMP", blocks);
  WriteOps(ws->Db.MechLibFolder + "E12.CST", blocks);
  AddElement(320, "E5.SRE", 12, {"2", "3"});
  AddComponent(310, "C5.SRC", 4, {{"E5.SRE", 12}});
  AddGroup(kServices, "S1.SER", 1, {{"C5.SRC", 4, 1}});
  const PartResult& p = ws->Results.SerPortion[4];
  ASSERT_TRUE(RunImpacts().Completed && RunCosts().Completed);
  EXPECT_NEAR(p.Impact[kAsBuilt][1], 6.6 + 100 * 0.6, 1e-4);
  EXPECT_NEAR(p.Cost[kAsBuilt], 4 * 6.6, 1e-4);

  AddUserValues("E5.SRE", UserValues{false, 1, {6}, {0}, {50}, {11}});
  ASSERT_TRUE(RunImpacts().Completed && RunCosts().Completed);
  EXPECT_NEAR(p.Impact[kAsBuilt][1], 2 * 6, 1e-4);  // material 6, no wastage
  EXPECT_EQ(p.Impact[kOperatingMaterial][1], 0);    // lives 50 years
  EXPECT_NEAR(p.Cost[kAsBuilt], 11 * 6, 1e-4);      // the user's unit cost, not 9
  EXPECT_EQ(p.Cost[kOperatingMaterial], 0);
}

TEST_F(Calculation, AnElementServingTwoLibrariesTakesEachOnesOperationsAndEveryRunReadsTheFilesAgain) {
  // E12 gives value 1 in FABRIC (Envelope) and value 1 x value 2 in CONTENTS.
  std::filesystem::create_directories(ws->Db.FabricLibFolder);
  std::filesystem::create_directories(ws->Db.ContentsLibFolder);
  WriteOps(ws->Db.FabricLibFolder + "E12.IMP", {{5, {{1, 99}}, 0, 50}});
  WriteOps(ws->Db.ContentsLibFolder + "E12.IMP", {{5, {{1, 0}, {2, 3}}, 0, 50}});
  AddComponent(210, "ENV.FLC", 0, {{"E12.FLE", 12}});
  AddComponent(210, "FIT.FLC", 2, {{"E12.FLE", 12}});
  AddGroup(kFloor, "L1.FLR", 1, {{"ENV.FLC", 0, 1}, {"FIT.FLC", 2, 1}});
  for (const auto& [values, envelope, contents] : {std::tuple{"2", 2.0f, 6.0f}, std::tuple{"4", 4.0f, 12.0f}}) {
    AddElement(220, "E12.FLE", 12, {values, "3"});  // changed on disk between the runs
    ASSERT_TRUE(RunImpacts().Completed);
    EXPECT_FLOAT_EQ(ws->Results.FlrPortion[0].Impact[kAsBuilt][1], envelope) << values;
    EXPECT_FLOAT_EQ(ws->Results.FlrPortion[2].Impact[kAsBuilt][1], contents) << values;
  }
}

TEST_F(Calculation, FoundationComponentsOfAnyTypeUseFoundFoundInAnyLetterCase) {
  // E7: quantity = square root of value 1, default material 5, no wastage, life 50 years.
  const struct {
    int compType;
    const char* folder;  // the library folder as copied
    const char* file;
  } cases[] = {{0, "FOUND", "E7.IMP"}, {1, "FOUND", "E7.IMP"}, {0, "found", "e7.imp"}, {1, "Found", "E7.imp"}};
  for (const auto& c : cases) {
    std::filesystem::remove_all(ws->Db.FoundLibFolder);
    std::filesystem::create_directories(tmp.File(std::string("db/") + c.folder));
    WriteOps(tmp.File(std::string("db/") + c.folder + "/" + c.file), {{5, {{1, 8}}, 0, 50}});
    ws->Project.FdnCount = 0;
    AddElement(120, "E7.FDE", 7, {"9"});
    AddComponent(110, "C7.FDC", c.compType, {{"E7.FDE", 7}});
    AddGroup(kFoundation, "F7.FDN", 2, {{"C7.FDC", c.compType, 1}});
    const CalculationOutcome out = RunImpacts();
    EXPECT_TRUE(out.Completed) << c.compType << " " << c.folder << ": " << out.Message;
    EXPECT_FLOAT_EQ(ws->Results.Fdn.Impact[kAsBuilt][1], 3 * 2) << c.compType << " " << c.folder;
    std::filesystem::remove_all(tmp.File(std::string("db/") + c.folder));
  }
}

TEST_F(Calculation, UserValuesOfAnOwnMaterialListReplaceNumberWastageLifeAndCost) {
  OneFoundationElement({"5", "2", "10", "20", "6", "1", "0", "50"});
  AddUserValues("E1.FDE", UserValues{false, 1, {6}, {50}, {25}, {1}});  // only the first material has a record
  ASSERT_TRUE(RunCosts().Completed);
  // Material 1: 1 x 1.5 x 2 (user cost), material 2: 9 x 1 (database cost), times 6.
  EXPECT_NEAR(ws->Results.FdnGroup[0].Cost[kAsBuilt], (3 + 9) * 6, 1e-4);
  // Material 1 is replaced once (life 25): 3 x DF(25).
  const float df25 = DiscountFactor(RatesFromPercent(5, 3, 2), 25);
  EXPECT_NEAR(ws->Results.FdnGroup[0].Cost[kOperatingMaterial], 3 * df25 * 6, 1e-4);
  // An unreadable companion file means no user values.
  tmp.Write("proj/E1_.FDE", "2\r\n6,50\r\n");
  ASSERT_TRUE(RunCosts().Completed);
  EXPECT_NEAR(ws->Results.FdnGroup[0].Cost[kAsBuilt], (4 * 1.1f * 2 + 9) * 6, 1e-3);
}

TEST_F(Calculation, ElectricityAndTownGasOfOnePortionBothCount) {
  AddMaterial(3, kElectricityMat, 0.5f);
  AddMaterial(4, kTownGasMat, 0.25f);
  ws->EnergyUse.Value = {0, 0, 1000, 0, 0, 999999};  // index 5 is not read
  GasSystemGroup& gas = ws->NonAC.TownGas;
  gas.Count = 2;
  std::tie(gas.System[1].SubSystemOf, gas.System[1].AnnualUse) = std::pair(2, 500.0f);
  std::tie(gas.System[2].SubSystemOf, gas.System[2].AnnualUse) = std::pair(0, 10.0f);
  ASSERT_TRUE(RunImpacts().Completed);
  const PartResult& fire = ws->Results.SerPortion[2];
  EXPECT_FLOAT_EQ(fire.Energy[kOperatingEnergy], 1000 * 3.6f * 50 + 500 * 50);
  EXPECT_FLOAT_EQ(fire.Impact[kOperatingEnergy][2], 1.0f * 180000 + 0.5f * 25000);
  EXPECT_FLOAT_EQ(fire.Energy[kWholeLife], fire.Energy[kOperatingEnergy]);
  EXPECT_FLOAT_EQ(ws->Results.SerPortion[0].Energy[kOperatingEnergy], 500);
  EXPECT_FLOAT_EQ(ws->Results.Bldg.Energy[kOperatingEnergy], 205500);
  EXPECT_FLOAT_EQ(ws->Results.Ser.Impact[kOperatingEnergy][1], 0.5f * 180000 + 0.25f * 25500);
  ASSERT_TRUE(RunCosts().Completed);
  const float u = 50.735418f;  // single precision: to half a dollar
  EXPECT_NEAR(ws->Results.SerPortion[2].Cost[kOperatingEnergy], u * (1000 * 0.92f + 500 * 0.21f), 0.5);
  EXPECT_NEAR(ws->Results.Bldg.Cost[kWholeLife], u * (1000 * 0.92f + 510 * 0.21f), 0.5);
}

TEST(Discounting, FactorsAndReplacementCounts) {
  const DiscountRates d = RatesFromPercent(5, 3, 2);
  EXPECT_NEAR(DiscountFactor(d, 20), 0.6807043f, 1e-6);
  EXPECT_NEAR(ReplacementDiscountSum(d, 20, 2), 1.1440627f, 1e-5);
  EXPECT_NEAR(ReplacementDiscountSum(d, -20, 2), 1.1440627f, 1e-5);
  EXPECT_NEAR(EnergyPresentValueFactor(d), 50.735418f, 1e-3);
  EXPECT_NEAR(EnergyPresentValueFactor(RatesFromPercent(8, 2, 3)), 26.744437f, 1e-3);
  EXPECT_EQ(EnergyPresentValueFactor(RatesFromPercent(5, 3, 5.005f)), 50);  // |i - e| < 0.0001
  EXPECT_NE(EnergyPresentValueFactor(RatesFromPercent(5, 3, 5.02f)), 50);
  // r equal to e, and a hair apart: the limit 50, without a division by zero.
  DiscountRates equal{0.0712f, 0.05f, 0};
  equal.Escalation = (1 + equal.Interest) / (1 + equal.Inflation) - 1;
  EXPECT_EQ(EnergyPresentValueFactor(equal), 50);
  equal.Escalation += 1e-6f;
  EXPECT_NEAR(EnergyPresentValueFactor(equal), 50.00125f, 1e-4);
  for (const auto& [life, count] : {std::pair{20.0f, 2}, {25.0f, 1}, {30.0f, 1}, {10.0f, 4}, {50.0f, 0}, {60.0f, 0},
                                   {-60.0f, 0}, {0.0f, 0}}) {
    EXPECT_EQ(ReplacementCount(life), count) << life;
  }
  // Many replacements are summed without looping.
  const DiscountRates flat = RatesFromPercent(3, 3, 0);  // no real discounting: every factor is 1
  EXPECT_FLOAT_EQ(ReplacementDiscountSum(flat, 1e-3f, 5), 5);
  EXPECT_FLOAT_EQ(ReplacementDiscountSum(flat, 1e-7f, 499999999), 499999999);
  const float below = ReplacementDiscountSum(d, 1e-4f, 100000), above = ReplacementDiscountSum(d, 1e-4f, 100001);
  EXPECT_NEAR(above, below, below * 1e-3);
  EXPECT_GT(above, 0);
}

TEST_F(Calculation, PreconditionsRefusalsAndCancelling) {
  OneFoundationElement({"5", "1", "10", "20"});
  ws->Db.LcaDbFolder.clear();
  EXPECT_EQ(RunImpacts().Message, "Directory for main LCIA database file not set!!");
  ws->Project.ProjFileName.clear();
  EXPECT_EQ(RunCosts().Message, "Open a project file first!!");
  EXPECT_TRUE(log.lines.empty());
  ws->Project.ProjFileName = "TEST.PRJ";
  ws->Db.LcaDbFolder = tmp.Folder() + "db/";
  ws->Params.CurrentCost[1] = -100;
  EXPECT_FALSE(RunCosts().Completed);
  ws->Params.CurrentCost[1] = 3;
  log.cancel = true;
  const CalculationOutcome cancelled = RunImpacts();
  EXPECT_TRUE(cancelled.Cancelled);
  EXPECT_FALSE(cancelled.Completed);
  EXPECT_EQ(log.lines.back(), "   Impact calculation cancelled");
  EXPECT_EQ(ws->Results.Bldg.Impact[kAsBuilt][1], 0);
}

TEST_F(Calculation, ErrorChainsWordForWord) {
  AddElement(120, "E1.FDE", 0, {"5", "1", "10", "20"});
  AddElement(220, "E9.FLE", 0, {"5", "1"});
  AddComponent(110, "C1.FDC", 0, {{"E1.FDE", 0}});
  AddComponent(110, "C8.FDC", 0, {{"E9.FLE", 0}});
  AddComponent(210, "C9.FLC", 0, {{"E9.FLE", 0}});
  AddGroup(kFoundation, "F1.FDN", 1, {{"C1.FDC", 0, 1}});
  // A good first group, then each fault in a second group of its own.
  const auto runWithSecondGroup = [&](int grpType, const std::string& file, const std::vector<CompLine>& comps) {
    AddGroup(grpType, file, 1, comps);
    const CalculationOutcome out = RunImpacts();
    std::get<0>(GroupList(grpType)) -= 1;
    EXPECT_FALSE(out.Completed);
    EXPECT_NE(log.lines.back().find("Stage 1"), std::string::npos);  // stopped in stage 1
    return out.Message;
  };
  EXPECT_EQ(runWithSecondGroup(kFoundation, "F2.FDN", {{"C9.FLC", 0, 1}}),
            Terminated("F2.FDN Err with C9.FLC Err with C9.FLC is for type  210 but not  110"));
  EXPECT_EQ(runWithSecondGroup(kFoundation, "F3.FDN", {{"C8.FDC", 0, 1}}),
            Terminated("F3.FDN Err with C8.FDC Err with E9.FLE is not for a Foundations element!"));
  // A floor list naming a foundation group file.
  std::tie(ws->Project.FlrCount, ws->Project.FlrFile[0], ws->Project.FlrQty[0]) = std::tuple(1, "F1.FDN", 1.0f);
  EXPECT_EQ(RunImpacts().Message, Terminated("F1.FDN is not a Floors file!"));
  ws->Project.FlrCount = 0;
  EXPECT_GT(ws->Results.FdnGroup[0].Impact[kAsBuilt][1], 0);  // results before the fault stay

  AddElement(320, "E4.SRE", 12, {"1"});
  AddElement(320, "E6.SRE", 13, {"1"});
  AddComponent(310, "C4.SRC", 0, {{"E4.SRE", 12}});
  AddComponent(310, "C6.SRC", 0, {{"E6.SRE", 13}});
  WriteOps(ws->Db.MechLibFolder + "E13.IMP", {});
  // The operations file's own fault follows the fixed text, naming the file (and line).
  const std::string readError = "Err with C4.SRC Err with Error reading operations library. ";
  std::string message = runWithSecondGroup(kServices, "S1.SER", {{"C4.SRC", 0, 1}});
  EXPECT_TRUE(message.starts_with("S1.SER " + readError + "Cannot open ")) << message;
  EXPECT_NE(message.find("E12.IMP"), std::string::npos) << message;
  EXPECT_EQ(runWithSecondGroup(kServices, "S2.SER", {{"C6.SRC", 0, 1}}),
            Terminated("S2.SER Err with C6.SRC Err with No. of Mat'l in Elm. = 0"));
  tmp.Write("db/MECHASER/E12.IMP", "1\r\n\"m\",5,2\r\n1,0,\"\",\"\"\r\n");
  message = runWithSecondGroup(kServices, "S3.SER", {{"C4.SRC", 0, 1}});
  EXPECT_TRUE(message.starts_with("S3.SER " + readError)) << message;
  EXPECT_NE(message.find("E12.IMP: line 4: the file ends early"), std::string::npos) << message;
}

TEST_F(Calculation, FilesThatCannotBeOpenedStopTheRunNamingThem) {
  AddComponent(110, "C1.FDC", 0, {{"GONE.FDE", 0}});
  AddGroup(kFoundation, "F1.FDN", 1, {{"NOSUCH.FDC", 0, 1}});
  AddGroup(kFoundation, "F2.FDN", 1, {{"C1.FDC", 0, 1}});
  ws->Project.FdnCount = 1;
  for (const auto& [group, start, named] : std::vector<std::array<std::string, 3>>{
           {"F1.FDN", "F1.FDN Err with NOSUCH.FDC Err with ", proj + "NOSUCH.FDC"},
           {"F2.FDN", "F2.FDN Err with C1.FDC Err with ", "GONE.FDE"},
           {"LOST.FDN", "", "LOST.FDN"}}) {
    ws->Project.FdnFile[0] = group;
    const std::string message = RunImpacts().Message;
    EXPECT_TRUE(message.starts_with(start)) << message;
    EXPECT_NE(message.find(named), std::string::npos) << message;
    EXPECT_EQ(message.find("Err with") == std::string::npos, start.empty()) << message;
    EXPECT_TRUE(message.ends_with(". Impacting calculation terminated!!")) << message;  // a sentence of its own
  }
  // A group listing a component type that is no floor portion.
  ws->Project.FdnCount = 0;
  AddElement(220, "E2.FLE", 0, {"5", "1", "0", "50"});
  AddComponent(210, "C2.FLC", 1, {{"E2.FLE", 0}});
  AddGroup(kFloor, "L1.FLR", 1, {{"C2.FLC", 7, 1}});
  EXPECT_TRUE(RunImpacts().Message.starts_with("L1.FLR Err with C2.FLC"));
}
