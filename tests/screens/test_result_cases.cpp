// The view of a result case, the ".RES" file, and the result screen's cases and table.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "common/Numbers.h"
#include "lca/ResultFile.h"
#include "screens/ResultScreen.h"
#include "support/WorkspaceFixture.h"

using namespace kelca;

namespace {

// Distinct values in every slot, so that a swapped or shifted value shows.
void FillPart(PartResult& p, float seed) {
  for (int s = 0; s < kStages; ++s) {
    for (int c = 1; c < kImpactSlots; ++c) p.Impact[s][c] = seed + 100 * s + c;
    p.Energy[s] = seed * 2 + s;
    p.Waste[s] = seed * 3 + s + 0.5f;
    p.Cost[s] = seed * 1000 + s;
  }
}

struct ResultsFixture : ::testing::Test, kelca::testing::WorkspaceFixture {
  ResultsFixture() {
    OpenProject();
    ProjectState& p = ws->Project;
    p.ProjName = "Office";
    p.FdnCount = 1;
    p.FdnFile[0] = "F1.FDN";
    p.SerCount = 2;
    p.SerFile = {"S1.SER", "S2.SER"};
    p.SerName = {"Plant room", "Risers"};
    p.SerQty = {1, 3};
    float seed = 1;
    ForEachPart(ws->Results, [&](PartResult& part) { FillPart(part, seed++); });
  }
};

}  // namespace

TEST(ViewComputation, GlobalWarmingOf197000NormalisesToOneAndWeighsPointThree) {
  AssessmentParameters params;
  SetDefaultParameters(params);
  PartResult source;
  source.Impact[kAsBuilt][2] = 197000;
  source.Impact[kAsBuilt][1] = 1480;  // normalised 1, weighted 0.13
  source.Cost[kAsBuilt] = 0.92f * 277778;
  source.Energy[kAsBuilt] = 12;
  CaseView view;
  std::array<float, kStages> score{};
  ComputeView(source, params, view, score);
  EXPECT_FLOAT_EQ(view.Table[kAsBuilt][2].Normalised, 1);
  EXPECT_FLOAT_EQ(view.Table[kAsBuilt][2].Weighted, 0.3f);
  EXPECT_FLOAT_EQ(view.Table[kAsBuilt][0].Weighted, 0.43f);
  EXPECT_EQ(view.Table[kAsBuilt][0].Characterised, 0);
  EXPECT_NEAR(score[kAsBuilt], 0.43f + 0.55556f, 1e-5);
  EXPECT_EQ(score[kDemolition], 0);
  const ShownView shown = ShowStage(view, score, kAsBuilt);
  EXPECT_EQ(std::tuple(shown.Characterised[2], shown.Normalised[2], shown.Weighted[2], shown.Weighted[0], shown.Energy,
                       shown.Score),
            std::tuple("197000", "1", "0.3", "0.43", "12", "0.98556"));
}

TEST(ViewComputation, NoZeroPriceOrOverflowReachesTheView) {
  AssessmentParameters params;
  SetDefaultParameters(params);
  params.CurrentPrices[0] = 0;
  params.CurrentWeights[1] = 3e38f;
  PartResult source;
  source.Impact[0][1] = 3e38f;
  source.Cost[0] = 5e6f;
  CaseView view;
  std::array<float, kStages> score{};
  ComputeView(source, params, view, score);
  EXPECT_EQ(score[0], 0);
  const ShownView shown = ShowStage(view, score, 0);
  for (const std::string& text : {shown.Weighted[1], shown.Weighted[0], shown.Score}) {
    EXPECT_EQ(text.find("inf"), std::string::npos);
    EXPECT_EQ(text.find("nan"), std::string::npos);
  }
}

TEST(ViewSelection, ChoosesTheSourceOfEveryPartEntryAndGroup) {
  auto results = std::make_unique<LcaResultSet>();
  ProjectState info;
  info.FlrCount = 2;
  info.FlrName[0] = "Typical";
  info.FlrName[1] = "Roof";
  // Incomplete or out of range: nothing; there are no foundation groups.
  const LcaResultSet& r = *results;
  for (const auto& [part, entry, group, source] : {std::tuple{kWholeBldg, -1, -1, &r.Bldg},
                                                   {kFloors, 2, -1, &r.FlrPortion[1]},
                                                   {kServicesPart, 5, -1, &r.SerPortion[4]},
                                                   {kFloors, 4, 1, &r.FlrGroup[1]},
                                                   {kFloors, -1, -1, nullptr},
                                                   {kFloors, 4, -1, nullptr},
                                                   {kFloors, 4, 2, nullptr},
                                                   {kFoundations, 1, 0, nullptr}}) {
    EXPECT_EQ(ViewSource(*results, info, {part, entry, group}), source) << part << " " << entry << " " << group;
  }
}

