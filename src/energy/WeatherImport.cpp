#include "energy/WeatherImport.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>

#include "common/FileIO.h"
#include "common/Numbers.h"
#include "energy/Calendar.h"
#include "energy/Psychrometrics.h"

namespace kelca {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDeg = kPi / 180.0;
constexpr int kEpwFieldCount = 35;

std::vector<std::string_view> SplitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  for (;;) {
    const size_t comma = line.find(',', start);
    fields.push_back(line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
    if (comma == std::string_view::npos) return fields;
    start = comma + 1;
  }
}

std::string LineMessage(const std::string& name, int line, std::string_view what) {
  return name + " line " + std::to_string(line) + ": " + std::string(what);
}

bool ReadField(std::string_view text, double& value) {
  const auto number = ParseNumber(text);
  if (!number || text.find_first_not_of(" \t") == std::string_view::npos) return false;
  value = *number;
  return true;
}

Status ParseLocation(const std::string& name, int lineNo, std::string_view line, EpwLocation& site) {
  const auto f = SplitFields(line);
  if (f.size() < 10 || !ReadField(f[6], site.Latitude) || !ReadField(f[7], site.Longitude) ||
      !ReadField(f[8], site.TimeZone)) {
    return Status::Error(LineMessage(name, lineNo, "LOCATION needs latitude, longitude and time zone"));
  }
  if (std::fabs(site.Latitude) > 90 || std::fabs(site.Longitude) > 180 || std::fabs(site.TimeZone) > 14) {
    return Status::Error(LineMessage(name, lineNo, "LOCATION coordinates out of range"));
  }
  site.Place = std::string(f[1]);
  return Status::Ok();
}

// One data line; missing-value codes are refused rather than carried into the year.
Status ParseHour(const std::string& name, int lineNo, std::string_view line, EpwHour& hour) {
  const auto f = SplitFields(line);
  if (f.size() < kEpwFieldCount) return Status::Error(LineMessage(name, lineNo, "fewer than 35 fields"));
  double month = 0, day = 0, hr = 0;
  if (!ReadField(f[1], month) || !ReadField(f[2], day) || !ReadField(f[3], hr)) {
    return Status::Error(LineMessage(name, lineNo, "month, day or hour is not a number"));
  }
  // Checked before the conversion (NaN included): a value beyond int has no int to become.
  if (!(month >= 1 && month <= 12 && day >= 1 && day <= 31 && hr >= 1 && hr <= 24)) {
    return Status::Error(LineMessage(name, lineNo, "month, day or hour out of range"));
  }
  hour.Month = static_cast<int>(month);
  hour.Day = static_cast<int>(day);
  hour.Hour = static_cast<int>(hr);
  struct Wanted {
    int index;
    double* target;
    double missingAtOrAbove;
    const char* label;
  };
  const Wanted wanted[] = {
      {6, &hour.DryBulb, 99.9, "dry-bulb temperature"},
      {7, &hour.DewPoint, 99.9, "dew-point temperature"},
      {8, &hour.RelativeHumidity, 999, "relative humidity"},
      {13, &hour.GlobalHorizontal, 9999, "global horizontal radiation"},
      {14, &hour.DirectNormal, 9999, "direct normal radiation"},
      {15, &hour.DiffuseHorizontal, 9999, "diffuse horizontal radiation"},
  };
  for (const auto& w : wanted) {
    if (!ReadField(f[w.index], *w.target) || *w.target >= w.missingAtOrAbove) {
      return Status::Error(LineMessage(name, lineNo, std::string("missing ") + w.label));
    }
  }
  if (hour.GlobalHorizontal < 0 || hour.DirectNormal < 0 || hour.DiffuseHorizontal < 0) {
    return Status::Error(LineMessage(name, lineNo, "negative radiation"));
  }
  return Status::Ok();
}

// Hours must follow each other through a calendar year (29 February allowed).
bool FollowsInCalendar(const EpwHour& prev, const EpwHour& next) {
  if (next.Month == prev.Month && next.Day == prev.Day) return next.Hour == prev.Hour + 1;
  if (prev.Hour != 24 || next.Hour != 1) return false;
  if (next.Month == prev.Month) return next.Day == prev.Day + 1;
  return next.Month == prev.Month + 1 && next.Day == 1;
}

bool ValidDate(const EpwHour& h) {
  if (h.Month < 1 || h.Month > 12 || h.Hour < 1 || h.Hour > 24 || h.Day < 1) return false;
  const int days = kDaysInMonth[h.Month - 1] + (h.Month == 2 ? 1 : 0);
  return h.Day <= days;
}

bool IsLeapDay(const EpwHour& h) { return h.Month == 2 && h.Day == 29; }

int DayOfYear(int month, int day) {
  int n = day;
  for (int m = 1; m < month; ++m) n += kDaysInMonth[m - 1];
  return n;
}

float ClampAltitude(double altitude) {
  const float top = std::nextafter(static_cast<float>(kPi / 2), 0.0f);
  if (altitude <= 0) return 0.0f;
  const float a = static_cast<float>(altitude);
  return a < top ? a : top;
}

float WrapAzimuth(double azimuth) {
  double a = std::fmod(azimuth, 2 * kPi);
  if (a < 0) a += 2 * kPi;
  const float f = static_cast<float>(a);
  return f < static_cast<float>(2 * kPi) ? f : 0.0f;
}

// Direct irradiance on the eight vertical orientations (codes 1..8: N, NE, ..., NW)
// and the horizontal (code 9); code 0 keeps the direct normal irradiance.
void SetDirectSolar(double directNormal, const SolarPosition& sun, WeatherRecord& rec) {
  rec.DirectSolar.fill(0.0f);
  rec.DirectSolar[0] = static_cast<float>(directNormal);
  if (sun.Altitude <= 0) return;
  for (int o = 1; o <= 8; ++o) {
    const double surfaceAzimuth = (o - 5) * kPi / 4;
    const double cosIncidence = std::cos(sun.Azimuth - surfaceAzimuth) * std::cos(sun.Altitude);
    rec.DirectSolar[o] = static_cast<float>(directNormal * std::max(0.0, cosIncidence));
  }
  rec.DirectSolar[9] = static_cast<float>(directNormal * std::sin(sun.Altitude));
}

}  // namespace

