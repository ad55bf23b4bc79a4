// The group editor's and the building input screen's models: lists filled
// through the editors they open, insertion below the picked line, moves and
// deletions, the selection options after each edit, the group file and the
// questions on Return.
#include <gtest/gtest.h>

#include "screens/AddGroupScreen.h"
#include "screens/BldgSysInputScreen.h"
#include "screens/GroupCompScreen.h"
#include "support/BuildingProject.h"

using namespace kelca;

namespace {
using Lines = std::vector<std::string>;
const std::string kReturnQuestion = "YesNoCancel: Save data before closing this form?";

struct Project : kelca::testing::BuildingProject {
  // Opening the group editor of floor group g (-1: added) on the group file given.
  std::unique_ptr<AddGroupScreenModel> Group(int g, const std::string& file = "") {
    EditingGroup(kFloor, g);
    ws->Group = GroupRecord{};
    ws->Group.GrpFile = file;
    return std::make_unique<AddGroupScreenModel>(*ws, prompts);
  }
  // What the component editor hands back when it closes.
  void Made(AddGroupScreenModel& group, const std::string& name, int type, float qty) {
    group.ShowComponentEditor = [this, name, type, qty] {
      ws->Component.CompName = name;
      ws->Component.CompType = type;
      ws->Component.CompQty = qty;
      ws->Component.CompFile = name + ".FLC";
    };
    group.AddComponent();
  }
  // Floor groups of two components each, weighted by the group editor's options.
  void Floors(std::initializer_list<const char*> names) {
    for (const char* name : names) {
      const int g = ws->Project.FlrCount++;
      ws->Project.FlrName[g] = name;
      ws->Project.FlrFile[g] = std::string(name) + ".FLR";
      ws->Project.FlrQty[g] = 1;
      tmp.Write(ws->Project.FlrFile[g], "\"" + ws->Project.FlrFile[g] + "\"\r\n200\r\n\"" + name +
                                            "\"\r\n1\r\n2\r\n\"A.FLC\",\"A\",0,1\r\n\"B.FLC\",\"B\",1,1\r\n");
    }
  }
};
}  // namespace

TEST(GroupEditor, ANewGroupTakesComponentsBelowThePickedLineAndReturnAsksToSave) {
  Project f;
  auto g = f.Group(-1);
  EXPECT_TRUE(g->LoadEnabled());
  EXPECT_FALSE(g->Options().Enabled);
  g->GroupNameBox = "Typical floor";
  f.Made(*g, "Frame", 1, 1);
  f.Made(*g, "Walls", 0, 4);  // Frame, the last line, picked: appended
  g->Pick(-1);
  f.Made(*g, "Fitout", 2, 2);  // nothing picked: first
  EXPECT_EQ(g->ComponentNames(), (Lines{"Fitout", "Frame", "Walls"}));
  EXPECT_EQ(g->ComponentTypes(), (Lines{"Contents", "Frame", "Envelope"}));
  EXPECT_EQ(g->ComponentNumbers(), (Lines{"2", "1", "4"}));
  g->Pick(2);
  g->MoveUp();
  EXPECT_EQ(g->ComponentNames(), (Lines{"Fitout", "Walls", "Frame"}));

  g->SaveGroup();
  EXPECT_EQ(f.prompts.Messages().back(), "Missing no. of identical Floor(s) in Building!");
  f.prompts.QueueAnswer(Answer::Cancel);
  EXPECT_FALSE(g->Return());
  EXPECT_EQ(f.prompts.log.back(), kReturnQuestion);
  f.prompts.QueueAnswer(Answer::No);
  EXPECT_TRUE(g->Return());
  EXPECT_FALSE(std::filesystem::exists(f.tmp.File("Typical floor.FLR")));
  EXPECT_EQ(f.ws->Group.GrpName, "Typical floor");  // taken by Add Component
  EXPECT_EQ(f.ws->Group.GrpCompCount, 3);
  EXPECT_EQ(f.ws->Group.GrpCompFile[2], "Frame.FLC");
}

