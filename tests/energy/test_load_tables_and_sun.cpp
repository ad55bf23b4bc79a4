// Schedules and operating hours by room type and day type, the angle of
// incidence, the glass, the shading-mask bins and the hourly window gains.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

#include "energy/Calendar.h"
#include "energy/LoadTables.h"
#include "energy/SolarGains.h"
#include "support/SampleModels.h"

using namespace kelca;
using namespace kelca::testing;

namespace {
constexpr float kPi = std::numbers::pi_v<float>;
constexpr float kDeg = kPi / 180;
}  // namespace

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
  EXPECT_GT(FractionsForHour(t, kOffice, kSaturday, 13).Equipment, 0);
  EXPECT_EQ(FractionsForHour(t, kOffice, kSaturday, 14).Equipment, 0);
  EXPECT_GT(FractionsForHour(t, kRetail, kSunday, 14).Lighting, 0);
}

TEST(SolarGeometry, IncidenceAcrossSouthAndTheMaskBinsOfTheSun) {
  const float alt = 30 * kDeg;
  EXPECT_NEAR(CosIncidence(0.1f, alt, 4), std::cos(0.1f + kPi / 4) * std::cos(alt), 1e-6);  // SE wall, sun past south
  EXPECT_NEAR(CosIncidence(6.2f, alt, 6), std::cos(6.2f - 2 * kPi - kPi / 4) * std::cos(alt), 1e-6);
  EXPECT_EQ(CosIncidence(kPi, alt, 5), 0.0f);  // sun behind the wall
  EXPECT_EQ(CosIncidence(1.0f, -0.1f, kHorizontal), 0.0f);

  EXPECT_EQ(MaskAzimuthBin(355 * kDeg), 35);
  EXPECT_EQ(MaskAzimuthBin(2 * kPi + 0.01f), -1);
  EXPECT_EQ(MaskAzimuthBin(-0.01f), -1);
  ShadingMask mask;
  for (int j = 0; j < 9; ++j) mask.Mask[j][4] = 0.1f * (j + 1);
  EXPECT_FLOAT_EQ(MaskDirectFraction(mask, 4, 33 * kDeg), 0.4f);
  EXPECT_EQ(MaskDirectFraction(mask, 4, -0.2f), 0.0f);          // below the horizon
  EXPECT_FLOAT_EQ(MaskDirectFraction(mask, 4, kPi / 2), 0.9f);  // the zenith takes the top bin
  EXPECT_EQ(MaskDirectFraction(mask, 4, std::nanf("")), 0.0f);
}

TEST(SolarGains, WindowTotalsFromIrradianceGlassAndMask) {
  NodeRoom r;
  const int glazing = r.Construction({Glass(0.006f)}, true);
  r.Add(kWindow, 5, 2, glazing);
  r.Add(kWindow, kHorizontal, 1.5f, glazing);
  r.Add(kExternalWall, 5, 10, r.Construction({Concrete(0.2f)}));
  SimStatus status;
  ASSERT_TRUE(r.Setup(status));
  RoomState* state = r.state.get();
  LoadTables t;
  InitLoadTables(t);
  WeatherRecord w;
  w.DirectSolar[5] = 400;
  w.DirectSolar[9] = 700;
  w.DiffuseSolar = {150, 100};
  w.SolarAltitude = 32 * kDeg;
  w.SolarAzimuth = 12 * kDeg;

  // The south window's direct and diffuse sun pass through the mask; the roof light is unshaded.
  const float cosSouth = std::cos(12 * kDeg) * std::cos(32 * kDeg), cosRoof = std::sin(32 * kDeg);
  const auto expect = [&](double directShare, double diffuseShare) {
    state->DirectGain = state->DiffuseGain = 0;
    ASSERT_TRUE(CalSolGain(*state, w, t, status));
    EXPECT_NEAR(state->DirectGain, directShare * 0.7 * 2 * 400 * DirectGlassOptics(t, cosSouth).Transmittance +
                                       0.7 * 1.5 * 700 * DirectGlassOptics(t, cosRoof).Transmittance,
                1e-3);
    EXPECT_NEAR(state->DiffuseGain, diffuseShare * 0.7 * 2 * 100 * 0.79901 + 0.7 * 1.5 * 150 * 0.79901, 1e-3);
  };
  expect(1, 1);
  ShadingMask mask;
  mask.Mask[3][1] = 0.25f;  // altitude 30..40, azimuth 10..20
  mask.DiffuseFraction = 0.6f;
  state->Component[1].Mask = &mask;
  expect(0.25, 0.6);  // a sun beyond the mask's bins is the parallel run's fault test
}
