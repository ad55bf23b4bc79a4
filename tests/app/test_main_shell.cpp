#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <tuple>

#include "app/MainShell.h"
#include "building/ProjectState.h"
#include "common/ScriptedPrompts.h"
#include "support/DbFiles.h"
#include "support/TempFolder.h"

using namespace kelca;
using kelca::testing::TempFolder;
using Texts = std::vector<std::string>;

namespace {
constexpr const char* kFirstStep = "   First step: Open LCIA/LCC Database using the File Menu";

class MainShellTest : public ::testing::Test {
 protected:
  MainShellTest()
      : shell(*ws, prompts, {.Settings = tmp.Folder() + "config/", .Home = tmp.Folder() + "home/",
                             .InstalledDb = tmp.Folder() + "installed/"}) {
    std::filesystem::create_directories(tmp.File("db"));
    std::filesystem::create_directories(tmp.File("config"));
    const std::string text = kelca::testing::MaterialFileText({{{1, "Concrete", "m3"}}, {}, {}});
    tmp.Write("db/MATLCIA.IDB", text);
    tmp.Write("db/MATLCIA.ILF", text);
  }

  std::string Db() const { return tmp.Folder() + "db/"; }
  const std::string& Line(int n) const { return shell.Panel.Lines[n]; }
  // Starts with the database folder remembered, so that it loads without a dialog.
  void StartWithDatabase() {
    tmp.Write("config/LCA_ZQ_Str.TXT", "\"" + Db() + "\"\r\n");
    shell.Startup();
    prompts.log.clear();
    prompts.dialogs.clear();
  }
  // A saved project of one foundation group in its own folder.
  std::string WriteProject() {
    std::filesystem::create_directories(tmp.File("proj"));
    ProjectState p;
    p.ProjName = "Tower";
    p.FdnCount = 1;
    p.FdnName[0] = "Piles";
    EXPECT_TRUE(WriteProjectFile(tmp.File("proj/P.PRJ"), p));
    return tmp.File("proj/P.PRJ");
  }

  TempFolder tmp;
  std::unique_ptr<Workspace> ws = std::make_unique<Workspace>();
  ScriptedPrompts prompts;
  MainShell shell;
};
}  // namespace

TEST_F(MainShellTest, StartupLoadsTheRememberedDatabaseOnlyWhereItStillIs) {
  shell.Startup();  // no settings yet and no installed database: nothing is asked
  EXPECT_TRUE(prompts.log.empty());
  EXPECT_EQ(Line(22), kFirstStep);
  EXPECT_EQ(ws->CurrentFolder, tmp.Folder() + "home/");
  EXPECT_TRUE(std::filesystem::exists(tmp.File("config/LCA_ZQ.LOG")));
  EXPECT_EQ(ws->Params.CurrentWeights, ws->Params.DefaultWeights);

  tmp.Write("config/LCA_ZQ_Str.TXT", "\"" + tmp.Folder() + "gone/\"\r\n");
  shell.Startup();
  ASSERT_EQ(prompts.log.size(), 1u);
  EXPECT_NE(prompts.log[0].find(tmp.Folder() + "gone/"), std::string::npos);
  EXPECT_EQ(ws->Db.LcaDbFolder, "");
  EXPECT_FALSE(shell.Fields.DatabaseChecked);
  EXPECT_EQ(Line(22), kFirstStep);

  StartWithDatabase();
  EXPECT_EQ(ws->Db.LcaDbFolder, Db());
  EXPECT_EQ(ws->Materials.MatName[1], "Concrete");
  EXPECT_TRUE(shell.Fields.DatabaseChecked);
  EXPECT_EQ(Line(21), "   Load LCIA profile file");
  EXPECT_EQ(Line(22), "   LCIA profile file loaded");
}

