// Transient conduction through layered fabric: node layout, stability of every
// node for any mix of layers, and the steady flux of a wall between fixed temperatures.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>

#include "energy/RoomNodes.h"
#include "support/SampleModels.h"

using namespace kelca;
using namespace kelca::testing;

namespace {

// A room with the given components, each on its own construction; nodes built.
struct TestRoom {
  std::unique_ptr<ConstructionTable> table = std::make_unique<ConstructionTable>();
  std::unique_ptr<RoomState> state = std::make_unique<RoomState>();
  EnergyRoom room = MakeRoom("Room", kOffice);
  AirSideZone air;

  void Add(int type, int orientation, float area, std::initializer_list<ConstructionLayer> layers) {
    const int no = AddConstruction(*table, "C" + std::to_string(table->ConstructionCount + 1), 0, 0.6f, 0.5f, layers);
    AddComponent(room, MakeComponent("comp", area, type, no, orientation));
  }
  bool Setup(SimStatus& status) { return SetupRoomNodes(room, "Zone", air, 1, *table, *state, status); }
  void SetBoundaries(int c, float outside, float inside) {
    const RoomComponent& rc = state->Component[c];
    state->CurrentTemps()[rc.OutsideSlot()] = outside;
    state->CurrentTemps()[rc.InsideSlot()] = inside;
  }
  float Node(int c, int k) const { return state->CurrentTemps()[state->Component[c].NodeSlot(k)]; }
};

float ResistanceOf(std::initializer_list<ConstructionLayer> layers) {
  float r = 0;
  for (const auto& l : layers) {
    const float k = l.MaterialNo == 0 ? 5.5798f * l.Thickness + 0.023472f : l.Conductivity;  // air gap rule
    r += l.Thickness / k;
  }
  return r;
}

}  // namespace

TEST(Conduction, LayersAreSlicedAsFinelyAsStabilityAllows) {
  Construction c;
  c.LayerCount = 4;
  c.Layer[1] = Concrete(0.2f);   // thick and massive: 3 slices
  c.Layer[2] = AirGap(0.05f);    // no heat capacity: one slice
  c.Layer[3] = Concrete(0.1f);
  c.Layer[4] = Plaster(0.013f);  // thin: fewer slices
  NodeCoefficients n;
  int bad = 0;
  ASSERT_TRUE(BuildNodeCoefficients(c, n, bad));
  EXPECT_EQ(n.LayerEndNode[1], 4);  // outer face node, two inside the layer, the node at its end
  EXPECT_EQ(n.LayerEndNode[2], 5);
  EXPECT_EQ(n.NodeCount, n.LayerEndNode[4]);
  EXPECT_LE(n.NodeCount, kMaxNodesPerComponent);
  // Inside a layer the update is the plain Fourier number: Fo = k / (rho cp) * 60 / dx^2.
  const float dx = 0.2f / 3;
  EXPECT_FLOAT_EQ(n.A[2], 1.4f / (2400 * 880) * 60 / (dx * dx));
  EXPECT_FLOAT_EQ(n.E[2], n.A[2]);
  // The outer face: a = 2 Fo Bi, e = 2 Fo with Bi = 17 dx / k.
  EXPECT_FLOAT_EQ(n.E[1], 2 * n.A[2]);
  EXPECT_FLOAT_EQ(n.A[1], 2 * n.A[2] * 17 * dx / 1.4f);

  c.Layer[2].Thickness = 0;
  EXPECT_FALSE(BuildNodeCoefficients(c, n, bad));
  EXPECT_EQ(bad, 2);
}

TEST(Conduction, TwentyLayersOfThreeSlicesFitTheNodeArrays) {
  TestRoom t;
  for (int c = 1; c <= kMaxComponentsPerRoom; ++c) {
    Construction& con = t.table->Item[++t.table->ConstructionCount];
    con.Name = "thick";
    con.LayerCount = kMaxLayers;
    for (int l = 1; l <= kMaxLayers; ++l) con.Layer[l] = Concrete(0.3f);
    AddComponent(t.room, MakeComponent("w", 10, kPartition, c, 1));
  }
  SimStatus status;
  ASSERT_TRUE(t.Setup(status)) << status.SimMessage;
  EXPECT_EQ(t.state->Component[10].NodeCount, kMaxNodesPerComponent);
  EXPECT_LT(t.state->Component[10].InsideSlot(), t.state->SlotEnd + 0);
  EXPECT_LE(t.state->SlotEnd, kMaxRoomSlots - 1);
}