// The group's weight for component 0 follows its elements after each edit.
TEST(GroupEditor, EditingAComponentReDerivesItsOptionAndSavingWritesTheGroup) {
  Project f;
  f.WriteElement(kFloor, "A.FLE", "A", 1, {"1"});
  f.WriteElement(kFloor, "B.FLE", "B", 1, {"2"});
  f.WriteComponent(kFloor, "SLABS.FLC", "Slabs", 1, {{"A.FLE", "A", 1}, {"B.FLE", "B", 1}});
  f.tmp.Write("GF.FLR", "\"GF.FLR\"\r\n200\r\n\"Ground floor\"\r\n1\r\n1\r\n\"SLABS.FLC\",\"Slabs\",1,2\r\n");
  auto g = f.Group(0, "GF.FLR");
  EXPECT_EQ(g->GroupNameBox, "Ground floor");
  EXPECT_FALSE(g->LoadEnabled());
  g->Pick(0);
  EXPECT_EQ(g->Options().Chosen, SelectionOption::All);
  EXPECT_FALSE(g->Options().SomeEnabled);

  for (const bool assessB : {false, true}) {
    g->ShowComponentEditor = [&f, assessB] {
      GroupCompScreenModel editor(*f.ws, f.prompts);
      editor.PickElement(1);
      editor.SetAssess(assessB);
      editor.Return();
    };
    g->EditComponent();
    EXPECT_EQ(f.ws->Selection.Flr.CompSel[0][0], assessB ? 1.0f : 0.5f);
    EXPECT_EQ(g->Options().Chosen, assessB ? SelectionOption::All : SelectionOption::Some);
    EXPECT_EQ(g->Options().SomeEnabled, !assessB);
  }
  g->ChooseNone();
  EXPECT_EQ(f.ws->Selection.Flr.CompSel[0][0], 0.0f);
  EXPECT_TRUE(f.ws->Selection.Flr.ElmSel[0][0][1]);  // None leaves the elements' flags

  g->GroupNoBox = "3";
  f.prompts.QueueFile(f.tmp.File("GF.FLR.new"));  // the extension is added: GF.FLR.new.FLR
  g->SaveGroup();
  EXPECT_TRUE(std::filesystem::exists(f.tmp.File("GF.FLR.new.FLR")));
  EXPECT_EQ(f.prompts.dialogs.back().proposedName, "GF.FLR");
  EXPECT_EQ(f.prompts.dialogs.back().filter, "Floor Component Group Files (*.FLR)|*.FLR");
  f.BlockFile("GF2.FLR");
  f.prompts.QueueFile(f.tmp.File("GF2.FLR"));
  g->SaveGroup();  // cannot be written: said so, nothing lost
  EXPECT_TRUE(f.prompts.Messages().back().starts_with("Cannot write " + f.tmp.File("GF2.FLR")));
  EXPECT_EQ(g->GroupFileBox(), "GF.FLR.new.FLR");
  EXPECT_TRUE(g->Return());
  EXPECT_EQ(f.ws->Group.GrpQty, 3.0f);
}

TEST(GroupEditor, ANewGroupLoadsOnlyAGroupFileOfItsTypeAndAsksToSaveOneFromElsewhere) {
  Project f;
  f.tmp.Write("PLANT.SER", "\"PLANT.SER\"\r\n300\r\n\"Plant\"\r\n1\r\n0\r\n");
  f.tmp.Write("GF.FLR", "\"GF.FLR\"\r\n200\r\n\"Ground floor\"\r\n2\r\n0\r\n");
  auto g = f.Group(-1);
  f.prompts.QueueFile(f.tmp.File("PLANT.SER"));
  g->LoadGroup();
  EXPECT_EQ(f.prompts.Messages().back(), f.tmp.File("PLANT.SER") + " is not a Floor file!");
  EXPECT_EQ(f.prompts.dialogs.back().title, "Load a Floor File");
  EXPECT_EQ(g->GroupNameBox, "");
  f.prompts.QueueFile(f.tmp.File("GF.FLR"));
  g->LoadGroup();
  EXPECT_EQ(g->GroupNoBox, "2");
  const size_t asked = f.prompts.log.size();
  EXPECT_TRUE(g->Return());  // just loaded from the project folder: nothing to ask
  EXPECT_EQ(f.prompts.log.size(), asked);
  EXPECT_EQ(f.ws->Group.GrpName, "Ground floor");

  std::filesystem::create_directories(f.tmp.File("templates"));
  std::filesystem::copy(f.tmp.File("GF.FLR"), f.tmp.File("templates/GF.FLR"));
  auto again = f.Group(-1);
  f.prompts.QueueFile(f.tmp.File("templates/GF.FLR"));
  again->LoadGroup();
  EXPECT_FALSE(again->Return());  // from another folder: to be saved in the project (Cancel)
  EXPECT_EQ(f.prompts.log.back(), kReturnQuestion);
}

