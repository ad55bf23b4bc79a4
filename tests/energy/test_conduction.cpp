// Transient conduction through layered fabric: room for the thickest walls,
// stability of every node for any mix of layers, and the steady flux of a wall
// between fixed temperatures.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>

#include "common/Progress.h"
#include "energy/AnnualLoads.h"
#include "support/SampleModels.h"

using namespace kelca;
using namespace kelca::testing;

namespace {

float ResistanceOf(std::initializer_list<ConstructionLayer> layers) {
  float r = 0;
  for (const auto& l : layers) {
    const float k = l.MaterialNo == 0 ? 5.5798f * l.Thickness + 0.023472f : l.Conductivity;  // air gap rule
    r += l.Thickness / k;
  }
  return r;
}

}  // namespace

TEST(Conduction, TwentyLayersOfThreeSlicesFitTheNodeArrays) {
  NodeRoom t;
  for (int c = 1; c <= kMaxComponentsPerRoom; ++c) {
    Construction& con = t.table->Item[++t.table->ConstructionCount];
    con.Name = "thick";
    con.LayerCount = kMaxLayers;
    for (int l = 1; l <= kMaxLayers; ++l) con.Layer[l] = Concrete(0.3f);
    t.Add(kPartition, 1, 10, c);
  }
  SimStatus status;
  ASSERT_TRUE(t.Setup(status)) << status.SimMessage;
  EXPECT_EQ(t.state->Component[10].NodeCount, kMaxNodesPerComponent);
  EXPECT_LE(t.state->SlotEnd, kMaxRoomSlots - 1);
}

TEST(Conduction, AWallBetweenFixedTemperaturesSettlesToTheSteadyFlux) {
  // In single precision the explicit update stalls once a node's change per
  // step falls below the resolution of its temperature, a few tenths of a per
  // cent short of the steady flux.
  const std::initializer_list<ConstructionLayer> walls[] = {
      {Plaster(0.015f), Concrete(0.2f), Insulation(0.05f), Plaster(0.01f)},
      {Concrete(0.1f), AirGap(0.05f), Concrete(0.1f)},
      {Glass(0.006f)},
      {AirGap(0.02f), Plaster(0.02f)},
      {Steel(0.001f), Insulation(0.08f), Steel(0.001f)},
  };
  for (const auto& layers : walls) {
    NodeRoom t;
    t.Add(kExternalWall, 5, 10, t.Construction(layers));
    SimStatus status;
    ASSERT_TRUE(t.Setup(status)) << status.SimMessage;
    const float outside = 35, inside = 24;
    for (int k = 1; k <= t.C(1).NodeCount; ++k) t.Node(1, k) = 15;
    for (int step = 0; step < 200000; ++step) {
      t.SetBoundaries(1, outside, inside);
      StepConduction(*t.state);
      t.state->Advance();
    }
    const double expected = (outside - inside) / (1 / 17.0 + ResistanceOf(layers) + 1 / 8.3);
    const int n = t.state->Component[1].NodeCount;
    EXPECT_NEAR(17 * (outside - t.Node(1, 1)), expected, 0.005 * expected);
    EXPECT_NEAR(8.3 * (t.Node(1, n) - inside), expected, 0.005 * expected);
  }
}

TEST(Conduction, NoNodeEverLeavesTheRangeOfItsBoundariesForAnyLayerMix) {
  const ConstructionLayer palette[] = {Concrete(0.2f),    Concrete(0.05f), Plaster(0.013f), Insulation(0.1f),
                                       Insulation(0.01f), Glass(0.006f),   Glass(0.012f),   Steel(0.0008f),
                                       Steel(0.005f),     AirGap(0.01f),   AirGap(0.1f),
                                       ConstructionLayer{60, "Brick", 0.11f, 1800, 0.77f, 800},
                                       ConstructionLayer{61, "Timber", 0.025f, 600, 0.13f, 1600},
                                       ConstructionLayer{62, "Aluminium", 0.003f, 2700, 200, 880},
                                       ConstructionLayer{63, "Foil", 0.0001f, 2700, 200, 880}};
  // The sample project's constructions, then random mixes of the palette.
  std::vector<Construction> constructions;
  auto sample = std::make_unique<ConstructionTable>();
  ASSERT_TRUE(ReadConstructionFile(KELCA_SOURCE_DIR "/samples/office/OFFICE.CON", *sample));
  constructions.assign(sample->Item.begin() + 1, sample->Item.begin() + 1 + sample->ConstructionCount);
  std::mt19937 random(12345);
  std::uniform_int_distribution<int> pick(0, std::size(palette) - 1), layerCount(1, 6);
  std::uniform_real_distribution<float> temperature(-5, 70);
  for (int trial = 0; trial < 60; ++trial) {
    Construction& con = constructions.emplace_back();
    con.LayerCount = layerCount(random);
    for (int l = 1; l <= con.LayerCount; ++l) con.Layer[l] = palette[pick(random)];
  }
  for (size_t trial = 0; trial < constructions.size(); ++trial) {
    NodeRoom t;
    t.table->Item[++t.table->ConstructionCount] = constructions[trial];
    t.Add(kExternalWall, 3, 10, 1);
    SimStatus status;
    ASSERT_TRUE(t.Setup(status)) << status.SimMessage;
    for (int k = 1; k < t.state->SlotEnd; ++k) {
      const bool boundary = t.state->B[k] == -1.0f;
      if (boundary) continue;
      ASSERT_GE(t.state->A[k], 0.0f);
      ASSERT_GE(t.state->E[k], 0.0f);
      ASSERT_LE(t.state->A[k] + t.state->E[k], 1.0f + 1e-6f) << "trial " << trial << " slot " << k;
    }
    const int n = t.state->Component[1].NodeCount;
    for (int k = 1; k <= n; ++k) t.Node(1, k) = 15;
    for (int step = 0; step < 3000; ++step) {
      t.SetBoundaries(1, temperature(random), temperature(random));
      StepConduction(*t.state);
      t.state->Advance();
      for (int k = 1; k <= n; ++k) {
        ASSERT_GE(t.Node(1, k), -5.001f) << "trial " << trial << " node " << k;
        ASSERT_LE(t.Node(1, k), 70.001f) << "trial " << trial << " node " << k;
      }
    }
  }
}

