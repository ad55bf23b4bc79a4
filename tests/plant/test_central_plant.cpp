#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <tuple>

#include "energy/Psychrometrics.h"
#include "plant/AirSide.h"
#include "plant/CentralPlant.h"
#include "plant/EquipmentModels.h"
#include "plant/PlantChecks.h"
#include "plant/PlantHour.h"
#include "support/SampleModels.h"

using namespace kelca;

namespace {

// Air-cooled, single loop: two small chillers and one large last one.
PlantInput AirCooledPlant() {
  PlantInput p;
  p.PlantType = kAirCooled;
  p.DesignTemp1 = 35;
  p.ChillerCount = 3;
  p.Chiller[1] = p.Chiller[2] = ChillerUnit{kScrew, 100, 30, 5, 0};
  p.Chiller[3] = ChillerUnit{kCentrifugal, 1000, 250, 48, 0};
  p.PlpCount = 2;
  p.Plp[1] = {10, 150, 3};
  p.Plp[2] = {48, 150, 12};
  // Listed but not part of an air-cooled plant.
  p.CwpCount = p.TowerCount = 1;
  p.Cwp[1] = {60, 200, 20};
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
  p.ChillerCount = p.PlpCount = p.SlpCount = p.CwpCount = p.TowerCount = 2;
  p.Chiller[1] = p.Chiller[2] = ChillerUnit{kCentrifugal, 1000, 200, 48, 57.2f};
  p.Plp[1] = p.Plp[2] = {48, 150, 10};
  p.Slp[1] = p.Slp[2] = VariablePumpUnit{2, 48, 250, 18};
  p.Cwp[1] = p.Cwp[2] = {57.2f, 200, 15};
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
  const std::array<float, 4> big{0, 100, 100, 1000}, even{0, 300, 300, 300};
  const struct {
    const std::array<float, 4>& units;
    float demand;
    int first, last;
  } cases[] = {{big, 500, 3, 3},  {big, 1000, 3, 3}, {big, 0, 3, 3},
               {big, 1150, 1, 3}, {even, 500, 1, 2},  {even, 5000, 1, 3}};
  for (const auto& c : cases) {
    const Staging s = StageUnits(3, c.units, [](float r) { return r; }, c.demand);
    EXPECT_EQ(std::pair(s.First, s.Last), std::pair(c.first, c.last)) << c.demand;
  }
  const Staging none = StageUnits(0, even, [](float r) { return r; }, 10);
  EXPECT_GT(none.First, none.Last);
}

TEST(PlantChecks, EachShortcomingHasItsMessage) {
  struct Case {
    PlantInput (*base)();
    void (*spoil)(PlantInput&);
    const char* message;
  };
  const Case cases[] = {
      {TowerPlant, [](PlantInput& p) { p.ChillerCount = 0; }, "SimPrep: No Chillers?"},
      {TowerPlant, [](PlantInput& p) { p.Chiller[2].RatedCapacity = 0; }, "SimPrep: Chr Rated Cap. <= 0 for Chr#2"},
      {TowerPlant, [](PlantInput& p) { p.Chiller[1].CwFlow = 20; }, "SimPrep: Total CWF of Chrs Insufficient for HR?"},
      {TowerPlant, [](PlantInput& p) { p.SlpCount = 0; }, "SimPrep: No Secondary Loop Chilled Water Pumps?"},
      {TowerPlant, [](PlantInput& p) { p.Slp[2].RatedFlow = 40; }, "SimPrep: Total SLP Flow < Total Chr ChW Flow!"},
      {TowerPlant, [](PlantInput& p) { p.Slp[1].RatedFlow = 0; }, "SimPrep: SLP Rated Flow <= 0 for SLP#1"},
      {TowerPlant, [](PlantInput& p) { p.CwpCount = 0; }, "SimPrep: No Condenser Water Pumps?"},
      {TowerPlant, [](PlantInput& p) { p.Cwp[2].Flow = 30; }, "SimPrep: Total CWP Flow Insufficient for HR?"},
      {TowerPlant, [](PlantInput& p) { p.TowerCount = 0; }, "SimPrep: No Cooling Towers?"},
      {TowerPlant, [](PlantInput& p) { p.Tower[2].Capacity = 1000; }, "SimPrep: Total HR Cap. of Ctrs Insufficient?"},
      {TowerPlant, [](PlantInput& p) { p.Tower[2].WaterFlow = 50; }, "SimPrep: Total CWF of Ctrs Insufficient for HR?"},
      {TowerPlant, [](PlantInput& p) { p.Tower[1].WaterFlow = 0; }, "SimPrep: Ctr Water Flow <= 0 for Ctr#1"},
      {TowerPlant, [](PlantInput& p) { p.FauCount = 1; }, "SimPrep: FAU FA Flow <= 0 for FAU#1"},
      {IndirectSeawaterPlant, [](PlantInput& p) { p.SwpCount = 0; }, "SimPrep: No Seawater Pumps?"},
      {IndirectSeawaterPlant, [](PlantInput& p) { p.Swp[1].RatedFlow = 50; },
       "SimPrep: Total SWP Flow Insufficient for HR?"},
      {IndirectSeawaterPlant, [](PlantInput& p) { p.DesignTemp3 = 30, p.DesignTemp4 = 35; },  // cold end 0
       "SimPrep: Problems with condenser water temperatures!"},
      {IndirectSeawaterPlant,  // cold end -1, hot end +3: no log mean difference
       [](PlantInput& p) { p.DesignTemp3 = 31, p.DesignTemp4 = 32, p.Swp[1].RatedFlow = 1000; },
       "SimPrep: Problems with condenser water temperatures!"},
      {AirCooledPlant,  // where the air-cooled reciprocating curve is negative
       [](PlantInput& p) { p.Chiller[2].Type = kReciprocating, p.DesignTemp1 = -80; },
       "SimPrep: Chr DWR <= 0 for Chr#2"},
  };
  for (const Case& c : cases) {
    PlantInput p = c.base();
    c.spoil(p);
    Checked checked(p);
    EXPECT_FALSE(checked.ok) << c.message;
    EXPECT_EQ(checked.status.SimMessage, c.message);
  }
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
  EXPECT_EQ(std::tuple(p.Chiller[1].Capacity, p.Chiller[2].Capacity, p.Chiller[3].Capacity), std::tuple(0, 0, 500.0f));
  const float ratio = ChillerPowerRatio(c.run.Curves, kCentrifugal, kAirCooledCondenser, 33, 0.5f);
  EXPECT_NEAR(power.Chillers, c.run.ChillerFactor[3] * 250 * ratio, 1e-3f);
  EXPECT_FLOAT_EQ(power.Plps, 12.0f);

  // No load: the last chiller runs at part load 0.
  ASSERT_TRUE(CPCSIM(c.run, p, 0, 0, Outdoor(30), 25, power, c.status));
  const float idle = EvalBiquadratic(c.run.Curves.ChillerPower[0][kCentrifugal], 0, 30);
  EXPECT_GT(idle, 0.0f);
  EXPECT_NEAR(power.Chillers, c.run.ChillerFactor[3] * 250 * idle, 1e-4);
}

TEST(CentralPlant, DemandAboveAllRatingsRunsEverythingAtRatedPower) {
  PlantInput p = TowerPlant();
  Checked c(p);
  PlantHourPower power;
  ASSERT_TRUE(CPCSIM(c.run, p, 2600, 120, Outdoor(34, 28), 27, power, c.status)) << c.status.SimMessage;
  EXPECT_NEAR(p.Chiller[1].Capacity, 1300.0f, 1e-3f);
  // Part load ratio above 1: each chiller at its factor times rated power.
  EXPECT_NEAR(power.Chillers, (c.run.ChillerFactor[1] + c.run.ChillerFactor[2]) * 200, 1e-3f);
  // Secondary pumps at flow ratio 120/96 > 1, and the rest: rated power.
  EXPECT_EQ(std::tuple(power.Slps, power.Plps, power.Cwps, power.Towers), std::tuple(36.0f, 20.0f, 30.0f, 22.0f));
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

  p.PlantType = kDirectSeawater;
  p.CwpCount = 0;
  p.DesignTemp3 = p.DesignTemp4 = 0;
  Checked d(p);
  ASSERT_TRUE(d.ok) << d.status.SimMessage;
  ASSERT_TRUE(CPCSIM(d.run, p, 1000, 0, Outdoor(33), 21.5f, power, d.status));
  EXPECT_EQ(std::pair(power.CondenserTemp, power.Cwps), std::pair(21.5f, 0.0f));
  // One chiller runs; the seawater pump at 57.2/114.3 of its flow draws less than rated.
  EXPECT_TRUE(power.Swps > 0 && power.Swps < 30) << power.Swps;
}

TEST(CentralPlant, CondenserWaterIsHeldAtItsMinimumAndChillersNeverDrawNegativePower) {
  // A light load on a cold night: towers and exchanger alone would cool the
  // condenser water far below the minimum.
  for (PlantInput base : {TowerPlant(), IndirectSeawaterPlant()}) {
    for (int type : {kCentrifugal, kReciprocating, kScrew}) {
      SCOPED_TRACE("plant type " + std::to_string(base.PlantType) + ", chiller type " + std::to_string(type));
      PlantInput p = base;
      p.Chiller[1].Type = p.Chiller[2].Type = type;
      Checked c(p);
      ASSERT_TRUE(c.ok) << c.status.SimMessage;
      PlantHourPower power;
      ASSERT_TRUE(CPCSIM(c.run, p, 60, 3, Outdoor(8, 4, 0.004f), 10, power, c.status)) << c.status.SimMessage;
      EXPECT_GE(power.CondenserTemp, kMinCondenserWaterTemp);
      EXPECT_LT(power.CondenserTemp, kMinCondenserWaterTemp + 0.05f);
      EXPECT_GT(power.Chillers, 0.0f);
    }
  }
}

TEST(AirSide, VavRoomBelowThirtyPercentIsHeldAtThirtyPercent) {
  auto model = std::make_unique<EnergyModel>();
  EnergyZone& zone = kelca::testing::AddZone(*model, "Z");
  kelca::testing::AddRoom(zone, kelca::testing::MakeRoom("Open office", kOffice)).IdenticalRooms = 2;
  const AirSideZone air{.AcSystemType = kVavVariableSpeed, .DesignSensibleLoad = {20, 10}, .DesignTotalLoad = {26, 13},
                        .DesignSupplyAir = {2, 1}, .DesignFanPower = 4, .DesignChwFlow = 1.2f};
  PlantInput plant;
  plant.ChillerCount = 1;
  plant.Chiller[1] = ChillerUnit{0, 100, 20, 5, 0};
  PlantRunConstants run;
  SimStatus status;
  ASSERT_TRUE(SimPrep(*model, plant, run, status));

  ZoneRoomLoads loads{};
  loads[1] = {1.0f, -0.5f};  // 10 % of the design sensible load, negative latent
  ZoneAirSideResult r;
  ASSERT_TRUE(ZoneAirSide(run, 1, zone, air, loads, Outdoor(30), r, status));
  EXPECT_NEAR(r.AirFlow, 2 * 0.3f, 1e-6f);
  EXPECT_NEAR(r.Sensible, 2 * 3.0f * 1.05f, 1e-5f);
  EXPECT_FLOAT_EQ(r.Latent, 0.0f);
  EXPECT_NEAR(r.ReturnTemp, 24.0f, 1e-5f);
  EXPECT_TRUE(r.FanPower > 0 && r.FanPower < 4 * 0.5f) << r.FanPower;

  loads[1] = {8.0f, 1.0f};  // 80 %: the load as it is
  ASSERT_TRUE(ZoneAirSide(run, 1, zone, air, loads, Outdoor(30), r, status));
  EXPECT_NEAR(r.AirFlow, 1.6f, 1e-5f);
  EXPECT_NEAR(r.CoilLoad, 16 * 1.05f + 2, 1e-4f);
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
  EXPECT_FLOAT_EQ(r.CoilLoad + r.ChwFlow, 0.0f);

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
