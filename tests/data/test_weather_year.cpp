// The bundled weather year, read as the load calculation reads it.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "energy/Calendar.h"
#include "energy/Psychrometrics.h"
#include "energy/WeatherFile.h"

using namespace kelca;

TEST(WeatherYear, HoldsAPlausibleHotHumidYear) {
  std::vector<WeatherRecord> hours;
  const Status s = ReadWeatherFile(std::string(KELCA_SOURCE_DIR) + "/data/db/" + kWeatherFileName, hours);
  ASSERT_TRUE(s.ok) << s.message;
  ASSERT_EQ(hours.size(), static_cast<size_t>(kHoursPerYear));
  double dryBulbSum = 0, horizontalDirect = 0, southDirect = 0, northDirect = 0;
  int sunUp = 0;
  for (int i = 0; i < kHoursPerYear; ++i) {
    const WeatherRecord& r = hours[i];
    ASSERT_EQ(r.HourNo, i + 1);
    EXPECT_TRUE(r.DryBulb > -5 && r.DryBulb < 42) << r.HourNo;
    EXPECT_LE(r.WetBulb, r.DryBulb + 1e-4f) << r.HourNo;
    EXPECT_TRUE(r.HumidityRatio > 0 && r.HumidityRatio < 0.03f) << r.HourNo;
    // The humidity ratio never exceeds saturation at the dry bulb.
    EXPECT_LE(r.HumidityRatio, VapourHumidityRatio(SatPressure(r.DryBulb)) * 1.0001f) << r.HourNo;
    EXPECT_TRUE(r.Weather2 >= 0 && r.Weather2 <= 100) << r.HourNo;
    EXPECT_TRUE(r.SolarAltitude >= 0 && r.SolarAltitude < std::numbers::pi / 2) << r.HourNo;
    EXPECT_TRUE(r.SolarAzimuth >= 0 && r.SolarAzimuth < 2 * std::numbers::pi) << r.HourNo;
    for (float d : r.DirectSolar) EXPECT_TRUE(d >= 0 && d < 1100) << r.HourNo;
    EXPECT_GE(r.DiffuseSolar[0], 0.0f);
    EXPECT_GE(r.DiffuseSolar[1], 0.5f * r.DiffuseSolar[0] - 1e-3f);
    // No surface receives more direct sun than one facing it.
    for (int o = 1; o <= 9; ++o) EXPECT_LE(r.DirectSolar[o], r.DirectSolar[0] + 1e-3f);
    EXPECT_TRUE(r.SolarAltitude > 0 || r.DirectSolar[9] == 0) << r.HourNo;
    sunUp += r.SolarAltitude > 0 ? 1 : 0;
    dryBulbSum += r.DryBulb;
    horizontalDirect += r.DirectSolar[9];
    southDirect += r.DirectSolar[5];
    northDirect += r.DirectSolar[1];
  }
  // About half the hours have the sun up; the year is warm; at 26 N the south
  // wall gets far more direct sun than the north wall over the year.
  EXPECT_NEAR(sunUp, kHoursPerYear / 2, 300);
  EXPECT_NEAR(dryBulbSum / kHoursPerYear, 24.5, 1.5);
  EXPECT_GT(southDirect, 4 * northDirect);
  EXPECT_GT(horizontalDirect, southDirect);
}