TEST_F(ResultsFixture, ResultFileRoundTripKeepsEveryValue) {
  ASSERT_TRUE(WriteResultFile(tmp.File("C.RES"), ws->Project, ws->Results));
  ProjectState info;
  auto read = std::make_unique<LcaResultSet>();
  ASSERT_TRUE(ReadResultFile(tmp.File("C.RES"), info, *read));
  EXPECT_EQ(std::tuple(info.ProjFileName, info.ProjName, info.SerName[1], info.SerQty[1], info.FlrCount, info.ProjDir),
            std::tuple("OFFICE.PRJ", "Office", "Risers", 3.0f, 0, ""));
  std::vector<const PartResult*> a, b;
  ForEachPart(ws->Results, [&](const PartResult& p) { a.push_back(&p); });
  ForEachPart(*read, [&](const PartResult& p) { b.push_back(&p); });
  for (size_t i = 0; i < a.size(); ++i) {
    // Parts 0..11 (building, types, portions), foundation group 0 (12), services groups 0 and 1 (42, 43).
    if (i > 12 && i != 42 && i != 43) continue;
    EXPECT_EQ(a[i]->Impact, b[i]->Impact) << i;
    EXPECT_EQ(a[i]->Energy, b[i]->Energy) << i;
    EXPECT_EQ(a[i]->Waste, b[i]->Waste) << i;
    EXPECT_EQ(a[i]->Cost, b[i]->Cost) << i;
  }
  EXPECT_EQ(read->FdnGroup[1].Cost[0], 0);  // an unused group slot is not stored
}

TEST_F(ResultsFixture, MalformedResultFilesLeaveTheCaseAsItWas) {
  ASSERT_TRUE(WriteResultFile(tmp.File("C.RES"), ws->Project, ws->Results));
  const std::string good = tmp.Read("C.RES");
  tmp.Write("CUT.RES", good.substr(0, good.size() / 2));
  std::string tooMany = good;
  tooMany.replace(tooMany.find("\r\n1\r\n") + 2, 1, "11");  // foundation group count 11
  tmp.Write("COUNT.RES", tooMany);
  ResultScreenModel screen(*ws);
  ResultCase& alternative = ws->Cases.Case[kAlternativeCase];
  alternative.Info.ProjName = "kept";
  alternative.Results.Bldg.Cost[0] = 42;
  for (const char* name : {"CUT.RES", "COUNT.RES", "NONE.RES"}) {
    prompts.QueueFile(tmp.File(name));
    screen.LoadCase(kAlternativeCase, prompts);
    ASSERT_FALSE(prompts.Messages().empty());
    EXPECT_NE(prompts.Messages().back().find(name), std::string::npos) << prompts.Messages().back();
  }
  EXPECT_EQ(prompts.Messages().size(), 3u);
  EXPECT_EQ(std::pair(alternative.Info.ProjName, alternative.Results.Bldg.Cost[0]), std::pair(std::string("kept"), 42.0f));
  EXPECT_FALSE(screen.SaveEnabled(kAlternativeCase));
}

TEST_F(ResultsFixture, TableExportWritesTheShownView) {
  ResultScreenModel screen(*ws);
  screen.SelectPart(kWholeBldg);
  screen.SelectStage(kOperatingEnergy);
  ASSERT_TRUE(screen.ShowResults());
  prompts.QueueFile(tmp.File("T.CSV"));
  screen.ExportTable(prompts);
  const std::string csv = tmp.Read("T.CSV");
  const ShownView& shown = screen.Shown();
  EXPECT_NE(csv.find("\r\n\" 2. Global Warming \"," + shown.Characterised[2] + ",\"kg CO2 eq.\"," +
                     shown.Normalised[2] + "," + shown.Weighted[2] + "\r\n"),
            std::string::npos);
  EXPECT_NE(csv.find("\r\n\"12. Solid Waste\"," + shown.Waste + ",\"kg\",\"\"," + shown.Cost + "\r\n"),
            std::string::npos);
}

