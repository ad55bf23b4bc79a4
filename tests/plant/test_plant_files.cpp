#include <gtest/gtest.h>

#include <algorithm>

#include "plant/EnergyResultFile.h"
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
  p.PlpCount = p.SwpCount = p.AdditionalHvac.Count = 2;
  p.SlpCount = p.CwpCount = p.TowerCount = p.FauCount = 1;
  p.Plp[1] = {47.6f, 150, 11};
  p.Plp[2] = {95.2f, 160, 22.5f};
  p.Slp[1] = {2, 150, 250, 55};
  p.Cwp[1] = {180, 200, 45};
  p.Swp[1] = {1, 200, 180, 50};
  p.Swp[2] = {0, 100, 180, 25};
  p.Tower[1] = {7200, 350, 60};
  p.AdditionalHvac.System[1] = {"Car park \"exhaust\" fans", 30, 4000, 0.8f, 0};
  p.AdditionalHvac.System[2] = {"Toilet exhaust", 5.5f, 3000, 1, 0};
  p.Fau[1] = {80, 200, 6.5f, 600, 7.5f, 9.5f};
  return p;
}

// Fire services, lifts and escalators and town gas systems.
NonACServices Services() {
  NonACServices s;
  s.Electric[kFireServices].Count = 1;
  s.Electric[kFireServices].System[1] = {"Sprinkler pumps", 22, 50, 1, 0};
  s.Electric[kLiftsEscalators].Count = s.TownGas.Count = 2;
  s.Electric[kLiftsEscalators].System[1] = {"Passenger lifts", 40, 3000, 0.35f, 42000};
  s.Electric[kLiftsEscalators].System[2] = {"Escalators", 11, 3500, 0.6f, 0};
  s.TownGas.System[1] = {"Kitchen", 3, 120, 0.55f, 2500, 0.4f, 100};
  s.TownGas.System[2] = {"Water heater", 4, 60, 0.8f, 1000, 0.5f, 1E-05f};
  s.TownGas.System[0].AnnualUse = 999;  // totals are not stored
  return s;
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
  EXPECT_EQ(std::pair(read.AdditionalHvac.System[1].Name, read.AdditionalHvac.System[1].AnnualEnergy),
            std::pair(std::string("Car park 'exhaust' fans"), 123.0f));
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

  const NonACServices s = Services();
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

TEST(EnergyResultFile, ElevenValuesThenTheSystemCountsAndARoundTripThatRecomputesTotals) {
  TempFolder dir;
  AnnualACEnergy ac;
  ac.Value = {10.5f, 1, 2, 3, 4, 0.5f, 0, 0};
  ZoneElecEnergy zones;
  zones.Value = {3, 1, 2};
  ASSERT_TRUE(WriteEnergyResultFile(dir.File("R.EUR"), ac, zones, PlantInput{}, NonACServices{}));
  EXPECT_EQ(dir.Read("R.EUR"),
            "10.5\r\n1\r\n2\r\n3\r\n4\r\n0.5\r\n0\r\n0\r\n3\r\n1\r\n2\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");

  PlantInput plant;
  plant.AdditionalHvac.Count = 2;
  plant.AdditionalHvac.System[1].AnnualEnergy = 1.5f;
  plant.AdditionalHvac.System[2].AnnualEnergy = 2.25f;
  ASSERT_TRUE(WriteEnergyResultFile(dir.File("R.EUR"), ac, zones, plant, Services()));
  AnnualACEnergy ac2;
  ZoneElecEnergy zones2;
  PlantInput plant2;
  plant2.AdditionalHvac.System[1].Name = "kept";
  NonACServices s2;
  ASSERT_TRUE(ReadEnergyResultFile(dir.File("R.EUR"), ac2, zones2, plant2, s2));
  EXPECT_EQ(std::pair(ac2.Value, zones2.Value), std::pair(ac.Value, zones.Value));
  EXPECT_EQ(std::pair(plant2.AdditionalHvac.Count, plant2.AdditionalHvac.System[1].Name),
            std::pair(2, std::string("kept")));
  EXPECT_FLOAT_EQ(plant2.AdditionalHvac.System[0].AnnualEnergy, 3.75f);
  EXPECT_FLOAT_EQ(s2.Electric[kLiftsEscalators].System[0].AnnualEnergy, 42000.0f);
  EXPECT_EQ(s2.TownGas.System[2].AnnualUse, 1E-05f);
  EXPECT_FLOAT_EQ(s2.TownGas.System[0].AnnualUse, 100.00001f);

  // Counts beyond the tables, or a file that breaks off, are refused and change nothing.
  dir.Write("Bad.EUR", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n0\r\n0\r\n0\r\n14\r\n");
  dir.Write("Short.EUR", "1\r\n2\r\n");
  const Status st = ReadEnergyResultFile(dir.File("Bad.EUR"), ac2, zones2, plant2, s2);
  EXPECT_NE(st.message.find("Bad.EUR"), std::string::npos);
  EXPECT_NE(st.message.find("number of lift and escalator systems 14"), std::string::npos) << st.message;
  EXPECT_FALSE(ReadEnergyResultFile(dir.File("Short.EUR"), ac2, zones2, plant2, s2));
  EXPECT_EQ(ac2.Value, ac.Value);
}
