// kelca-cli db-info and project-info on files written by the project's own writers.
#include <gtest/gtest.h>

#include <filesystem>

#include "building/ComponentRecord.h"
#include "building/ElementRecord.h"
#include "building/GroupRecord.h"
#include "building/ProjectState.h"
#include "lca/UserValues.h"
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

// One foundation group with one component of two elements, and one floor group.
void WriteProject(const TempFolder& tmp) {
  ProjectState p;
  p.ProjName = "Depot";
  p.CFA = 800;
  p.FdnCount = 1;
  p.FdnFile[0] = "BASE.FDN";
  p.FdnName[0] = "Base";
  p.FdnQty[0] = 1;
  p.FlrCount = 1;
  p.FlrFile[0] = "UPPER.FLR";
  p.FlrName[0] = "Upper";
  p.FlrQty[0] = 3;
  ASSERT_TRUE(WriteProjectFile(tmp.File("DEPOT.PRJ"), p));

  GroupRecord g;
  g.GrpFile = "BASE.FDN";
  g.GrpName = "Base";
  g.GrpQty = 1;
  g.GrpCompCount = 1;
  g.GrpCompFile[0] = "PADS.FDC";
  g.GrpCompName[0] = "Pads";
  g.GrpCompQty[0] = 6;
  ASSERT_TRUE(WriteGroupFile(tmp.Folder(), kFoundation, g));
  g.GrpFile = "UPPER.FLR";
  g.GrpCompCount = 0;
  ASSERT_TRUE(WriteGroupFile(tmp.Folder(), kFloor, g));

  ComponentRecord c;
  c.CompFile = "PADS.FDC";
  c.CompName = "Pads";
  c.CompElmCount = 2;
  c.CompElmFile = {"PAD.FDE", "PILE.FDE"};
  c.CompElmName = {"Pad", "Pile"};
  c.CompElmType = {1, 7};
  ASSERT_TRUE(WriteCompFile(tmp.Folder(), 110, c));

  ElementRecord e;
  e.ElmFile = "PAD.FDE";
  e.ElmName = "Pad";
  e.ElmType = 1;
  e.ElmValue[0] = "1.5";
  e.ElmRemark[0] = "long side";
  e.ElmValue[1] = "1.2";
  ASSERT_TRUE(WriteElmFile(tmp.Folder(), 120, e));
  e.ElmFile = "PILE.FDE";
  e.ElmType = 7;
  ASSERT_TRUE(WriteElmFile(tmp.Folder(), 120, e));

  UserValues u;
  u.Count = 1;
  u.MatNo[0] = 2;
  u.Wastage[0] = 4;
  ASSERT_TRUE(WriteUserValues(tmp.File("PAD_.FDE"), u, true));
}
}  // namespace

TEST(DbInfo, PrintsSectionsEnergyCarriersAndLibraries) {
  TempFolder tmp;
  WriteDatabase(tmp);
  const CliRun run = RunCli("db-info " + Quote(tmp.Folder()));
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_TRUE(Has(run, "Section 1: 2 materials\nSection 2: 1 material\nSection 3: 1 material\n")) << run.output;
  EXPECT_TRUE(Has(run, "Material 501 (electricity): \"Electricity\" per MJ")) << run.output;
  EXPECT_TRUE(Has(run, "Material 502 (town gas): absent")) << run.output;
  EXPECT_TRUE(Has(run, "Library FOUND: \"Footings\", 2 element types")) << run.output;
  EXPECT_TRUE(Has(run, "Library FABRIC: absent")) << run.output;
  EXPECT_TRUE(Has(run, "Library ELECTSER: absent")) << run.output;
}

TEST(DbInfo, UnreadableFilesFailNamingTheFile) {
  TempFolder tmp;
  WriteDatabase(tmp);
  tmp.Write("FOUND/FOUND.ELB", LibraryLine("FOUND", "Footings") + LibraryLine("400", "Out of range"));
  CliRun run = RunCli("db-info " + Quote(tmp.Folder()));
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(Has(run, "FOUND.ELB")) << run.output;
  EXPECT_TRUE(Has(run, "Library MECHASER: absent")) << run.output;  // the others are still listed

  tmp.Write("MATLCIA.ILF", "3\r\n1,\"Concrete\"\r\n");
  run = RunCli("db-info " + Quote(tmp.Folder()));
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(Has(run, "MATLCIA.ILF")) << run.output;

  run = RunCli("db-info " + Quote(tmp.File("nothing here")));
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(Has(run, "nothing here")) << run.output;

  EXPECT_EQ(RunCli("db-info").status, 2);
}

