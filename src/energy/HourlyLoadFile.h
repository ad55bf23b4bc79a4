#pragma once
// "AnHSpCL.TXT", the annual hourly space cooling loads of every unique room:
// for each month, day and hour an hour line with the weather the plant needs,
// then for each zone a zone line and one line per room.
#include <array>
#include <string>

#include "common/FileIO.h"
#include "common/Status.h"
#include "common/TextReader.h"
#include "common/TextWriter.h"
#include "energy/Calendar.h"
#include "energy/EnergyModel.h"

namespace kelca {

constexpr const char* kHourlyLoadFileName = "AnHSpCL.TXT";

struct RoomHourLoad {
  float SensibleLoad = 0;  // W, mean of the hour
  float LatentLoad = 0;    // W, mean of the hour
  float RoomAirTemp = 0;   // deg C at the end of the hour

  bool operator==(const RoomHourLoad&) const = default;
};

struct HourlyLoadRecord {
  int Month = 0, Day = 0, Hour = 0;  // 1..12, 1..31, 1..24
  float DryBulb = 0, Weather2 = 0, WetBulb = 0, HumidityRatio = 0;
  int ZoneCount = 0;
  std::array<int, kMaxZones + 1> RoomCount{};
  std::array<std::array<RoomHourLoad, kMaxRoomsPerZone + 1>, kMaxZones + 1> Room{};  // [zone][room], from 1
};

// Gathers the year in memory and replaces the file only once it is complete.
class HourlyLoadWriter {
 public:
  // roomCount: the number of room lines per hour, to make room for the text of
  // so many hours at once.
  explicit HourlyLoadWriter(int roomCount = 0, int hours = kHoursPerYear);
  void AddHour(const HourlyLoadRecord& hour);
  // The hours of another writer after those of this one.
  void Append(const HourlyLoadWriter& later) { text_.Append(later.text_); }
  Status Save(const std::string& path, const WriteFault* fault = nullptr) const { return text_.Save(path, fault); }

 private:
  TextWriter text_;
};

// Where the plant simulation takes its hours from, one after the other.
class HourlyLoadSource {
 public:
  virtual ~HourlyLoadSource() = default;
  // The next hour; false at a fault (see Result).
  virtual bool ReadHour(HourlyLoadRecord& hour) = 0;
  virtual Status Result() const = 0;
};

// Reads the file hour by hour. The zones and their room counts must be those of
// the energy model the plant runs on; a file of another model is refused.
class HourlyLoadReader : public HourlyLoadSource {
 public:
  static Status Open(const std::string& path, const EnergyModel& model, HourlyLoadReader& reader);
  // The next hour; false at a fault (see Result), a file that ends early included.
  bool ReadHour(HourlyLoadRecord& hour) override;
  Status Result() const override { return in_.Result(); }

 private:
  TextReader in_{"", ""};
  int zoneCount_ = 0;
  std::array<int, kMaxZones + 1> roomCount_{};
};

}  // namespace kelca
