// Transient conduction through layered fabric: room for the thickest walls,
// stability of every node for any mix of layers, and the steady flux of a wall
// between fixed temperatures.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>

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
