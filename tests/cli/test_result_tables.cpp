// The tidy table of every figure (assess --table), and the tables across cases
// (kelca-cli compare and collect), read as a spreadsheet reads them.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <tuple>

#include "building/GroupTypes.h"
#include "building/ProjectState.h"
#include "common/Numbers.h"
#include "lca/ResultFile.h"
#include "lca/ResultTable.h"
#include "support/CliRun.h"
#include "support/CsvRows.h"
#include "support/TempFolder.h"

using namespace kelca;
using namespace kelca::testing;

namespace {

const std::vector<std::string> kModules{"A-C", "A1-A5", "B4", "B6", "C1-C4"};

float Number(const CsvField& field) {
  EXPECT_FALSE(field.Quoted) << field.Text;
  const auto value = ParseNumber(field.Text);
  EXPECT_TRUE(value && !field.Text.empty()) << field.Text;
  return static_cast<float>(value.value_or(0));
}

// Every view the results screen can show: its selection and the part and
// portion or group the table names it by.
struct NamedView {
  ViewSelection Selection;
  std::string Part, Portion;
};
std::vector<NamedView> EveryView(const ProjectState& info) {
  CompTypeNameList floors, services;
  LoadCompTypeNames(kFloor, floors);
  LoadCompTypeNames(kServices, services);
  std::vector<NamedView> views{{{kWholeBldg, -1, -1}, "Whole Bldg.", ""}};
  for (int part = kFoundations; part <= kServicesPart; ++part) {
    const std::vector<std::string> entries = ClassEntries(part);
    for (int e = 0; e < static_cast<int>(entries.size()); ++e) {
      const std::string portion = e == 0 ? "" : (part == kFloors ? floors : services)[e - 1];
      if (!IsGroupEntry(part, e)) views.push_back({{part, e, -1}, PartNames()[part], portion});
      const std::vector<std::string> groups = IsGroupEntry(part, e) ? GroupNames(part, info) : std::vector<std::string>{};
      for (int g = 0; g < static_cast<int>(groups.size()); ++g) {
        views.push_back({{part, e, g}, PartNames()[part], groups[g]});
      }
    }
  }
  return views;
}

}  // namespace