TEST(BuildingInput, AddedGroupsGoBelowThePickedLineResetTheSelectionsAndDeletingAsks) {
  Project f;
  BldgSysInputScreenModel s(*f.ws, f.prompts);
  const auto add = [&](const std::string& name, float qty) {
    s.ShowGroupEditor = [&f, name, qty] {
      f.ws->Group.GrpName = name;
      f.ws->Group.GrpFile = name.empty() ? "" : name + ".FLR";
      f.ws->Group.GrpQty = qty;
    };
    s.Add(kFloor);
  };
  f.ws->Selection.Flr.GrpSel[0] = 0.5f;
  add("", 0);  // the editor closed without a name: nothing added, nothing reset
  EXPECT_EQ(std::pair(f.ws->Project.FlrCount, f.ws->Selection.Flr.GrpSel[0]), std::pair(0, 0.5f));
  add("Second", 3);  // nothing picked: first
  add("Third", 2);   // the last line picked: appended
  s.Pick(kFloor, -1);
  add("First", 1);
  EXPECT_EQ(s.Names(kFloor), (Lines{"First", "Second", "Third"}));
  EXPECT_EQ(s.Quantities(kFloor), (Lines{"1", "3", "2"}));
  EXPECT_EQ(f.ws->Project.FlrFile[2], "Third.FLR");
  EXPECT_EQ(f.ws->Selection.Flr.GrpSel[0], 1.0f);
  s.Pick(kFloor, 2);
  s.MoveUp(kFloor);
  EXPECT_EQ(s.Picked(kFloor), 1);
  s.Delete(kFloor);  // Cancel
  EXPECT_EQ(f.prompts.log.back(), "OkCancel: Third will be removed from the Project. Continue?");
  EXPECT_EQ(f.ws->Project.FlrCount, 3);
  f.prompts.QueueAnswer(Answer::Ok);
  s.Delete(kFloor);
  EXPECT_EQ(s.Names(kFloor), (Lines{"First", "Second"}));
  EXPECT_TRUE(f.ws->Project.FlrName[2].empty());

  // The eleventh foundation group is refused before the editor opens.
  f.ws->Project.FdnCount = 10;
  s.ShowGroupEditor = [] { ADD_FAILURE() << "editor opened"; };
  s.Add(kFoundation);
  EXPECT_EQ(f.prompts.Messages(), Lines{"No. of Foundation groups defined already reached the Max. (10)!"});
}

// None keeps the components' choices; All selects everything again; an
// edited group follows its components.
TEST(BuildingInput, OptionsFollowTheGroupWeightAndAreReDerivedAfterAnEdit) {
  Project f;
  f.Floors({"GF", "TYP"});
  BldgSysInputScreenModel s(*f.ws, f.prompts);
  EXPECT_FALSE(s.Options(kFloor).Enabled);
  s.Pick(kFloor, 1);
  EXPECT_EQ(s.Options(kFloor).Chosen, SelectionOption::All);
  EXPECT_FALSE(s.Options(kFloor).SomeEnabled);
  f.ws->Selection.Flr.CompSel[1][1] = 0;
  s.ChooseNone(kFloor);
  EXPECT_EQ(std::pair(f.ws->Selection.Flr.GrpSel[1], f.ws->Selection.Flr.CompSel[1][1]), std::pair(0.0f, 0.0f));
  s.ChooseAll(kFloor);
  EXPECT_EQ(f.ws->Selection.Flr.CompSel[1][1], 1.0f);

  for (const bool some : {true, false}) {
    s.ShowGroupEditor = [&f, some] {
      AddGroupScreenModel editor(*f.ws, f.prompts);
      editor.Pick(1);
      some ? editor.ChooseNone() : editor.ChooseAll();
      editor.Return();
    };
    s.Edit(kFloor);
    EXPECT_EQ(f.ws->Selection.Flr.GrpSel[1], some ? 0.5f : 1.0f);
    EXPECT_EQ(s.Options(kFloor).Chosen, some ? SelectionOption::Some : SelectionOption::All);
  }
  EXPECT_TRUE(f.prompts.log.empty());
  s.SetSkip(kServices, true);
  EXPECT_EQ(f.ws->Selection.SerSkip, 1);
}

TEST(BuildingInput, ReturnTakesTheLeadingNumberOfTheFloorArea) {
  for (const auto& [typed, cfa] : {std::pair<std::string, float>{"1250.5 sqm", 1250.5f}, {"abc", 0}, {"", 0}}) {
    Project f;
    BldgSysInputScreenModel s(*f.ws, f.prompts);
    s.CFABox = typed;
    s.Return();
    EXPECT_EQ(f.ws->Project.CFA, cfa) << typed;
  }
}
