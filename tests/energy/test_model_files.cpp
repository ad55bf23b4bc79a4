// The energy input, air-side and construction files: round trips, layout
// details that other programs rely on, and refusal of counts beyond the tables.
#include <gtest/gtest.h>

#include <memory>

#include "common/TextWriter.h"
#include "energy/AirSideData.h"
#include "energy/ConstructionTable.h"
#include "energy/EnergyModel.h"
#include "energy/ShadingMask.h"
#include "support/SampleModels.h"
#include "support/TempFolder.h"

using namespace kelca;
using namespace kelca::testing;

namespace {

std::unique_ptr<EnergyModel> TwoZoneModel() {
  auto m = std::make_unique<EnergyModel>();
  EnergyZone& z1 = AddZone(*m, "Podium", 1);
  EnergyRoom& shop = AddRoom(z1, MakeRoom("Shop, ground", kRetail, 120.5f, 4.2f));
  AddComponent(shop, MakeComponent("Shopfront", 30, kWindow, 2, 5, "/masks/SHOP.SHM"));
  AddComponent(shop, MakeComponent("Slab", 120.5f, kFloorCeiling, 1, kHorizontal));
  EnergyRoom& store = AddRoom(z1, MakeRoom("Store", kNonAC, 20, 3));
  AddComponent(store, MakeComponent("Back wall", 12.25f, kExternalWall, 1, 1));
  EnergyZone& z2 = AddZone(*m, "Typical floor", 17.5f);
  EnergyRoom& office = AddRoom(z2, MakeRoom("Office NE", kOffice, 80, 2.8f));
  office.Occupants = 7.5f;
  office.RoomRH = 52.5f;
  for (int c = 1; c <= kMaxComponentsPerRoom; ++c) {
    AddComponent(office, MakeComponent("C" + std::to_string(c), 1.0f / c, 1 + c % 5, c, c % 10));
  }
  return m;
}

}  // namespace

TEST(EnergyInputFile, RoundTripKeepsEveryFieldAndTheDocumentedLayout) {
  TempFolder dir;
  const auto model = TwoZoneModel();
  ASSERT_TRUE(WriteEnergyInputFile(dir.File("P.ECI"), "Tower A", *model));

  const std::string text = dir.Read("P.ECI");
  EXPECT_EQ(text.substr(0, 56), "\"Energy Calculation Input for Project: Tower A\"\r\n2\r\n\"Pod");
  // A room line, then the window's six one-field lines; a missing mask is an empty quoted string.
  EXPECT_NE(text.find("\"Shop, ground\",2,1\r\n120.5,4.2\r\n5,8\r\n24,55\r\n15,20\r\n2\r\n"
                      "\"Shopfront\"\r\n30\r\n2\r\n2\r\n5\r\n\"/masks/SHOP.SHM\"\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("\"Slab\"\r\n120.5\r\n4\r\n1\r\n9\r\n\"\"\r\n"), std::string::npos);

  auto back = std::make_unique<EnergyModel>();
  ASSERT_TRUE(ReadEnergyInputFile(dir.File("P.ECI"), *back));
  EXPECT_TRUE(*back == *model);

  // A smaller model read over it replaces it whole.
  auto small = std::make_unique<EnergyModel>();
  AddRoom(AddZone(*small, "Only"), MakeRoom("R", kOffice));
  ASSERT_TRUE(WriteEnergyInputFile(dir.File("S.ECI"), "S", *small));
  ASSERT_TRUE(ReadEnergyInputFile(dir.File("S.ECI"), *back));
  EXPECT_TRUE(*back == *small);
}