TEST(ResultTables, TheStarterProjectsTableHoldsEveryFigureOfEveryViewOnce) {
  TempFolder tmp;
  const CliRun run = RunCli("assess '" KELCA_SOURCE_DIR "/samples/starter/STARTER.PRJ' --db '" KELCA_SOURCE_DIR
                            "/data/db' --energy 100000,50000,1000,20000,3000,0 --res " +
                            Quote(tmp.File("S.RES")) + " --table " + Quote(tmp.File("T.CSV")));
  ASSERT_EQ(run.status, 0) << run.output;
  ProjectState info;
  auto results = std::make_unique<LcaResultSet>();
  ASSERT_TRUE(ReadResultFile(tmp.File("S.RES"), info, *results));
  ProjectState project;
  ASSERT_TRUE(ReadProjectFile(KELCA_SOURCE_DIR "/samples/starter/STARTER.PRJ", project));
  const float cfa = project.CFA;
  ASSERT_GT(cfa, 0);
  AssessmentParameters params;
  SetDefaultParameters(params);

  const std::vector<CsvRow> rows = CsvRows(tmp.Read("T.CSV"));
  ASSERT_GT(rows.size(), 1u);
  EXPECT_EQ(rows[0].size(), 11u);
  std::map<std::tuple<std::string, std::string, std::string, std::string>, const CsvRow*> byKey;
  for (size_t i = 1; i < rows.size(); ++i) {
    ASSERT_EQ(rows[i].size(), 11u) << i;
    EXPECT_TRUE(byKey.emplace(std::tuple(rows[i][0].Text, rows[i][1].Text, rows[i][2].Text, rows[i][4].Text), &rows[i])
                    .second)
        << "row " << i << " twice";
  }
  // Each row against the view the results screen shows for it.
  size_t checked = 0;
  for (const NamedView& named : EveryView(info)) {
    const PartResult* source = ViewSource(*results, info, named.Selection);
    ASSERT_NE(source, nullptr);
    CaseView view;
    std::array<float, kStages> score{};
    ComputeView(*source, params, view, score);
    for (int s = 0; s < kStages; ++s) {
      for (int f = 1; f <= kFigures; ++f) {
        const std::string category = f <= 12 ? CategoryName(f) : f == 13 ? "Life Cycle Cost" : "Single Score";
        const auto found = byKey.find(std::tuple(named.Part, named.Portion, StageNames()[s], category));
        ASSERT_NE(found, byKey.end()) << named.Part << "/" << named.Portion << "/" << s << "/" << category;
        const CsvRow& row = *found->second;
        EXPECT_EQ(row[3].Text, kModules[s]);
        ++checked;
        if (f == kSingleScoreFigure) {
          EXPECT_EQ(Number(row[8]), score[s]);
          for (int col : {6, 9, 10}) EXPECT_TRUE(row[col].Quoted && row[col].Text.empty());
          continue;
        }
        const float value = f <= 10 ? view.Table[s][f].Characterised
                                    : f == 11 ? view.Energy[s] : f == 12 ? view.Waste[s] : view.Cost[s];
        EXPECT_EQ(Number(row[6]), value) << category;
        if (f <= 10) {
          EXPECT_EQ(std::pair(Number(row[7]), Number(row[8])),
                    std::pair(view.Table[s][f].Normalised, view.Table[s][f].Weighted));
        }
        EXPECT_NEAR(Number(row[9]), value / cfa, std::abs(value / cfa) * 1e-6);
        EXPECT_NEAR(Number(row[10]), value / cfa / 50, std::abs(value / cfa / 50) * 1e-6);
      }
    }
  }
  EXPECT_EQ(checked, rows.size() - 1);
  // The cost's weighted share and the ten weighted impacts make the score.
  const CsvRow& cost = *byKey.at({"Whole Bldg.", "", "As Built", "Life Cycle Cost"});
  const CsvRow& weighted = *byKey.at({"Whole Bldg.", "", "As Built", "Global Warming"});
  EXPECT_GT(Number(cost[8]), 0);
  EXPECT_GT(Number(weighted[8]), 0);

  // assess prints the whole building per m2 below the table.
  const std::vector<std::string> whole = PrintedValues(run.output, "2. Global Warming (kg CO2 eq.)");
  const std::vector<std::string> perArea = PrintedValues(run.output, "2. Global Warming (kg CO2 eq./m²)");
  ASSERT_EQ(perArea.size(), 5u) << run.output;
  for (size_t s = 0; s < 5; ++s) EXPECT_NEAR(std::stod(perArea[s]), std::stod(whole[s]) / cfa, std::stod(whole[s]) * 1e-6);
  EXPECT_EQ(PrintedValues(run.output, "13. Life Cycle Cost (ZQ$/m²)").size(), 5u);

  // Without a floor area the per-m2 columns stay empty.
  info.CFA = 0;
  const std::string noArea = AllResultsTableText(info, *results, params);
  for (const CsvRow& row : CsvRows(noArea)) {
    if (&row == &rows[0]) continue;
    for (int col : {9, 10}) EXPECT_TRUE(row[col].Text.empty() || row[col].Text.starts_with("Per m2"));
  }
  EXPECT_EQ(noArea.find("inf"), std::string::npos);
  EXPECT_EQ(noArea.find("nan"), std::string::npos);
}

