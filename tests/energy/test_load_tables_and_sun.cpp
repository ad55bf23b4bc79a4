// Schedules and operating hours by room type and day type, the angle of
// incidence, the glass, the shading-mask bins and the hourly window gains.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

#include "energy/Calendar.h"
#include "energy/LoadTables.h"
#include "energy/RoomNodes.h"
#include "energy/SolarGains.h"
#include "support/SampleModels.h"

using namespace kelca;
using namespace kelca::testing;

namespace {
constexpr float kPi = std::numbers::pi_v<float>;
constexpr float kDeg = kPi / 180;
}  // namespace

TEST(LoadTables, SchedulesHoldEveryHourOfTheDay) {
  LoadTables t;
  InitLoadTables(t);
  // The hours around each row's first span and its last hour catch a row one entry short or long.
  const struct {
    const std::array<float, 25>& row;
    float h7, h8, h24;
  } rows[] = {{t.Occupancy[kOffice], 0, 0.05f, 0},          {t.Occupancy[kRestaurant], 0.6f, 0.6f, 0.05f},
              {t.Occupancy[kHotelGuestRoom], 0.95f, 0.95f, 0.95f}, {t.Lighting[kRestaurant], 0.9f, 0.9f, 0.25f},
              {t.Lighting[kRetail], 0, 0, 0},                {t.Equipment[kRetail], 0.05f, 0.05f, 0.05f},
              {t.Equipment[kHotelGuestRoom], 0.3f, 0.3f, 0.6f}};
  for (const auto& r : rows) {
    EXPECT_FLOAT_EQ(r.row[7], r.h7);
    EXPECT_FLOAT_EQ(r.row[8], r.h8);
    EXPECT_FLOAT_EQ(r.row[24], r.h24);
  }
  EXPECT_FLOAT_EQ(t.Occupancy[kOffice][14], 0.45f);  // the lunch hour
  EXPECT_FLOAT_EQ(t.Lighting[kRestaurant][6], 0.1f);
  for (int h = 1; h <= 24; ++h) EXPECT_EQ(t.Occupancy[kNonAC][h] + t.Lighting[kNonAC][h] + t.Equipment[kNonAC][h], 0);
}

TEST(LoadTables, OperatingHoursByRoomTypeAndDayType) {
  LoadTables t;
  InitLoadTables(t);
  // First and last served hour index (i: the hour from i to i + 1 o'clock) on a weekday, a Saturday, a Sunday.
  const struct {
    int type, first[3], last[3];
  } hours[] = {{kOffice, {8, 8, 99}, {18, 12, -1}},     {kRetail, {9, 9, 9}, {21, 21, 21}},
               {kRestaurant, {6, 6, 6}, {23, 23, 23}}, {kHotelGuestRoom, {0, 0, 0}, {23, 23, 23}},
               {kNonAC, {99, 99, 99}, {-1, -1, -1}},   {0, {99, 99, 99}, {-1, -1, -1}}};
  const int days[3] = {3, kSaturday, kSunday};
  for (const auto& h : hours) {
    for (int d = 0; d < 3; ++d) {
      for (int i = 0; i < 24; ++i) {
        EXPECT_EQ(IsOperatingHour(t, h.type, days[d], i), i >= h.first[d] && i <= h.last[d])
            << "type " << h.type << " day " << days[d] << " hour index " << i;
      }
    }
  }
  // Office gains stop with the plant on Sundays and after 13:00 on Saturdays; other types go on.
  EXPECT_EQ(FractionsForHour(t, kOffice, kSunday, 11).Lighting, 0);
  EXPECT_FLOAT_EQ(FractionsForHour(t, kOffice, kSaturday, 13).Equipment, 1);
  EXPECT_EQ(FractionsForHour(t, kOffice, kSaturday, 14).Equipment, 0);
  EXPECT_FLOAT_EQ(FractionsForHour(t, kOffice, 3, 14).Equipment, 0.8f);
  EXPECT_FLOAT_EQ(FractionsForHour(t, kRetail, kSunday, 14).Lighting, 0.95f);
}

TEST(SolarGeometry, CosineOfIncidenceOnEachOrientation) {
  const float alt = 30 * kDeg;
  EXPECT_NEAR(CosIncidence(0, alt, 5), std::cos(alt), 1e-6);             // south wall, sun due south
  EXPECT_NEAR(CosIncidence(kPi / 2, alt, 7), std::cos(alt), 1e-6);       // west
  EXPECT_NEAR(CosIncidence(0.1f, alt, 4), std::cos(0.1f + kPi / 4) * std::cos(alt), 1e-6);  // across south
  EXPECT_NEAR(CosIncidence(6.2f, alt, 6), std::cos(6.2f - 2 * kPi - kPi / 4) * std::cos(alt), 1e-6);
  EXPECT_EQ(CosIncidence(kPi, alt, 5), 0.0f);  // sun behind the wall
  EXPECT_NEAR(CosIncidence(1.0f, alt, kHorizontal), 0.5f, 1e-6);
  EXPECT_EQ(CosIncidence(1.0f, -0.1f, kHorizontal), 0.0f);
}

