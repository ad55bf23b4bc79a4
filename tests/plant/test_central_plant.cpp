#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "plant/AirSide.h"
#include "plant/CentralPlant.h"
#include "plant/EquipmentModels.h"
#include "plant/PlantChecks.h"
#include "plant/PlantHour.h"
#include "plant/Psychrometrics.h"
#include "support/SampleModels.h"

using namespace kelca;

namespace {

// Air-cooled, single loop: two small chillers and one large last one.
PlantInput AirCooledPlant() {
  PlantInput p;
  p.PlantType = kAirCooled;
  p.DesignTemp1 = 35;
  p.ChillerCount = 3;
  p.Chiller[1] = ChillerUnit{kScrew, 100, 30, 5, 0};
  p.Chiller[2] = ChillerUnit{kScrew, 100, 30, 5, 0};
  p.Chiller[3] = ChillerUnit{kCentrifugal, 1000, 250, 48, 0};
  p.PlpCount = 2;
  p.Plp[1] = {10, 150, 3};
  p.Plp[2] = {48, 150, 12};
  // Listed but not part of an air-cooled plant.
  p.CwpCount = 1;
  p.Cwp[1] = {60, 200, 20};
  p.TowerCount = 1;
  p.Tower[1] = {1500, 60, 15};
  return p;
}

// Water-cooled with towers, variable-speed secondary pumps: design 30 -> 35 deg C.
PlantInput TowerPlant() {
  PlantInput p;
  p.PlantType = kWaterCooledTowers;
  p.PumpingType = kTwoLoopVariableSpeed;
  p.DesignTemp1 = 30;
  p.DesignTemp2 = 35;
  p.ChillerCount = 2;
  p.Chiller[1] = ChillerUnit{kCentrifugal, 1000, 200, 48, 57.2f};
  p.Chiller[2] = ChillerUnit{kCentrifugal, 1000, 200, 48, 57.2f};
  p.PlpCount = 2;
  p.Plp[1] = p.Plp[2] = {48, 150, 10};
  p.SlpCount = 2;
  p.Slp[1] = p.Slp[2] = VariablePumpUnit{2, 48, 250, 18};
  p.CwpCount = 2;
  p.Cwp[1] = p.Cwp[2] = {57.2f, 200, 15};
  p.TowerCount = 2;
  // Each tower takes one chiller's heat (1200 kW) over the 5 K design range.
  p.Tower[1] = p.Tower[2] = {1300, 1200.0f / (4.2f * 5.0f), 11};
  return p;
}

PlantInput IndirectSeawaterPlant() {
  PlantInput p = TowerPlant();
  p.PlantType = kIndirectSeawater;
  p.PumpingType = kSingleLoop;
  p.TowerCount = 0;
  p.DesignTemp3 = 27;
  p.DesignTemp4 = 32;
  p.SwpCount = 1;
  p.Swp[1] = VariablePumpUnit{1, 2400.0f / (4.2f * 5.0f), 180, 30};
  return p;
}

struct Checked {
  std::unique_ptr<EnergyModel> model = std::make_unique<EnergyModel>();
  PlantRunConstants run;
  SimStatus status;
  bool ok = false;
  explicit Checked(PlantInput& p) { ok = SimPrep(*model, p, run, status); }
};

OutdoorState Outdoor(float dryBulb, float wetBulb = 26, float w = 0.018f) {
  return {dryBulb, wetBulb, w, MoistAirEnthalpy(dryBulb, w)};
}

}  // namespace

TEST(Staging, LastLargeUnitAloneOrUnitsInListOrder) {
  const std::array<float, 4> big{0, 100, 100, 1000};
  const auto id = [](float r) { return r; };
  Staging s = StageUnits(3, big, id, 500);
  EXPECT_EQ(s.First, 3);
  EXPECT_EQ(s.Last, 3);
  s = StageUnits(3, big, id, 0);
  EXPECT_EQ(s.First, 3);
  s = StageUnits(3, big, id, 1150);  // 100 + 100 + 1000 first reaches it with all three
  EXPECT_EQ(s.First, 1);
  EXPECT_EQ(s.Last, 3);
  const std::array<float, 4> even{0, 300, 300, 300};
  s = StageUnits(3, even, id, 500);
  EXPECT_EQ(s.First, 1);
  EXPECT_EQ(s.Last, 2);
  s = StageUnits(3, even, id, 5000);
  EXPECT_EQ(s.Last, 3);
  s = StageUnits(0, even, id, 10);
  EXPECT_GT(s.First, s.Last);
}