TEST(ProjectInfo, PrintsTheTreeWithLibraryNamesWhenGivenTheDatabase) {
  TempFolder tmp;
  WriteDatabase(tmp);
  WriteProject(tmp);
  CliRun run = RunCli("project-info " + Quote(tmp.File("DEPOT.PRJ")));
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_TRUE(Has(run, "Project \"Depot\"")) << run.output;
  EXPECT_TRUE(Has(run, "CFA 800 m2")) << run.output;
  EXPECT_TRUE(Has(run, "Foundation groups: 1\n  Group 1: \"Base\" (BASE.FDN), no. in building 1\n"
                       "    Component 1: \"Pads\" (PADS.FDC), type \"Foundation\", no. in group 6\n"
                       "      Element 1: \"Pad\" (PAD.FDE), type 1\n"
                       "        Value 1: \"1.5\" remark \"long side\"\n        Value 2: \"1.2\"\n"))
      << run.output;
  EXPECT_TRUE(Has(run, "User values (PAD_.FDE): 1 material\n          Material 1: no. 2, wastage 4 %")) << run.output;
  EXPECT_TRUE(Has(run, "Floor groups: 1\n  Group 1: \"Upper\" (UPPER.FLR), no. in building 3\nServices groups: 0\n"))
      << run.output;

  run = RunCli("project-info " + Quote(tmp.File("DEPOT.PRJ")) + " --db " + Quote(tmp.Folder()));
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_TRUE(Has(run, "Element 1: \"Pad\" (PAD.FDE), type 1 \"Pad\"\n"
                       "        Value 1: \"1.5\" [Length, m] remark \"long side\"\n"
                       "        Value 2: \"1.2\" [Width, m]\n"))
      << run.output;
  EXPECT_TRUE(Has(run, "Element 2: \"Pile\" (PILE.FDE), type 7 (not in the library)")) << run.output;
  EXPECT_TRUE(Has(run, "Material 1: no. 2 \"Steel\"")) << run.output;
}

TEST(ProjectInfo, EveryReaderMessageIsReportedAndTheWalkGoesOn) {
  TempFolder tmp;
  WriteProject(tmp);
  // A floor group file listed as the foundation group, and a cut element file.
  std::filesystem::copy_file(tmp.File("UPPER.FLR"), tmp.File("BASE.FDN"),
                             std::filesystem::copy_options::overwrite_existing);
  CliRun run = RunCli("project-info " + Quote(tmp.File("DEPOT.PRJ")));
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(Has(run, "BASE.FDN is not a Foundation file!")) << run.output;
  EXPECT_TRUE(Has(run, "Group 1: \"Upper\" (UPPER.FLR)")) << run.output;

  WriteProject(tmp);
  tmp.Write("PILE.FDE", "\"PILE.FDE\"\r\n120\r\n\"Pile\"\r\n");
  tmp.Write("PAD_.FDE", "12\r\n");
  run = RunCli("project-info " + Quote(tmp.File("DEPOT.PRJ")));
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(Has(run, "PILE.FDE: line 4: the file ends early")) << run.output;
  EXPECT_TRUE(Has(run, "PAD_.FDE")) << run.output;
  EXPECT_TRUE(Has(run, "2 file(s)")) << run.output;

  // A broken database stops the command before the project is read.
  tmp.Write("MATLCIA.IDB", "x\r\n");
  run = RunCli("project-info " + Quote(tmp.File("DEPOT.PRJ")) + " --db " + Quote(tmp.Folder()));
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(Has(run, "MATLCIA")) << run.output;

  tmp.Write("DEPOT.PRJ", "\"DEPOT.PRJ\"\r\n\"Depot\",800\r\n25\r\n");
  run = RunCli("project-info " + Quote(tmp.File("DEPOT.PRJ")));
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(Has(run, "DEPOT.PRJ: line 3")) << run.output;

  EXPECT_EQ(RunCli("project-info").status, 2);
  EXPECT_EQ(RunCli("project-info A.PRJ --db").status, 2);
}
