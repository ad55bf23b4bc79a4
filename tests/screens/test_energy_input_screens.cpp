// The models of the energy input screens: zones, rooms and components with
// their counts and limits and the air-side data moving with them, the ".ECI"
// and ".ASS" files; the air-side screen; the construction screen.
#include <gtest/gtest.h>

#include <memory>

#include "energy/ConstructionTable.h"
#include "screens/AirSideScreen.h"
#include "screens/ConstructionScreen.h"
#include "screens/EnergyInputScreen.h"
#include "support/SampleModels.h"
#include "support/WorkspaceFixture.h"

using namespace kelca;
using namespace kelca::testing;

namespace {
using Lines = std::vector<std::string>;

struct Project : WorkspaceFixture {
  // Zone z has z rooms; room r of zone z has r walls; every zone and room has air-side values of its own.
  void FiveZones() {
    for (int z = 1; z <= 5; ++z) {
      EnergyZone& zone = AddZone(ws->Energy, "Z" + std::to_string(z), float(z));
      AirSideZone& air = ws->AirSide.Zone[z];
      air.AcSystemType = 1 + z % 3;
      air.DesignFanPower = float(z);
      air.DesignSensibleLoad[0] = 100.0f * z;
      for (int r = 1; r <= z; ++r) {
        EnergyRoom& room = AddRoom(zone, MakeRoom("R" + std::to_string(z) + std::to_string(r), kOffice));
        for (int c = 1; c <= r; ++c) AddComponent(room, MakeComponent("W", float(10 * z + c), kExternalWall, 1, c));
        air.DesignSensibleLoad[r] = 100.0f * z + r;
      }
    }
  }
  std::unique_ptr<EnergyInputScreenModel> EnergyInput() {
    auto s = std::make_unique<EnergyInputScreenModel>(*ws);
    s->Open(prompts);
    return s;
  }
};
}  // namespace

TEST(EnergyInputScreen, CountsOutsideTheirRangesAndInsertsBeyondTheLimitsAreRefused) {
  Project f;
  auto s = f.EnergyInput();
  const auto count = [&](std::string& box, bool (EnergyInputScreenModel::*pending)() const,
                         void (EnergyInputScreenModel::*enter)(Prompts&), std::vector<const char*> typed) {
    for (const char* t : typed) {
      box = t;
      EXPECT_TRUE(((*s).*pending)()) << t;
      ((*s).*enter)(f.prompts);
    }
    EXPECT_FALSE(((*s).*pending)());  // a refused count shows the count again
  };
  count(s->ZoneCountBox, &EnergyInputScreenModel::ZoneCountPending, &EnergyInputScreenModel::EnterZoneCount,
        {"0", "20", "21"});
  EXPECT_EQ(s->ZoneCount(), 20);
  s->AddZone(f.prompts);
  count(s->RoomCountBox, &EnergyInputScreenModel::RoomCountPending, &EnergyInputScreenModel::EnterRoomCount,
        {"0", "12", "13"});
  s->AddRoom(f.prompts);
  count(s->ComponentCountBox, &EnergyInputScreenModel::ComponentCountPending,
        &EnergyInputScreenModel::EnterRoomCharacteristics, {"abc", "10", "11"});
  s->AddComponent(f.prompts);
  EXPECT_EQ(f.prompts.Messages(), (Lines{"No. of Zones outside range!", "No. of Zones outside range!",
                                         "No. of Zones already reached the Maximum No.!",
                                         "No. of Rooms outside range!", "No. of Rooms outside range!",
                                         "No. of Rooms per Zone already reached the Maximum No.!",
                                         "No. of Fabric Components outside range!",
                                         "No. of Fabric Components outside range!",
                                         "No. of Constructions already reached the Maximum No.!"}));
  EXPECT_EQ(s->ComponentCount(), 10);
  // A roof and a floor face up.
  s->ChooseComponentType(kRoof);
  EXPECT_EQ(s->Orientation, kHorizontal);
  s->ChooseOrientation(5);
  s->ChooseComponentType(kFloorCeiling);
  EXPECT_EQ(s->Orientation, kHorizontal);
}

