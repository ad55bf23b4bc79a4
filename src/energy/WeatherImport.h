#pragma once
// Conversion of an EnergyPlus weather year (EPW) into the hourly weather file
// of the load calculation ("ZQW1989.TXT"): 8760 records of 19 fields.
//
// Field 3 (Weather2), which no calculation reads, carries the EPW relative
// humidity in percent. Field 6 (direct irradiance for orientation code 0, which
// no calculation reads) carries the direct normal irradiance.
#include <string>
#include <vector>

#include "common/Status.h"
#include "energy/WeatherFile.h"

namespace kelca {

constexpr double kGroundAlbedo = 0.2;

// The site, from the EPW LOCATION line.
struct EpwLocation {
  std::string Place;
  double Latitude = 0;   // deg, north positive
  double Longitude = 0;  // deg, east positive
  double TimeZone = 0;   // hours from GMT, east positive
};

// The EPW fields the conversion uses, for one hour (hour 1..24 ends at that o'clock).
struct EpwHour {
  int Month = 0, Day = 0, Hour = 0;
  double DryBulb = 0, DewPoint = 0, RelativeHumidity = 0;  // deg C, deg C, %
  double GlobalHorizontal = 0, DirectNormal = 0, DiffuseHorizontal = 0;  // Wh/m2 over the hour
};

struct EpwWeather {
  EpwLocation Location;
  std::vector<EpwHour> Hours;  // in file order
};

// Position of the sun: altitude above the horizon and azimuth from south towards west, rad.
struct SolarPosition {
  double Altitude = 0;
  double Azimuth = 0;
};

// Reads EPW text (LF or CR LF); the name is used in messages. Missing values
// (the EPW codes 99.9, 999, 9999) and hours out of order are reported with the line.
Status ParseEpw(const std::string& name, const std::string& text, EpwWeather& out);

// Sun position at a local standard time (hours, 0..24) of a day of the year (1..365).
SolarPosition SunPositionAt(const EpwLocation& site, int dayOfYear, double standardHour);

// Wet-bulb temperature of air at dry bulb t and humidity ratio w (psychrometric
// equation, standard pressure), deg C.
double WetBulbFromHumidityRatio(double t, double w);

// Converts the hours of an EPW year, dropping 29 February; the sun is taken at
// the middle of each hour. HourNo runs from 1 over the records kept.
std::vector<WeatherRecord> ConvertEpwHours(const EpwWeather& epw);

// Reads an EPW file and writes the weather file; the year must give 8760 hours
// once a leap day is dropped. Nothing is written on failure.
Status ImportEpwWeather(const std::string& epwPath, const std::string& weatherPath);

}  // namespace kelca
