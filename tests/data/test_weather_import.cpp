// The conversion of an EPW weather year into the hourly weather file.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "common/FileIO.h"
#include "energy/Psychrometrics.h"
#include "energy/WeatherImport.h"
#include "support/TempFolder.h"

using namespace kelca;

namespace {

constexpr double kDeg = std::numbers::pi / 180;
const std::string kExcerpt = std::string(KELCA_SOURCE_DIR) + "/tests/data/files/miami_feb28_mar1.epw";

std::string ExcerptText() {
  std::string text;
  EXPECT_TRUE(ReadFileBytes(kExcerpt, text).ok);
  return text;
}

EpwWeather Parse(const std::string& text) {
  EpwWeather epw;
  const Status s = ParseEpw("excerpt.epw", text, epw);
  EXPECT_TRUE(s.ok) << s.message;
  return epw;
}

// The excerpt with 29 February inserted: copies of the 28 February lines.
std::string WithLeapDay(const std::string& text) {
  std::string out, feb28;
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t end = text.find('\n', pos) + 1;
    const std::string line = text.substr(pos, end - pos);
    pos = end;
    if (line.find(",2,28,") != std::string::npos) {
      std::string copy = line;
      copy.replace(copy.find(",2,28,"), 6, ",2,29,");
      feb28 += copy;
    } else if (line.find(",3,1,1,") != std::string::npos) {
      out += feb28;
    }
    out += line;
  }
  return out;
}

// Solar noon of a day, found by scanning the standard time for the highest sun.
double SolarNoon(const EpwLocation& site, int day) {
  double best = 0, bestAlt = -10;
  for (double h = 10; h <= 14; h += 1.0 / 600) {
    const double alt = SunPositionAt(site, day, h).Altitude;
    if (alt > bestAlt) bestAlt = alt, best = h;
  }
  return best;
}

}  // namespace

TEST(WeatherImport, SunPositionAtKnownTimes) {
  const EpwLocation miami{"Miami", 25.82, -80.30, -5.0};
  // Solar noon lies 21 minutes after 12:00 standard time (80.3 W on the 75 W
  // meridian), shifted by the equation of time: +2 min on 21 December,
  // -14 min on 11 February, +16 min on 3 November.
  EXPECT_NEAR(SolarNoon(miami, 355), 12 + 19.3 / 60, 2.0 / 60);
  EXPECT_NEAR(SolarNoon(miami, 42), 12 + 35.4 / 60, 2.0 / 60);
  EXPECT_NEAR(SolarNoon(miami, 307), 12 + 5.0 / 60, 2.0 / 60);

  // Noon altitude 90 - latitude + declination: -23.44 deg at the December
  // solstice, +23.44 deg in June, about 0 at the March equinox; the sun
  // stands due south then.
  const SolarPosition dec = SunPositionAt(miami, 355, SolarNoon(miami, 355));
  EXPECT_NEAR(dec.Altitude / kDeg, 90 - 25.82 - 23.44, 0.3);
  EXPECT_NEAR(std::remainder(dec.Azimuth, 2 * std::numbers::pi) / kDeg, 0, 1);
  EXPECT_NEAR(SunPositionAt(miami, 172, SolarNoon(miami, 172)).Altitude / kDeg, 90 - (25.82 - 23.44), 0.3);
  EXPECT_NEAR(SunPositionAt(miami, 79, SolarNoon(miami, 79)).Altitude / kDeg, 90 - 25.82, 0.6);

  // Morning sun in the east half (pi..2 pi from south towards west), afternoon in the west half.
  const double morning = SunPositionAt(miami, 100, 9.5).Azimuth, afternoon = SunPositionAt(miami, 100, 15.5).Azimuth;
  EXPECT_TRUE(morning > std::numbers::pi && morning < 2 * std::numbers::pi) << morning;
  EXPECT_TRUE(afternoon > 0 && afternoon < std::numbers::pi) << afternoon;
  EXPECT_LT(SunPositionAt(miami, 100, 2.5).Altitude, 0);
}

TEST(WeatherImport, WetBulbFromTheMoistAirState) {
  // Saturated air: the wet bulb is the dry bulb.
  const double wSat = VapourHumidityRatio(SatPressure(25.0f));
  EXPECT_NEAR(WetBulbFromHumidityRatio(25, wSat), 25, 0.02);
  // 35 deg C at 40 % relative humidity: wet bulb 24.0 deg C (psychrometric chart).
  const double w = VapourHumidityRatio(0.4f * SatPressure(35.0f));
  const double wetBulb = WetBulbFromHumidityRatio(35, w);
  EXPECT_NEAR(wetBulb, 24.0, 0.3);
  // Between the dew point and the dry bulb, rising with the humidity.
  EXPECT_GT(wetBulb, 19.4);
  EXPECT_GT(WetBulbFromHumidityRatio(35, w * 1.2), wetBulb);
}