namespace {

// A result case of a project "DEPOT.PRJ" with the given floor groups; every
// figure is distinct, and the whole building as built has the given global
// warming and cost.
void WriteCase(const TempFolder& tmp, const std::string& name, const std::vector<std::string>& floorGroups, float gw,
               float cost) {
  ProjectState info;
  info.ProjFileName = "DEPOT.PRJ";
  info.ProjName = "Depot " + name;
  info.FlrCount = static_cast<int>(floorGroups.size());
  for (size_t g = 0; g < floorGroups.size(); ++g) {
    info.FlrFile[g] = floorGroups[g] + ".FLR";
    info.FlrName[g] = floorGroups[g];
  }
  auto results = std::make_unique<LcaResultSet>();
  float seed = 1;
  ForEachPart(*results, [&](PartResult& p) {
    for (int s = 0; s < kStages; ++s) {
      for (int c = 1; c < kImpactSlots; ++c) p.Impact[s][c] = seed * 100 + 10 * s + c;
      p.Energy[s] = p.Waste[s] = p.Cost[s] = seed * 100 + s;
    }
    ++seed;
  });
  results->Bldg.Impact[kAsBuilt][2] = gw;
  results->Bldg.Cost[kAsBuilt] = cost;
  std::filesystem::create_directories(std::filesystem::path(tmp.File(name)).parent_path());
  ASSERT_TRUE(WriteResultFile(tmp.File(name), info, *results));
}

}  // namespace

TEST(CompareCommand, PrintsAndWritesBothCasesTheirDifferenceAndChange) {
  TempFolder tmp;
  WriteCase(tmp, "A.RES", {"Typical", "Roof"}, 1000, 0);
  WriteCase(tmp, "B.RES", {"Typical", "Roof"}, 1250, 500);
  WriteCase(tmp, "OTHER.RES", {"Typical"}, 1250, 500);
  const CliRun run = RunCli("compare " + Quote(tmp.File("A.RES")) + " " + Quote(tmp.File("B.RES")) + " --csv " +
                            Quote(tmp.File("C.CSV")));
  ASSERT_EQ(run.status, 0) << run.output;
  const size_t asBuilt = run.output.find("Whole building, As Built (A1-A5)");
  ASSERT_NE(asBuilt, std::string::npos) << run.output;
  EXPECT_EQ(PrintedValues(run.output, "2. Global Warming (kg CO2 eq.)", asBuilt),
            (std::vector<std::string>{"1000", "1250", "250", "+25.0%"}));
  EXPECT_EQ(PrintedValues(run.output, "13. Life Cycle Cost (ZQ$)", asBuilt), (std::vector<std::string>{"0", "500", "500", "-"}));
  EXPECT_EQ(PrintedValues(run.output, "14. Single Score", asBuilt).size(), 4u);
  EXPECT_EQ(run.output.find("differ"), std::string::npos);

  // The table: 14 parts, portions and groups, 5 stages, 14 figures.
  const auto table = [&](const std::string& file) { return CsvRows(tmp.Read(file)); };
  std::vector<CsvRow> rows = table("C.CSV");
  ASSERT_EQ(rows.size(), 1u + 14 * 5 * 14);
  const auto find = [](const std::vector<CsvRow>& in, const std::string& portion, const std::string& stage,
                       const std::string& category) -> const CsvRow* {
    for (const CsvRow& row : in) {
      if (row[1].Text == portion && row[2].Text == stage && row[4].Text == category) return &row;
    }
    return nullptr;
  };
  const CsvRow* gw = find(rows, "", "As Built", "Global Warming");
  ASSERT_NE(gw, nullptr);
  EXPECT_EQ(std::tuple(gw->at(0).Text, gw->at(3).Text, Number(gw->at(6)), Number(gw->at(7)), Number(gw->at(8)),
                       Number(gw->at(9))),
            std::tuple("Whole Bldg.", "A1-A5", 1000.0f, 1250.0f, 250.0f, 25.0f));
  const CsvRow* cost = find(rows, "", "As Built", "Life Cycle Cost");
  ASSERT_NE(cost, nullptr);
  EXPECT_TRUE(cost->at(9).Quoted && cost->at(9).Text.empty());  // no change from 0
  const CsvRow* roof = find(rows, "Roof", "Whole Life Cycle", "Energy Use");
  ASSERT_NE(roof, nullptr);
  EXPECT_EQ(Number(roof->at(8)), 0);

  // Different group lists: the groups are left out, and the output says so.
  const CliRun other = RunCli("compare " + Quote(tmp.File("A.RES")) + " " + Quote(tmp.File("OTHER.RES")) + " --csv " +
                              Quote(tmp.File("O.CSV")));
  ASSERT_EQ(other.status, 0) << other.output;
  EXPECT_NE(other.output.find("The group lists of the two projects differ"), std::string::npos);
  rows = table("O.CSV");
  EXPECT_EQ(rows.size(), 1u + 12 * 5 * 14);
  EXPECT_EQ(find(rows, "Typical", "As Built", "Global Warming"), nullptr);
  EXPECT_NE(find(rows, "Frame", "As Built", "Global Warming"), nullptr);

  // A file that cannot be read is named with the reason; a wrong command line gives 2.
  tmp.Write("CUT.RES", tmp.Read("A.RES").substr(0, 300));
  for (const char* bad : {"NONE.RES", "CUT.RES"}) {
    const CliRun failed = RunCli("compare " + Quote(tmp.File("A.RES")) + " " + Quote(tmp.File(bad)));
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.output.find(bad), std::string::npos) << failed.output;
  }
  EXPECT_EQ(RunCli("compare " + Quote(tmp.File("A.RES"))).status, 2);
}

