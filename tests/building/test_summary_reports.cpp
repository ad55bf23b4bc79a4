// The input and selection summary reports of a small project written by the
// tests: the whole text of both, the edge cases of the selection, and reports
// that stop on a file that cannot be read or cannot be written.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

#include "building/SummaryReports.h"
#include "support/DbFiles.h"
#include "support/TempFolder.h"

using namespace kelca;
using kelca::testing::LibraryLine;
using kelca::testing::TempFolder;

namespace {

// The report texts below are written with LF; reports end their lines in CR LF.
// Lines that end in a number end in a blank.
std::string Crlf(const std::string& text) {
  std::string out;
  for (char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return out;
}

// One group of each type. The walls hold an element of type 0 (which no
// library row describes), the frame a library element and one with no values.
struct SmallProject {
  SmallProject() {
    for (const char* lib : {"FOUND", "FABRIC", "MECHASER"}) std::filesystem::create_directories(tmp.File("db/") + lib);
    tmp.Write("db/FOUND/FOUND.ELB", LibraryLine("FOUND", "Footings") +
                                        LibraryLine("1", "Pad footing", {{"Length", "m"}, {"Width", "m"}}));
    tmp.Write("db/FABRIC/FABRIC.ELB", LibraryLine("FABRIC", "Fabric") + LibraryLine("5", "Slab", {{"Area", "m2"}}));
    tmp.Write("db/MECHASER/MECHASER.ELB", LibraryLine("MECHASER", "Mech") +
                                              LibraryLine("3", "Ductwork", {{"Length", "m"}}));
    db.LcaDbFolder = tmp.File("db/");
    SetLibraryLocations(db);

    std::filesystem::create_directories(tmp.File("proj"));
    tmp.Write("proj/TEST.PRJ", Crlf("\"TEST.PRJ\"\n\"Test block\",250.5\n1\n\"F.FDN\",\"Footings\",1\n"
                                    "1\n\"T.FLR\",\"Typical floor\",3\n1\n\"H.SER\",\"Air side\",1\n"));
    EXPECT_TRUE(ReadProjectFile(tmp.File("proj/TEST.PRJ"), *project));
    project->ProjFileName = "TEST.PRJ";  // as Open Project leaves it
    for (const auto& [file, text] : std::vector<std::pair<std::string, std::string>>{
             {"F.FDN", "\"F.FDN\"\n100\n\"Footings\"\n1\n1\n\"P.FDC\",\"Pads\",0,4\n"},
             {"P.FDC", "\"P.FDC\"\n110\n\"Pads\"\n0\n4\n1\n\"P1.FDE\",\"Pad\",1\n"},
             {"P1.FDE", "\"P1.FDE\"\n120\n\"Pad\"\n1\n\"2\",\"\"\n\"1.5\",\"typical\"\n\"\",\"\"\n"},
             {"T.FLR", "\"T.FLR\"\n200\n\"Typical floor\"\n3\n2\n\"W.FLC\",\"Walls\",0,1\n\"FR.FLC\",\"Frame\",1,2\n"},
             {"W.FLC", "\"W.FLC\"\n210\n\"Walls\"\n0\n1\n1\n\"W1.FLE\",\"Own mix\",0\n"},
             {"W1.FLE", "\"W1.FLE\"\n220\n\"Own mix\"\n0\n\"12\",\"Concrete\"\n\"2.5\",\"\"\n\"\",\"\"\n"},
             {"FR.FLC", "\"FR.FLC\"\n210\n\"Frame\"\n1\n2\n2\n\"FR1.FLE\",\"Slab\",5\n\"FR2.FLE\",\"Spare\",5\n"},
             {"FR1.FLE", "\"FR1.FLE\"\n220\n\"Slab\"\n5\n\"40\",\"\"\n\"\",\"\"\n"},
             {"FR2.FLE", "\"FR2.FLE\"\n220\n\"Spare\"\n5\n\"\",\"\"\n"},
             {"H.SER", "\"H.SER\"\n300\n\"Air side\"\n1\n1\n\"D.SRC\",\"Ducts\",0,1\n"},
             {"D.SRC", "\"D.SRC\"\n310\n\"Ducts\"\n0\n1\n1\n\"D1.SRE\",\"Duct\",3\n"},
             {"D1.SRE", "\"D1.SRE\"\n320\n\"Duct\"\n3\n\"120\",\"m run\"\n\"\",\"\"\n"}}) {
      tmp.Write("proj/" + file, Crlf(text));
    }
    ResetAllSel(*sel);
  }

  SummaryInputs Inputs() const { return {*project, db, tmp.File("proj/")}; }
  Status Input() const { return WriteInputSummary(Inputs(), Target()); }
  Status Selection() const { return WriteSelectionSummary(Inputs(), *sel, Target()); }
  std::string Target() const { return tmp.File("REPORT.TXT"); }
  std::string Written() const { return tmp.Read("REPORT.TXT"); }

  TempFolder tmp;
  DbLocations db;
  std::unique_ptr<ProjectState> project = std::make_unique<ProjectState>();
  std::unique_ptr<SelectionTables> sel = std::make_unique<SelectionTables>();
};

const std::string kInputSummary = Crlf(R"(Input Summary Report for the Project named:Test block

Main Project File:TEST.PRJ

Construction Floor Area (sqm): 250.5 

The Project comprises:

No. of Foundation group(s): 1 

Name:      Footings
Qty. (No.): 1 
In file:   F.FDN

No. of Floor(s): 1 

Name:      Typical floor
Qty. (No.): 3 
In file:   T.FLR

No. of Services: 1 

Name:      Air side
Qty. (No.): 1 
In file:   H.SER

For the Foundation Group:Footings

No. of Components in the Group: 1 

Component Name:Pads
In file:       P.FDC
Component Type:Foundation
Qty. (No.):     4 

For the Component:Pads

No. of ELements in the Component: 1 

Element Name:Pad
Element Type:Pad footing
In file:     P1.FDE

For the Element:Pad

Length                              m         2
Width                               m         1.5             typical

For the Floor Group:Typical floor

No. of Components in the Group: 2 

Component Name:Walls
In file:       W.FLC
Component Type:Envelope
Qty. (No.):     1 

Component Name:Frame
In file:       FR.FLC
Component Type:Frame
Qty. (No.):     2 

For the Component:Walls

No. of ELements in the Component: 1 

Element Name:Own mix
Element Type:
In file:     W1.FLE

For the Element:Own mix

                                              12              Concrete
                                              2.5

For the Component:Frame

No. of ELements in the Component: 2 

Element Name:Slab
Element Type:Slab
In file:     FR1.FLE

Element Name:Spare
Element Type:Slab
In file:     FR2.FLE

For the Element:Slab

Area                                m2        40

For the Element:Spare


For the Services Group:Air side

No. of Components in the Group: 1 

Component Name:Ducts
In file:       D.SRC
Component Type:HVAC
Qty. (No.):     1 

For the Component:Ducts

No. of ELements in the Component: 1 

Element Name:Duct
Element Type:Ductwork
In file:     D1.SRE

For the Element:Duct

Length                              m         120             m run

)");

// The floor group partly selected (walls none, the spare element not), the services group none.
const std::string kSelectionSummary = Crlf(R"(Summary Report on Selection of Components and Elements
for the Project named:Test block

Main Project File:TEST.PRJ

Construction Floor Area (sqm): 250.5 

The Project comprises:

No. of Foundation group(s): 1 

Name:      Footings                                All
Qty. (No.): 1 
In file:   F.FDN

No. of Floor(s): 1 

Name:      Typical floor                           Some
Qty. (No.): 3 
In file:   T.FLR

No. of Services: 1 

Name:      Air side                                None
Qty. (No.): 1 
In file:   H.SER


For the Foundation Group:Footings

No. of Components in the Group: 1 

Component Name:Pads                                    All
In file:       P.FDC
Component Type:Foundation
Qty. (No.):     4 

For the Component:Pads

No. of ELements in the Component: 1 

Element Name:Pad                                     Yes
Element Type:Pad footing
In file:     P1.FDE


For the Floor Group:Typical floor

No. of Components in the Group: 2 

Component Name:Walls                                   None
In file:       W.FLC
Component Type:Envelope
Qty. (No.):     1 

Component Name:Frame                                   Some
In file:       FR.FLC
Component Type:Frame
Qty. (No.):     2 

For the Component:Frame

No. of ELements in the Component: 2 

Element Name:Slab                                    Yes
Element Type:Slab
In file:     FR1.FLE

Element Name:Spare                                   No
Element Type:Slab
In file:     FR2.FLE


)");

}  // namespace

TEST(SummaryReports, InputSummaryListsEveryGroupComponentElementAndValue) {
  SmallProject p;
  p.tmp.Write("REPORT.TXT", "an older report");
  const Status status = p.Input();
  EXPECT_EQ(std::pair(status.ok, status.message), std::pair(true, "Report written to file: " + p.Target()));
  EXPECT_EQ(p.Written(), kInputSummary);
}

TEST(SummaryReports, SelectionSummaryMarksTheSelectionAndLeavesOutWhatIsNotSelected) {
  SmallProject p;
  p.sel->Flr.GrpSel[0] = 0.5f;
  p.sel->Flr.CompSel[0][0] = 0;
  p.sel->Flr.CompSel[0][1] = 0.5f;
  p.sel->Flr.ElmSel[0][1][1] = false;
  p.sel->Ser.GrpSel[0] = 0;
  std::filesystem::remove(p.tmp.File("proj/W.FLC"));  // a component selected "None" is not read
  const Status status = p.Selection();
  EXPECT_EQ(std::pair(status.ok, status.message), std::pair(true, "Report written to file: " + p.Target()));
  EXPECT_EQ(p.Written(), kSelectionSummary);
}

TEST(SummaryReports, EmptyProjectsAndSkippedTypes) {
  SmallProject p;
  auto empty = std::make_unique<ProjectState>();
  empty->ProjName = "Empty";
  ASSERT_TRUE(WriteInputSummary({*empty, p.db, p.tmp.Folder()}, p.Target()));
  const std::string counts = "The Project comprises:\n\nNo. of Foundation group(s): 0 \n\nNo. of Floor(s): 0 \n\n"
                             "No. of Services: 0 \n\n";
  EXPECT_EQ(p.Written(), Crlf("Input Summary Report for the Project named:Empty\n\nMain Project File:\n\n"
                              "Construction Floor Area (sqm): 0 \n\n" + counts));
  ASSERT_TRUE(WriteSelectionSummary({*empty, p.db, p.tmp.Folder()}, *p.sel, p.Target()));
  EXPECT_EQ(p.Written(), Crlf("Summary Report on Selection of Components and Elements\nfor the Project named:Empty\n\n"
                              "Main Project File:\n\nConstruction Floor Area (sqm): 0 \n\n" + counts + "\n"));

  // Skipped floors are listed with the SKIPPED line and get no details; the
  // files of a skipped type are not read.
  p.sel->FlrSkip = 1;
  std::filesystem::remove(p.tmp.File("proj/T.FLR"));
  ASSERT_TRUE(p.Selection());
  const std::string text = p.Written();
  EXPECT_NE(text.find(Crlf("In file:   T.FLR\n\nHowever, all Floors are SKIPPED in the present selection!\n\n"
                           "No. of Services: 1 \n")),
            std::string::npos) << text;
  EXPECT_EQ(text.find("For the Floor Group:"), std::string::npos) << text;
  EXPECT_NE(text.find("For the Services Group:Air side"), std::string::npos) << text;
  EXPECT_EQ(text.find("SKIPPED", text.find("SKIPPED") + 1), std::string::npos) << text;

  GroupSelection s;
  EXPECT_EQ(GroupSelectionOf(*p.sel, 400, 0, s).message, "Error in Component type!!");
  EXPECT_FALSE(GroupSelectionOf(*p.sel, kFloor, 20, s));
}

TEST(SummaryReports, ReadErrorKeepsWhatWasWrittenAndNamesTheFile) {
  struct Case {
    std::function<void(SmallProject&)> breakIt;
    std::string file;        // named in the message's first line
    std::string writtenTo;   // the report's text ends here
  };
  const std::vector<Case> cases = {
      {[](SmallProject& p) { p.tmp.Write("proj/FR.FLC", "\"FR.FLC\"\r\n210\r\n\"Frame\"\r\n1\r\n"); }, "FR.FLC",
       "For the Component:Frame\r\n\r\n"},
      {[](SmallProject& p) { std::filesystem::copy_file(p.tmp.File("proj/F.FDN"), p.tmp.File("proj/T.FLR"),
                                                        std::filesystem::copy_options::overwrite_existing); },
       "T.FLR", "For the Floor Group:Typical floor\r\n\r\n"},
      {[](SmallProject& p) { std::filesystem::remove(p.tmp.File("db/MECHASER/MECHASER.ELB")); },
       "db/MECHASER/MECHASER.ELB", "For the Component:Ducts\r\n\r\n"},
      {[](SmallProject& p) { std::filesystem::remove(p.tmp.File("proj/D1.SRE")); }, "D1.SRE",
       "For the Element:Duct\r\n\r\n"},
  };
  for (const Case& c : cases) {
    SmallProject p;
    c.breakIt(p);
    const Status status = p.Input();
    const std::string firstLine = status.message.substr(0, status.message.find('\n'));
    EXPECT_FALSE(status.ok) << c.file;
    const std::string named = c.file.rfind("db/", 0) == 0 ? p.tmp.File(c.file) : c.file;  // libraries by path
    EXPECT_EQ(firstLine, "Error encountered. Currently reading from:" + named) << status.message;
    EXPECT_EQ(p.Written(), kInputSummary.substr(0, kInputSummary.find(c.writtenTo) + c.writtenTo.size())) << c.file;
  }
}
