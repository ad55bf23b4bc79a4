#pragma once
// Small energy models and constructions shared by the energy tests.
#include <string>

#include "energy/AirSideData.h"
#include "energy/ConstructionTable.h"
#include "energy/EnergyModel.h"

namespace kelca::testing {

inline ConstructionLayer Concrete(float d) { return {12, "Concrete", d, 2400, 1.4f, 880}; }
inline ConstructionLayer Plaster(float d) { return {20, "Plaster", d, 1200, 0.5f, 840}; }
inline ConstructionLayer Insulation(float d) { return {31, "Mineral wool", d, 30, 0.04f, 840}; }
inline ConstructionLayer Glass(float d) { return {40, "Glass", d, 2500, 1.0f, 840}; }
inline ConstructionLayer Steel(float d) { return {50, "Steel sheet", d, 7800, 50, 480}; }
inline ConstructionLayer AirGap(float d) { return {0, "Air Gap", d, 1.2f, 0.025f, 1000}; }

// Appends a construction and returns its 1-based number.
inline int AddConstruction(ConstructionTable& table, const std::string& name, int windowFlag, float outer, float inner,
                           std::initializer_list<ConstructionLayer> layers) {
  Construction& c = table.Item[++table.ConstructionCount];
  c = Construction{name, windowFlag, 0, {outer, inner}, {}};
  for (const auto& l : layers) c.Layer[++c.LayerCount] = l;
  return table.ConstructionCount;
}

inline FabricComponent MakeComponent(const std::string& name, float area, int type, int constructionNo,
                                     int orientation, const std::string& mask = "") {
  return {name, area, type, constructionNo, orientation, mask};
}

// A room of the given type with the usual office densities and no components yet.
inline EnergyRoom MakeRoom(const std::string& name, int type, float area = 50, float height = 3) {
  EnergyRoom r;
  r.RoomName = name;
  r.RoomType = type;
  r.IdenticalRooms = 1;
  r.FloorArea = area;
  r.Height = height;
  r.Occupants = 5;
  r.VentRate = 8;
  r.RoomTemp = 24;
  r.RoomRH = 55;
  r.LightingLoad = 15;
  r.EquipmentLoad = 20;
  return r;
}

inline void AddComponent(EnergyRoom& room, const FabricComponent& c) { room.Component[++room.ComponentCount] = c; }

inline EnergyZone& AddZone(EnergyModel& model, const std::string& name, float identical = 1) {
  EnergyZone& z = model.Zone[++model.ZoneCount];
  z.ZoneName = name;
  z.IdenticalZones = identical;
  return z;
}

inline EnergyRoom& AddRoom(EnergyZone& zone, const EnergyRoom& room) { return zone.Room[++zone.RoomCount] = room; }

}  // namespace kelca::testing
