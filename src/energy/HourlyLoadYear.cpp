#include "energy/HourlyLoadYear.h"

#include "common/Numbers.h"
#include "energy/Calendar.h"

namespace kelca {

bool HourlyLoadYear::Matches(const EnergyModel& model) const {
  if (!Loads || Weather.size() != static_cast<size_t>(kHoursPerYear) || model.ZoneCount != ZoneCount) return false;
  for (int z = 1; z <= ZoneCount; ++z) {
    if (model.Zone[z].RoomCount != RoomCount[z]) return false;
  }
  return true;
}

bool HourlyLoadYearReader::ReadHour(HourlyLoadRecord& h) {
  if (hour_ >= kHoursPerYear) {
    result_ = Status::Error("The kept hourly loads end after " + std::to_string(kHoursPerYear) + " hours");
    return false;
  }
  const int hourOfDay = hour_ % kHoursPerDay;
  if (hour_ > 0 && hourOfDay == 0 && ++day_ > kDaysInMonth[month_ - 1]) {
    day_ = 1;
    ++month_;
  }
  const WeatherRecord& w = year_.Weather[hour_];
  h.Month = month_;
  h.Day = day_;
  h.Hour = hourOfDay + 1;
  h.DryBulb = SingleAsRead(w.DryBulb);
  h.Weather2 = SingleAsRead(w.Weather2);
  h.WetBulb = SingleAsRead(w.WetBulb);
  h.HumidityRatio = SingleAsRead(w.HumidityRatio);
  h.ZoneCount = year_.ZoneCount;
  for (int z = 1; z <= year_.ZoneCount; ++z) {
    h.RoomCount[z] = year_.RoomCount[z];
    for (int r = 1; r <= year_.RoomCount[z]; ++r) {
      const RoomHourLoad& load = year_.Loads->Room[z][r][hour_];
      h.Room[z][r] = {SingleAsRead(load.SensibleLoad), SingleAsRead(load.LatentLoad), SingleAsRead(load.RoomAirTemp)};
    }
  }
  ++hour_;
  return true;
}

}  // namespace kelca
