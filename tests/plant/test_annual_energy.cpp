#include <gtest/gtest.h>

#include <algorithm>

#include "plant/AnnualEnergy.h"
#include "plant/EnergyConfirmation.h"
#include "plant/EnergyResultFile.h"
#include "support/TempFolder.h"

using namespace kelca;
using kelca::testing::TempFolder;

TEST(AdditionalSystems, OnlyTheCountedSystemsAreSummedAndNoSystemsSumToZero) {
  ElectricSystemGroup g;
  g.Count = 1;
  g.System[1] = {"Exhaust fans", 30, 4000, 0.8f, 0};
  g.System[2] = {"not counted", 100, 100, 1, 777};
  CalculateElectricSystems(g);
  EXPECT_FLOAT_EQ(g.System[0].AnnualEnergy, 96000.0f);
  EXPECT_FLOAT_EQ(g.System[2].AnnualEnergy, 777.0f);
  g.Count = 0;
  CalculateElectricSystems(g);
  EXPECT_FLOAT_EQ(g.System[0].AnnualEnergy, 0.0f);
}

TEST(TownGas, UseInMegajoulesAndZeroEfficiencyStops) {
  GasSystemGroup gas;
  gas.Count = 3;
  gas.System[1] = {"Kitchen", 1, 100, 0.5f, 2000, 0.4f, 0};  // 2000 h x 100 kW x 0.4 x 3.6 / 0.5
  gas.System[2] = {"Boiler", 0, 50, 0, 1000, 1, 0};
  gas.System[3] = {"Heater", 4, 10, 1, 100, 1, 11};
  std::string message;
  EXPECT_FALSE(CalculateTownGas(gas, message));
  EXPECT_EQ(message, "Error: Zero Eff. for Gas System No.2");
  EXPECT_FLOAT_EQ(gas.System[1].AnnualUse, 576000.0f);
  EXPECT_FLOAT_EQ(gas.System[3].AnnualUse, 11.0f) << "later systems are not computed";
  EXPECT_FLOAT_EQ(gas.System[0].AnnualUse, 576011.0f) << "the total stays the sum of the items";

  gas.System[2].Efficiency = 0.9f;
  EXPECT_TRUE(CalculateTownGas(gas, message));
  EXPECT_FLOAT_EQ(gas.System[2].AnnualUse, 200000.0f);
  EXPECT_FLOAT_EQ(gas.System[0].AnnualUse, 779600.0f);
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
  NonACServices s;
  s.Electric[kLiftsEscalators].Count = 1;
  s.Electric[kLiftsEscalators].System[1].AnnualEnergy = 42000;
  s.TownGas.Count = 2;
  s.TownGas.System[1].AnnualUse = 100;
  s.TownGas.System[2].AnnualUse = 1E-05f;
  s.TownGas.System[0].AnnualUse = 999;  // totals are not stored
  ASSERT_TRUE(WriteEnergyResultFile(dir.File("R.EUR"), ac, zones, plant, s));

  AnnualACEnergy ac2;
  ZoneElecEnergy zones2;
  PlantInput plant2;
  plant2.AdditionalHvac.System[1].Name = "kept";
  NonACServices s2;
  ASSERT_TRUE(ReadEnergyResultFile(dir.File("R.EUR"), ac2, zones2, plant2, s2));
  EXPECT_EQ(ac2.Value, ac.Value);
  EXPECT_EQ(zones2.Value, zones.Value);
  EXPECT_EQ(plant2.AdditionalHvac.Count, 2);
  EXPECT_EQ(plant2.AdditionalHvac.System[1].Name, "kept");
  EXPECT_FLOAT_EQ(plant2.AdditionalHvac.System[0].AnnualEnergy, 3.75f);
  EXPECT_FLOAT_EQ(s2.Electric[kLiftsEscalators].System[0].AnnualEnergy, 42000.0f);
  EXPECT_EQ(s2.TownGas.System[2].AnnualUse, 1E-05f);
  EXPECT_FLOAT_EQ(s2.TownGas.System[0].AnnualUse, 100.00001f);
}

TEST(EnergyResultFile, RefusesCountsBeyondTheTablesAndKeepsResults) {
  TempFolder dir;
  dir.Write("Bad.EUR", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n0\r\n0\r\n0\r\n14\r\n");
  AnnualACEnergy ac;
  ac.Value[0] = 77;
  ZoneElecEnergy zones;
  PlantInput plant;
  NonACServices s;
  const Status st = ReadEnergyResultFile(dir.File("Bad.EUR"), ac, zones, plant, s);
  EXPECT_FALSE(st);
  EXPECT_NE(st.message.find("Bad.EUR"), std::string::npos);
  EXPECT_NE(st.message.find("number of lift and escalator systems 14"), std::string::npos) << st.message;
  EXPECT_FLOAT_EQ(ac.Value[0], 77.0f);
  dir.Write("Short.EUR", "1\r\n2\r\n");
  EXPECT_FALSE(ReadEnergyResultFile(dir.File("Short.EUR"), ac, zones, plant, s));
  EXPECT_FLOAT_EQ(ac.Value[0], 77.0f);
}

TEST(EnergyConfirmation, CopyConfirmAndMissingValues) {
  EnergyUseSummary summary;
  summary.Value = {1234567.9f, 0.5f, 0, 12345678, 3, 1E-05f};
  EnergyConfirmation form = OpenEnergyConfirmation(summary);
  for (const std::string& c : form.Confirmed) EXPECT_TRUE(c.empty());
  EXPECT_EQ(form.Predicted[1], "0.5");

  CopyPredictedValue(form, 2);
  EXPECT_EQ(form.Confirmed[2], "0");
  EnergyUseSummary stored = summary;
  stored.Value[0] = -1;
  Status st = ConfirmEnergyUse(form, stored);
  EXPECT_FALSE(st);
  EXPECT_EQ(st.message, "Missing confirmed energy use value(s)");
  EXPECT_FLOAT_EQ(stored.Value[0], -1.0f) << "nothing is stored";

  // "Copy All" then confirm stores the predicted values unchanged.
  CopyAllPredictedValues(form);
  EnergyUseSummary confirmed;
  ASSERT_TRUE(ConfirmEnergyUse(form, confirmed));
  EXPECT_EQ(confirmed.Value, summary.Value);

  // Typed corrections use the leading number; text without one gives 0.
  form.Confirmed[3] = "  2500 kWh";
  form.Confirmed[4] = "n/a";
  ASSERT_TRUE(ConfirmEnergyUse(form, confirmed));
  EXPECT_FLOAT_EQ(confirmed.Value[3], 2500.0f);
  EXPECT_FLOAT_EQ(confirmed.Value[4], 0.0f);

  // Opening again shows the last confirmed values.
  EXPECT_EQ(OpenEnergyConfirmation(confirmed).Predicted[3], "2500");
  EXPECT_STREQ(EnergyUseLabel(5), "Systems using Town Gas (MJ)*");
}