TEST_F(MainShellTest, AFirstStartOffersTheInstalledDatabaseOnce) {
  std::filesystem::copy(tmp.File("db"), tmp.File("installed"));
  const std::string offer = "YesNo: No LCIA/LCC database has been opened yet. Open the database installed with the "
                            "program in " + tmp.Folder() + "installed/?";
  shell.Startup();  // declined: the program starts empty and asks again next time
  EXPECT_EQ(prompts.log, Texts{offer});
  EXPECT_FALSE(shell.Fields.DatabaseChecked);
  EXPECT_EQ(ws->CurrentFolder, tmp.Folder() + "home/");
  EXPECT_FALSE(std::filesystem::exists(tmp.File("config/LCA_ZQ_Str.TXT")));

  prompts.log.clear();
  prompts.QueueAnswer(Answer::Yes);
  shell.Startup();
  EXPECT_EQ(prompts.log, Texts{offer});
  EXPECT_EQ(ws->Db.LcaDbFolder, tmp.Folder() + "installed/");
  EXPECT_EQ(ws->Materials.MatName[1], "Concrete");
  EXPECT_EQ(tmp.Read("config/LCA_ZQ_Str.TXT"), "\"" + tmp.Folder() + "installed/\"\r\n");

  prompts.log.clear();
  shell.Startup();  // remembered now: loaded without a question
  EXPECT_TRUE(prompts.log.empty());
  EXPECT_TRUE(shell.Fields.DatabaseChecked);
}

TEST_F(MainShellTest, OpenDatabaseAsksRemembersTheChoiceAndReportsAMalformedFile) {
  shell.Startup();
  shell.OpenDatabase();  // cancelled
  ASSERT_EQ(prompts.dialogs.size(), 1u);
  EXPECT_EQ(prompts.dialogs[0].initialFolder, tmp.Folder() + "home/");
  EXPECT_EQ(prompts.Messages(), Texts{"No material LCIA profile file loaded!!"});

  prompts.QueueFile(Db() + "MATLCIA.IDB");
  shell.OpenDatabase();
  EXPECT_EQ(ws->Db.LcaDbFolder, Db());
  EXPECT_EQ(ws->CurrentFolder, Db());
  EXPECT_EQ(tmp.Read("config/LCA_ZQ_Str.TXT"), "\"" + Db() + "\"\r\n");

  tmp.Write("db/MATLCIA.IDB", "1\r\n7,\"Steel\"\r\n");
  prompts.log.clear();
  shell.OpenDatabase();
  ASSERT_EQ(prompts.Messages().size(), 1u);
  EXPECT_NE(prompts.Messages()[0].find("MATLCIA.IDB"), std::string::npos);
  EXPECT_EQ(ws->Db.LcaDbFolder, "");
  EXPECT_FALSE(shell.Fields.DatabaseChecked);
  EXPECT_EQ(Line(22), "   Load LCIA profile file");
}

TEST_F(MainShellTest, EnterNeedsANameThenAProjectFolderThenTheDatabase) {
  shell.Startup();
  bool opened = false;
  shell.Hooks.ShowBuildingInput = [&] { opened = true; };
  shell.Enter();
  EXPECT_EQ(prompts.log, Texts{"Message: Project name missing!"});

  prompts.log.clear();
  shell.Fields.ProjNameText = "Office";
  prompts.QueueFile(tmp.File("P.PRJ"));
  shell.Enter();  // the database dialog is cancelled
  EXPECT_EQ(prompts.log, (Texts{"Message: Select Folder for Project file and Enter a Project File Name",
                                "Open: Open Project File", "Message: Select Main LCIA Library to open",
                                "Open: Select LCIA Database", "Message: No material LCIA profile file loaded!!",
                                "Message: Main LCIA database not loaded!!"}));
  EXPECT_TRUE(prompts.dialogs[0].mayBeNew);
  EXPECT_EQ(ws->Project.ProjDir, tmp.Folder());
  EXPECT_EQ(ws->Project.ProjFileName, "P.PRJ");
  EXPECT_FALSE(opened);
  EXPECT_TRUE(shell.ProjSaved);
  EXPECT_EQ(Line(22), "   Proceeded to edit project data");

  // With a folder and a database the building input opens without a question.
  StartWithDatabase();
  ws->Project.ProjDir = tmp.Folder();
  ws->Project.ProjName = "";
  shell.Fields.ProjNameText = "Office";
  shell.Enter();
  EXPECT_TRUE(prompts.log.empty());
  EXPECT_TRUE(opened);
  EXPECT_EQ(ws->Project.ProjName, "Office");
}

TEST(ProjectExtension, PrjIsAppendedUnlessTheNameEndsInPrjOrPRJ) {
  for (const auto& [name, saved] : std::vector<std::pair<std::string, std::string>>{
           {"/p/Office", "/p/Office.prj"}, {"/p/Office.PRJ", "/p/Office.PRJ"}, {"/p/Office.prj", "/p/Office.prj"},
           {"/p/Office.Prj", "/p/Office.Prj.prj"}, {"prj", "prj.prj"}}) {
    EXPECT_EQ(WithProjectExtension(name), saved);
  }
}

