#include "energy/WeatherFile.h"

#include "common/TextReader.h"
#include "common/TextWriter.h"
#include "energy/Calendar.h"

namespace kelca {

namespace {
bool ReadRecord(TextReader& in, WeatherRecord& r) {
  int hourNo = 0;
  bool ok = in.ReadInt(hourNo) && in.ReadSingle(r.DryBulb) && in.ReadSingle(r.Weather2) &&
            in.ReadSingle(r.WetBulb) && in.ReadSingle(r.HumidityRatio);
  for (float& v : r.DirectSolar) ok = ok && in.ReadSingle(v);
  for (float& v : r.DiffuseSolar) ok = ok && in.ReadSingle(v);
  ok = ok && in.ReadSingle(r.SolarAltitude) && in.ReadSingle(r.SolarAzimuth);
  r.HourNo = hourNo;
  return ok;
}
}  // namespace

Status ReadWeatherFile(const std::string& path, std::vector<WeatherRecord>& hours) {
  TextReader in("", "");
  if (Status opened = TextReader::Open(path, in); !opened) return opened;
  std::vector<WeatherRecord> read(kHoursPerYear);
  for (int h = 0; h < kHoursPerYear; ++h) {
    if (in.AtEnd()) {
      in.Fail("the file ends after " + std::to_string(h) + " of " + std::to_string(kHoursPerYear) +
              " hourly records");
    }
    if (!ReadRecord(in, read[h])) return in.Result();
  }
  if (!in.AtEnd()) in.Fail("the file holds more than " + std::to_string(kHoursPerYear) + " hourly records");
  if (in.Failed()) return in.Result();
  hours = std::move(read);
  return Status::Ok();
}

Status WriteWeatherFile(const std::string& path, const std::vector<WeatherRecord>& hours) {
  TextWriter w;
  for (const WeatherRecord& r : hours) {
    const auto& d = r.DirectSolar;
    w.Line(r.HourNo, r.DryBulb, r.Weather2, r.WetBulb, r.HumidityRatio, d[0], d[1], d[2], d[3], d[4], d[5], d[6],
           d[7], d[8], d[9], r.DiffuseSolar[0], r.DiffuseSolar[1], r.SolarAltitude, r.SolarAzimuth);
  }
  return w.Save(path);
}

}  // namespace kelca
