// The ".RES", ".CSV" and ".LCC" files that kelca-cli assess writes for the two
// sample projects and the largest building, byte for byte against the files
// kept in fixtures/ (see fixtures/README.md for how they were made).
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

#include "database/ElementLibraries.h"
#include "datagen/LargestBuilding.h"
#include "support/CliRun.h"
#include "support/TempFolder.h"

using namespace kelca;
using namespace kelca::testing;

namespace {

const std::string kSource = std::string(KELCA_SOURCE_DIR) + "/";
const std::string kFixtures = kSource + "tests/lca/fixtures/";
const std::string kEnergy = "100000,50000,1000,20000,3000,0";

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The first line (1, 2, ...) at which two texts differ; 0 when they are equal.
int FirstDifferingLine(const std::string& a, const std::string& b) {
  if (a == b) return 0;
  size_t at = 0;
  while (at < a.size() && at < b.size() && a[at] == b[at]) ++at;
  return 1 + static_cast<int>(std::count(a.begin(), a.begin() + static_cast<long>(at), '\n'));
}

// Assesses the project with the stated energy and compares its three files with the fixtures named stem.
void ExpectFixtureFiles(const std::string& project, const std::string& stem) {
  TempFolder out;
  const CliRun run = RunCli("assess " + Quote(project) + " --db " + Quote(kSource + "data/db") + " --energy " +
                            kEnergy + " --res OUT.RES --csv OUT.CSV --lcc OUT.LCC", out.Folder());
  ASSERT_EQ(run.status, 0) << run.output;
  for (const std::string extension : {".RES", ".CSV", ".LCC"}) {
    const std::string expected = FileText(kFixtures + stem + extension);
    ASSERT_FALSE(expected.empty()) << stem << extension;
    const std::string written = out.Read("OUT" + extension);
    EXPECT_EQ(FirstDifferingLine(written, expected), 0) << stem << extension << " differs at that line";
  }
}

}  // namespace

TEST(ResultFixtures, SampleProjects) {
  ExpectFixtureFiles(kSource + "samples/office/OFFICE.PRJ", "OFFICE");
  ExpectFixtureFiles(kSource + "samples/starter/STARTER.PRJ", "STARTER");
}

TEST(ResultFixtures, LargestBuilding) {
  DbLocations db;
  db.LcaDbFolder = kSource + "data/db/";
  SetLibraryLocations(db);
  TempFolder folder;
  const Status written = datagen::WriteLargestBuilding(folder.Folder(), db, datagen::ElementFiles::Shared);
  ASSERT_TRUE(written.ok) << written.message;
  ExpectFixtureFiles(folder.File(datagen::kLargestProjectFile), "LARGEST");
}
