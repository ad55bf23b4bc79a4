// kelca-cli report on the bundled office and on a copy of the starter project.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/CliRun.h"
#include "support/TempFolder.h"

using namespace kelca::testing;

namespace {
const std::string kDb = " --db " + Quote(KELCA_SOURCE_DIR "/data/db");
}  // namespace

TEST(ReportCommand, InputSummaryOfTheOfficeNamesEveryElementsType) {
  TempFolder tmp;
  const CliRun run = RunCli("report input " + Quote(KELCA_SOURCE_DIR "/samples/office/OFFICE.PRJ") + kDb + " OUT.TXT",
                            tmp.Folder());
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(run.output, "Report written to file: OUT.TXT\n");
  // The whole walk is the summary writer's test; here the libraries of --db name every element's type.
  const std::string text = tmp.Read("OUT.TXT");
  EXPECT_EQ(text.rfind("Input Summary Report for the Project named:Kelport Office Tower\r\n\r\n", 0), 0u);
  EXPECT_GT(CountOf(text, "\r\nFor the Element:"), 80u);
  EXPECT_EQ(CountOf(text, "\r\nElement Type:\r\n"), 0u) << "an element type missing from its library";
}

TEST(ReportCommand, SelectionSummarySkipsTheNamedTypes) {
  TempFolder tmp;
  const CliRun run = RunCli("report selection " + Quote(KELCA_SOURCE_DIR "/samples/starter/STARTER.PRJ") + kDb +
                                " SEL.TXT --skip flr,ser",
                            tmp.Folder());
  ASSERT_EQ(run.status, 0) << run.output;
  const std::string text = tmp.Read("SEL.TXT");
  EXPECT_EQ(CountOf(text, "SKIPPED"), 2u) << text;
  EXPECT_NE(text.find("For the Foundation Group:Pad footings\r\n"), std::string::npos);
}

TEST(ReportCommand, FailuresAndBadCommandLines) {
  TempFolder tmp;
  std::filesystem::copy(KELCA_SOURCE_DIR "/samples/starter", tmp.File("proj"));
  const std::string project = Quote(tmp.File("proj/STARTER.PRJ"));
  tmp.Write("proj/TYPICAL.FLR", "\"TYPICAL.FLR\"\r\n200\r\n\"Typical floor\"\r\n");
  CliRun run = RunCli("report input " + project + kDb + " OUT.TXT", tmp.Folder());
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("Error encountered. Currently reading from:TYPICAL.FLR"), std::string::npos) << run.output;

  run = RunCli("report selection " + project + kDb + " " + Quote(tmp.File("none/SEL.TXT")));
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("Failed to open " + tmp.File("none/SEL.TXT") + " for output!"), std::string::npos)
      << run.output;
  EXPECT_EQ(RunCli("report input " + Quote(tmp.File("NONE.PRJ")) + kDb + " OUT.TXT", tmp.Folder()).status, 1);

  for (const char* args :
       {"", "summary P.PRJ --db D OUT.TXT", "input P.PRJ OUT.TXT", "input P.PRJ --db D", "input P.PRJ --db D A B",
        "input P.PRJ --db D OUT.TXT --skip flr", "selection P.PRJ --db D OUT.TXT --skip flr,walls",
        "selection P.PRJ --db D OUT.TXT --all"}) {
    EXPECT_EQ(RunCli(std::string("report ") + args, tmp.Folder()).status, 2) << args;
  }
}