TEST(Conduction, AThinMetalSheetInAWallHardlyChangesTheRoomsAnnualLoad) {
  // A west-facing room whose load comes only through its fabric and its outdoor
  // air, over a year of warm days with the afternoon sun on the wall.
  std::vector<WeatherRecord> weather(kHoursPerYear);
  for (int h = 0; h < kHoursPerYear; ++h) {
    const double hour = h % 24 + 0.5, pi = 3.14159265;
    weather[h].HourNo = h + 1;
    weather[h].DryBulb = static_cast<float>(28 + 4 * std::sin(2 * pi * (hour - 9) / 24));
    weather[h].HumidityRatio = 0.015f;
    weather[h].DirectSolar[7] = static_cast<float>(std::max(0.0, 550 * std::sin(pi * (hour - 12) / 7)));
    weather[h].DiffuseSolar = {static_cast<float>(std::max(0.0, 150 * std::sin(pi * (hour - 6) / 13))), 80};
  }
  const auto annualLoad = [&](std::initializer_list<ConstructionLayer> wall) {
    auto model = std::make_unique<EnergyModel>();
    auto constructions = std::make_unique<ConstructionTable>();
    auto airSide = std::make_unique<AirSideData>();
    EnergyRoom room = MakeRoom("Office", kOffice, 30, 3);
    room.Occupants = room.LightingLoad = room.EquipmentLoad = 0;
    const int wallNo = AddConstruction(*constructions, "W", 0, 0.6f, 0.5f, wall);
    const int slabNo = AddConstruction(*constructions, "S", 0, 0.5f, 0.5f, {Plaster(0.02f), Concrete(0.15f)});
    AddComponent(room, MakeComponent("Wall", 40, kExternalWall, wallNo, 7));
    AddComponent(room, MakeComponent("Slab", 30, kFloorCeiling, slabNo, kHorizontal));
    AddRoom(AddZone(*model, "Z"), room);
    airSide->Zone[1].DesignSensibleLoad[1] = airSide->Zone[1].DesignTotalLoad[1] = 100;
    LoadCalculationInput input{model.get(), constructions.get(), airSide.get(), &weather, "", "", {}};
    CollectingProgress log;
    SimStatus status;
    auto loads = std::make_unique<AnnualRoomLoads>();
    EXPECT_TRUE(CalculateAnnualLoads(input, log, status, *loads)) << status.SimMessage;
    double sum = 0;
    for (const RoomHourLoad& h : loads->Room[1][1]) sum += h.SensibleLoad;
    return sum;
  };
  const ConstructionLayer gypsum{47, "Gypsum board", 0.0125f, 800, 0.25f, 1000};
  const ConstructionLayer wool{59, "Mineral wool slab", 0.1f, 46, 0.035f, 1030};
  const ConstructionLayer aluminium{31, "Aluminium sheet", 0.003f, 2700, 160, 880};
  struct Case {
    const char* name;
    std::initializer_list<ConstructionLayer> without, with;
  };
  const Case cases[] = {
      {"sheet inside the masonry",
       {Plaster(0.015f), Concrete(0.1f), Concrete(0.1f), Plaster(0.013f)},
       {Plaster(0.015f), Concrete(0.1f), Steel(0.001f), Concrete(0.1f), Plaster(0.013f)}},
      {"sheet lining the masonry", {Plaster(0.015f), Concrete(0.2f)}, {Plaster(0.015f), Concrete(0.2f), Steel(0.001f)}},
      {"sheet cladding the masonry",
       {Concrete(0.2f), Plaster(0.013f)},
       {Steel(0.001f), Concrete(0.2f), Plaster(0.013f)}},
      {"sheet behind a spandrel's lining",
       {aluminium, AirGap(0.05f), wool, gypsum},
       {aluminium, AirGap(0.05f), wool, Steel(0.001f), gypsum}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const double without = annualLoad(c.without), with = annualLoad(c.with);
    ASSERT_GT(without, 0);
    EXPECT_NEAR(with, without, 0.005 * without);
  }
}