TEST(SolarGeometry, GlassOpticsAndMaskBins) {
  LoadTables t;
  InitLoadTables(t);
  const GlassOptics normal = DirectGlassOptics(t, 1);
  EXPECT_NEAR(normal.Transmittance, 0.87032f, 1e-5);
  EXPECT_NEAR(normal.Absorptance, 0.05105f, 1e-5);
  EXPECT_EQ(DirectGlassOptics(t, 0).Transmittance, 0);

  EXPECT_EQ(MaskAzimuthBin(0), 0);
  EXPECT_EQ(MaskAzimuthBin(15 * kDeg), 1);
  EXPECT_EQ(MaskAzimuthBin(355 * kDeg), 35);
  EXPECT_EQ(MaskAzimuthBin(2 * kPi + 0.01f), -1);
  EXPECT_EQ(MaskAzimuthBin(-0.01f), -1);
  ShadingMask mask;
  for (int j = 0; j < 9; ++j) mask.Mask[j][4] = 0.1f * (j + 1);
  EXPECT_FLOAT_EQ(MaskDirectFraction(mask, 4, 33 * kDeg), 0.4f);
  EXPECT_FLOAT_EQ(MaskDirectFraction(mask, 4, 0), 0.1f);
  EXPECT_EQ(MaskDirectFraction(mask, 4, -0.2f), 0.0f);          // below the horizon
  EXPECT_FLOAT_EQ(MaskDirectFraction(mask, 4, kPi / 2), 0.9f);  // the zenith takes the top bin
  EXPECT_EQ(MaskDirectFraction(mask, 4, std::nanf("")), 0.0f);
}

TEST(SolarGains, WindowTotalsFromIrradianceGlassAndMask) {
  auto table = std::make_unique<ConstructionTable>();
  const int glazing = AddConstruction(*table, "Glazing", 1, 0.1f, 0.7f, {Glass(0.006f)});
  const int wall = AddConstruction(*table, "Wall", 0, 0.6f, 0.5f, {Concrete(0.2f)});
  EnergyRoom room = MakeRoom("Sunny", kOffice);
  AddComponent(room, MakeComponent("South window", 2, kWindow, glazing, 5));
  AddComponent(room, MakeComponent("Roof light", 1.5f, kWindow, glazing, kHorizontal));
  AddComponent(room, MakeComponent("Wall", 10, kExternalWall, wall, 5));
  auto state = std::make_unique<RoomState>();
  SimStatus status;
  ASSERT_TRUE(SetupRoomNodes(room, "Z", AirSideZone{}, 1, *table, *state, status));
  LoadTables t;
  InitLoadTables(t);
  WeatherRecord w;
  w.DirectSolar[5] = 400;
  w.DirectSolar[9] = 700;
  w.DiffuseSolar = {150, 100};
  w.SolarAltitude = 32 * kDeg;
  w.SolarAzimuth = 12 * kDeg;

  ASSERT_TRUE(CalSolGain(*state, w, t, status));
  const float cosSouth = std::cos(12 * kDeg) * std::cos(32 * kDeg), cosRoof = std::sin(32 * kDeg);
  const double direct = 0.7 * 2 * 400 * DirectGlassOptics(t, cosSouth).Transmittance +
                        0.7 * 1.5 * 700 * DirectGlassOptics(t, cosRoof).Transmittance;
  EXPECT_NEAR(state->DirectGain, direct, 1e-3);
  EXPECT_NEAR(state->DiffuseGain, 0.7 * 2 * 100 * 0.79901 + 0.7 * 1.5 * 150 * 0.79901, 1e-3);

  ShadingMask mask;
  mask.Mask[3][1] = 0.25f;  // altitude 30..40, azimuth 10..20
  mask.DiffuseFraction = 0.6f;
  state->Component[1].Mask = &mask;
  state->DirectGain = state->DiffuseGain = 0;
  ASSERT_TRUE(CalSolGain(*state, w, t, status));
  EXPECT_NEAR(state->DirectGain, 0.25 * 0.7 * 2 * 400 * DirectGlassOptics(t, cosSouth).Transmittance +
                                     0.7 * 1.5 * 700 * DirectGlassOptics(t, cosRoof).Transmittance,
              1e-3);
  EXPECT_NEAR(state->DiffuseGain, 0.6 * 0.7 * 2 * 100 * 0.79901 + 0.7 * 1.5 * 150 * 0.79901, 1e-3);

  w.SolarAzimuth = 7.0f;  // beyond 2 pi: the mask has no bin for it
  EXPECT_FALSE(CalSolGain(*state, w, t, status));
  EXPECT_EQ(status.SimMessage, "CalSolGain: Solar azimuth angle out of range!");
}