TEST_F(MainShellTest, SaveProposesANameWritesTheFileAndReportsAFailedWrite) {
  StartWithDatabase();
  shell.SaveProject();
  EXPECT_EQ(prompts.log, Texts{"Message: Project name missing!"});

  shell.Fields.ProjNameText = "Office";
  shell.ProjSaved = false;
  prompts.QueueFile(tmp.File("Office"));
  shell.SaveProject();
  EXPECT_EQ(prompts.dialogs[0].proposedName, "Office.PRJ");
  EXPECT_EQ(shell.Fields.ProjFileText, tmp.File("Office.prj"));
  EXPECT_TRUE(shell.ProjSaved);
  EXPECT_EQ(Line(22), "   Project data saved");
  ProjectState back;
  ASSERT_TRUE(ReadProjectFile(tmp.File("Office.prj"), back));
  EXPECT_EQ(back.ProjName, "Office");

  shell.ProjSaved = false;
  prompts.log.clear();
  prompts.QueueFile(tmp.File("missing/Office.prj"));
  shell.SaveProject();
  EXPECT_EQ(prompts.dialogs[1].proposedName, tmp.File("Office.prj"));
  ASSERT_EQ(prompts.Messages().size(), 1u);
  EXPECT_NE(prompts.Messages()[0].find("missing/Office.prj"), std::string::npos);
  EXPECT_FALSE(shell.ProjSaved);
  EXPECT_EQ(Line(22), "   Save main project data file");
}

TEST_F(MainShellTest, OpenProjectReadsTheFileResetsSelectionsAndClearsRunMarks) {
  shell.Startup();
  shell.OpenProject();  // cancelled, yet the missing database is asked for
  EXPECT_EQ(prompts.log, (Texts{"Open: Open Project File", "Open: Select LCIA Database",
                                "Message: No material LCIA profile file loaded!!"}));
  EXPECT_EQ(Line(22), "   Project file loaded");

  StartWithDatabase();
  const std::string file = WriteProject();
  ws->Selection.FdnSkip = 1;
  ws->Selection.Flr.ElmSel[3][4][5] = false;
  shell.Fields.RunLcaChecked = shell.Fields.RunLccChecked = shell.Fields.RunOprEgyChecked = true;
  prompts.QueueFile(file);
  shell.OpenProject();
  EXPECT_EQ(prompts.log, Texts{"Open: Open Project File"});
  EXPECT_EQ(prompts.dialogs[0].initialFolder, Db());
  EXPECT_FALSE(prompts.dialogs[0].mayBeNew);
  EXPECT_EQ(ws->Project.ProjDir + ws->Project.ProjFileName, tmp.File("proj/P.PRJ"));
  EXPECT_EQ(shell.Fields.ProjNameText, "Tower");
  EXPECT_EQ(ws->Selection.FdnSkip, 0);
  EXPECT_TRUE(ws->Selection.Flr.ElmSel[3][4][5]);
  EXPECT_FALSE(shell.Fields.RunLcaChecked || shell.Fields.RunLccChecked || shell.Fields.RunOprEgyChecked);
  EXPECT_EQ(Line(21), "   Load main project input file");
  EXPECT_EQ(Line(22), "   Project file loaded");
}

TEST_F(MainShellTest, AProjectFileThatBreaksOffIsReportedAndOnlyWhatItGaveStays) {
  StartWithDatabase();
  prompts.QueueFile(WriteProject());
  shell.OpenProject();
  std::tie(ws->Project.FdnFile[1], ws->Project.FlrCount, ws->Project.SerCount) = std::tuple("OLD.FDN", 3, 2);
  shell.Fields.RunLcaChecked = shell.Fields.RunLccChecked = shell.Fields.RunOprEgyChecked = true;

  tmp.Write("Cut.PRJ", "\"Cut.PRJ\"\r\n\"Half\",10\r\n2\r\n\"A.FDN\",\"A\",1\r\n");
  prompts.QueueFile(tmp.File("Cut.PRJ"));
  shell.OpenProject();
  EXPECT_EQ(prompts.Messages(),
            Texts{tmp.File("Cut.PRJ") + ": line 5: the file ends early\nThe project was read only in part."});
  EXPECT_EQ(ws->Project.ProjName, "Half");
  EXPECT_EQ(ws->Project.FdnCount, 1);
  EXPECT_EQ(ws->Project.FdnFile[1] + ws->Project.FdnName[0], "A");  // nothing of the previous project
  EXPECT_EQ(ws->Project.FlrCount + ws->Project.SerCount, 0);
  EXPECT_EQ(shell.Fields.ProjNameText, "Half");
  EXPECT_EQ(shell.Fields.ProjFileText, tmp.File("Cut.PRJ"));
  EXPECT_FALSE(shell.Fields.RunLcaChecked || shell.Fields.RunLccChecked || shell.Fields.RunOprEgyChecked);
  EXPECT_NE(Line(22), "   Project file loaded");
}

