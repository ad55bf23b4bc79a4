// kelca-cli assess on a small project written with the project's own writers.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "building/ComponentRecord.h"
#include "building/ElementRecord.h"
#include "building/GroupRecord.h"
#include "building/ProjectState.h"
#include "lca/ResultFile.h"
#include "lca/WeightFile.h"
#include "plant/EnergyResultFile.h"
#include "plant/NonACServices.h"
#include "support/CliRun.h"
#include "support/DbFiles.h"
#include "support/TempFolder.h"

using namespace kelca;
using namespace kelca::testing;

namespace {

// Material 1 has impact and waste impact factors 1..10, energy 2 MJ and cost
// 10 ZQ$ per unit; electricity (501) has impact factors 1..10 per MJ.
void WriteDatabase(const TempFolder& tmp) {
  const std::vector<std::vector<TestMaterial>> sections = {
      {{1, "Concrete", "m3", 2400, 1.4f, 880, 0, 2, 10}}, {}, {{501, "Electricity", "MJ"}}};
  std::filesystem::create_directory(tmp.File("db"));
  tmp.Write("db/MATLCIA.IDB", MaterialFileText(sections));
  tmp.Write("db/MATLCIA.ILF", MaterialFileText(sections));
}

// One foundation group (2 in the building) with one component of one element
// listing material 1: 3 units, no wastage, life 50 years.
void WriteProject(const TempFolder& tmp, int elementCode = 120) {
  ProjectState p;
  p.ProjName = "Depot";
  p.FdnCount = 1;
  p.FdnFile[0] = "BASE.FDN";
  p.FdnName[0] = "Base";
  p.FdnQty[0] = 2;
  ASSERT_TRUE(WriteProjectFile(tmp.File("DEPOT.PRJ"), p));
  ASSERT_TRUE(WriteGroupFile(tmp.Folder(), kFoundation,
                             {.GrpFile = "BASE.FDN", .GrpName = "Base", .GrpCompCount = 1, .GrpCompFile = {"PADS.FDC"},
                              .GrpCompName = {"Pads"}, .GrpCompQty = {1}}));
  ASSERT_TRUE(WriteCompFile(tmp.Folder(), kFoundation + 10,
                            {.CompFile = "PADS.FDC", .CompName = "Pads", .CompElmCount = 1, .CompElmFile = {"PAD.FDE"},
                             .CompElmName = {"Pad"}}));
  ASSERT_TRUE(WriteElmFile(tmp.Folder(), elementCode,
                           {.ElmFile = "PAD.FDE", .ElmName = "Pad", .ElmValue = {"1", "3", "0", "50"},
                            .ElmRemark = {}}));
}

struct AssessCommand : ::testing::Test {
  AssessCommand() {
    WriteDatabase(tmp);
    WriteProject(tmp);
  }
  CliRun Assess(const std::string& more = "") {
    return RunCli("assess " + Quote(tmp.File("DEPOT.PRJ")) + " --db " + Quote(tmp.File("db")) + " " + more);
  }
  TempFolder tmp;
};

}  // namespace

TEST_F(AssessCommand, PrintsTheWholeBuildingByStage) {
  const CliRun run = Assess("--energy 1000,0,0,0,0,77");
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("   Impact calculation completed"), std::string::npos);
  EXPECT_NE(run.output.find("   LCC calculation completed"), std::string::npos);
  // 6 units built and demolished at 2 kg CO2 eq. each; electricity 1000 kWh x 3.6 x 50 = 180000 MJ at 2 per MJ.
  EXPECT_EQ(PrintedValues(run.output, "2. Global Warming (kg CO2 eq.)"),
            (std::vector<std::string>{"360024", "12", "0", "360000", "12"}));
  EXPECT_EQ(PrintedValues(run.output, "11. Energy Use (MJ)"), (std::vector<std::string>{"180012", "12", "0", "180000", "0"}));
  EXPECT_EQ(PrintedValues(run.output, "12. Solid Waste (kg)"), (std::vector<std::string>{"6", "0", "0", "0", "6"}));
  const std::vector<std::string> cost = PrintedValues(run.output, "13. Life Cycle Cost (ZQ$)");
  ASSERT_EQ(cost.size(), 5u);
  EXPECT_EQ(cost[1], "60");
  EXPECT_NEAR(std::stod(cost[3]), 50.735418 * 1000 * 0.92, 1);
  for (const char* label : {"1. Abiotic Depl'n (kg Sb eq.)", "10. Eutrophication (kg PO4 eq.)", "Total LCA/LCC Score"}) {
    EXPECT_EQ(PrintedValues(run.output, label).size(), 5u) << label;
  }
}

