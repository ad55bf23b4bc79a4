#pragma once
// Small energy models and constructions shared by the energy tests.
#include <memory>
#include <string>

#include "energy/AirSideData.h"
#include "energy/Calendar.h"
#include "energy/ConstructionTable.h"
#include "energy/EnergyModel.h"
#include "energy/HourlyLoadFile.h"
#include "energy/RoomNodes.h"

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

// One room on constructions of its own, its nodes set up by Setup: for the tests
// of one room's physics.
struct NodeRoom {
  std::unique_ptr<ConstructionTable> table = std::make_unique<ConstructionTable>();
  std::unique_ptr<RoomState> state = std::make_unique<RoomState>();
  EnergyRoom room = MakeRoom("Room", kOffice);

  // A new construction: opaque ones absorb 0.6 of the sun outside and 0.5 inside, glazing 0.1 and 0.7.
  int Construction(std::initializer_list<ConstructionLayer> layers, bool glazing = false) {
    return AddConstruction(*table, "C" + std::to_string(table->ConstructionCount + 1), glazing ? 1 : 0,
                           glazing ? 0.1f : 0.6f, glazing ? 0.7f : 0.5f, layers);
  }
  void Add(int type, int orientation, float area, int constructionNo) {
    AddComponent(room, MakeComponent("C" + std::to_string(room.ComponentCount + 1), area, type, constructionNo,
                                     orientation));
  }
  bool Setup(SimStatus& status) { return SetupRoomNodes(room, "Zone", AirSideZone{}, 1, *table, *state, status); }

  float& At(int slot) { return state->CurrentTemps()[slot]; }
  const RoomComponent& C(int c) const { return state->Component[c]; }
  float& Node(int c, int k) { return At(C(c).NodeSlot(k)); }
  void SetBoundaries(int c, float outside, float inside) {
    At(C(c).OutsideSlot()) = outside;
    At(C(c).InsideSlot()) = inside;
  }
};

// The outdoor air of an hourly load record.
struct LoadHourWeather {
  float DryBulb = 14, WetBulb = 12, HumidityRatio = 0.008f;
};

// An hourly load file of the model for the year from 1 January (or its first
// `hours` hours) in which every room has the same load at the same outdoor air.
inline Status WriteConstantLoads(const std::string& path, const EnergyModel& model, RoomHourLoad load,
                                 LoadHourWeather w = {}, int hours = kHoursPerYear) {
  HourlyLoadWriter out(4);
  HourlyLoadRecord rec;
  rec.DryBulb = w.DryBulb;
  rec.WetBulb = w.WetBulb;
  rec.HumidityRatio = w.HumidityRatio;
  rec.ZoneCount = model.ZoneCount;
  for (int z = 1; z <= model.ZoneCount; ++z) {
    rec.RoomCount[z] = model.Zone[z].RoomCount;
    for (int r = 1; r <= rec.RoomCount[z]; ++r) rec.Room[z][r] = load;
  }
  int written = 0;
  for (rec.Month = 1; rec.Month <= 12; ++rec.Month) {
    for (rec.Day = 1; rec.Day <= kDaysInMonth[rec.Month - 1]; ++rec.Day) {
      for (rec.Hour = 1; rec.Hour <= kHoursPerDay && written < hours; ++rec.Hour, ++written) out.AddHour(rec);
    }
  }
  return out.Save(path);
}

}  // namespace kelca::testing