TEST(PlantChecks, EachShortcomingHasItsMessage) {
  struct Case {
    const char* message;
    void (*spoil)(PlantInput&);
  };
  const Case cases[] = {
      {"SimPrep: No Chillers?", [](PlantInput& p) { p.ChillerCount = 0; }},
      {"SimPrep: Chr Rated Cap. <= 0 for Chr#2", [](PlantInput& p) { p.Chiller[2].RatedCapacity = 0; }},
      {"SimPrep: Total CWF of Chrs Insufficient for HR?", [](PlantInput& p) { p.Chiller[1].CwFlow = 20; }},
      {"SimPrep: No Secondary Loop Chilled Water Pumps?", [](PlantInput& p) { p.SlpCount = 0; }},
      {"SimPrep: Total SLP Flow < Total Chr ChW Flow!", [](PlantInput& p) { p.Slp[2].RatedFlow = 40; }},
      {"SimPrep: SLP Rated Flow <= 0 for SLP#1", [](PlantInput& p) { p.Slp[1].RatedFlow = 0; }},
      {"SimPrep: No Condenser Water Pumps?", [](PlantInput& p) { p.CwpCount = 0; }},
      {"SimPrep: Total CWP Flow Insufficient for HR?", [](PlantInput& p) { p.Cwp[2].Flow = 30; }},
      {"SimPrep: No Cooling Towers?", [](PlantInput& p) { p.TowerCount = 0; }},
      {"SimPrep: Total HR Cap. of Ctrs Insufficient?", [](PlantInput& p) { p.Tower[2].Capacity = 1000; }},
      {"SimPrep: Total CWF of Ctrs Insufficient for HR?", [](PlantInput& p) { p.Tower[2].WaterFlow = 50; }},
      {"SimPrep: Ctr Water Flow <= 0 for Ctr#1", [](PlantInput& p) { p.Tower[1].WaterFlow = 0; }},
      {"SimPrep: FAU FA Flow <= 0 for FAU#1", [](PlantInput& p) { p.FauCount = 1; }},
  };
  for (const Case& c : cases) {
    PlantInput p = TowerPlant();
    c.spoil(p);
    Checked checked(p);
    EXPECT_FALSE(checked.ok) << c.message;
    EXPECT_EQ(checked.status.SimMessage, c.message);
  }
  PlantInput good = TowerPlant();
  Checked checked(good);
  EXPECT_TRUE(checked.ok) << checked.status.SimMessage;
  EXPECT_FLOAT_EQ(good.Chiller[0].RatedCapacity, 2000.0f);
  EXPECT_FLOAT_EQ(good.Slp[0].RatedFlow, 96.0f);
}

TEST(PlantChecks, SeawaterPlantsAndHeatExchangerTemperatures) {
  PlantInput p = IndirectSeawaterPlant();
  {
    Checked ok(p);
    ASSERT_TRUE(ok.ok) << ok.status.SimMessage;
    EXPECT_FLOAT_EQ(ok.run.SeawaterFlowRatio, p.Swp[1].RatedFlow / (2 * 57.2f));
    // Both ends 3 K: conductance = (power + capacity) / 3.
    EXPECT_NEAR(ok.run.HXConductance[1], 1200.0f / 3.0f, 0.01f);
  }
  p.SwpCount = 0;
  EXPECT_EQ(Checked(p).status.SimMessage, "SimPrep: No Seawater Pumps?");
  p = IndirectSeawaterPlant();
  p.Swp[1].RatedFlow = 50;
  EXPECT_EQ(Checked(p).status.SimMessage, "SimPrep: Total SWP Flow Insufficient for HR?");
  p = IndirectSeawaterPlant();
  p.DesignTemp3 = 30;  // cold end 0
  p.DesignTemp4 = 35;
  EXPECT_EQ(Checked(p).status.SimMessage, "SimPrep: Problems with condenser water temperatures!");
  p = IndirectSeawaterPlant();
  p.DesignTemp3 = 31;  // cold end -1, hot end +3: no log mean difference
  p.DesignTemp4 = 32;
  p.Swp[1].RatedFlow = 1000;
  EXPECT_EQ(Checked(p).status.SimMessage, "SimPrep: Problems with condenser water temperatures!");
}