// Energy results: 2000 kWh of air conditioning, 1000 kWh of one fire services
// system, and one town gas system of 500 MJ belonging to fire services.
void WriteEnergyResults(const TempFolder& tmp, const std::string& eurName) {
  auto services = std::make_unique<NonACServices>();
  services->Electric[kFireServices].Count = services->TownGas.Count = 1;
  services->Electric[kFireServices].System[1].AnnualEnergy = 1000;
  services->TownGas.System[1] = {"Gas", 2, 0, 0.8f, 0, 0, 500};
  ASSERT_TRUE(WriteNonACFile(tmp.File("DEPOT.NAC"), "Depot", *services));
  AnnualACEnergy ac;
  ac.Value[0] = 2000;
  const auto plant = std::make_unique<PlantInput>();
  ASSERT_TRUE(WriteEnergyResultFile(tmp.File(eurName), ac, ZoneElecEnergy{}, *plant, *services));
}

TEST_F(AssessCommand, EnergyComesFromTheProjectsEnergyResultsUnlessGiven) {
  WriteEnergyResults(tmp, "DEPOT.EUR");
  const auto operatingEnergy = [&](const std::string& more) {
    const CliRun run = Assess("--res " + Quote(tmp.File("E.RES")) + " " + more);
    EXPECT_EQ(run.status, 0) << run.output;
    ProjectState info;
    auto results = std::make_unique<LcaResultSet>();
    EXPECT_TRUE(ReadResultFile(tmp.File("E.RES"), info, *results));
    std::array<float, kSerPortions> energy{};
    for (int p = 0; p < kSerPortions; ++p) energy[p] = results->SerPortion[p].Energy[kOperatingEnergy];
    return energy;
  };
  const float mjPerKWh = 3.6f * 50;
  EXPECT_EQ(operatingEnergy(""), (std::array<float, kSerPortions>{2000 * mjPerKWh, 0, 1000 * mjPerKWh + 500 * 50, 0, 0}));
  // Given values replace the file's, which is then not read.
  EXPECT_EQ(operatingEnergy("--energy 0,0,0,0,10,0"), (std::array<float, kSerPortions>{0, 0, 0, 0, 10 * mjPerKWh}));
  // Another file by name; with given values too, it still brings the town gas systems.
  std::filesystem::rename(tmp.File("DEPOT.EUR"), tmp.File("OTHER.EUR"));
  EXPECT_EQ(operatingEnergy("")[0], 0);
  EXPECT_EQ(operatingEnergy("--eur " + Quote(tmp.File("OTHER.EUR")))[0], 2000 * mjPerKWh);
  EXPECT_EQ(operatingEnergy("--eur " + Quote(tmp.File("OTHER.EUR")) + " --energy 0,0,0,0,10,0"),
            (std::array<float, kSerPortions>{0, 0, 500 * 50, 0, 10 * mjPerKWh}));
}

TEST_F(AssessCommand, WeightsFromAFileChangeTheScore) {
  const std::string base = PrintedValues(Assess().output, "Total LCA/LCC Score")[0];
  WeightFactors w{};
  w[2] = 1;  // global warming only
  ASSERT_TRUE(WriteWeightFile(tmp.File("GW.WGT"), w, CostParams{5, 3, 2}));
  const CliRun run = Assess("--wgt " + Quote(tmp.File("GW.WGT")));
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_NE(PrintedValues(run.output, "Total LCA/LCC Score")[0], base);
  EXPECT_NEAR(std::stod(PrintedValues(run.output, "Total LCA/LCC Score")[1]), 12.0 / 197000, 1e-9);
}

TEST_F(AssessCommand, ACalculationErrorPrintsTheRunsTextAndExitsWithOne) {
  WriteProject(tmp, 220);  // a floor element in a foundation component
  const CliRun run = Assess();
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("BASE.FDN Err with PADS.FDC Err with PAD.FDE is not for a Foundations element! "
                            "Impacting calculation terminated!!"),
            std::string::npos)
      << run.output;
  EXPECT_EQ(run.output.find("Whole building results"), std::string::npos);
}

TEST_F(AssessCommand, BadArgumentsAndUnreadableFiles) {
  EXPECT_EQ(RunCli("assess " + Quote(tmp.File("DEPOT.PRJ"))).status, 2);  // no --db
  for (const char* bad : {"--energy 1,2,3", "--energy 1,2,3,4,5,x", "--frobnicate"}) EXPECT_EQ(Assess(bad).status, 2);
  // A file or folder that cannot be read: a message naming it.
  tmp.Write("BAD.EUR", "1\r\n");
  tmp.Write("BAD.WGT", "1\r\n");
  const std::string project = Quote(tmp.File("DEPOT.PRJ")), db = " --db " + Quote(tmp.File("db"));
  for (const auto& [args, named] : std::vector<std::pair<std::string, std::string>>{
           {Quote(tmp.File("NONE.PRJ")) + db, "NONE.PRJ"},
           {project + " --db " + Quote(tmp.File("nodb")), "nodb"},
           {project + db + " --eur " + Quote(tmp.File("BAD.EUR")), "BAD.EUR"},
           {project + db + " --wgt " + Quote(tmp.File("BAD.WGT")), "BAD.WGT"}}) {
    const CliRun run = RunCli("assess " + args);
    EXPECT_EQ(run.status, 1) << args;
    EXPECT_NE(run.output.find(named), std::string::npos) << run.output;
  }
}