TEST(Conduction, AWallBetweenFixedTemperaturesSettlesToTheSteadyFlux) {
  // In single precision the explicit update stalls once a node's change per
  // step falls below the resolution of its temperature, a few tenths of a per
  // cent short of the steady flux. A metal sheet too thin for an explicit node
  // couples two massless nodes so tightly that their tiny temperature
  // difference, and so the flux, is resolved only to a few per cent.
  struct Wall {
    std::initializer_list<ConstructionLayer> layers;
    double tolerance;
  };
  const Wall walls[] = {
      {{Plaster(0.015f), Concrete(0.2f), Insulation(0.05f), Plaster(0.01f)}, 0.005},
      {{Concrete(0.1f), AirGap(0.05f), Concrete(0.1f)}, 0.005},
      {{Glass(0.006f)}, 0.005},
      {{AirGap(0.02f), Plaster(0.02f)}, 0.005},
      {{Steel(0.001f), Insulation(0.08f), Steel(0.001f)}, 0.06},
  };
  for (const auto& [layers, tolerance] : walls) {
    TestRoom t;
    t.Add(kExternalWall, 5, 10, layers);
    SimStatus status;
    ASSERT_TRUE(t.Setup(status)) << status.SimMessage;
    const float outside = 35, inside = 24;
    const RoomComponent& wall = t.state->Component[1];
    for (int k = 1; k <= wall.NodeCount; ++k) t.state->CurrentTemps()[wall.NodeSlot(k)] = 15;
    for (int step = 0; step < 200000; ++step) {
      t.SetBoundaries(1, outside, inside);
      StepConduction(*t.state);
      t.state->Advance();
    }
    const double expected = (outside - inside) / (1 / 17.0 + ResistanceOf(layers) + 1 / 8.3);
    const int n = t.state->Component[1].NodeCount;
    EXPECT_NEAR(17 * (outside - t.Node(1, 1)), expected, tolerance * expected);
    EXPECT_NEAR(8.3 * (t.Node(1, n) - inside), expected, tolerance * expected);
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
    TestRoom t;
    t.table->Item[++t.table->ConstructionCount] = constructions[trial];
    AddComponent(t.room, MakeComponent("w", 10, kExternalWall, 1, 3));
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
    for (int k = 1; k <= n; ++k) t.state->CurrentTemps()[t.state->Component[1].NodeSlot(k)] = 15;
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

TEST(Conduction, NodeTemperaturesPassFromRoomToRoomBySlotAndNumber) {
  TestRoom first;
  first.Add(kExternalWall, 1, 10, {Concrete(0.2f)});
  first.Add(kPartition, 1, 10, {Plaster(0.1f)});
  SimStatus status;
  ASSERT_TRUE(first.Setup(status));
  CarriedNodes carried;
  LoadCarriedNodes(carried, *first.state);
  EXPECT_EQ(first.Node(2, 1), kInitialNodeTemp);
  first.state->CurrentTemps()[first.state->Component[2].NodeSlot(2)] = 31;
  StoreCarriedNodes(*first.state, carried);

  TestRoom second;
  second.Add(kExternalWall, 1, 10, {Concrete(0.2f), Concrete(0.2f)});
  second.Add(kExternalWall, 1, 10, {Concrete(0.2f), Concrete(0.2f)});
  ASSERT_TRUE(second.Setup(status));
  LoadCarriedNodes(carried, *second.state);
  EXPECT_EQ(second.Node(2, 2), 31.0f);
  EXPECT_EQ(second.Node(2, 6), kInitialNodeTemp);  // never used before: still the initial temperature
}