TEST(WeatherImport, ConvertsAnExcerptHourByHour) {
  const EpwWeather epw = Parse(ExcerptText());
  EXPECT_NEAR(epw.Location.Latitude, 25.82, 1e-9);
  EXPECT_NEAR(epw.Location.Longitude, -80.30, 1e-9);
  ASSERT_EQ(epw.Hours.size(), 48u);
  const std::vector<WeatherRecord> records = ConvertEpwHours(epw);
  ASSERT_EQ(records.size(), 48u);
  int daylight = 0;
  for (size_t i = 0; i < records.size(); ++i) {
    const WeatherRecord& r = records[i];
    const EpwHour& h = epw.Hours[i];
    EXPECT_EQ(r.HourNo, static_cast<int>(i) + 1);
    EXPECT_FLOAT_EQ(r.DryBulb, static_cast<float>(h.DryBulb));
    EXPECT_FLOAT_EQ(r.Weather2, static_cast<float>(h.RelativeHumidity));
    EXPECT_LE(r.WetBulb, r.DryBulb + 1e-4f);
    EXPECT_GE(r.WetBulb, static_cast<float>(h.DewPoint) - 1e-3f);
    EXPECT_TRUE(r.SolarAltitude >= 0 && r.SolarAltitude < std::numbers::pi / 2) << r.HourNo;
    EXPECT_TRUE(r.SolarAzimuth >= 0 && r.SolarAzimuth < 2 * std::numbers::pi) << r.HourNo;
    EXPECT_FLOAT_EQ(r.DiffuseSolar[0], static_cast<float>(h.DiffuseHorizontal));
    EXPECT_NEAR(r.DiffuseSolar[1], 0.5 * h.DiffuseHorizontal + 0.1 * h.GlobalHorizontal, 1e-3);
    for (float d : r.DirectSolar) EXPECT_TRUE(d >= 0 && d <= r.DirectSolar[0] + 1e-3f) << r.HourNo;  // [0]: normal
    EXPECT_LE(r.HumidityRatio, VapourHumidityRatio(SatPressure(r.DryBulb)) * 1.0001f) << r.HourNo;
    if (r.SolarAltitude == 0) {
      for (int o = 1; o <= 9; ++o) EXPECT_EQ(r.DirectSolar[o], 0.0f) << "hour " << r.HourNo;
    }
    // TMY3 splits the global irradiance into beam and diffuse with the sun at
    // the middle of the hour, so with a correct sun position they add up again.
    if (r.SolarAltitude > 15 * kDeg) {
      ++daylight;
      const double sum = r.DirectSolar[9] + r.DiffuseSolar[0];
      EXPECT_NEAR(sum, h.GlobalHorizontal, 0.06 * h.GlobalHorizontal + 15) << "hour " << r.HourNo;
    }
  }
  EXPECT_GE(daylight, 14);
  // Late-winter noon at 25.8 N: the south wall gets more direct sun than the north wall (none).
  const WeatherRecord& noon = records[12];
  EXPECT_GT(noon.DirectSolar[5], 200.0f);
  EXPECT_EQ(noon.DirectSolar[1], 0.0f);
}

TEST(WeatherImport, DropsTheLeapDay) {
  const std::string plain = ExcerptText();
  const EpwWeather leap = Parse(WithLeapDay(plain));
  ASSERT_EQ(leap.Hours.size(), 72u);
  EXPECT_EQ(ConvertEpwHours(leap), ConvertEpwHours(Parse(plain)));
}

TEST(WeatherImport, RefusesMissingValuesBrokenOrderAndShortYears) {
  const std::string text = ExcerptText();
  EpwWeather epw;
  // The direct normal radiation of the first data line (line 9) marked missing.
  std::string missing = text;
  size_t field = 0;
  for (int i = 0; i < 8; ++i) field = missing.find('\n', field) + 1;
  for (int i = 0; i < 14; ++i) field = missing.find(',', field) + 1;
  missing.replace(field, missing.find(',', field) - field, "9999");
  Status s = ParseEpw("x.epw", missing, epw);
  EXPECT_FALSE(s.ok);
  EXPECT_NE(s.message.find("x.epw line 9"), std::string::npos) << s.message;
  EXPECT_NE(s.message.find("direct normal"), std::string::npos) << s.message;

  // Two hours swapped.
  std::string swapped = text;
  const size_t second = swapped.find(",2,28,2,");
  swapped.replace(second, 8, ",2,28,3,");
  EXPECT_FALSE(ParseEpw("x.epw", swapped, epw).ok);
  EXPECT_FALSE(ParseEpw("x.epw", "no data at all\n", epw).ok);

  // Month, day or hour beyond the range of int are refused before any conversion.
  for (const char* huge : {",2147483648,28,1,", ",2,4294967296,1,", ",2,28,-2147483649,"}) {
    std::string beyond = text;
    beyond.replace(beyond.find(",2,28,1,"), 8, huge);
    s = ParseEpw("x.epw", beyond, epw);
    EXPECT_NE(s.message.find("x.epw line 9"), std::string::npos) << huge << ": " << s.message;
    EXPECT_NE(s.message.find("out of range"), std::string::npos) << huge << ": " << s.message;
  }

  // Two days are not a year: nothing is written.
  kelca::testing::TempFolder tmp;
  s = ImportEpwWeather(kExcerpt, tmp.File("ZQW1989.TXT"));
  EXPECT_FALSE(s.ok);
  EXPECT_NE(s.message.find("miami_feb28_mar1.epw"), std::string::npos) << s.message;
  EXPECT_TRUE(tmp.Read("ZQW1989.TXT").empty());
}
