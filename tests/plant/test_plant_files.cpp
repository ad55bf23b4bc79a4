#include <gtest/gtest.h>

#include <algorithm>

#include "plant/NonACServices.h"
#include "plant/PlantInput.h"
#include "support/TempFolder.h"

using namespace kelca;
using kelca::testing::TempFolder;

namespace {

PlantInput WaterCooledPlant() {
  PlantInput p;
  p.PlantType = kIndirectSeawaterTowers;
  p.PumpingType = kTwoLoopVariableSpeed;
  p.StartHour = 7;
  p.StopHour = 19;
  p.DesignTemp1 = 30.5f;
  p.DesignTemp2 = 35.5f;
  p.DesignTemp3 = 28.25f;
  p.DesignTemp4 = 33.0f;
  p.ChillerCount = 3;
  for (int i = 1; i <= 3; ++i) p.Chiller[i] = {i - 1, 1000.0f * i, 180.5f * i, 47.6f * i, 57.1f * i};
  p.PlpCount = 2;
  p.Plp[1] = {47.6f, 150, 11};
  p.Plp[2] = {95.2f, 160, 22.5f};
  p.SlpCount = 1;
  p.Slp[1] = {2, 150, 250, 55};
  p.CwpCount = 1;
  p.Cwp[1] = {180, 200, 45};
  p.SwpCount = 2;
  p.Swp[1] = {1, 200, 180, 50};
  p.Swp[2] = {0, 100, 180, 25};
  p.TowerCount = 1;
  p.Tower[1] = {7200, 350, 60};
  p.AdditionalHvac.Count = 2;
  p.AdditionalHvac.System[1] = {"Car park \"exhaust\" fans", 30, 4000, 0.8f, 0};
  p.AdditionalHvac.System[2] = {"Toilet exhaust", 5.5f, 3000, 1, 0};
  p.FauCount = 1;
  p.Fau[1] = {80, 200, 6.5f, 600, 7.5f, 9.5f};
  return p;
}

// Reading a file and writing it again gives the same bytes: every stored field
// is read back into its own place.
void ExpectRewritesSame(const TempFolder& dir, const std::string& name) {
  PlantInput read;
  ASSERT_TRUE(ReadPlantFile(dir.File(name), read));
  ASSERT_TRUE(WritePlantFile(dir.File("again.WSS"), "Tower A", read));
  EXPECT_EQ(dir.Read("again.WSS"), dir.Read(name));
}

}  // namespace

TEST(PlantFile, RoundTripKeepsEveryStoredFieldAndAnAirCooledPlantStillWritesEmptyLists) {
  TempFolder dir;
  ASSERT_TRUE(WritePlantFile(dir.File("P.WSS"), "Tower A", WaterCooledPlant()));
  ExpectRewritesSame(dir, "P.WSS");
  PlantInput read;
  read.AdditionalHvac.System[1].AnnualEnergy = 123;  // computed results survive a reload
  ASSERT_TRUE(ReadPlantFile(dir.File("P.WSS"), read));
  EXPECT_EQ(read.AdditionalHvac.System[1].Name, "Car park 'exhaust' fans");
  EXPECT_EQ(read.AdditionalHvac.System[1].AnnualEnergy, 123.0f);
  const std::string text = dir.Read("P.WSS");
  EXPECT_TRUE(
      text.starts_with("\"Central Plant Data for Project: Tower A\"\r\n4\r\n2\r\n7,19\r\n30.5,35.5,28.25,33\r\n3\r\n"));
  EXPECT_NE(text.find("30,4000,0.8\r\n\"Toilet exhaust\"\r\n5.5,3000,1\r\n"), std::string::npos) << text;

  PlantInput p;
  p.ChillerCount = 1;
  p.Chiller[1] = {kScrew, 500, 150, 24, 0};
  ASSERT_TRUE(WritePlantFile(dir.File("A.WSS"), "Tower A", p));
  // One chiller, then PLP, SLP, CWP, SWP, tower, additional HVAC and FAU counts of 0.
  EXPECT_TRUE(dir.Read("A.WSS").ends_with(",500,150,24,0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"));
  ExpectRewritesSame(dir, "A.WSS");
}

