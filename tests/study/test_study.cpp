// tools/study.sh: a three-variant study of a small project through GNU parallel,
// one variant made to fail.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "plant/PlantInput.h"
#include "support/CliRun.h"
#include "support/CsvRows.h"
#include "support/SmallProject.h"
#include "support/TempFolder.h"

using namespace kelca;
using namespace kelca::testing;

namespace {

const std::string kDb = KELCA_SOURCE_DIR "/data/db";

CliRun RunStudy(const TempFolder& tmp) {
  return RunShell("KELCA_CLI='" KELCA_CLI_PATH "' '" KELCA_SOURCE_DIR "/tools/study.sh' --jobs 2 --db " + Quote(kDb) +
                      " project variants.csv out",
                  tmp.Folder());
}

// The figures of a collected row (without the file name) and the header's column index.
std::vector<std::string> Figures(const CsvRow& row) {
  std::vector<std::string> figures;
  for (size_t i = 1; i < row.size(); ++i) figures.push_back(row[i].Text);
  return figures;
}
size_t Column(const CsvRow& header, const std::string& name) {
  const auto at = std::find_if(header.begin(), header.end(), [&](const CsvField& f) { return f.Text == name; });
  EXPECT_NE(at, header.end()) << name;
  return static_cast<size_t>(at - header.begin());
}

}  // namespace

TEST(Study, RunsEachVariantApartListsTheFailedOneAndCollectsTheOthers) {
  TempFolder tmp;
  std::filesystem::create_directories(tmp.File("project"));
  WriteSmallProject(tmp.File("project"));
  PlantInput plant;
  ASSERT_TRUE(ReadPlantFile(tmp.File("project/STARTER.WSS"), plant));
  plant.ChillerCount = 0;
  ASSERT_TRUE(WritePlantFile(tmp.File("NOCHILLERS.WSS"), "Starter", plant));
  tmp.Write("variants.csv",
            "variant,.WSS,energy\r\n"
            "base,,\r\n"
            "broken,NOCHILLERS.WSS,\r\n"
            "no-energy,,0 0 0 0 0 0\r\n");

  const CliRun study = RunStudy(tmp);
  EXPECT_EQ(study.status, 1) << study.output;
  EXPECT_NE(study.output.find("2 of 3 variants done"), std::string::npos) << study.output;
  EXPECT_NE(study.output.find("  broken: SimPrep: No Chillers?\n"), std::string::npos) << study.output;
  EXPECT_EQ(tmp.Read("out/failures.csv"), "variant,message\r\n\"broken\",\"SimPrep: No Chillers?\"\r\n");
  const std::string jobs = tmp.Read("out/joblog.txt");
  EXPECT_EQ(std::count(jobs.begin(), jobs.end(), '\n'), 4) << jobs;  // a header and one line per variant

  const std::string collected = tmp.Read("out/study.csv");
  const auto rows = CsvRows(collected);
  ASSERT_EQ(rows.size(), 3u) << collected;  // the header and two variants
  EXPECT_EQ(rows[1][0].Text, "base/base.RES");
  EXPECT_EQ(rows[2][0].Text, "no-energy/no-energy.RES");

  // The base variant gives what energy and assess give by hand on the project.
  ASSERT_EQ(RunCli("energy project/STARTER.PRJ --db " + Quote(kDb), tmp.Folder()).status, 0);
  const CliRun assess = RunCli("assess project/STARTER.PRJ --db " + Quote(kDb) + " --res project/HAND.RES", tmp.Folder());
  ASSERT_EQ(assess.status, 0) << assess.output;
  const auto hand = CsvRows(RunShell("'" KELCA_CLI_PATH "' collect project/HAND.RES", tmp.Folder()).output);
  ASSERT_GE(hand.size(), 2u);
  EXPECT_EQ(Figures(rows[1]), Figures(hand[1]));

  // Without operating energy the building's own figures stay and B6 is nothing.
  const size_t builtGw = Column(rows[0], "Global Warming A1-A5 (kg CO2 eq.)");
  const size_t energyGw = Column(rows[0], "Global Warming B6 (kg CO2 eq.)");
  EXPECT_EQ(rows[2][builtGw].Text, rows[1][builtGw].Text);
  EXPECT_EQ(rows[2][energyGw].Text, "0");
  EXPECT_GT(std::stod(rows[1][energyGw].Text), 0.0);

  // Running the study again gives the same table.
  EXPECT_EQ(RunStudy(tmp).status, 1);
  EXPECT_EQ(tmp.Read("out/study.csv"), collected);
}