TEST(EnergyInputScreen, ZonesAndRoomsMoveWithTheirRoomsComponentsAndAirSideData) {
  Project f;
  f.FiveZones();
  const EnergyModel before = f.ws->Energy;
  const AirSideData airBefore = f.ws->AirSide;
  auto s = f.EnergyInput();
  s->SelectZone(3);
  s->ZoneNameBox = "Z3 renamed";
  s->AddZone(f.prompts);  // after zone 3
  EXPECT_EQ(std::pair(s->ZoneCountBox, s->SelectedZone()), std::pair(std::string("6"), 4));
  s->ZoneNameBox = "New";
  const EnergyModel& m = s->Model();
  const AirSideData& a = s->AirSide();
  EXPECT_EQ(m.Zone[3].ZoneName, "Z3 renamed");  // stored before the insertion
  for (int z : {4, 5}) {
    EXPECT_EQ(m.Zone[z + 1], before.Zone[z]);
    EXPECT_EQ(a.Zone[z + 1], airBefore.Zone[z]);
  }
  EXPECT_EQ(a.Zone[4], AirSideZone{});

  // Deleting zone 2 moves the later zones down; nothing of zone 2 stays behind.
  s->SelectZone(2);
  s->DeleteZone(f.prompts);  // Cancel
  EXPECT_EQ(m.ZoneCount, 6);
  f.prompts.QueueAnswer(Answer::Ok);
  s->DeleteZone(f.prompts);
  EXPECT_EQ(m.ZoneCount, 5);
  EXPECT_EQ(std::pair(m.Zone[2].ZoneName, m.Zone[3].ZoneName), std::pair(std::string("Z3 renamed"), std::string("New")));
  EXPECT_EQ(a.Zone[2], airBefore.Zone[3]);
  EXPECT_EQ(a.Zone[6], AirSideZone{});

  // Room 2 of the five of zone 5: the rooms after it carry their design loads down.
  s->SelectZone(5);
  s->SelectRoom(2);
  f.prompts.QueueAnswer(Answer::Ok);
  s->DeleteRoom(f.prompts);
  EXPECT_EQ(m.Zone[5].RoomCount, 4);
  EXPECT_EQ(m.Zone[5].Room[2], before.Zone[5].Room[3]);
  EXPECT_EQ(a.Zone[5].DesignSensibleLoad, (std::array<float, 13>{500, 501, 503, 504, 505}));
  s->SelectRoom(1);
  s->AddRoom(f.prompts);
  EXPECT_EQ(a.Zone[5].DesignSensibleLoad, (std::array<float, 13>{500, 501, 0, 503, 504, 505}));
  EXPECT_EQ(m.Zone[5].Room[3], before.Zone[5].Room[3]);
  EXPECT_EQ(f.prompts.log.size(), 3u);  // the three questions, nothing else
}