Status ParseEpw(const std::string& name, const std::string& text, EpwWeather& out) {
  out = EpwWeather{};
  bool haveLocation = false;
  int lineNo = 0;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string_view line(text.data() + pos, end - pos);
    pos = end + 1;
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.find_first_not_of(" \t") == std::string_view::npos) continue;
    if (line.starts_with("LOCATION")) {
      if (Status s = ParseLocation(name, lineNo, line, out.Location); !s) return s;
      haveLocation = true;
      continue;
    }
    if (!(line[0] >= '0' && line[0] <= '9') && line[0] != '-') continue;  // other header lines
    EpwHour hour;
    if (Status s = ParseHour(name, lineNo, line, hour); !s) return s;
    if (!ValidDate(hour)) return Status::Error(LineMessage(name, lineNo, "no such date or hour"));
    if (!out.Hours.empty() && !FollowsInCalendar(out.Hours.back(), hour)) {
      return Status::Error(LineMessage(name, lineNo, "hour does not follow the previous one"));
    }
    out.Hours.push_back(hour);
  }
  if (!haveLocation) return Status::Error(name + ": no LOCATION line");
  if (out.Hours.empty()) return Status::Error(name + ": no hourly data");
  return Status::Ok();
}

SolarPosition SunPositionAt(const EpwLocation& site, int dayOfYear, double standardHour) {
  // Spencer (1971) series for the declination and the equation of time.
  const double g = 2 * kPi / 365 * (dayOfYear - 1 + (standardHour - 12) / 24);
  const double declination = 0.006918 - 0.399912 * std::cos(g) + 0.070257 * std::sin(g) -
                             0.006758 * std::cos(2 * g) + 0.000907 * std::sin(2 * g) -
                             0.002697 * std::cos(3 * g) + 0.00148 * std::sin(3 * g);
  const double equationOfTimeMin = 229.18 * (0.000075 + 0.001868 * std::cos(g) - 0.032077 * std::sin(g) -
                                             0.014615 * std::cos(2 * g) - 0.040849 * std::sin(2 * g));
  const double solarHour =
      standardHour + (4 * (site.Longitude - 15 * site.TimeZone) + equationOfTimeMin) / 60;
  const double hourAngle = 15 * kDeg * (solarHour - 12);  // negative before solar noon
  const double lat = site.Latitude * kDeg;
  const double sinAlt = std::sin(lat) * std::sin(declination) +
                        std::cos(lat) * std::cos(declination) * std::cos(hourAngle);
  SolarPosition sun;
  sun.Altitude = std::asin(std::clamp(sinAlt, -1.0, 1.0));
  sun.Azimuth = std::atan2(std::sin(hourAngle) * std::cos(declination),
                           std::cos(hourAngle) * std::cos(declination) * std::sin(lat) -
                               std::sin(declination) * std::cos(lat));
  if (sun.Azimuth < 0) sun.Azimuth += 2 * kPi;
  return sun;
}