TEST_F(ResultsFixture, PerFloorAreaDividesTheCharacterisedValuesAndTheCostOrSaysWhyNot) {
  ws->Results.Bldg.Impact[kAsBuilt][2] = 394000;
  ws->Results.Bldg.Cost[kAsBuilt] = 6000;
  for (const auto& [cfa, gw, cost, suffix, note] :
       {std::tuple{2000.0f, "197", "3", "/m²", "Values per m² of CFA (2000 m²)"},
        {0.0f, "394000", "6000", "", "The CFA of this case is 0: no values per m² can be shown."}}) {
    ws->Project.CFA = cfa;
    ResultScreenModel screen(*ws);
    screen.SelectPart(kWholeBldg);
    screen.SelectStage(kAsBuilt);
    ASSERT_TRUE(screen.ShowResults());
    screen.ShowPerFloorArea(true);
    const ShownView shown = screen.Displayed();
    EXPECT_EQ(std::tuple(shown.Characterised[2], shown.Cost, screen.UnitSuffix(), screen.FloorAreaNote()),
              std::tuple(gw, cost, suffix, note));
    // Normalised, weighted values and the score stay as they are, and so does the table export.
    EXPECT_EQ(std::tie(shown.Normalised, shown.Weighted, shown.Score),
              std::tie(screen.Shown().Normalised, screen.Shown().Weighted, screen.Shown().Score));
    EXPECT_EQ(screen.Shown().Characterised[2], "394000");
    screen.ShowPerFloorArea(false);
    EXPECT_EQ(std::pair(screen.Displayed().Characterised[2], screen.FloorAreaNote()), std::pair(std::string("394000"), std::string()));
  }
}

// A reference saved and loaded as the alternative shows the same view, finds
// its floor area in the project file beside it, and exports all its results.
TEST_F(ResultsFixture, AReferenceLoadedAsAlternativeShowsTheSameViewKeepsItsFloorAreaAndExportsItsTable) {
  ws->Project.CFA = 1500;
  ASSERT_TRUE(WriteProjectFile(tmp.File("OFFICE.PRJ"), ws->Project));
  ResultScreenModel screen(*ws);
  const auto showServicesEnvelope = [&](int caseIndex) {
    screen.SelectCase(caseIndex);
    screen.SelectPart(kServicesPart);
    screen.SelectClass(2);
    screen.SelectStage(kWholeLife);
    EXPECT_TRUE(screen.ShowResults());
    return screen.Shown();
  };
  screen.SetReference();
  prompts.QueueFile(tmp.File("REF.RES"));
  screen.SaveCase(kReferenceCase, prompts);
  const ShownView reference = showServicesEnvelope(kReferenceCase);
  const LcaResultSet& r = ws->Cases.Case[kReferenceCase].Results;
  ws->Results = LcaResultSet{};  // the live results change; the file does not
  ws->Project.CFA = 0;
  prompts.QueueFile(tmp.File("REF.RES"));
  screen.LoadCase(kAlternativeCase, prompts);
  EXPECT_EQ(screen.WorkingCopy().Info.CFA, 1500);
  const ShownView alternative = showServicesEnvelope(kAlternativeCase);
  EXPECT_EQ(std::tie(alternative.Characterised, alternative.Normalised, alternative.Weighted, alternative.Score),
            std::tie(reference.Characterised, reference.Normalised, reference.Weighted, reference.Score));
  EXPECT_EQ(alternative.Cost, FormatGeneral(r.SerPortion[1].Cost[0]));
  EXPECT_NE(alternative.Cost, "0");
  prompts.QueueFile(tmp.File("ALL.CSV"));
  screen.ExportAllResults(prompts);
  EXPECT_EQ(prompts.dialogs.back().proposedName, "OFFICE_A_ALL.CSV");
  const std::string table = tmp.Read("ALL.CSV");
  EXPECT_EQ(table.substr(0, table.find("\r\n")),
            "\"Part\",\"Portion or Group\",\"Stage\",\"Module\",\"Category\",\"Unit\",\"Characterised\",\"Normalised\","
            "\"Weighted\",\"Per m2 CFA\",\"Per m2 CFA and Year\"");
  EXPECT_NE(table.find("\r\n\"Services\",\"Risers\",\"Operating (Energy)\",\"B6\""), std::string::npos);
  EXPECT_NE(table.find("\r\n\"Foundations\",\"F1.FDN\","), std::string::npos);  // a group without a name
  EXPECT_NE(table.find("\r\n\"Whole Bldg.\",\"\",\"As Built\",\"A1-A5\",\"Global Warming\",\"kg CO2 eq.\"," +
                       FormatSingle(r.Bldg.Impact[kAsBuilt][2]) + ","),
            std::string::npos);
  EXPECT_NE(table.find("," + FormatSingle(r.Bldg.Impact[kAsBuilt][2] / 1500) + ","), std::string::npos);
  // Cancelled: nothing written, nothing said.
  screen.ExportAllResults(prompts);
  EXPECT_TRUE(prompts.Messages().empty());
}