TEST(PlantFile, RefusesOutOfBoundsCountsAndCodesNamingTheFile) {
  TempFolder dir;
  ASSERT_TRUE(WritePlantFile(dir.File("P.WSS"), "X", WaterCooledPlant()));
  const std::string good = dir.Read("P.WSS");
  struct Case {
    std::string from, to, what;
  };
  const Case cases[] = {
      {"\r\n3\r\n0,1000", "\r\n11\r\n0,1000", "number of chillers 11"},
      {"\r\n3\r\n0,1000", "\r\n3\r\n5,1000", "chiller type 5"},
      {"\r\n4\r\n2\r\n", "\r\n9\r\n2\r\n", "plant type 9"},
      {"\r\n2\r\n1,200,", "\r\n-1\r\n1,200,", "number of seawater pumps -1"},
  };
  for (const Case& c : cases) {
    std::string bad = good;
    const size_t at = bad.find(c.from);
    ASSERT_NE(at, std::string::npos) << c.from;
    bad.replace(at, c.from.size(), c.to);
    dir.Write("Bad.WSS", bad);
    PlantInput plant = WaterCooledPlant();
    plant.StartHour = 3;
    const Status st = ReadPlantFile(dir.File("Bad.WSS"), plant);
    EXPECT_FALSE(st);
    EXPECT_NE(st.message.find("Bad.WSS"), std::string::npos) << st.message;
    EXPECT_NE(st.message.find(c.what), std::string::npos) << st.message;
    EXPECT_EQ(plant.StartHour, 3) << "a refused file leaves the table as it was";
  }
  dir.Write("Short.WSS", good.substr(0, good.size() / 2));
  PlantInput plant;
  EXPECT_FALSE(ReadPlantFile(dir.File("Short.WSS"), plant));
  EXPECT_EQ(plant.ChillerCount, 0);
  EXPECT_FALSE(ReadPlantFile(dir.File("Missing.WSS"), plant));
}

TEST(NonACFile, EmptyFileIsHeaderAndFiveZerosAndEveryFieldRoundTrips) {
  TempFolder dir;
  ASSERT_TRUE(WriteNonACFile(dir.File("E.NAC"), "Tower A", NonACServices{}));
  EXPECT_EQ(dir.Read("E.NAC"), "\"Non-AC Services Data for Project: Tower A\"\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");

  NonACServices s;
  s.Electric[kFireServices].Count = 1;
  s.Electric[kFireServices].System[1] = {"Sprinkler pumps", 22, 50, 1, 0};
  s.Electric[kLiftsEscalators].Count = 2;
  s.Electric[kLiftsEscalators].System[1] = {"Passenger lifts", 40, 3000, 0.35f, 0};
  s.Electric[kLiftsEscalators].System[2] = {"Escalators", 11, 3500, 0.6f, 0};
  s.TownGas.Count = 2;
  s.TownGas.System[1] = {"Kitchen", 3, 120, 0.55f, 2500, 0.4f, 0};
  s.TownGas.System[2] = {"Water heater", 4, 60, 0.8f, 1000, 0.5f, 0};
  ASSERT_TRUE(WriteNonACFile(dir.File("S.NAC"), "P", s));
  const std::string text = dir.Read("S.NAC");
  EXPECT_NE(text.find("\r\n\"Kitchen\"\r\n3,120,0.55,2500,0.4\r\n"), std::string::npos);
  NonACServices r;
  ASSERT_TRUE(ReadNonACFile(dir.File("S.NAC"), r));
  ASSERT_TRUE(WriteNonACFile(dir.File("S.NAC"), "P", r));
  EXPECT_EQ(dir.Read("S.NAC"), text);  // every field was read back into its own place

  std::string bad = text;
  bad.replace(bad.find("3,120"), 5, "7,120");
  dir.Write("Bad.NAC", bad);
  EXPECT_NE(ReadNonACFile(dir.File("Bad.NAC"), r).message.find("Bad.NAC"), std::string::npos);
  EXPECT_EQ(r.TownGas.System[1].SubSystemOf, 3);
  dir.Write("Many.NAC", "\"h\"\r\n0\r\n12\r\n");
  EXPECT_NE(ReadNonACFile(dir.File("Many.NAC"), r).message.find("number of fire services systems 12"),
            std::string::npos);
}

TEST(NonACFile, TownGasUseByServicesPortion) {
  NonACServices s;
  s.TownGas.Count = 3;
  s.TownGas.System[1] = {"a", 0, 0, 0, 0, 0, 100};
  s.TownGas.System[2] = {"b", 4, 0, 0, 0, 0, 30};
  s.TownGas.System[3] = {"c", 0, 0, 0, 0, 0, 5};
  s.TownGas.System[4] = {"beyond the count", 0, 0, 0, 0, 0, 1000};
  EXPECT_FLOAT_EQ(TownGasUseOfPortion(s, 0), 105.0f);
  EXPECT_FLOAT_EQ(TownGasUseOfPortion(s, 4), 30.0f);
  EXPECT_FLOAT_EQ(TownGasUseOfPortion(s, 2), 0.0f);
}