TEST(PlantChecks, ChillerFactorsMakeRatedPowerAtDesign) {
  PlantInput p = TowerPlant();
  Checked c(p);
  ASSERT_TRUE(c.ok);
  for (int i = 1; i <= 2; ++i) {
    EXPECT_NEAR(c.run.ChillerFactor[i] * ChillerPowerRatio(c.run.Curves, kCentrifugal, 1, 30, 1), 1.0f, 1e-6f);
  }
  // At the reference wet-bulb and design range the towers give the design temperature.
  EXPECT_NEAR(TowerLeavingTemp(c.run.Curves, 28, 5, c.run.TowerOffset), 30.0f, 1e-4f);

  PlantInput bad = AirCooledPlant();
  bad.Chiller[2].Type = kReciprocating;
  bad.DesignTemp1 = -80;  // where the air-cooled reciprocating curve is negative
  Checked b(bad);
  EXPECT_EQ(b.status.SimMessage, "SimPrep: Chr DWR <= 0 for Chr#2");
}

TEST(CentralPlant, AirCooledPlantUsesOutdoorAirAndIgnoresWaterSide) {
  PlantInput p = AirCooledPlant();
  Checked c(p);
  ASSERT_TRUE(c.ok) << c.status.SimMessage;
  PlantHourPower power;
  ASSERT_TRUE(CPCSIM(c.run, p, 500, 30, Outdoor(33), 25, power, c.status));
  EXPECT_FLOAT_EQ(power.CondenserTemp, 33.0f);
  EXPECT_FLOAT_EQ(power.Cwps + power.Swps + power.Towers + power.Slps, 0.0f);
  // The large last chiller alone at half load; the PLP whose flow covers it.
  EXPECT_FLOAT_EQ(p.Chiller[1].Capacity + p.Chiller[2].Capacity, 0.0f);
  EXPECT_FLOAT_EQ(p.Chiller[3].Capacity, 500.0f);
  const float ratio = ChillerPowerRatio(c.run.Curves, kCentrifugal, kAirCooledCondenser, 33, 0.5f);
  EXPECT_NEAR(power.Chillers, c.run.ChillerFactor[3] * 250 * ratio, 1e-3f);
  EXPECT_FLOAT_EQ(power.Plps, 12.0f);
}

TEST(CentralPlant, NoLoadRunsTheLastChillerAtZeroPartLoad) {
  PlantInput p = AirCooledPlant();
  Checked c(p);
  PlantHourPower power;
  ASSERT_TRUE(CPCSIM(c.run, p, 0, 0, Outdoor(30), 25, power, c.status));
  EXPECT_NEAR(power.Chillers,
              c.run.ChillerFactor[3] * 250 * EvalBiquadratic(c.run.Curves.ChillerPower[0][kCentrifugal], 0, 30), 1e-4);
  EXPECT_GT(power.Chillers, 0.0f);
  EXPECT_FLOAT_EQ(power.Plps, 12.0f);
}

TEST(CentralPlant, DemandAboveAllRatingsRunsEverythingAtRatedPower) {
  PlantInput p = TowerPlant();
  Checked c(p);
  PlantHourPower power;
  ASSERT_TRUE(CPCSIM(c.run, p, 2600, 120, Outdoor(34, 28), 27, power, c.status)) << c.status.SimMessage;
  EXPECT_NEAR(p.Chiller[1].Capacity, 1300.0f, 1e-3f);
  // Part load ratio above 1: each chiller at its factor times rated power.
  EXPECT_NEAR(power.Chillers, (c.run.ChillerFactor[1] + c.run.ChillerFactor[2]) * 200, 1e-3f);
  EXPECT_FLOAT_EQ(power.Slps, 36.0f);  // flow ratio 120/96 > 1: rated power
  EXPECT_FLOAT_EQ(power.Plps, 20.0f);
  EXPECT_FLOAT_EQ(power.Cwps, 30.0f);
  EXPECT_FLOAT_EQ(power.Towers, 22.0f);
}

TEST(CentralPlant, TowerPlantAtDesignConditionsMeetsDesignTemperature) {
  PlantInput p = TowerPlant();
  Checked c(p);
  PlantHourPower power;
  // Both chillers at full load, wet-bulb at the towers' reference: the
  // condenser settles at the design entering temperature and rated power.
  ASSERT_TRUE(CPCSIM(c.run, p, 2000, 96, Outdoor(33, 28), 27, power, c.status)) << c.status.SimMessage;
  EXPECT_NEAR(power.CondenserTemp, 30.0f, 0.1f);
  EXPECT_NEAR(power.Chillers, 400.0f, 2.0f);
  // A cooler wet-bulb lowers the condenser temperature and the power.
  PlantHourPower cool;
  ASSERT_TRUE(CPCSIM(c.run, p, 2000, 96, Outdoor(26, 22), 27, cool, c.status));
  EXPECT_LT(cool.CondenserTemp, power.CondenserTemp - 2);
  EXPECT_LT(cool.Chillers, power.Chillers);
}

