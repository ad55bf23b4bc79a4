// The zones and rooms of the largest energy model the tables allow, as both
// the load and the plant benchmarks use them: 20 floors of 12 office rooms.
#pragma once

#include <string>

#include "energy/EnergyModel.h"

namespace kelca::bench {

// Fills every zone and room slot and calls perRoom(zoneIndex, roomIndex, room)
// for what a benchmark adds to each room.
template <typename PerRoom>
void FillLargestModel(EnergyModel& m, PerRoom&& perRoom) {
  m.ZoneCount = kMaxZones;
  for (int z = 1; z <= kMaxZones; ++z) {
    EnergyZone& zone = m.Zone[z];
    zone.ZoneName = "Floor " + std::to_string(z);
    zone.IdenticalZones = 1;
    zone.RoomCount = kMaxRoomsPerZone;
    for (int r = 1; r <= kMaxRoomsPerZone; ++r) {
      EnergyRoom& room = zone.Room[r];
      room.RoomName = "Room " + std::to_string(r);
      room.RoomType = 1 + (r - 1) % 4;
      room.IdenticalRooms = 1;
      room.FloorArea = 60;
      room.Height = 3;
      room.Occupants = 6;
      room.VentRate = 8;
      room.RoomTemp = 24;
      room.RoomRH = 55;
      perRoom(z, r, room);
    }
  }
}

}  // namespace kelca::bench
