#pragma once
// The year of "AnHSpCL.TXT" as the run that wrote the file keeps it in memory,
// for the plant simulation of the same run: it reads the same values, hour by
// hour, without reading the file back.
#include <memory>
#include <vector>

#include "energy/AnnualLoads.h"
#include "energy/HourlyLoadFile.h"
#include "energy/WeatherFile.h"

namespace kelca {

struct HourlyLoadYear {
  int ZoneCount = 0;
  std::array<int, kMaxZones + 1> RoomCount{};
  std::vector<WeatherRecord> Weather;  // 8760 hours
  std::unique_ptr<AnnualRoomLoads> Loads;

  // Whether the year is the one of this model's zones and rooms.
  bool Matches(const EnergyModel& model) const;
};

// The hours of a kept year as a reader of the file gets them: every number as
// its written text reads back.
class HourlyLoadYearReader : public HourlyLoadSource {
 public:
  explicit HourlyLoadYearReader(const HourlyLoadYear& year) : year_(year) {}
  bool ReadHour(HourlyLoadRecord& hour) override;
  Status Result() const override { return result_; }

 private:
  const HourlyLoadYear& year_;
  int hour_ = 0, month_ = 1, day_ = 1;
  Status result_ = Status::Ok();
};

}  // namespace kelca