TEST(ModelFiles, CountsAndCodesBeyondTheTablesAreRefusedNamingTheFile) {
  const std::string head = "\"Energy Calculation Input for Project: X\"\r\n";
  const std::string room = "\"R\",1,1\r\n50,3\r\n5,8\r\n24,55\r\n15,20\r\n";
  const std::string zone = head + "1\r\n\"Z\"\r\n1\r\n1\r\n";
  std::string fractions;  // a shading mask with one fraction of 5
  for (int i = 1; i <= 325; ++i) fractions += i == 101 ? "5\r\n" : "1\r\n";
  const struct {
    const char* file;
    std::string text, message;
  } cases[] = {
      {"B.ECI", head + "21\r\n", "B.ECI: line 2: the number of zones 21 is outside 0 to 20"},
      {"B.ECI", head + "1\r\n\"Z\"\r\n1\r\n13\r\n", "B.ECI: line 5: the number of rooms 13 is outside 0 to 12"},
      {"B.ECI", zone + room + "11\r\n", "B.ECI: line 11: the number of fabric components 11 is outside 0 to 10"},
      {"B.ECI", zone + "\"R\",6,1\r\n", "B.ECI: line 6: the room type 6 is outside 0 to 5"},
      {"B.ECI", zone + room + "1\r\n\"W\"\r\n2\r\n2\r\n1\r\n10\r\n",
       "B.ECI: line 16: the orientation 10 is outside 0 to 9"},
      {"B.ECI", zone + room + "1\r\n\"W\"\r\n", "B.ECI: line 13: the file ends early"},
      {"B.CON", "51\r\n", "B.CON: line 1: the number of constructions 51 is outside 0 to 50"},
      {"B.CON", "1\r\n\"W\",0,21\r\n", "B.CON: line 2: the number of layers 21 is outside 0 to 20"},
      {"B.ASS", "\"t\"\r\n4,1\r\n", "B.ASS: line 2: the air-conditioning system type 4 is outside 0 to 3"},
      // What follows the counted zones, an empty count and numbers beyond a single are refused too.
      {"B.ECI", zone + room + "0\r\n\"Z2\"\r\n", "B.ECI: line 11: the file holds more than the zones it counts"},
      {"B.ECI", head + "\r\n\"Z\"\r\n", "B.ECI: line 2: a number is missing"},
      {"B.ECI", zone + "\"R\",1,1\r\n3.4028236e38,3\r\n",
       "B.ECI: line 7: the number 3.4028236E+38 is beyond the range of a single"},
      {"B.ASS", "\"t\"\r\n1,1,1e39\r\n", "B.ASS: line 2: the number 1E+39 is beyond the range of a single"},
      {"B.SHM", fractions, "B.SHM: line 101: the sunlit fraction 5 is outside 0 to 1"},
  };
  TempFolder dir;
  const auto model = TwoZoneModel();
  for (const auto& c : cases) {
    dir.Write(c.file, c.text);
    const std::string ext = std::string(c.file).substr(2);
    Status s;
    if (ext == "ECI") {
      s = ReadEnergyInputFile(dir.File(c.file), *std::make_unique<EnergyModel>());
    } else if (ext == "CON") {
      s = ReadConstructionFile(dir.File(c.file), *std::make_unique<ConstructionTable>());
    } else if (ext == "SHM") {
      ShadingMask mask;
      s = ReadShadingMaskFile(dir.File(c.file), mask);
    } else {
      s = ReadAirSideFile(dir.File(c.file), *model, *std::make_unique<AirSideData>());
    }
    EXPECT_FALSE(s) << c.message;
    EXPECT_NE(s.message.find(c.message), std::string::npos) << s.message;
  }
}

TEST(AirSideFile, RoundTripFollowsTheModelsZoneAndRoomCounts) {
  TempFolder dir;
  const auto model = TwoZoneModel();
  auto air = std::make_unique<AirSideData>();
  air->Zone[1] = {2, 1, {40, 30, 5}, {55, 41, 7}, {3.5f, 2.5f, 0.5f}, 750, 4.5f, 2.25f};
  air->Zone[2].AcSystemType = 1;
  air->Zone[2].FreshAirType = 2;
  air->Zone[2].DesignSensibleLoad[1] = 9.5f;
  ASSERT_TRUE(WriteAirSideFile(dir.File("P.ASS"), "Tower A", *model, *air));
  EXPECT_EQ(dir.Read("P.ASS"),
            "\"Air-side System Input File for Project: Tower A\"\r\n"
            "2,1\r\n40,55\r\n3.5,750,4.5,2.25\r\n30,41,2.5\r\n5,7,0.5\r\n"
            "1,2\r\n0,0\r\n0,0,0,0\r\n9.5,0,0\r\n");
  auto back = std::make_unique<AirSideData>();
  ASSERT_TRUE(ReadAirSideFile(dir.File("P.ASS"), *model, *back));
  EXPECT_TRUE(*back == *air);
}

TEST(AirSideFile, AFileOfOtherCountsIsRefused) {
  TempFolder dir;
  auto air = std::make_unique<AirSideData>();
  ASSERT_TRUE(WriteAirSideFile(dir.File("P.ASS"), "T", *TwoZoneModel(), *air));
  auto fewerRooms = TwoZoneModel(), moreRooms = TwoZoneModel();
  fewerRooms->Zone[1].RoomCount = 1;
  AddRoom(moreRooms->Zone[2], MakeRoom("Extra", kOffice));
  const std::string longer = ReadAirSideFile(dir.File("P.ASS"), *fewerRooms, *air).message;
  EXPECT_NE(longer.find("P.ASS: line "), std::string::npos) << longer;
  EXPECT_NE(longer.find("more zones or rooms than the energy model"), std::string::npos);
  EXPECT_NE(ReadAirSideFile(dir.File("P.ASS"), *moreRooms, *air).message.find("the file ends early"),
            std::string::npos);
}

TEST(ConstructionFile, RoundTripAndLayout) {
  TempFolder dir;
  auto table = std::make_unique<ConstructionTable>();
  AddConstruction(*table, "Cavity wall", 0, 0.7f, 0.4f,
                  {Plaster(0.015f), Concrete(0.1f), AirGap(0.05f), Plaster(0.01f)});
  AddConstruction(*table, "Single glazing", 1, 0.1f, 0.85f, {Glass(0.006f)});
  ASSERT_TRUE(WriteConstructionFile(dir.File("P.CON"), *table));
  const std::string text = dir.Read("P.CON");
  EXPECT_TRUE(text.starts_with("2\r\n\"Cavity wall\",0,4\r\n0.7,0.4\r\n20,\"Plaster\",0.015,1200,0.5,840\r\n12,"));
  EXPECT_NE(text.find("\r\n0,\"Air Gap\",0.05,1.2,0.025,1000\r\n"), std::string::npos);
  auto back = std::make_unique<ConstructionTable>();
  ASSERT_TRUE(ReadConstructionFile(dir.File("P.CON"), *back));
  EXPECT_TRUE(*back == *table);
}
