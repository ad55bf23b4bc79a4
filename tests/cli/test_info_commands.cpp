// kelca-cli db-info on a database written by the tests, and project-info on a
// copy of the bundled starter project.
#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "building/ComponentRecord.h"
#include "support/CliRun.h"
#include "support/DbFiles.h"
#include "support/TempFolder.h"

using namespace kelca;
using namespace kelca::testing;

namespace {
bool Has(const CliRun& run, const std::string& text) { return run.output.find(text) != std::string::npos; }

// A database with two sections of building materials, electricity but no town
// gas, the FOUND library with two element types and no other library.
void WriteDatabase(const TempFolder& tmp) {
  const std::vector<std::vector<TestMaterial>> sections = {
      {{1, "Concrete", "m3"}, {2, "Steel", "kg"}}, {{101, "Copper", "kg"}}, {{501, "Electricity", "MJ", 0, 0, 0, 0}}};
  tmp.Write("MATLCIA.IDB", MaterialFileText(sections));
  tmp.Write("MATLCIA.ILF", MaterialFileText(sections));
  std::filesystem::create_directory(tmp.File("FOUND"));
  tmp.Write("FOUND/FOUND.ELB", LibraryLine("FOUND", "Footings") +
                                   LibraryLine("1", "Pad", {{"Length", "m"}, {"Width", "m"}}) +
                                   LibraryLine("2", "Pile"));
}

// A copy of the starter project, free to be broken.
struct StarterCopy {
  StarterCopy() { std::filesystem::copy(KELCA_SOURCE_DIR "/samples/starter", tmp.Folder()); }
  CliRun Info(const std::string& more = "") const {
    return RunCli("project-info " + Quote(tmp.File("STARTER.PRJ")) + more);
  }
  TempFolder tmp;
};
const std::string kWithBundledDb = " --db " + Quote(KELCA_SOURCE_DIR "/data/db");
}  // namespace

TEST(DbInfo, PrintsSectionsEnergyCarriersAndLibraries) {
  TempFolder tmp;
  WriteDatabase(tmp);
  const CliRun run = RunCli("db-info " + Quote(tmp.Folder()));
  EXPECT_EQ(run.status, 0) << run.output;
  for (const char* text : {"Section 1: 2 materials\nSection 2: 1 material\nSection 3: 1 material\n",
                           "Material 501 (electricity): \"Electricity\" per MJ", "Material 502 (town gas): absent",
                           "Library FOUND: \"Footings\", 2 element types", "Library FABRIC: absent",
                           "Library ELECTSER: absent"}) {
    EXPECT_TRUE(Has(run, text)) << text << "\n" << run.output;
  }
}

TEST(DbInfo, UnreadableFilesFailNamingTheFile) {
  TempFolder tmp;
  WriteDatabase(tmp);
  tmp.Write("FOUND/FOUND.ELB", LibraryLine("FOUND", "Footings") + LibraryLine("400", "Out of range"));
  // A bad library leaves the others listed; a bad material file and a missing folder are named.
  for (const auto& [write, folder, named] : std::vector<std::tuple<bool, std::string, std::string>>{
           {false, tmp.Folder(), "FOUND.ELB"},
           {false, tmp.Folder(), "Library MECHASER: absent"},
           {true, tmp.Folder(), "MATLCIA.ILF"},
           {false, tmp.File("nothing here"), "nothing here"}}) {
    if (write) tmp.Write("MATLCIA.ILF", "3\r\n1,\"Concrete\"\r\n");
    const CliRun run = RunCli("db-info " + Quote(folder));
    EXPECT_EQ(run.status, 1) << named;
    EXPECT_TRUE(Has(run, named)) << named << "\n" << run.output;
  }

  EXPECT_EQ(RunCli("db-info").status, 2);
}

TEST(ProjectInfo, PrintsTheTreeWithLibraryNamesWhenGivenTheDatabase) {
  StarterCopy starter;
  CliRun run = starter.Info();
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_TRUE(Has(run, "Project \"Starter office\" (" + starter.tmp.File("STARTER.PRJ") + "), CFA 1200 m2\n"
                       "Foundation groups: 1\n  Group 1: \"Pad footings\" (FOOTINGS.FDN), no. in building 1\n"
                       "    Component 1: \"Column pads\" (PADS.FDC), type \"Foundation\", no. in group 12\n"
                       "      Element 1: \"Pad footing\" (PAD.FDE), type 8\n"
                       "        Value 1: \"1\" remark \"per column\"\n        Value 2: \"2\" remark \"plan\"\n"))
      << run.output;
  EXPECT_TRUE(Has(run, "User values (WALL_.FLE): 1 material\n          Material 1: no. 21, wastage 5 %")) << run.output;
  EXPECT_TRUE(Has(run, "Services groups: 1\n  Group 1: \"Air-conditioning\" (HVAC.SER), no. in building 1\n"))
      << run.output;

  run = starter.Info(kWithBundledDb);
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_TRUE(Has(run, "(PAD.FDE), type 8 \"Pad footing\"\n"
                       "        Value 1: \"1\" [No. of footings, no.] remark \"per column\"\n"))
      << run.output;
  EXPECT_TRUE(Has(run, "Material 1: no. 21 \"Expanded-clay lightweight block\"")) << run.output;
  EXPECT_FALSE(Has(run, "(not in the library)")) << run.output;
  // A component listing an element type the library lacks.
  ComponentRecord pads;
  pads.CompFile = "PADS.FDC";
  ASSERT_TRUE(ReadCompFile(starter.tmp.Folder(), 110, pads));
  pads.CompElmType[0] = 99;
  ASSERT_TRUE(WriteCompFile(starter.tmp.Folder(), 110, pads));
  EXPECT_TRUE(Has(starter.Info(kWithBundledDb), "(PAD.FDE), type 99 (not in the library)"));
}

TEST(ProjectInfo, EveryReaderMessageIsReportedAndTheWalkGoesOn) {
  StarterCopy starter;
  const TempFolder& tmp = starter.tmp;
  // A floor group file listed as the foundation group, a cut element file and a bad user-values file.
  std::filesystem::copy_file(tmp.File("TYPICAL.FLR"), tmp.File("FOOTINGS.FDN"),
                             std::filesystem::copy_options::overwrite_existing);
  tmp.Write("GLAZING.FLE", "\"GLAZING.FLE\"\r\n220\r\n\"Glazing\"\r\n");
  tmp.Write("WALL_.FLE", "12\r\n");
  CliRun run = starter.Info();
  EXPECT_EQ(run.status, 1);
  for (const char* text : {"FOOTINGS.FDN is not a Foundation file!", "Group 1: \"Typical floor\" (TYPICAL.FLR)",
                           "GLAZING.FLE: line 4: the file ends early", "WALL_.FLE", "3 file(s)"}) {
    EXPECT_TRUE(Has(run, text)) << text << "\n" << run.output;
  }
  // A broken database stops the command before the project is read; a broken project file is named.
  run = starter.Info(" --db " + Quote(tmp.Folder()));
  EXPECT_EQ(std::pair(run.status, Has(run, "MATLCIA") && !Has(run, "Foundation groups")), std::pair(1, true))
      << run.output;
  tmp.Write("STARTER.PRJ", "\"STARTER.PRJ\"\r\n\"Starter\",800\r\n25\r\n");
  run = starter.Info();
  EXPECT_EQ(std::pair(run.status, Has(run, "STARTER.PRJ: line 3")), std::pair(1, true)) << run.output;

  EXPECT_EQ(RunCli("project-info").status, 2);
  EXPECT_EQ(RunCli("project-info A.PRJ --db").status, 2);
}
