// The annual energy of the systems and its confirmation.
#include <gtest/gtest.h>

#include "plant/AnnualEnergy.h"
#include "plant/EnergyConfirmation.h"
#include "support/SampleModels.h"

using namespace kelca;

TEST(SystemEnergy, OnlyCountedSystemsAreSummedAndAZeroEfficiencyStopsTheTownGas) {
  ElectricSystemGroup g;
  g.Count = 1;
  g.System[1] = {"Exhaust fans", 30, 4000, 0.8f, 0};
  g.System[2] = {"not counted", 100, 100, 1, 777};
  CalculateElectricSystems(g);
  EXPECT_EQ(std::pair(g.System[0].AnnualEnergy, g.System[2].AnnualEnergy), std::pair(96000.0f, 777.0f));
  g.Count = 0;
  CalculateElectricSystems(g);
  EXPECT_FLOAT_EQ(g.System[0].AnnualEnergy, 0.0f);

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
  EXPECT_EQ(std::pair(gas.System[2].AnnualUse, gas.System[0].AnnualUse), std::pair(200000.0f, 779600.0f));
}

TEST(SystemEnergy, ZoneElectricityIsDensityTimesAreaTimesHoursTimesMultipliers) {
  EnergyModel m;
  EnergyZone& z = kelca::testing::AddZone(m, "Z", 3);
  EnergyRoom office = kelca::testing::MakeRoom("Office", kOffice, 50);
  office.IdenticalRooms = 2;
  office.LightingLoad = 10;
  kelca::testing::AddRoom(z, office);
  EnergyRoom store = kelca::testing::MakeRoom("Store", kNonAC, 10);
  store.LightingLoad = 5;
  store.EquipmentLoad = 0;
  kelca::testing::AddRoom(z, store);
  const ZoneElecEnergy e = CalculateZoneElectricity(m);
  EXPECT_FLOAT_EQ(e.Value[1], 10 * 50 * 3065 * 2 * 3 / 1000.0f + 5 * 10 * 8760 * 3 / 1000.0f);
  EXPECT_FLOAT_EQ(e.Value[2], 20 * 50 * 3086 * 2 * 3 / 1000.0f);
  EXPECT_FLOAT_EQ(e.Value[0], e.Value[1] + e.Value[2]);
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
  EXPECT_EQ(ConfirmEnergyUse(form, stored).message, "Missing confirmed energy use value(s)");
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
  EXPECT_EQ(std::pair(confirmed.Value[3], confirmed.Value[4]), std::pair(2500.0f, 0.0f));
  // Opening again shows the last confirmed values.
  EXPECT_EQ(OpenEnergyConfirmation(confirmed).Predicted[3], "2500");
}