TEST(EnergyInputScreen, SavedFilesReloadAndAFailedSaveLosesNothing) {
  Project f;
  f.OpenProject();
  f.FiveZones();
  auto s = f.EnergyInput();
  EXPECT_TRUE(f.prompts.log.empty());  // no ".ECI" file yet: nothing to load
  s->IdenticalZonesBox = "2.5";
  // A folder that does not exist: the message names the file; the screen stays with its data.
  f.prompts.QueueAnswer(Answer::Yes);
  f.prompts.QueueFile(f.tmp.File("missing/OFFICE.ECI"));
  EXPECT_FALSE(s->Return(f.prompts));
  ASSERT_EQ(f.prompts.Messages().size(), 1u);
  EXPECT_NE(f.prompts.Messages()[0].find(f.tmp.File("missing/OFFICE.ECI")), std::string::npos);
  EXPECT_EQ(f.prompts.dialogs[0].proposedName, "OFFICE.ECI");
  EXPECT_EQ(f.prompts.dialogs[0].initialFolder, f.tmp.Folder());

  f.prompts.QueueFile(f.tmp.File("OFFICE.ECI"));
  f.prompts.QueueFile(f.tmp.File("OFFICE.ASS"));
  EXPECT_TRUE(s->Save(f.prompts));
  EXPECT_EQ(f.ws->Energy.Zone[1].IdenticalZones, 2.5f);
  const EnergyModel saved = f.ws->Energy;
  const AirSideData savedAir = f.ws->AirSide;
  f.prompts.QueueAnswer(Answer::No);
  EXPECT_TRUE(s->Return(f.prompts));

  // Opening again loads both files through dialogs that start on the project's names.
  f.ws->Energy = {};
  f.ws->AirSide = {};
  f.prompts = {};
  f.prompts.QueueFile(f.tmp.File("OFFICE.ECI"));
  f.prompts.QueueFile(f.tmp.File("OFFICE.ASS"));
  auto again = f.EnergyInput();
  EXPECT_EQ(f.prompts.log, (Lines{"Open: Open Energy Calculation Input File",
                                  "Open: Air Side Air-conditioning System Input File"}));
  EXPECT_EQ(f.prompts.dialogs[1].proposedName, "OFFICE.ASS");
  EXPECT_EQ(again->Model(), saved);
  EXPECT_EQ(again->AirSide(), savedAir);
  EXPECT_EQ(again->IdenticalZonesBox, "2.5");
}

TEST(AirSideScreen, ZoneAndRoomValuesAreKeptApartAndExitAsksOnlyAfterAChange) {
  Project f;
  for (int z = 1; z <= 2; ++z) {
    EnergyZone& zone = AddZone(f.ws->Energy, "Floor " + std::to_string(z));
    for (int r = 1; r <= 3; ++r) AddRoom(zone, MakeRoom("Office " + std::to_string(r), kOffice));
  }
  AirSideScreenModel s(*f.ws, 1);
  EXPECT_EQ(s.Entries(), (Lines{"Zone", "Rm No 1", "Rm No 2", "Rm No 3"}));
  EXPECT_EQ(s.ShownBoxes(), 6);
  EXPECT_EQ(s.Labels()[2], "Design Supply Air Flow Rate for the Zone (cu.m/s)");
  for (int i = 0; i < kAirSideBoxes; ++i) s.ValueBoxes[i] = std::to_string(10 + i);
  s.NextRoom();
  EXPECT_EQ(std::pair(s.Selected(), s.ShownBoxes()), std::pair(1, 3));
  EXPECT_EQ(s.Labels()[0], "Design Sensible Cooling Load of the Room (kW)");
  EXPECT_EQ(s.NameBox, "Office 1");
  s.ValueBoxes[0] = "2.5 kW";
  for (int i = 0; i < 3; ++i) s.NextRoom();
  EXPECT_EQ(s.Selected(), 3);  // the last room stays
  s.ValueBoxes[2] = "0.4";
  s.NextZone();
  EXPECT_EQ(std::pair(s.ZoneNameLabel(), s.Selected()), std::pair(std::string("Zone Name: Floor 2"), 0));
  s.LastZone();
  EXPECT_EQ(s.ValueBoxes[5], "15");

  // Cancel keeps the screen; No drops the values.
  EXPECT_FALSE(s.Exit(f.prompts));
  f.prompts.QueueAnswer(Answer::No);
  EXPECT_TRUE(s.Exit(f.prompts));
  EXPECT_EQ(f.prompts.log, Lines(2, "YesNoCancel: Save Data before closing this form?"));
  EXPECT_EQ(f.ws->AirSide, AirSideData{});
  AirSideScreenModel again(*f.ws, 2);
  EXPECT_TRUE(again.Exit(f.prompts));  // nothing changed: no question
  EXPECT_EQ(f.prompts.log.size(), 2u);
}