TEST_F(MainShellTest, CloseAsksOnlyWhenUnsavedAndForgetsTheProjectsNamesAndResults) {
  StartWithDatabase();
  prompts.QueueFile(WriteProject());
  shell.OpenProject();
  ws->EnergyUse.Value[0] = ws->Cases.Case[kReferenceCase].Results.Bldg.Energy[1] = 6;
  ws->PlantFiles.WssFile = tmp.File("proj/P.WSS");
  ws->Selection.Fdn.GrpSel[0] = 0;
  ws->NonAC.TownGas.Count = 1;
  ws->NonAC.TownGas.System[1].AnnualUse = 700;
  shell.ProjSaved = false;

  EXPECT_FALSE(shell.CloseProject());  // Cancel
  EXPECT_EQ(prompts.log.back(), "OkCancel: Close project without saving?");
  EXPECT_EQ(ws->Project.ProjFileName, "P.PRJ");

  prompts.QueueAnswer(Answer::Ok);
  EXPECT_TRUE(shell.CloseProject());
  EXPECT_EQ(ws->Project.ProjFileName + ws->Project.ProjDir + shell.Fields.ProjNameText + shell.Fields.ProjFileText,
            "");
  EXPECT_EQ(ws->CurrentFolder, Db());
  EXPECT_FLOAT_EQ(ws->EnergyUse.Value[0] + ws->Cases.Case[kReferenceCase].Results.Bldg.Energy[1], 0);
  EXPECT_EQ(ws->PlantFiles.WssFile, "");
  EXPECT_FLOAT_EQ(ws->NonAC.TownGas.System[1].AnnualUse, 0);
  EXPECT_EQ(ws->NonAC.TownGas.Count, 1);  // an input, kept
  EXPECT_FLOAT_EQ(ws->Selection.Fdn.GrpSel[0], 1);
  EXPECT_EQ(ws->Project.FdnCount, 1);  // the group lists stay
  EXPECT_EQ(Line(22), "   Project closed");

  prompts.log.clear();
  EXPECT_TRUE(shell.CloseProject());  // saved: no question
  EXPECT_TRUE(prompts.log.empty());
}

TEST_F(MainShellTest, CreateNewProjectMakesTheFolderAndStartsWithNoGroups) {
  StartWithDatabase();
  ws->Project.FdnCount = 2;
  prompts.QueueFile(tmp.File("New"));
  prompts.QueueFile(tmp.File("New/Office.PRJ"));
  shell.CreateNewProject();
  EXPECT_EQ(prompts.log, (Texts{"Save: Select Parent Directory and Enter New Folder Name",
                                "Save: Enter Project Filename"}));
  EXPECT_EQ(prompts.dialogs[0].initialFolder, Db());
  EXPECT_EQ(prompts.dialogs[1].initialFolder, tmp.File("New/"));
  EXPECT_TRUE(std::filesystem::is_directory(tmp.File("New")));
  EXPECT_EQ(ws->Project.ProjFileName, "Office.PRJ");
  EXPECT_EQ(shell.Fields.ProjFileText, tmp.File("New/Office.PRJ"));
  EXPECT_EQ(ws->Project.FdnCount, 0);

  prompts.QueueFile(tmp.File("New"));  // exists already
  shell.CreateNewProject();
  EXPECT_EQ(prompts.Messages(), Texts{"Failed to create the Folder! A Folder of the same name may already exist."});
  EXPECT_EQ(ws->Project.ProjDir, "");  // closed, and the existing folder is not taken
  EXPECT_EQ(prompts.dialogs.size(), 3u);

  // The file name typed without an extension takes the dialog's; a cancelled one names no project.
  prompts.log.clear();
  prompts.QueueFile(tmp.File("Newer"));
  prompts.QueueFile(tmp.File("Newer/Shop"));
  shell.CreateNewProject();
  EXPECT_EQ(ws->Project.ProjFileName, "Shop.PRJ");
  prompts.QueueFile(tmp.File("Newest"));
  shell.CreateNewProject();
  EXPECT_EQ(prompts.Messages(), Texts{"Failed to create new project file!"});
  EXPECT_EQ(ws->Project.ProjDir + ws->Project.ProjFileName + shell.Fields.ProjFileText, "");
}

