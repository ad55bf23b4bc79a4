// The component editor's model: its element list and assessment flags, the
// value grid and the element file, the refusals, the component file with
// Return, and the material override frame.
#include <gtest/gtest.h>

#include <algorithm>

#include "database/UserValues.h"
#include "screens/ElmSelectScreen.h"
#include "screens/GroupCompScreen.h"
#include "screens/MatLibScreen.h"
#include "support/BuildingProject.h"

using namespace kelca;

namespace {
using Lines = std::vector<std::string>;

struct Editor : kelca::testing::BuildingProject {
  // The editor of floor group 0, component 0; its pickers search as the user does.
  GroupCompScreenModel& Open(const std::string& compFile = "") {
    EditingGroup(kFloor, 0);
    ws->CurComp = 0;
    ws->Component = ComponentRecord{};
    ws->Component.CompFile = compFile;
    editor = std::make_unique<GroupCompScreenModel>(*ws, prompts);
    editor->Hooks.PickElementType = [this](int current) {
      ElmSelectScreenModel picker(ws->ElmLib, ws->Db, kFloor, editor->CompTypeIndex(), current);
      picker.Find(search);
      return picker.Ok();
    };
    editor->Hooks.PickMaterial = [this] {
      MatLibScreenModel picker(ws->Materials);
      picker.Find(search);
      return picker.Close();
    };
    return *editor;
  }
  // A new element of the type found by typeSearch, saved as name.FLE.
  void AddElement(const std::string& name, const std::string& typeSearch) {
    editor->AddElement();
    editor->ElmNameBox = name;
    search = typeSearch;
    editor->ChooseElementType();
    prompts.QueueFile(tmp.File(name + ".FLE"));
    editor->SaveElement();
  }
  void TypeCell(int row, int column, const std::string& text) {
    editor->ClickCell(row, column);
    editor->CellBox = text;
    editor->EnterCell();
  }
  bool Assessed(int e) const { return ws->Selection.Flr.ElmSel[0][0][e]; }

  std::unique_ptr<GroupCompScreenModel> editor;
  std::string search;
};
}  // namespace

TEST(ComponentEditor, NewElementsGoBelowThePickedLineAndTheirFlagsMoveWithThem) {
  Editor f;
  GroupCompScreenModel& e = f.Open();
  EXPECT_TRUE(e.LoadComponentEnabled());
  e.ChooseCompType(1);  // Frame
  f.AddElement("A", "floor SLAB");  // nothing picked: first
  f.AddElement("B", "beam");        // A, the last line, picked: appended
  e.PickElement(-1);
  f.AddElement("C", "beam");  // nothing picked: first again
  e.PickElement(1);
  f.AddElement("D", "beam");  // below A
  EXPECT_EQ(e.ElementLines(), (Lines{"C", "A", "D", "B"}));
  EXPECT_EQ(e.PickedElement(), 2);
  EXPECT_EQ(f.ws->Component.CompElmType[1], 1);
  EXPECT_EQ(f.ws->Component.CompElmFile[3], "B.FLE");

  // B is not assessed; moving it up and deleting C above it keep its choice.
  e.PickElement(3);
  ASSERT_TRUE(e.AssessShown());
  e.SetAssess(false);
  EXPECT_FALSE(f.Assessed(3));
  e.MoveElementUp();
  e.PickElement(0);
  e.DeleteElement();
  EXPECT_EQ(e.ElementLines(), (Lines{"A", "B", "D"}));
  EXPECT_EQ((std::vector<bool>{f.Assessed(0), f.Assessed(1), f.Assessed(2)}), (std::vector<bool>{true, false, true}));
  e.PickElement(1);
  EXPECT_FALSE(e.AssessYes());
  EXPECT_TRUE(f.prompts.Messages().empty());
}

