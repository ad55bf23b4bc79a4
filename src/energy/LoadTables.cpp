#include "energy/LoadTables.h"

#include <algorithm>

#include "energy/Calendar.h"

namespace kelca {

namespace {

// Hours 1..24 from a row whose first value covers hours 1..firstHours.
std::array<float, 25> Hours(float first, int firstHours, std::initializer_list<float> rest) {
  std::array<float, 25> row{};
  std::fill(row.begin() + 1, row.begin() + 1 + firstHours, first);
  const size_t room = static_cast<size_t>(kHoursPerDay - firstHours);
  std::copy_n(rest.begin(), std::min(rest.size(), room), row.begin() + 1 + firstHours);
  return row;
}

constexpr int kOfficeSaturdayEnd = 13;

}  // namespace

void InitLoadTables(LoadTables& t) {
  t = LoadTables{};
  t.Occupancy[kOffice] = Hours(0, 7, {0.05f, 0.4f, 0.95f, 0.95f, 0.95f, 0.95f, 0.45f, 0.95f, 0.95f, 0.95f, 0.5f,
                                      0.25f, 0.1f, 0.05f, 0, 0, 0});
  t.Occupancy[kRetail] = Hours(0, 7, {0, 0, 0.25f, 0.25f, 0.25f, 0.75f, 0.75f, 0.25f, 0.25f, 0.25f, 0.25f, 0.75f,
                                      0.75f, 0.75f, 0.75f, 0, 0});
  t.Occupancy[kRestaurant] = Hours(0, 6, {0.6f, 0.6f, 0.6f, 0.6f, 0.6f, 0.9f, 0.9f, 0.9f, 0.05f, 0.05f, 0.05f,
                                          0.05f, 0.75f, 0.75f, 0.75f, 0.75f, 0.05f, 0.05f});
  t.Occupancy[kHotelGuestRoom] = Hours(0.95f, 7, {0.95f, 0.2f, 0.2f, 0.2f, 0.2f, 0.2f, 0.2f, 0.2f, 0.2f, 0.2f,
                                                  0.2f, 0.2f, 0.2f, 0.95f, 0.95f, 0.95f, 0.95f});

  t.Lighting[kOffice] = Hours(0.05f, 7, {0.1f, 0.5f, 1, 1, 1, 1, 0.9f, 1, 1, 1, 0.8f, 0.5f, 0.3f, 0.2f, 0.05f,
                                         0.05f, 0.05f});
  t.Lighting[kRetail] = Hours(0, 7, {0, 0, 0, 0.95f, 0.95f, 0.95f, 0.95f, 0.95f, 0.95f, 0.95f, 0.95f, 0.95f,
                                     0.95f, 0.95f, 0.95f, 0, 0});
  t.Lighting[kRestaurant] = Hours(0.1f, 6, {0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.5f, 0.5f,
                                            0.5f, 0.95f, 0.95f, 0.95f, 0.95f, 0.75f, 0.25f});
  t.Lighting[kHotelGuestRoom] = Hours(0.2f, 7, {0.2f, 0.35f, 0.35f, 0.35f, 0.35f, 0.35f, 0.35f, 0.35f, 0.35f,
                                                0.35f, 0.35f, 0.35f, 0.35f, 0.9f, 0.9f, 0.9f, 0.9f});

  t.Equipment[kOffice] = Hours(0.1f, 7, {0.15f, 0.5f, 1, 1, 1, 1, 0.8f, 1, 1, 1, 0.6f, 0.4f, 0.2f, 0.15f, 0.1f,
                                         0.1f, 0.1f});
  t.Equipment[kRetail] = Hours(0.05f, 7, {0.05f, 0.05f, 0.05f, 0.75f, 0.75f, 0.75f, 0.75f, 0.75f, 0.75f, 0.75f,
                                          0.75f, 0.75f, 0.75f, 0.75f, 0.75f, 0.05f, 0.05f});
  t.Equipment[kRestaurant] = Hours(0.1f, 6, {0.75f, 0.75f, 0.75f, 0.75f, 0.75f, 0.75f, 0.75f, 0.75f, 0.6f, 0.6f,
                                             0.6f, 0.6f, 0.75f, 0.75f, 0.75f, 0.75f, 0.1f, 0.1f});
  t.Equipment[kHotelGuestRoom] = Hours(0.3f, 7, {0.3f, 0.35f, 0.35f, 0.35f, 0.35f, 0.35f, 0.35f, 0.35f, 0.35f,
                                                 0.35f, 0.35f, 0.35f, 0.35f, 0.6f, 0.6f, 0.6f, 0.6f});

  t.StartHour = {0, 8, 9, 6, 0, 24};
  t.EndHour = {0, 19, 22, 24, 24, 0};

  t.GlassTransmittance = {-0.00885f, 2.71235f, -0.62062f, -7.07329f, 9.75995f, -3.89922f};
  t.GlassAbsorptance = {0.01154f, 0.77674f, -3.94657f, 8.57881f, -8.38135f, 3.01188f};
  t.DiffuseTransmittance = 0.79901f;
  t.DiffuseAbsorptance = 0.054359f;
}

ScheduleFractions FractionsForHour(const LoadTables& t, int roomType, int dayType, int hour) {
  if (roomType < 0 || roomType > kMaxRoomType || hour < 1 || hour > kHoursPerDay) return {};
  if (roomType == kOffice && (dayType == kSunday || (dayType == kSaturday && hour > kOfficeSaturdayEnd))) return {};
  return {t.Occupancy[roomType][hour], t.Lighting[roomType][hour], t.Equipment[roomType][hour]};
}

bool IsOperatingHour(const LoadTables& t, int roomType, int dayType, int hourIndex) {
  if (roomType < 0 || roomType > kMaxRoomType) return false;
  int end = t.EndHour[roomType];
  if (roomType == kOffice) {
    if (dayType == kSunday) return false;
    if (dayType == kSaturday) end = kOfficeSaturdayEnd;
  }
  return t.StartHour[roomType] <= hourIndex && hourIndex + 1 <= end;
}

}  // namespace kelca