TEST_F(MainShellTest, ResetSelectionOnlyAfterConfirmation) {
  StartWithDatabase();
  ws->Selection.Ser.CompSel[1][2] = 0;
  shell.ResetSelection();
  EXPECT_EQ(prompts.log, Texts{"OkCancel: All previously setting will be reset - Go ahead?"});
  EXPECT_FLOAT_EQ(ws->Selection.Ser.CompSel[1][2], 0);

  prompts.QueueAnswer(Answer::Ok);
  shell.ResetSelection();
  EXPECT_FLOAT_EQ(ws->Selection.Ser.CompSel[1][2], 1);
  EXPECT_EQ(Line(21), "   Reset selection");
  EXPECT_EQ(Line(22), "   Selection reset");
}

TEST_F(MainShellTest, SummariesGoToTheChosenFileThroughTheirWriters) {
  StartWithDatabase();
  Texts written;
  shell.Hooks.WriteInputSummary = [&](Workspace&, const std::string& path) {
    written.push_back(path);
    return Status::Ok();
  };
  shell.Hooks.WriteSelectionSummary = [&](Workspace&, const std::string& path) {
    written.push_back(path);
    return Status::Error("Cannot write " + path);
  };
  prompts.QueueFile(tmp.File("in.TXT"));
  shell.InputSummary();
  prompts.QueueFile(tmp.File("sel.TXT"));
  shell.SelectionSummary();

  EXPECT_EQ(written, (Texts{tmp.File("in.TXT"), tmp.File("sel.TXT")}));
  EXPECT_EQ(Line(21), "   Input summary printed");
  EXPECT_EQ(Line(22), "   Print selection summary");  // the failed write is not reported as printed
  EXPECT_EQ(prompts.Messages(), Texts{"Cannot write " + tmp.File("sel.TXT")});
}

TEST_F(MainShellTest, SlideShowRunsFromTheDatabaseFolderAndEndsInTheProjectFolder) {
  shell.Startup();
  shell.StartSlideShow(kAboutLcaSlides);
  EXPECT_EQ(prompts.Messages(), Texts{"Open the Main Library File First!"});
  EXPECT_FALSE(shell.Slides.ListVisible);

  StartWithDatabase();
  shell.StartSlideShow(kAboutProgramSlides);  // no slides file: the list but no slide
  EXPECT_TRUE(shell.Slides.ListVisible && !shell.Slides.PictureVisible);
  EXPECT_EQ(shell.Slides.Current, 0);

  std::filesystem::create_directories(tmp.File("db/Ch1"));
  tmp.Write("db/Ch1/Ch1Slides.txt", "\"About LCA\"\r\n2\r\n\"One\",\"Ch1\\One.emf\",\"\"\r\n\"Two\",\"Ch1\\Two.png\",\"\"\r\n");
  tmp.Write("db/Ch1/One.png", "png");
  ws->Project.ProjDir = tmp.File("proj/");
  shell.StartSlideShow(kAboutLcaSlides);
  EXPECT_EQ(ws->CurrentFolder, Db());
  EXPECT_TRUE(shell.Slides.StepControlsVisible && shell.Slides.PictureVisible);
  EXPECT_EQ(shell.Slides.PicturePath, Db() + "Ch1/One.png");

  shell.EndSlideShow();
  EXPECT_EQ(ws->CurrentFolder, tmp.File("proj/"));

  tmp.Write("db/FrontPic.svg", "<svg/>");
  shell.ShowPicture();  // no slide current: the front picture
  EXPECT_EQ(shell.Slides.PicturePath, Db() + "FrontPic.svg");
}
