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
  // First and last hours of each row catch a row that is one entry short or long.
  EXPECT_FLOAT_EQ(t.Occupancy[kOffice][7], 0);
  EXPECT_FLOAT_EQ(t.Occupancy[kOffice][8], 0.05f);
  EXPECT_FLOAT_EQ(t.Occupancy[kOffice][14], 0.45f);
  EXPECT_FLOAT_EQ(t.Occupancy[kOffice][21], 0.05f);
  EXPECT_FLOAT_EQ(t.Occupancy[kRestaurant][6], 0);
  EXPECT_FLOAT_EQ(t.Occupancy[kRestaurant][7], 0.6f);
  EXPECT_FLOAT_EQ(t.Occupancy[kRestaurant][24], 0.05f);
  EXPECT_FLOAT_EQ(t.Occupancy[kHotelGuestRoom][24], 0.95f);
  EXPECT_FLOAT_EQ(t.Lighting[kRestaurant][23], 0.75f);
  EXPECT_FLOAT_EQ(t.Lighting[kRestaurant][24], 0.25f);
  EXPECT_FLOAT_EQ(t.Lighting[kRetail][11], 0.95f);
  EXPECT_FLOAT_EQ(t.Lighting[kRetail][23], 0);
  EXPECT_FLOAT_EQ(t.Equipment[kRestaurant][15], 0.6f);
  EXPECT_FLOAT_EQ(t.Equipment[kHotelGuestRoom][21], 0.6f);
  EXPECT_FLOAT_EQ(t.Equipment[kOffice][24], 0.1f);
  for (int h = 1; h <= 24; ++h) {
    EXPECT_EQ(t.Occupancy[kNonAC][h] + t.Lighting[kNonAC][h] + t.Equipment[kNonAC][h], 0);
    EXPECT_EQ(t.Occupancy[0][h] + t.Lighting[0][h] + t.Equipment[0][h], 0);
  }
}

TEST(LoadTables, OfficesRestOnSundaysAndSaturdayAfternoons) {
  LoadTables t;
  InitLoadTables(t);
  for (int h = 1; h <= 24; ++h) {
    EXPECT_EQ(FractionsForHour(t, kOffice, kSunday, h).Lighting, 0) << h;
    EXPECT_FALSE(IsOperatingHour(t, kOffice, kSunday, h - 1));
    EXPECT_EQ(FractionsForHour(t, kRetail, kSunday, h).Lighting, t.Lighting[kRetail][h]);
  }
  EXPECT_FLOAT_EQ(FractionsForHour(t, kOffice, kSaturday, 13).Equipment, 1);
  EXPECT_EQ(FractionsForHour(t, kOffice, kSaturday, 14).Equipment, 0);
  EXPECT_FLOAT_EQ(FractionsForHour(t, kOffice, 3, 14).Equipment, 0.8f);
  // Hour index i runs when start <= i and i + 1 <= end.
  EXPECT_FALSE(IsOperatingHour(t, kOffice, 1, 7));
  EXPECT_TRUE(IsOperatingHour(t, kOffice, 1, 8));
  EXPECT_TRUE(IsOperatingHour(t, kOffice, 1, 18));
  EXPECT_FALSE(IsOperatingHour(t, kOffice, 1, 19));
  EXPECT_TRUE(IsOperatingHour(t, kOffice, kSaturday, 12));
  EXPECT_FALSE(IsOperatingHour(t, kOffice, kSaturday, 13));
  EXPECT_TRUE(IsOperatingHour(t, kRetail, kSaturday, 21));
  EXPECT_FALSE(IsOperatingHour(t, kRetail, kSaturday, 22));
  EXPECT_TRUE(IsOperatingHour(t, kRestaurant, kSunday, 6));
  EXPECT_FALSE(IsOperatingHour(t, kRestaurant, kSunday, 5));
  for (int i = 0; i < 24; ++i) {
    EXPECT_TRUE(IsOperatingHour(t, kHotelGuestRoom, kSunday, i));
    EXPECT_FALSE(IsOperatingHour(t, kNonAC, 2, i));
    EXPECT_FALSE(IsOperatingHour(t, 0, 2, i));
  }
}

TEST(SolarGeometry, CosineOfIncidenceOnEachOrientation) {
  const float alt = 30 * kDeg;
  EXPECT_NEAR(CosIncidence(0, alt, 5), std::cos(alt), 1e-6);             // south wall, sun due south
  EXPECT_NEAR(CosIncidence(kPi / 2, alt, 7), std::cos(alt), 1e-6);       // west
  EXPECT_NEAR(CosIncidence(3 * kPi / 2, alt, 3), std::cos(alt), 1e-6);   // east
  EXPECT_NEAR(CosIncidence(kPi, alt, 1), std::cos(alt), 1e-6);           // north
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
  const float c = 0.5f;
  EXPECT_NEAR(DirectGlassOptics(t, c).Transmittance,
              -0.00885 + 2.71235 * c - 0.62062 * c * c - 7.07329 * std::pow(c, 3) + 9.75995 * std::pow(c, 4) -
                  3.89922 * std::pow(c, 5),
              1e-5);
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
