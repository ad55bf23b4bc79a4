// The weather year and the hourly space cooling load file: layouts, round
// trips and the refusal of files that do not fit.
#include <gtest/gtest.h>

#include <memory>

#include "energy/HourlyLoadFile.h"
#include "energy/WeatherFile.h"
#include "support/SampleModels.h"
#include "support/TempFolder.h"

using namespace kelca;
using namespace kelca::testing;

namespace {
std::vector<WeatherRecord> SyntheticYear() {
  std::vector<WeatherRecord> year(8760);
  for (int h = 0; h < 8760; ++h) {
    year[h] = {h + 1, 20 + (h % 24) * 0.5f, 1013.25f, 18.5f, 0.0125f, {}, {80, 40}, 0.25f, 6.25f};
    for (int o = 0; o < 10; ++o) year[h].DirectSolar[o] = o * 10.5f;
  }
  return year;
}
}  // namespace

TEST(WeatherFile, NineteenFieldsPerRecordAndARoundTripOfExactlyAYear) {
  TempFolder dir;
  auto year = SyntheticYear();
  ASSERT_TRUE(WriteWeatherFile(dir.File("ZQW1989.TXT"), year));
  const std::string text = dir.Read("ZQW1989.TXT");
  EXPECT_TRUE(
      text.starts_with("1,20,1013.25,18.5,0.0125,0,10.5,21,31.5,42,52.5,63,73.5,84,94.5,80,40,0.25,6.25\r\n2,"));
  std::vector<WeatherRecord> back;
  ASSERT_TRUE(ReadWeatherFile(dir.File("ZQW1989.TXT"), back));
  EXPECT_EQ(back, year);

  std::vector<WeatherRecord> kept(3);  // a year of another length is refused and nothing is kept
  year.pop_back();
  ASSERT_TRUE(WriteWeatherFile(dir.File("W.TXT"), year));
  Status s = ReadWeatherFile(dir.File("W.TXT"), kept);
  EXPECT_NE(s.message.find("W.TXT: line 8759: the file ends after 8759 of 8760 hourly records"), std::string::npos)
      << s.message;
  EXPECT_EQ(kept.size(), 3u);
  year.push_back(year.back());
  year.push_back(year.back());
  ASSERT_TRUE(WriteWeatherFile(dir.File("W.TXT"), year));
  s = ReadWeatherFile(dir.File("W.TXT"), kept);
  EXPECT_NE(s.message.find("more than 8760 hourly records"), std::string::npos) << s.message;
}

namespace {
std::unique_ptr<EnergyModel> ModelOfRoomCounts(std::initializer_list<int> counts) {
  auto m = std::make_unique<EnergyModel>();
  for (int n : counts) {
    EnergyZone& z = AddZone(*m, "Z");
    for (int r = 0; r < n; ++r) AddRoom(z, MakeRoom("R", kOffice));
  }
  return m;
}

HourlyLoadRecord HourOf(const EnergyModel& m, int month, int day, int hour) {
  HourlyLoadRecord h{month, day, hour, 31.5f, 7, 27.25f, 0.0195f, m.ZoneCount};
  for (int z = 1; z <= m.ZoneCount; ++z) {
    h.RoomCount[z] = m.Zone[z].RoomCount;
    for (int r = 1; r <= h.RoomCount[z]; ++r) h.Room[z][r] = {1000.5f * z + r, 0.25f * r, 24 + 0.5f * z};
  }
  return h;
}
}  // namespace

TEST(HourlyLoadFile, LayoutOfAnHourReadBackOnlyForTheSameModel) {
  TempFolder dir;
  const auto model = ModelOfRoomCounts({2, 12});
  HourlyLoadWriter w(14);
  w.AddHour(HourOf(*model, 1, 1, 1));
  w.AddHour(HourOf(*model, 12, 31, 24));
  ASSERT_TRUE(w.Save(dir.File("AnHSpCL.TXT")));
  EXPECT_TRUE(dir.Read("AnHSpCL.TXT").starts_with("1,1,1,31.5,7,27.25,0.0195\r\n"
                                                   "1,2\r\n1,1001.5,0.25,24.5\r\n2,1002.5,0.5,24.5\r\n"
                                                   "2,12\r\n1,2002,0.25,25\r\n2,"));
  // The whole runs of the load calculation read every hour back; here the end of a short file.
  HourlyLoadReader reader;
  ASSERT_TRUE(HourlyLoadReader::Open(dir.File("AnHSpCL.TXT"), *model, reader));
  auto h = std::make_unique<HourlyLoadRecord>();
  ASSERT_TRUE(reader.ReadHour(*h) && reader.ReadHour(*h));
  EXPECT_EQ(h->Room[2][12], (RoomHourLoad{2013.0f, 3.0f, 25.0f}));
  EXPECT_FALSE(reader.ReadHour(*h));
  EXPECT_NE(reader.Result().message.find("the file ends early"), std::string::npos);

  // Read for a model of other room counts, the first hour is refused.
  HourlyLoadReader other;
  ASSERT_TRUE(HourlyLoadReader::Open(dir.File("AnHSpCL.TXT"), *ModelOfRoomCounts({3}), other));
  EXPECT_FALSE(other.ReadHour(*h));
  EXPECT_EQ(other.Result().message,
            dir.File("AnHSpCL.TXT") + ": line 2: zone 1 with 2 rooms where the energy model has zone 1 with 3 rooms");
}
