#include "energy/HourlyLoadFile.h"

#include "energy/Calendar.h"

namespace kelca {

HourlyLoadWriter::HourlyLoadWriter(int roomCount, int hours) {
  // About 60 bytes an hour line, 8 a zone line and at most 50 a room line.
  text_.Reserve(static_cast<size_t>(hours) * (60 + 8 * kMaxZones + 50 * static_cast<size_t>(roomCount)));
}

void HourlyLoadWriter::AddHour(const HourlyLoadRecord& h) {
  text_.Line(h.Month, h.Day, h.Hour, h.DryBulb, h.Weather2, h.WetBulb, h.HumidityRatio);
  for (int z = 1; z <= h.ZoneCount; ++z) {
    text_.Line(z, h.RoomCount[z]);
    for (int r = 1; r <= h.RoomCount[z]; ++r) {
      const RoomHourLoad& room = h.Room[z][r];
      text_.Line(r, room.SensibleLoad, room.LatentLoad, room.RoomAirTemp);
    }
  }
}

Status HourlyLoadReader::Open(const std::string& path, const EnergyModel& model, HourlyLoadReader& reader) {
  HourlyLoadReader opened;
  if (Status s = TextReader::Open(path, opened.in_); !s) return s;
  opened.zoneCount_ = model.ZoneCount;
  for (int z = 1; z <= model.ZoneCount; ++z) opened.roomCount_[z] = model.Zone[z].RoomCount;
  reader = std::move(opened);
  return Status::Ok();
}

bool HourlyLoadReader::ReadHour(HourlyLoadRecord& h) {
  if (!(in_.ReadInt(h.Month) && in_.ReadInt(h.Day) && in_.ReadInt(h.Hour) && in_.ReadSingle(h.DryBulb) &&
        in_.ReadSingle(h.Weather2) && in_.ReadSingle(h.WetBulb) && in_.ReadSingle(h.HumidityRatio))) {
    return false;
  }
  h.ZoneCount = zoneCount_;
  for (int z = 1; z <= zoneCount_; ++z) {
    int zone = 0, rooms = 0;
    if (!(in_.ReadInt(zone) && in_.ReadInt(rooms))) return false;
    if (zone != z || rooms != roomCount_[z]) {
      return in_.Fail("zone " + std::to_string(zone) + " with " + std::to_string(rooms) +
                      " rooms where the energy model has zone " + std::to_string(z) + " with " +
                      std::to_string(roomCount_[z]) + " rooms");
    }
    h.RoomCount[z] = rooms;
    for (int r = 1; r <= rooms; ++r) {
      int room = 0;
      RoomHourLoad& load = h.Room[z][r];
      if (!(in_.ReadInt(room) && in_.ReadSingle(load.SensibleLoad) && in_.ReadSingle(load.LatentLoad) &&
            in_.ReadSingle(load.RoomAirTemp))) {
        return false;
      }
      if (room != r) return in_.Fail("room " + std::to_string(room) + " where room " + std::to_string(r) + " belongs");
    }
  }
  return true;
}

}  // namespace kelca
