// The boundary temperatures of the fabric: sol-air outside, and inside the
// long-wave exchange between the surfaces that see each other.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

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
  for (int c = 1; c <= 3; ++c) r.Node(c, r.C(c).NodeCount) = static_cast<float>(t[c - 1]);
  r.Node(4, 1) = 22;  // the floor face is the slab's outer face
  r.Node(4, r.C(4).NodeCount) = 26;
  r.state->RoomAirTemp = 25;
  HourConditions hour;
  hour.SpreadRadiantGain = 2;
  hour.FloorSunRise = 1.5f;
  SimStatus status;
  ASSERT_TRUE(CalQMRT(*r.state, hour, status));

  // The exchange neither makes nor destroys heat; each inner face takes the
  // room air plus its radiant gain less its net long-wave loss, over 8.3.
  const float* q = r.state->NetRadiantLoss.data();
  double residual = 0, gross = 0;
  for (int i = 0; i < 5; ++i) {
    residual += r.state->SurfaceArea[i] * q[i];
    gross += std::fabs(r.state->SurfaceArea[i] * q[i]);
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
  // The window and the wall lie in one plane and do not see each other: a
  // warmer wall cuts the partition's loss, not the window's.
  const float window = q[0], partition = q[2];
  r.Node(2, r.C(2).NodeCount) = 35;
  ASSERT_TRUE(CalQMRT(*r.state, hour, status));
  EXPECT_NEAR(q[0], window, 1);
  EXPECT_LT(q[2], partition - 5);

  // With a roof there is no ceiling face: the slab's underside is held at the set temperature.
  Room roofed;
  roofed.Add(kRoof, kHorizontal, 20, roofed.wall);
  roofed.Add(kFloorCeiling, kHorizontal, 20, roofed.wall);
  roofed.Setup();
  EXPECT_EQ(roofed.state->SurfaceCount, 2);
  ASSERT_TRUE(CalQMRT(*roofed.state, hour, status));
  EXPECT_EQ(roofed.At(roofed.C(2).InsideSlot()), 24);
}

namespace {

// A day's heat flows of a room, J, and how far its fabric ended the day from where it began, K.
struct DayBalance {
  double gains = 0, conducted = 0, load = 0, airChange = 0;
  float drift = 0;
};

// Runs the same day over and over in a room that gets only radiant and solar
// gains: the sun through its windows by day (direct on the floor, diffuse
// spread) and radiant gains in the working hours, which are conditioned. Sums
// the last day's gains, the heat conducted out through the fabric's outer
// faces, the load removed and the heat carried out by the outdoor air.
DayBalance RepeatDay(NodeRoom& r, int days) {
  RoomState& s = *r.state;
  WeatherRecord w;
  w.DryBulb = 29;
  CalSolAirTemp(s, w);
  DayBalance day;
  std::vector<float> start;
  SimStatus status;
  for (int d = 1; d <= days; ++d) {
    const bool last = d == days;
    if (last) start.assign(s.CurrentTemps(), s.CurrentTemps() + s.SlotEnd);
    for (int i = 0; i < 24; ++i) {
      const float sun = static_cast<float>(std::max(0.0, std::sin(3.14159265 * (i - 6) / 12)));
      s.DirectGain = 3000 * sun;
      s.DiffuseGain = 1200 * sun;
      const bool working = i >= 8 && i < 18;
      const float radiant = working ? 1500.0f : 0.0f;
      HourConditions hour;
      PrepareHour(s, w, ScheduleFractions{}, working, hour);
      hour.SpreadRadiantGain += radiant / s.TotalArea;
      for (int step = 0; step < kSubStepsPerHour; ++step) {
        if (!CalQMRT(s, hour, status)) return ADD_FAILURE() << status.SimMessage, day;
        const float* t = s.CurrentTemps();
        for (int c = 1; c <= s.ComponentCount; ++c) {
          const RoomComponent& rc = s.Component[c];
          double out = 0;  // W leaving through the face that is not in the room
          if (rc.ComponentType != kFloorCeiling) {
            out = kOutsideSurfaceCoefficient * rc.Area * (t[rc.NodeSlot(1)] - t[rc.OutsideSlot()]);
          } else if (s.HasRoof) {
            out = kInsideSurfaceCoefficient * rc.Area * (t[rc.NodeSlot(rc.NodeCount)] - t[rc.InsideSlot()]);
          }
          if (last) day.conducted += out * kSubStepSeconds;
        }
        StepConduction(s);
        float sensible = 0, latent = 0;
        if (!CalRoomLoad(s, hour, sensible, latent, status)) return ADD_FAILURE() << status.SimMessage, day;
        const float airFlow = sensible != 0 ? s.ConditionedH : s.FloatingH;
        if (last) {
          day.gains += (s.DirectGain + s.DiffuseGain + radiant) * kSubStepSeconds;
          day.load += sensible * kSubStepSeconds;
          day.airChange += airFlow * (s.RoomAirTemp - w.DryBulb) * kSubStepSeconds;
        }
        s.Advance();
      }
    }
  }
  for (int k = 1; k < s.SlotEnd; ++k) day.drift = std::max(day.drift, std::fabs(s.CurrentTemps()[k] - start[k]));
  return day;
}

}  // namespace

TEST(HeatBalance, ADayOfRadiantAndSolarGainsIsStoredConductedOrRemoved) {
  const ConstructionLayer carpet{78, "Carpet", 0.008f, 200, 0.06f, 1300};
  const ConstructionLayer tile{51, "Ceiling tile", 0.015f, 160, 0.05f, 840};
  struct Case {
    const char* name;
    std::initializer_list<ConstructionLayer> floor;
    bool roof;
  };
  const Case cases[] = {
      {"bare slab", {Concrete(0.15f)}, false},
      {"screeded slab", {Plaster(0.04f), Concrete(0.15f)}, false},
      {"carpet, raised floor, slab and ceiling",
       {carpet, Plaster(0.038f), AirGap(0.15f), Concrete(0.2f), AirGap(0.6f), tile},
       false},
      {"screeded slab under a roof", {Plaster(0.04f), Concrete(0.15f)}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    NodeRoom r;
    const int wall = r.Construction({Plaster(0.013f), Concrete(0.15f), Insulation(0.05f)});
    r.Add(kWindow, 5, 12, r.Construction({Glass(0.006f)}, true));
    r.Add(kExternalWall, 5, 8, wall);
    r.Add(kPartition, 7, 15, r.Construction({Plaster(0.0125f), Insulation(0.05f), Plaster(0.0125f)}));
    r.Add(kFloorCeiling, kHorizontal, 50, r.Construction(c.floor));
    if (c.roof) r.Add(kRoof, kHorizontal, 50, r.Construction({Concrete(0.1f), Insulation(0.1f)}));
    SimStatus status;
    ASSERT_TRUE(r.Setup(status)) << status.SimMessage;
    r.state->DesignSensibleLoad = r.state->DesignTotalLoad = 100;
    const DayBalance day = RepeatDay(r, 30);
    // The day repeats itself: the fabric ends it as it began, having stored
    // nothing net, so the gains all leave through the fabric, the load and the air.
    EXPECT_LT(day.drift, 2e-3f);
    const double out = day.conducted + day.load + day.airChange;
    EXPECT_NEAR(out, day.gains, 0.005 * day.gains);
  }
}