TEST(CentralPlant, IndirectSeawaterAtDesignAndDirectSeawater) {
  PlantInput p = IndirectSeawaterPlant();
  Checked c(p);
  ASSERT_TRUE(c.ok) << c.status.SimMessage;
  PlantHourPower power;
  ASSERT_TRUE(CPCSIM(c.run, p, 2000, 0, Outdoor(33), 27, power, c.status)) << c.status.SimMessage;
  EXPECT_NEAR(power.CondenserTemp, 30.0f, 0.15f);
  EXPECT_NEAR(power.Chillers, 400.0f, 3.0f);
  EXPECT_FLOAT_EQ(power.Swps, 30.0f);  // seawater flow at its rating
  // With balanced flows both exchanger ends are equal at every load; the
  // condenser still follows the heat it rejects.
  PlantHourPower half;
  ASSERT_TRUE(CPCSIM(c.run, p, 500, 0, Outdoor(33), 27, half, c.status));  // one chiller at half load
  EXPECT_LT(half.CondenserTemp, power.CondenserTemp - 1);
  EXPECT_GT(half.CondenserTemp, 27.0f);

  p.PlantType = kDirectSeawater;
  p.CwpCount = 0;
  p.DesignTemp3 = p.DesignTemp4 = 0;
  Checked d(p);
  ASSERT_TRUE(d.ok) << d.status.SimMessage;
  ASSERT_TRUE(CPCSIM(d.run, p, 1000, 0, Outdoor(33), 21.5f, power, d.status));
  EXPECT_FLOAT_EQ(power.CondenserTemp, 21.5f);
  EXPECT_FLOAT_EQ(power.Cwps, 0.0f);
  // One chiller runs; the seawater pump at 57.2/114.3 of its flow draws less than rated.
  EXPECT_GT(power.Swps, 0.0f);
  EXPECT_LT(power.Swps, 30.0f);
}

TEST(AirSide, VavRoomBelowThirtyPercentIsHeldAtThirtyPercent) {
  EnergyZone zone;
  zone.IdenticalZones = 1;
  zone.RoomCount = 1;
  zone.Room[1] = kelca::testing::MakeRoom("Open office", kOffice);
  zone.Room[1].IdenticalRooms = 2;
  AirSideZone air;
  air.AcSystemType = kVavVariableSpeed;
  air.DesignSensibleLoad = {20, 10};
  air.DesignTotalLoad = {26, 13};
  air.DesignSupplyAir = {2, 1};
  air.DesignFanPower = 4;
  air.DesignChwFlow = 1.2f;
  PlantInput plant;
  plant.ChillerCount = 1;
  plant.Chiller[1] = ChillerUnit{0, 100, 20, 5, 0};
  EnergyModel model;
  model.ZoneCount = 1;
  model.Zone[1] = zone;
  PlantRunConstants run;
  SimStatus status;
  ASSERT_TRUE(SimPrep(model, plant, run, status));

  ZoneRoomLoads loads{};
  loads[1] = {1.0f, -0.5f};  // 10 % of the design sensible load, negative latent
  ZoneAirSideResult r;
  ASSERT_TRUE(ZoneAirSide(run, 1, zone, air, loads, Outdoor(30), r, status));
  EXPECT_NEAR(r.AirFlow, 2 * 0.3f, 1e-6f);
  EXPECT_NEAR(r.Sensible, 2 * 3.0f * 1.05f, 1e-5f);
  EXPECT_FLOAT_EQ(r.Latent, 0.0f);
  EXPECT_NEAR(r.ReturnTemp, 24.0f, 1e-5f);
  EXPECT_LT(r.FanPower, 4 * 0.5f);
  EXPECT_GT(r.FanPower, 0.0f);

  loads[1] = {8.0f, 1.0f};  // 80 %: the load as it is
  ASSERT_TRUE(ZoneAirSide(run, 1, zone, air, loads, Outdoor(30), r, status));
  EXPECT_NEAR(r.AirFlow, 1.6f, 1e-5f);
  EXPECT_NEAR(r.CoilLoad, 16 * 1.05f + 2, 1e-4f);
}