TEST(ComponentEditor, TheGridHoldsSixteenValuesThroughTheFileAndAPendingCellShowsItsMark) {
  Editor f;
  GroupCompScreenModel& e = f.Open();
  e.ChooseCompType(0);  // Envelope
  e.AddElement();
  e.ElmNameBox = "Sixteen";
  f.search = "listed materials";
  e.ChooseElementType();
  f.search = "c30/37";
  e.ClickCell(0, 2);  // a listed material's number: from the material picker
  EXPECT_EQ(std::pair(e.CellText(0, 2), e.CellText(0, 3)), std::pair(std::string("3"), std::string("Concrete C30/37 (m3)")));
  f.search = "CURTAIN";
  e.ChooseElementType();
  EXPECT_EQ(e.ElmTypeCaption(), "Unitised curtain wall");
  EXPECT_EQ(std::pair(e.CellText(0, 0), e.CellText(0, 1)), std::pair(std::string("Curtain wall area"), std::string("m2")));

  e.ClickCell(0, 2);
  EXPECT_EQ(e.CellText(0, 2), ">_");
  EXPECT_EQ(std::string(e.CellHint()), "Click Enter when finished");
  e.ClickCell(1, 2);  // another cell waits until Enter
  EXPECT_EQ(e.CellText(1, 2), "");
  e.CellBox = "v1";
  e.EnterCell();
  EXPECT_EQ(std::string(e.CellHint()), "Click Cell then Edit Here >");
  for (int row = 1; row < 16; ++row) f.TypeCell(row, 2, "v" + std::to_string(row + 1));
  f.TypeCell(15, 3, "last remark");
  f.prompts.QueueFile(f.tmp.File("SIXTEEN.FLE"));
  e.SaveElement();
  EXPECT_FALSE(e.Editing());
  EXPECT_EQ(e.CellText(0, 2), "");

  const std::string text = f.tmp.Read("SIXTEEN.FLE");
  EXPECT_NE(text.find("\"v15\",\"\"\r\n\"v16\",\"last remark\"\r\n\"\",\"\"\r\n"), std::string::npos) << text;
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4 + 17);

  e.EditElement();
  for (int row = 0; row < 16; ++row) EXPECT_EQ(e.GridValue(row, 2), "v" + std::to_string(row + 1));
  EXPECT_EQ(e.GridValue(15, 3), "last remark");
  EXPECT_EQ(e.ElmNameBox, "Sixteen");
  EXPECT_FALSE(e.ListEnabled());
}

TEST(ComponentEditor, BadElementsAndComponentsAreRefusedAndAFailedSaveKeepsTheEditorAndItsData) {
  Editor f;
  GroupCompScreenModel& e = f.Open();
  e.ChooseCompType(0);
  e.AddElement();
  e.SaveElement();
  e.ElmNameBox = "Slab 1/2";
  f.search = "floor slab";
  e.ChooseElementType();
  f.TypeCell(0, 2, "1200");
  f.TypeCell(2, 2, "110");  // a gap at item 2
  e.SaveElement();
  f.TypeCell(1, 2, "0.2");
  e.SaveElement();  // the name makes no file name: no dialog
  e.ElmNameBox = "Slab";
  f.prompts.QueueFile(f.tmp.File("bad\\name.FLE"));
  e.SaveElement();
  f.BlockFile("SLAB.FLE");
  f.prompts.QueueFile(f.tmp.File("SLAB"));  // the extension is added
  e.SaveElement();                          // fails, and Cancel goes on editing
  const Lines messages = f.prompts.Messages();
  ASSERT_EQ(messages.size(), 5u);
  EXPECT_EQ(messages[0], "Element Type or Name missing!!");
  EXPECT_TRUE(messages[1].starts_with("Item 2 has no value, so the values below it would not be saved.")) << messages[1];
  EXPECT_NE(messages[2].find("Slab 1/2"), std::string::npos);
  EXPECT_NE(messages[3].find("bad\\name.FLE"), std::string::npos);
  EXPECT_NE(messages[4].find(f.tmp.File("SLAB.FLE")), std::string::npos);
  EXPECT_EQ(f.prompts.log.back(), std::string("OkCancel: ") + kElementSaveFailedQuestion);
  ASSERT_EQ(f.prompts.dialogs.size(), 2u);
  EXPECT_EQ(f.prompts.dialogs[0].proposedName, "Slab.FLE");
  EXPECT_EQ(f.prompts.dialogs[0].initialFolder, f.tmp.Folder());
  EXPECT_EQ(e.GridValue(2, 2), "110");
  EXPECT_TRUE(e.Editing());

  f.prompts.QueueFile(f.tmp.File("SLAB2.FLE"));
  e.SaveElement();
  EXPECT_EQ(e.ElementLines(), Lines{"Slab"});

  // The component: its checks, then a save that fails and a Return that stays.
  e.CompNameBox = "Frame";
  e.SaveComponent();
  EXPECT_EQ(f.prompts.Messages().back(), "No. of Identical Components not defined!!");
  e.CompNoBox = "2 per floor";
  f.BlockFile("FRAME.FLC");
  f.prompts.QueueAnswer(Answer::Yes);
  f.prompts.QueueFile(f.tmp.File("FRAME.FLC"));
  EXPECT_FALSE(e.Return());
  EXPECT_EQ(f.prompts.log[f.prompts.log.size() - 3], std::string("YesNoCancel: ") + kCompReturnQuestion);
  EXPECT_TRUE(f.ws->Component.CompName.empty());
  f.prompts.QueueAnswer(Answer::Yes);
  f.prompts.QueueFile(f.tmp.File("FRAME2.FLC"));
  EXPECT_TRUE(e.Return());
  EXPECT_EQ(f.ws->Component.CompName, "Frame");
  EXPECT_EQ(f.ws->Component.CompQty, 2.0f);
  EXPECT_EQ(f.ws->Component.CompFile, "FRAME2.FLC");
}

