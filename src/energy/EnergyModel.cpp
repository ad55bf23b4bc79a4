#include "energy/EnergyModel.h"

#include <memory>

#include "common/Paths.h"
#include "common/TextReader.h"
#include "common/TextWriter.h"

namespace kelca {

const std::array<const char*, kMaxRoomType + 1> kRoomTypeNames = {"",       "Office",           "Retail",
                                                                  "Restaurant", "Hotel Guest Room", "Non-AC"};
const std::array<const char*, kMaxComponentType + 1> kComponentTypeNames = {
    "", "Roof", "Window", "External Wall", "Floor/Ceiling", "Partition"};
const std::array<const char*, kMaxOrientation + 1> kOrientationNames = {"",  "N",  "NE", "E",  "SE",
                                                                        "S", "SW", "W",  "NW", "Hori."};

EnergyFileNames DeriveEnergyFileNames(const std::string& projectFile) {
  return {ReplaceLastThree(projectFile, "CON"), ReplaceLastThree(projectFile, "ECI"),
          ReplaceLastThree(projectFile, "ASS")};
}

Status WriteEnergyInputFile(const std::string& path, const std::string& projectName, const EnergyModel& model) {
  TextWriter w;
  w.Line("Energy Calculation Input for Project: " + projectName);
  w.Line(model.ZoneCount);
  for (int z = 1; z <= model.ZoneCount; ++z) {
    const EnergyZone& zone = model.Zone[z];
    w.Line(zone.ZoneName);
    w.Line(zone.IdenticalZones);
    w.Line(zone.RoomCount);
    for (int r = 1; r <= zone.RoomCount; ++r) {
      const EnergyRoom& room = zone.Room[r];
      w.Line(room.RoomName, room.RoomType, room.IdenticalRooms);
      w.Line(room.FloorArea, room.Height);
      w.Line(room.Occupants, room.VentRate);
      w.Line(room.RoomTemp, room.RoomRH);
      w.Line(room.LightingLoad, room.EquipmentLoad);
      w.Line(room.ComponentCount);
      for (int c = 1; c <= room.ComponentCount; ++c) {
        const FabricComponent& comp = room.Component[c];
        w.Line(comp.ComponentName);
        w.Line(comp.ComponentArea);
        w.Line(comp.ComponentType);
        w.Line(comp.ConstructionNo);
        w.Line(comp.Orientation);
        w.Line(comp.ShadingMaskFile);
      }
    }
  }
  return w.Save(path);
}

namespace {

bool ReadComponent(TextReader& in, FabricComponent& comp) {
  return in.ReadString(comp.ComponentName) && in.ReadSingle(comp.ComponentArea) &&
         in.ReadCount(comp.ComponentType, 0, kMaxComponentType, "the component type") &&
         in.ReadInt(comp.ConstructionNo) && in.ReadCount(comp.Orientation, 0, kMaxOrientation, "the orientation") &&
         in.ReadString(comp.ShadingMaskFile);
}

bool ReadRoom(TextReader& in, EnergyRoom& room) {
  if (!(in.ReadString(room.RoomName) && in.ReadCount(room.RoomType, 0, kMaxRoomType, "the room type") &&
        in.ReadSingle(room.IdenticalRooms) && in.ReadSingle(room.FloorArea) && in.ReadSingle(room.Height) &&
        in.ReadSingle(room.Occupants) && in.ReadSingle(room.VentRate) && in.ReadSingle(room.RoomTemp) &&
        in.ReadSingle(room.RoomRH) && in.ReadSingle(room.LightingLoad) && in.ReadSingle(room.EquipmentLoad) &&
        in.ReadCount(room.ComponentCount, 0, kMaxComponentsPerRoom, "the number of fabric components"))) {
    return false;
  }
  for (int c = 1; c <= room.ComponentCount; ++c) {
    if (!ReadComponent(in, room.Component[c])) return false;
  }
  return true;
}

bool ReadZone(TextReader& in, EnergyZone& zone) {
  if (!(in.ReadString(zone.ZoneName) && in.ReadSingle(zone.IdenticalZones) &&
        in.ReadCount(zone.RoomCount, 0, kMaxRoomsPerZone, "the number of rooms"))) {
    return false;
  }
  for (int r = 1; r <= zone.RoomCount; ++r) {
    if (!ReadRoom(in, zone.Room[r])) return false;
  }
  return true;
}

}  // namespace

Status ReadEnergyInputFile(const std::string& path, EnergyModel& model) {
  TextReader in("", "");
  if (Status opened = TextReader::Open(path, in); !opened) return opened;
  // Read into a fresh model so that nothing of an earlier model lingers beyond the new counts.
  auto read = std::make_unique<EnergyModel>();
  std::string title;
  if (in.ReadString(title) && in.ReadCount(read->ZoneCount, 0, kMaxZones, "the number of zones")) {
    for (int z = 1; z <= read->ZoneCount; ++z) {
      if (!ReadZone(in, read->Zone[z])) break;
    }
  }
  if (!in.Failed() && !in.AtEnd()) in.Fail("the file holds more than the zones it counts");
  model = std::move(*read);
  return in.Result();
}

}  // namespace kelca
