#pragma once
// The hourly weather year the load calculation runs on: 8760 records in
// calendar order, 19 fields each.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/Status.h"

namespace kelca {

constexpr const char* kWeatherFileName = "ZQW1989.TXT";

struct WeatherRecord {
  std::int32_t HourNo = 0;  // running hour number
  float DryBulb = 0;        // deg C
  float Weather2 = 0;       // passed through to the hourly load file unchanged
  float WetBulb = 0;        // deg C
  float HumidityRatio = 0;  // kg/kg
  // W/m2 on a surface of orientation code 0..9 (1 N .. 8 NW, 9 horizontal; 0 unused).
  std::array<float, 10> DirectSolar{};
  std::array<float, 2> DiffuseSolar{};  // W/m2 on a horizontal [0] and a vertical [1] surface
  float SolarAltitude = 0;  // rad, 0 <= value < pi/2 while the sun is up
  float SolarAzimuth = 0;   // rad from south towards west, 0 <= value < 2 pi

  bool operator==(const WeatherRecord&) const = default;
};

// Reads exactly 8760 records; fewer or more is refused with a message naming the file.
Status ReadWeatherFile(const std::string& path, std::vector<WeatherRecord>& hours);
// One record per line in the write form.
Status WriteWeatherFile(const std::string& path, const std::vector<WeatherRecord>& hours);

}  // namespace kelca
