// The boundary temperatures of the fabric: sol-air outside, and inside the
// long-wave exchange between the surfaces that see each other.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "energy/RoomHeatBalance.h"
#include "support/SampleModels.h"

using namespace kelca;
using namespace kelca::testing;

namespace {
// A room on a plastered concrete wall construction and single glazing.
struct Room : NodeRoom {
  int wall = Construction({Plaster(0.02f), Concrete(0.1f)});
  int glazing = Construction({Glass(0.006f)}, true);
  void Setup() {
    SimStatus status;
    ASSERT_TRUE(NodeRoom::Setup(status)) << status.SimMessage;
  }
};
}  // namespace

TEST(HeatBalance, SolAirTemperaturesOutside) {
  Room r;
  r.Add(kRoof, kHorizontal, 50, r.wall);
  r.Add(kExternalWall, 7, 10, r.wall);
  r.Add(kWindow, 7, 3, r.glazing);
  r.Add(kPartition, 1, 10, r.wall);
  r.Setup();
  WeatherRecord w;
  w.DryBulb = 31;
  w.DirectSolar[7] = 340;
  w.DirectSolar[9] = 680;
  w.DiffuseSolar = {170, 85};
  CalSolAirTemp(*r.state, w);
  EXPECT_NEAR(r.At(r.C(1).OutsideSlot()), 31 + 0.6 * (680 + 170) / 17 - 3.9, 1e-4);
  EXPECT_NEAR(r.At(r.C(2).OutsideSlot()), 31 + 0.6 * (340 + 85) / 17, 1e-4);
  EXPECT_EQ(r.At(r.C(3).OutsideSlot()), 31);
  EXPECT_EQ(r.At(r.C(4).OutsideSlot()), 24);  // beyond a partition: the room's own set temperature
}

TEST(HeatBalance, LongWaveExchangeBetweenSurfacesThatSeeEachOther) {
  Room r;
  r.Add(kWindow, 5, 3, r.glazing);
  r.Add(kExternalWall, 5, 12, r.wall);
  r.Add(kPartition, 7, 10, r.wall);
  r.Add(kFloorCeiling, kHorizontal, 20, r.wall);
  r.Setup();
  ASSERT_EQ(r.state->SurfaceCount, 5);  // no roof: the slab's underside is this room's ceiling
  const double t[5] = {30, 28, 24, 22, 26};
  const double area[5] = {3, 12, 10, 20, 20};
  for (int c = 1; c <= 3; ++c) r.Node(c, r.C(c).NodeCount) = static_cast<float>(t[c - 1]);
  r.Node(4, r.C(4).FirstLayerEnd) = 22;  // the floor face ends the slab's first layer
  r.Node(4, r.C(4).NodeCount) = 26;
  r.state->RoomAirTemp = 25;
  HourConditions hour;
  hour.SpreadRadiantGain = 2;
  hour.FloorSunRise = 1.5f;
  SimStatus status;
  ASSERT_TRUE(CalQMRT(*r.state, hour, status));

  // The window and the wall lie in one plane and do not see each other.
  const bool sees[5][5] = {{0, 0, 1, 1, 1}, {0, 0, 1, 1, 1}, {1, 1, 0, 1, 1}, {1, 1, 1, 0, 1}, {1, 1, 1, 1, 0}};
  double q[5], total = 0, balance = 0;
  for (int i = 0; i < 5; ++i) {
    double seen = 0, sum = 0;
    for (int j = 0; j < 5; ++j) {
      if (!sees[i][j]) continue;
      seen += area[j];
      sum += area[j] * (t[j] + 273.15);
    }
    const double mrt = sum / seen, ti = t[i] + 273.15, mean = (ti + mrt) / 2;
    const double f = 1 / (1 + (area[i] / seen + 1) * (0.05 / 0.95));
    q[i] = f * 5.67e-8 * 4 * mean * mean * mean * (ti - mrt);
    total += area[i];
    balance += area[i] * q[i];
  }
  for (double& qi : q) qi -= balance / total;
  double residual = 0, gross = 0;  // the exchange neither makes nor destroys heat
  for (int i = 0; i < 5; ++i) {
    residual += r.state->SurfaceArea[i] * r.state->NetRadiantLoss[i];
    gross += std::fabs(r.state->SurfaceArea[i] * r.state->NetRadiantLoss[i]);
  }
  EXPECT_LT(std::fabs(residual), 1e-5 * gross);
  const auto inner = [&](int i) { return 25 + (2 - q[i]) / 8.3; };
  EXPECT_NEAR(r.At(r.C(1).InsideSlot()), inner(0), 2e-4);
  EXPECT_NEAR(r.At(r.C(2).InsideSlot()), inner(1), 2e-4);
  EXPECT_NEAR(r.At(r.C(3).InsideSlot()), inner(2), 2e-4);
  EXPECT_NEAR(r.At(r.C(4).OutsideSlot()), inner(3) + 1.5, 2e-4);  // the direct sun falls on the floor
  EXPECT_NEAR(r.At(r.C(4).InsideSlot()), inner(4), 2e-4);
  EXPECT_GT(q[0], 0);  // the warm window loses, the cool floor gains
  EXPECT_LT(q[3], 0);

  // With a roof there is no ceiling face: the slab's underside is held at the set temperature.
  Room roofed;
  roofed.Add(kRoof, kHorizontal, 20, roofed.wall);
  roofed.Add(kFloorCeiling, kHorizontal, 20, roofed.wall);
  roofed.Setup();
  EXPECT_EQ(roofed.state->SurfaceCount, 2);
  ASSERT_TRUE(CalQMRT(*roofed.state, hour, status));
  EXPECT_EQ(roofed.At(roofed.C(2).InsideSlot()), 24);
}