double WetBulbFromHumidityRatio(double t, double w) {
  // Psychrometric equation for a wet bulb above freezing; bisection between
  // the dew point range and the dry bulb, where the residual changes sign.
  auto humidityAt = [t](double wetBulb) {
    const double ws = VapourHumidityRatio(SatPressure(static_cast<float>(wetBulb)));
    return ((2501 - 2.326 * wetBulb) * ws - 1.006 * (t - wetBulb)) / (2501 + 1.86 * t - 4.186 * wetBulb);
  };
  double low = t - 60, high = t;
  if (humidityAt(high) <= w) return t;  // saturated (or supersaturated) air
  for (int i = 0; i < 80; ++i) {
    const double mid = 0.5 * (low + high);
    (humidityAt(mid) < w ? low : high) = mid;
  }
  return 0.5 * (low + high);
}

std::vector<WeatherRecord> ConvertEpwHours(const EpwWeather& epw) {
  std::vector<WeatherRecord> records;
  records.reserve(epw.Hours.size());
  for (const EpwHour& h : epw.Hours) {
    if (IsLeapDay(h)) continue;
    const SolarPosition sun = SunPositionAt(epw.Location, DayOfYear(h.Month, h.Day), h.Hour - 0.5);
    WeatherRecord rec;
    rec.HourNo = static_cast<std::int32_t>(records.size()) + 1;
    rec.DryBulb = static_cast<float>(h.DryBulb);
    rec.Weather2 = static_cast<float>(h.RelativeHumidity);
    const double dewPoint = std::min(h.DewPoint, h.DryBulb);
    const double w = VapourHumidityRatio(SatPressure(static_cast<float>(dewPoint)));
    rec.HumidityRatio = static_cast<float>(w);
    rec.WetBulb = static_cast<float>(WetBulbFromHumidityRatio(h.DryBulb, w));
    SetDirectSolar(h.DirectNormal, sun, rec);
    rec.DiffuseSolar[0] = static_cast<float>(h.DiffuseHorizontal);
    // A vertical surface sees half the isotropic sky and half the ground.
    rec.DiffuseSolar[1] = static_cast<float>(0.5 * h.DiffuseHorizontal + 0.5 * kGroundAlbedo * h.GlobalHorizontal);
    rec.SolarAltitude = ClampAltitude(sun.Altitude);
    rec.SolarAzimuth = WrapAzimuth(sun.Azimuth);
    records.push_back(rec);
  }
  return records;
}

Status ImportEpwWeather(const std::string& epwPath, const std::string& weatherPath) {
  std::string bytes;
  if (Status s = ReadFileBytes(epwPath, bytes); !s) return s;
  EpwWeather epw;
  if (Status s = ParseEpw(epwPath, bytes, epw); !s) return s;
  const EpwHour& first = epw.Hours.front();
  if (first.Month != 1 || first.Day != 1 || first.Hour != 1) {
    return Status::Error(epwPath + ": the year must begin on 1 January, hour 1");
  }
  const std::vector<WeatherRecord> records = ConvertEpwHours(epw);
  if (records.size() != static_cast<size_t>(kHoursPerYear)) {
    return Status::Error(epwPath + ": " + std::to_string(records.size()) +
                         " hours without a leap day, but a weather year needs 8760");
  }
  return WriteWeatherFile(weatherPath, records);
}

}  // namespace kelca