TEST(ComponentEditor, AFullComponentRefusesThe21stElementAndReturnAsksNothingWhenNothingChanged) {
  Editor f;
  std::vector<std::tuple<std::string, std::string, int>> twenty;
  for (int e = 0; e < 20; ++e) twenty.emplace_back("E.FLE", "Element " + std::to_string(e + 1), 1);
  f.WriteComponent(kFloor, "FULL.FLC", "Full", 1, twenty);
  GroupCompScreenModel& e = f.Open("FULL.FLC");
  EXPECT_EQ(e.ElementLines().size(), 20u);
  EXPECT_EQ(e.CompTypeIndex(), 1);
  EXPECT_FALSE(e.LoadComponentEnabled());
  e.AddElement();
  EXPECT_EQ(f.prompts.Messages(), Lines{"No. of Elements defined already reached the Max. (20)!"});
  EXPECT_TRUE(e.ListEnabled());
  EXPECT_TRUE(e.Return());
  EXPECT_EQ(f.prompts.log.size(), 1u);
}

// Reset to Default Values keeps the user's values in the file with the count 0.
TEST(ComponentEditor, TheOverrideFrameWritesTheUserValuesInForceOrKeptAside) {
  Editor f;
  f.WriteElement(kFloor, "SLAB.FLE", "Slab", 1, {"1000", "0.2", "120"});
  f.WriteComponent(kFloor, "SLABS.FLC", "Slabs", 1, {{"SLAB.FLE", "Slab", 1}});
  GroupCompScreenModel& e = f.Open("SLABS.FLC");
  e.PickElement(0);
  e.EditElement();
  e.OpenOverrides();
  ChgElmDFrameModel& o = e.Overrides();
  ASSERT_TRUE(o.Visible());
  EXPECT_EQ(o.Positions(), (Lines{"1", "2", "3"}));
  EXPECT_EQ(std::pair(o.DefaultMaterial(), o.DefaultUnit()), std::pair(std::string("Concrete C35/45"), std::string("m3")));
  EXPECT_EQ(o.DefaultBoxes(), (std::array<std::string, 3>{"100", "4", "1400"}));
  EXPECT_EQ(o.UserBoxes[0], "");

  o.UserBoxes[0] = "60 years";
  o.ShowPosition(1);
  EXPECT_EQ(o.UserBoxes[0], "");
  o.UserBoxes[1] = "7";
  f.search = "C45/55";
  e.PickOverrideMaterial();
  EXPECT_EQ(o.UserMaterial(), "Concrete C45/55");
  o.ApplyChanges(f.prompts);
  EXPECT_FALSE(o.Visible());
  EXPECT_EQ(f.prompts.Messages().back(), kAfterApplyMessage);
  UserValues inForce;
  ASSERT_TRUE(ReadUserValues(f.tmp.File("SLAB_.FLE"), inForce).ok);
  EXPECT_TRUE(inForce.UseUserValues);
  EXPECT_EQ(inForce.Count, 3);
  EXPECT_EQ(std::pair(inForce.Life[0], inForce.Wastage[0]), std::pair(60.0f, 4.0f));  // left blank: the default
  EXPECT_EQ(std::pair(inForce.MatNo[1], inForce.Wastage[1]), std::pair(5, 7.0f));

  e.OpenOverrides();
  EXPECT_EQ(o.UserBoxes[0], "60");
  f.prompts.QueueAnswer(Answer::Ok);
  o.ResetToDefaults(f.prompts);
  EXPECT_EQ(f.prompts.log[f.prompts.log.size() - 2], std::string("OkCancel: ") + kResetToDefaultsQuestion);
  EXPECT_TRUE(f.tmp.Read("SLAB_.FLE").starts_with("0\r\n4,4,60,1400\r\n5,7,100,"));
  e.OpenOverrides();
  EXPECT_EQ(o.UserBoxes[0], "60");
}