namespace {
struct Constructions : Project {
  Constructions() {
    OpenProject();
    ws->EnergyFiles = DeriveEnergyFileNames(tmp.File("OFFICE.PRJ"));
    AddConstruction(ws->Constructions, "Wall", 0, 0.6f, 0.5f, {Concrete(0.2f), AirGap(0.05f), Plaster(0.01f)});
    AddConstruction(ws->Constructions, "Glazing", 1, 0.1f, 0.7f, {Glass(0.006f)});
    AddConstruction(ws->Constructions, "Slab", 0, 0.7f, 0.4f, {Concrete(0.15f)});
    // Material 12 is row 5 of the material table.
    ws->Materials.MatRowOf[12] = 5;
    ws->Materials.MatName[5] = "Concrete (dense)";
    ws->Materials.MatProp[5] = {2300, 1.6f, 900};
  }
};
const Lines kHints = {"Click Clear Data Button before selecting another construction",
                      "to view or edit. Any changes made should be saved as a New",
                      "construction or Changes to the selected construction."};
Lines With(Lines lines, const Lines& more) {
  lines.insert(lines.end(), more.begin(), more.end());
  return lines;
}
}  // namespace

TEST(ConstructionScreen, LayerLinesOfAWallAWindowAndAOneLayerConstruction) {
  Constructions f;
  ConstructionScreenModel s(*f.ws, ConstructionScreenMode::Edit);
  EXPECT_EQ(s.ConstructionCount(), 3);
  s.PickConstruction(0);
  EXPECT_EQ(s.LayerLines(), With({"Concrete; Thk. 0.2(m); Abs. Out 0.6", "Air Gap; Thk. 0.05(m)",
                                  "Plaster; Thk. 0.01(m); Abs. In 0.5"}, kHints));
  s.PickConstruction(1);
  EXPECT_EQ(s.LayerLines(), With({"Glass; Thk. 0.006(m); Abs. Out 0.1", "Shading Coefficient 0.7"}, kHints));
  EXPECT_EQ(std::pair(s.WindowFlag(), std::string(s.SurfaceLabel())), std::pair(1, std::string("Window SC")));
  s.PickConstruction(2);
  EXPECT_EQ(s.LayerLines().front(), "Concrete; Thk. 0.15(m); Abs. Out 0.7; Abs. In 0.4");
  s.ChooseWindow();
  EXPECT_EQ(std::string(s.SurfaceLabel()), "Window SC");
  EXPECT_EQ(s.SurfaceBoxes[1], "0.4");  // the same field
}