TEST(AirSide, FreshAirLoadsAndZoneWithoutSupplyAir) {
  EnergyModel model;
  EnergyZone& zone = kelca::testing::AddZone(model, "Z", 3);
  kelca::testing::AddRoom(zone, kelca::testing::MakeRoom("A", kOffice));  // 5 people x 8 l/s: 0.04 m3/s
  kelca::testing::AddRoom(zone, kelca::testing::MakeRoom("B", kOffice));
  zone.Room[2].RoomTemp = 26;
  AirSideZone air;
  air.AcSystemType = 0;  // no supply air at all
  air.FreshAirType = kLocalOutdoorAir;
  PlantInput plant;
  plant.ChillerCount = 1;
  plant.Chiller[1] = ChillerUnit{0, 100, 20, 5, 0};
  PlantRunConstants run;
  SimStatus status;
  ASSERT_TRUE(SimPrep(model, plant, run, status));
  EXPECT_NEAR(run.Room[1][0].FreshAir, 0.08f, 1e-6f);
  EXPECT_NEAR(run.BuildingFreshAir, 0.24f, 1e-6f);

  ZoneRoomLoads loads{};
  const OutdoorState out = Outdoor(32, 27, 0.02f);
  ZoneAirSideResult r;
  ASSERT_TRUE(ZoneAirSide(run, 1, zone, air, loads, out, r, status));
  // Return state: the rooms' design states (no air flow to weight them by).
  EXPECT_NEAR(r.ReturnTemp, 25.0f, 1e-5f);
  const float h = (run.Room[1][1].Enthalpy + run.Room[1][2].Enthalpy) / 2;
  EXPECT_NEAR(r.ReturnEnthalpy, h, 1e-4f);
  const float total = 1.2f * 0.08f * (out.Enthalpy - h);
  const float sensible = 1.224f * 0.08f * (32 - 25);
  EXPECT_NEAR(r.Sensible, sensible * 1.05f, 1e-4f);
  EXPECT_NEAR(r.Latent, total - sensible, 1e-4f);
  EXPECT_FLOAT_EQ(r.FanPower, 0.0f);

  // Central pretreated air at 16 deg C cools the zone: no room load, no coil load.
  air.FreshAirType = kCentralPretreated;
  ASSERT_TRUE(ZoneAirSide(run, 1, zone, air, loads, out, r, status));
  EXPECT_FLOAT_EQ(r.CoilLoad, 0.0f);
}

TEST(AirSide, FreshAirUnitsShareTheDemandAndIdleBelowSixteenDegrees) {
  PlantInput plant;
  plant.FauCount = 2;
  plant.Fau[1] = {5, 20, 1.0f, 500, 2, 1.0f};
  plant.Fau[2] = {5, 20, 1.0f, 500, 3, 1.0f};
  PlantRunConstants run;
  run.Curves = InitCoefficients();
  SimStatus status;
  FreshAirUnitsResult r;
  ASSERT_TRUE(FreshAirUnits(run, plant, 1.5f, Outdoor(15), r, status));
  EXPECT_FLOAT_EQ(r.FanPower, 5.0f);
  EXPECT_FLOAT_EQ(r.CoilLoad, 0.0f);
  EXPECT_FLOAT_EQ(r.ChwFlow, 0.0f);

  const OutdoorState hot = Outdoor(32, 27, 0.02f);
  ASSERT_TRUE(FreshAirUnits(run, plant, 1.5f, hot, r, status));
  const float sensible = 1.224f * 1.5f * (32 - 16) * 1.05f;
  const float latent = 1.2f * 1.5f * (hot.Enthalpy - 43.6f) - 1.224f * 1.5f * 16;
  EXPECT_NEAR(r.CoilLoad, sensible + latent, 1e-3f);
  // Each unit carries half the load against a 20 kW design.
  const float ratio = EvalPoly(run.Curves.CoilChwFlow, (sensible + latent) / 2 / 20);
  EXPECT_NEAR(r.ChwFlow, 2 * std::min(ratio, 1.0f), 1e-5f);

  ASSERT_TRUE(FreshAirUnits(run, plant, 0.5f, hot, r, status));
  EXPECT_FLOAT_EQ(r.FanPower, 3.0f) << "the last unit alone covers a small demand";
}
