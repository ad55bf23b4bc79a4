// The pickers' models (element type, material, material data) and the shading
// mask screen's: searches, section heads, what each hands back, refusals.
#include <gtest/gtest.h>

#include <filesystem>

#include "energy/ShadingMask.h"
#include "screens/ElmSelectScreen.h"
#include "screens/InpMatDataScreen.h"
#include "screens/MatLibScreen.h"
#include "screens/ShadingMaskScreen.h"
#include "support/BuildingProject.h"

using namespace kelca;

// Rows 1.. are the building materials (1 to 5 the concretes), then the services materials.
TEST(Pickers, MaterialSearchIgnoresCapitalsNextStopsAtTheLastMatchAndHeadsPickNothing) {
  kelca::testing::BuildingProject f;
  MatLibScreenModel picker(f.ws->Materials);
  const std::vector<std::string>& lines = picker.Lines();
  ASSERT_EQ(lines.size(), 1u + 81 + 1 + 36);
  EXPECT_EQ(lines[0], "81 Building Materials in Library");
  EXPECT_EQ(lines[1], "1    Concrete C20/25                      m3        ");
  EXPECT_EQ(lines[82], "36 Services Materials in Library");
  const struct {
    bool next;
    std::string text;
    int row;
  } steps[] = {{false, "CONCRETE C3", 3}, {true, "CONCRETE C3", 4}, {true, "CONCRETE C3", 4},
               {false, "", 4},            {false, "no such", 4},   {false, "copper PIPE", 83}};
  for (const auto& step : steps) {
    step.next ? picker.Next(step.text) : picker.Find(step.text);
    EXPECT_EQ(picker.PickedLine(), step.row) << step.text;
  }
  EXPECT_EQ(std::pair(picker.Close().PickedNo, picker.Close().PickedName), std::pair(101, std::string("Copper pipe bare (kg)")));

  picker.ShowServicesMaterials();
  EXPECT_EQ(picker.PickedLine(), 82);
  EXPECT_FALSE(picker.Close().Picked());
  picker.ShowBuildingMaterials();
  EXPECT_EQ(picker.PickedLine(), 0);
  EXPECT_FALSE(picker.Close().Picked());
  picker.Find("copper");
  picker.Ignore();
  EXPECT_FALSE(picker.Close().Picked());
}

TEST(Pickers, ElementPickerListsTheLibraryOfTheComponentTypeAndOffersType0) {
  kelca::testing::BuildingProject f;
  ElmSelectScreenModel picker(f.ws->ElmLib, f.ws->Db, kFloor, 2, 3);  // Contents, the current type 3
  ASSERT_TRUE(picker.LoadStatus().ok);
  EXPECT_EQ(picker.Head(), "Floor Contents Elements");
  EXPECT_EQ(picker.Names()[0], "Element of Listed Materials");
  EXPECT_EQ(picker.Names()[1], "Drywall partition, steel studs");
  EXPECT_EQ(picker.Names()[picker.PickedLine()], "Glazed office partition");
  picker.Find("PARTITION");
  EXPECT_EQ(picker.PickedLine(), 1);
  picker.Next("PARTITION");
  EXPECT_EQ(picker.PickedLine(), 2);
  picker.Ignore();
  EXPECT_EQ(picker.PickedLine(), -1);
  picker.Next("PARTITION");  // after Ignore, Next starts at the top
  EXPECT_EQ(picker.PickedLine(), 1);
  EXPECT_EQ(std::pair(picker.Ok().PickedNo, picker.Ok().PickedName), std::pair(1, std::string("Drywall partition, steel studs")));
}

TEST(Pickers, MaterialDataScreenAsksForAThicknessOrForAMaterial) {
  kelca::testing::BuildingProject f;
  InpMatDataScreenModel thickness(f.ws->Materials, MatDataMode::Thickness, "Wall");
  EXPECT_EQ(thickness.ElementCaption(), "Input Thickness of Element: Wall");
  EXPECT_EQ(thickness.ValueCaption(), "Thickness (m):");
  EXPECT_FALSE(thickness.ShowsMaterial());
  thickness.ValueBox = "0.25 m";
  EXPECT_EQ(thickness.Ok().PickedThickness, 0.25f);

  InpMatDataScreenModel material(f.ws->Materials, MatDataMode::Material, "Wall");
  EXPECT_EQ(material.Remark(), "Use the Select Button to select material and then press OK to confirm");
  MatLibScreenModel picker(f.ws->Materials);
  picker.Find("c30/37");
  material.TakeMaterial(picker.Close());
  EXPECT_EQ(std::pair(material.ValueBox, material.NameBox), std::pair(std::string("3"), std::string("Concrete C30/37")));
  EXPECT_EQ(material.PropertyBoxes[0], "2400");
  EXPECT_EQ(material.Ok().PickedNo, 3);
  material.ValueBox = "90";  // no material has the number
  EXPECT_FALSE(material.Ok().Picked());
}

TEST(ShadingMaskScreen, RefusalsWriteNothingAndGenerateAndSaveWritesTheMaskShown) {
  kelca::testing::TempFolder dir;
  ScriptedPrompts prompts;
  ShadingMaskScreenModel s(dir.Folder());
  // No name, no orientation, no area: each refused by its message, in this order.
  EXPECT_FALSE(s.GenerateAndSave(prompts));
  s.NameBox = "S1";
  EXPECT_FALSE(s.GenerateAndSave(prompts));
  s.Orientation = 5;
  ASSERT_EQ(ShadingMaskScreenModel::OrientationEntries()[5], "S");
  s.Boxes[kBoxW] = "2";
  EXPECT_FALSE(s.GenerateAndSave(prompts));
  EXPECT_EQ(prompts.Messages(), (std::vector<std::string>{"No name given to shading mask yet!",
                                                          "Window orientation not yet set !", "Window area <= 0!"}));
  EXPECT_TRUE(std::filesystem::is_empty(dir.Folder()));

  // A deep overhang right at the window top shades the high sun; the file holds what was shown.
  s.Boxes[kBoxH] = "1.5 m";
  s.Boxes[kBoxOP] = "1";
  ASSERT_TRUE(s.Generate(prompts));
  EXPECT_EQ(s.StatusLabel, "Shading mask generated.");
  EXPECT_TRUE(std::filesystem::is_empty(dir.Folder()));
  ASSERT_TRUE(s.Save(prompts));
  EXPECT_EQ(s.FolderLabel, "Shading mask generated and saved.");
  ShadingMask saved;
  ASSERT_TRUE(ReadShadingMaskFile(dir.File("S1.SHM"), saved).ok);
  EXPECT_GT(saved.Mask[0][0], 0.9f);  // 5 deg up, straight ahead: mostly sunlit
  EXPECT_EQ(saved.Mask[8][0], 0.0f);  // 85 deg up: all under the overhang
  EXPECT_TRUE(saved.DiffuseFraction > 0 && saved.DiffuseFraction < 1);
  const std::string text = dir.Read("S1.SHM");
  EXPECT_NE(text.find(" 1.5 ", text.find("Window Height (m)")), std::string::npos);
}