TEST(ConstructionScreen, ANewConstructionIsBuiltLayerByLayerAddedDeletedAndSaved) {
  Constructions f;
  ConstructionScreenModel s(*f.ws, ConstructionScreenMode::Edit);
  for (const char* count : {"0", "20", "21"}) {
    s.LayerCountBox = count;
    s.EnterLayerCount(f.prompts);
  }
  s.AddLayer(f.prompts);
  s.LayerCountBox = "2";
  s.EnterLayerCount(f.prompts);
  EXPECT_EQ(s.LayerCount(), 2);
  // The typed number brings the material's name and properties; 0 is an air gap.
  s.MatNoBox = "12";
  s.SelectMaterial({});
  EXPECT_EQ(std::pair(s.MatNameBox, s.PropBoxes[1]), std::pair(std::string("Concrete (dense)"), std::string("1.6")));
  s.ThicknessBox = "0.1";
  s.SelectLayer(2);
  s.MatNoBox = "0";
  s.TakeMaterialNumber();
  s.ThicknessBox = "0.03";
  s.AddLayer(f.prompts);  // a third layer after the second, material 0 until chosen
  s.SelectMaterial([](int current) { return current == 0 ? 12 : -1; });  // a picker chooses instead
  EXPECT_EQ(s.MatNameBox, "Concrete (dense)");
  s.NameBox = "Cavity wall";
  s.SurfaceBoxes = {"0.55", "0.45"};
  s.AddAsNew(f.prompts);
  EXPECT_EQ(s.ConstructionCount(), 4);
  EXPECT_TRUE(s.LayerLines().empty());

  // Deleting the second construction asks first; Cancel keeps it.
  s.PickConstruction(1);
  s.DeleteConstruction(f.prompts);
  EXPECT_EQ(s.ConstructionCount(), 4);
  f.prompts.QueueAnswer(Answer::Ok);
  s.PickConstruction(1);
  s.DeleteConstruction(f.prompts);
  EXPECT_EQ(s.ConstructionNames(), (Lines{"Wall", "Slab", "Cavity wall"}));

  // Exit: Cancel stays, Yes saves the file and closes.
  f.prompts.QueueAnswer(Answer::Cancel);
  EXPECT_FALSE(s.Exit(f.prompts));
  f.prompts.QueueAnswer(Answer::Yes);
  EXPECT_TRUE(s.Exit(f.prompts));
  const std::string affects = "OkCancel: This may affect reference to Constructions in Room Input. Go ahead ?";
  EXPECT_EQ(f.prompts.log, (Lines{"Message: No. of Layers outside range!", "Message: No. of Layers outside range!",
                                  "Message: No. of layers already the maximum allowable.", affects, affects,
                                  "YesNoCancel: Save data first?", "YesNoCancel: Save data first?"}));
  ConstructionTable saved;
  ASSERT_TRUE(ReadConstructionFile(f.ws->EnergyFiles.ConFile, saved).ok);
  EXPECT_EQ(saved, f.ws->Constructions);
  ASSERT_EQ(saved.ConstructionCount, 3);
  const Construction& wall = saved.Item[3];
  EXPECT_EQ(wall.LayerCount, 3);
  EXPECT_EQ(wall.Layer[1], (ConstructionLayer{12, "Concrete (dense)", 0.1f, 2300, 1.6f, 900}));
  EXPECT_EQ(std::pair(wall.Layer[2].MaterialName, wall.Layer[2].Thickness), std::pair(std::string("Air Gap"), 0.03f));
  EXPECT_EQ(wall.Layer[3].MaterialNo, 12);
  EXPECT_EQ(wall.SurfaceValue, (std::array<float, 2>{0.55f, 0.45f}));
}

TEST(ConstructionScreen, SelectModeReturnsThePickedOneAndHandedOverLayersJoinTheProjectsFile) {
  Constructions f;
  ConstructionScreenModel pick(*f.ws, ConstructionScreenMode::Select, 2);
  EXPECT_FALSE(pick.Editing());
  EXPECT_EQ(pick.NameBox, "Glazing");
  pick.PickConstruction(2);
  EXPECT_EQ(std::pair(pick.PickedNumber(), pick.PickedName()), std::pair(3, std::string("Slab")));

  ASSERT_TRUE(WriteConstructionFile(f.ws->EnergyFiles.ConFile, f.ws->Constructions).ok);
  f.ws->Constructions = {};
  ASSERT_TRUE(LoadProjectConstructions(*f.ws).ok);
  ConstructionScreenModel s(*f.ws, ConstructionScreenMode::Edit);
  EXPECT_FALSE(s.TakeLayers({}));
  ASSERT_TRUE(s.TakeLayers({Concrete(0.25f), Insulation(0.05f)}));
  EXPECT_EQ(std::pair(s.ConstructionCount(), s.LayerCountBox), std::pair(3, std::string("2")));  // the project's file
  EXPECT_EQ(s.LayerLines(), (Lines{"Concrete; Thk. 0.25(m); Abs. Out 0", "Mineral wool; Thk. 0.05(m); Abs. In 0"}));
  s.NameBox = "Floor slab";
  s.SurfaceBoxes[0] = "0.7";
  s.AddAsNew(f.prompts);
  EXPECT_TRUE(s.SaveConstructions(f.prompts));
  ConstructionTable saved;
  ASSERT_TRUE(ReadConstructionFile(f.ws->EnergyFiles.ConFile, saved).ok);
  ASSERT_EQ(saved.ConstructionCount, 4);
  EXPECT_EQ(saved.Item[4].Name, "Floor slab");
  EXPECT_EQ(saved.Item[4].Layer[2], Insulation(0.05f));
  EXPECT_EQ(saved.Item[4].SurfaceValue[0], 0.7f);
  EXPECT_TRUE(f.prompts.log.empty());
}