TEST(CollectCommand, WritesOneRowPerCaseWithItsFloorArea) {
  TempFolder tmp;
  ProjectState project;
  project.ProjName = "Depot";
  project.CFA = 500;
  ASSERT_TRUE(WriteProjectFile(tmp.File("DEPOT.PRJ"), project));
  WriteCase(tmp, "A.RES", {"Typical"}, 1000, 0);
  WriteCase(tmp, "B.RES", {}, 2000, 10);
  WriteCase(tmp, "moved/C.RES", {}, 3000, 20);  // its project file is not beside it
  tmp.Write("BAD.RES", "\"x\"\r\n");
  CliRun run = RunCli("collect A.RES B.RES BAD.RES moved/C.RES", tmp.Folder());
  EXPECT_EQ(run.status, 1);
  // The unreadable file is named with the reason on standard error; the others are all written.
  const std::string message = "kelca-cli collect: BAD.RES: line 2: the file ends early\n";
  const size_t at = run.output.find(message);
  ASSERT_NE(at, std::string::npos) << run.output;
  run.output.erase(at, message.size());
  std::vector<CsvRow> rows;
  for (const CsvRow& row : CsvRows(run.output)) {
    if (row.size() > 3) rows.push_back(row);
  }
  ASSERT_EQ(rows.size(), 4u) << run.output;
  const CsvRow& header = rows[0];
  ASSERT_EQ(header.size(), 3u + 5 * 14);
  int gwWhole = -1, gwBuilt = -1;
  for (int i = 0; i < static_cast<int>(header.size()); ++i) {
    if (header[i].Text == "Global Warming A-C (kg CO2 eq.)") gwWhole = i;
    if (header[i].Text == "Global Warming A1-A5 (kg CO2 eq.)") gwBuilt = i;
  }
  ASSERT_TRUE(gwWhole > 2 && gwBuilt > 2);
  for (const auto& [row, file, project, cfa, built] :
       {std::tuple{&rows[1], "A.RES", "Depot A.RES", "500", 1000.0f},
        {&rows[2], "B.RES", "Depot B.RES", "500", 2000.0f},
        {&rows[3], "moved/C.RES", "Depot moved/C.RES", "", 3000.0f}}) {
    ASSERT_EQ(row->size(), header.size());
    EXPECT_EQ(std::tuple(row->at(0).Text, row->at(1).Text, row->at(2).Text), std::tuple(file, project, cfa));
    EXPECT_EQ(Number(row->at(gwBuilt)), built);
    EXPECT_EQ(Number(row->at(gwWhole)), 100 + 2);  // the building is the first part: seed 1, stage 0, category 2
  }
  EXPECT_EQ(RunCli("collect").status, 2);
}
