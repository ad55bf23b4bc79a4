// The largest energy model the tables allow, as every benchmark uses it: 20
// floors of 12 rooms of 10 fabric components on four-layer constructions, two
// windows per room with shading masks, a synthetic hot-humid weather year, VAV
// air handlers with central fresh-air units, and the heaviest plant kind (an
// indirect seawater-cooled plant with cooling towers). WriteProject puts it in
// a folder as a project that kelca-cli energy runs.
#pragma once

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "building/ProjectState.h"
#include "energy/AirSideData.h"
#include "energy/Calendar.h"
#include "energy/ConstructionTable.h"
#include "energy/EnergyModel.h"
#include "energy/ShadingMask.h"
#include "energy/WeatherFile.h"
#include "plant/NonACServices.h"
#include "plant/PlantInput.h"

namespace kelca::bench {

constexpr const char* kLargestProjectFile = "LARGEST.PRJ";

// Fills every zone and room slot and calls perRoom(zoneIndex, roomIndex, room)
// for what is added to each room.
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

struct LargestModel {
  std::unique_ptr<EnergyModel> model = std::make_unique<EnergyModel>();
  std::unique_ptr<ConstructionTable> constructions = std::make_unique<ConstructionTable>();
  std::unique_ptr<AirSideData> airSide = std::make_unique<AirSideData>();
  std::unique_ptr<PlantInput> plant = std::make_unique<PlantInput>();
  std::vector<WeatherRecord> weather;

  // The shading masks are written to maskFolder; the windows name them by file name only.
  explicit LargestModel(const std::string& maskFolder) {
    BuildConstructions();
    BuildMasks(maskFolder);
    BuildRooms();
    BuildAirSide();
    BuildPlant();
    BuildWeather();
  }

  // The project (".PRJ" without groups, ".ECI", ".CON", ".ASS", ".WSS", ".NAC")
  // and the weather year as "ZQW1989.TXT", in folder (ending in "/").
  bool WriteProject(const std::string& folder) const {
    ProjectState project;
    project.ProjName = "Largest energy model";
    project.CFA = 14400;
    const std::string base = folder + "LARGEST.";
    return WriteProjectFile(folder + kLargestProjectFile, project) &&
           WriteEnergyInputFile(base + "ECI", "Largest", *model) &&
           WriteConstructionFile(base + "CON", *constructions) &&
           WriteAirSideFile(base + "ASS", "Largest", *model, *airSide) &&
           WritePlantFile(base + "WSS", "Largest", *plant) &&
           WriteNonACFile(base + "NAC", "Largest", NonACServices{}) &&
           WriteWeatherFile(folder + kWeatherFileName, weather);
  }

 private:
  static ConstructionLayer Layer(int no, const char* name, float d, float rho, float k, float cp) {
    return {no, name, d, rho, k, cp};
  }

  void Add(const char* name, int window, float outer, float inner, std::initializer_list<ConstructionLayer> layers) {
    Construction& c = constructions->Item[++constructions->ConstructionCount];
    c.Name = name;
    c.WindowFlag = window;
    c.SurfaceValue = {outer, inner};
    for (const auto& l : layers) c.Layer[++c.LayerCount] = l;
  }

  void BuildConstructions() {
    Add("Brick cavity wall", 0, 0.6f, 0.5f,
        {Layer(20, "Render", 0.015f, 1800, 0.72f, 840), Layer(60, "Brick", 0.11f, 1800, 0.77f, 800),
         Layer(31, "Mineral wool", 0.05f, 30, 0.04f, 840), Layer(21, "Plaster", 0.013f, 1200, 0.5f, 840)});
    Add("Double glazing", 1, 0.1f, 0.7f,
        {Layer(40, "Glass", 0.006f, 2500, 1.0f, 840), Layer(0, "Air Gap", 0.012f, 0, 0, 0),
         Layer(40, "Glass", 0.006f, 2500, 1.0f, 840), Layer(41, "Solar film", 0.0005f, 1400, 0.2f, 1200)});
    Add("Slab", 0, 0.5f, 0.5f,
        {Layer(22, "Screed", 0.05f, 2000, 1.2f, 840), Layer(12, "Concrete", 0.15f, 2400, 1.4f, 880),
         Layer(0, "Air Gap", 0.3f, 0, 0, 0), Layer(23, "Ceiling board", 0.012f, 900, 0.25f, 1000)});
    Add("Roof", 0, 0.8f, 0.5f,
        {Layer(24, "Membrane", 0.005f, 1100, 0.23f, 1000), Layer(12, "Concrete", 0.15f, 2400, 1.4f, 880),
         Layer(32, "Foam board", 0.05f, 35, 0.03f, 1400), Layer(21, "Plaster", 0.013f, 1200, 0.5f, 840)});
    Add("Partition", 0, 0.5f, 0.5f,
        {Layer(21, "Plaster", 0.013f, 1200, 0.5f, 840), Layer(61, "Block", 0.05f, 1400, 0.5f, 1000),
         Layer(61, "Block", 0.05f, 1400, 0.5f, 1000), Layer(21, "Plaster", 0.013f, 1200, 0.5f, 840)});
  }

  static void BuildMasks(const std::string& folder) {
    for (int o : {3, 5}) {
      ShadingMaskInput in;
      in.Orientation = o;
      in.W = 3;
      in.H = 1.5f;
      in.OP = 0.6f;
      in.DT = 0.2f;
      in.LP = in.RP = 0.3f;
      in.Name = o == 3 ? "EAST" : "SOUTH";
      ShadingMask mask;
      GenerateShadingMask(in, mask);
      SaveShadingMask(folder, in, mask);
    }
  }

  void BuildRooms() {
    FillLargestModel(*model, [&](int z, int, EnergyRoom& room) {
      room.LightingLoad = 15;
      room.EquipmentLoad = 20;
      const auto add = [&](const char* name, float area, int type, int con, int orient, std::string mask = "") {
        room.Component[++room.ComponentCount] = {name, area, type, con, orient, std::move(mask)};
      };
      add("South wall", 20, kExternalWall, 1, 5);
      add("South window", 4.5f, kWindow, 2, 5, "SOUTH.SHM");
      add("East wall", 14, kExternalWall, 1, 3);
      add("East window", 4.5f, kWindow, 2, 3, "EAST.SHM");
      add("North wall", 24, kExternalWall, 1, 1);
      add("West wall", 18, kExternalWall, 1, 7);
      add("Corridor", 24, kPartition, 5, 1);
      add("Neighbour", 18, kPartition, 5, 7);
      add("Slab", 60, kFloorCeiling, 3, kHorizontal);
      if (z == kMaxZones) {
        add("Roof", 60, kRoof, 4, kHorizontal);
      } else {
        add("Store wall", 6, kPartition, 5, 3);
      }
    });
  }

  void BuildAirSide() {
    for (int z = 1; z <= kMaxZones; ++z) {
      AirSideZone& air = airSide->Zone[z];
      air.AcSystemType = kVavVariableSpeed;
      air.FreshAirType = kCentralPretreated;
      for (int r = 1; r <= kMaxRoomsPerZone; ++r) {
        air.DesignSensibleLoad[r] = 6;
        air.DesignTotalLoad[r] = 8;
        air.DesignSupplyAir[r] = 0.5f;
      }
      air.DesignSensibleLoad[0] = 72;
      air.DesignTotalLoad[0] = 96;
      air.DesignSupplyAir[0] = 6;
      air.DesignFanPressure = 750;
      air.DesignFanPower = 9;
      air.DesignChwFlow = 4.6f;
    }
  }

  // Three chillers, and three each of primary, variable-speed secondary,
  // condenser water and variable-speed seawater pumps, three towers, two
  // fresh-air units, running all 8760 hours.
  void BuildPlant() {
    PlantInput& p = *plant;
    p.PlantType = kIndirectSeawaterTowers;
    p.PumpingType = kTwoLoopVariableSpeed;
    p.StartHour = 0;
    p.StopHour = 24;
    p.DesignTemp1 = 30;
    p.DesignTemp2 = 35;
    p.DesignTemp3 = 27;
    p.DesignTemp4 = 32;
    p.ChillerCount = p.PlpCount = p.SlpCount = p.CwpCount = p.SwpCount = p.TowerCount = 3;
    for (int i = 1; i <= 3; ++i) {
      ChillerUnit& c = p.Chiller[i];
      c.Type = i == 3 ? kScrew : kCentrifugal;
      c.RatedCapacity = 900;
      c.RatedPower = 180;
      c.ChwFlow = 43;
      c.CwFlow = 52;
      p.Plp[i] = {43, 150, 11};
      p.Slp[i].Type = 2;
      p.Slp[i].RatedFlow = 45;
      p.Slp[i].RatedPressure = 250;
      p.Slp[i].RatedPower = 18;
      p.Cwp[i] = {52, 200, 15};
      p.Swp[i].Type = 2;
      p.Swp[i].RatedFlow = 52;
      p.Swp[i].RatedPressure = 180;
      p.Swp[i].RatedPower = 25;
      p.Tower[i] = {1100, 52, 11};
    }
    p.FauCount = 2;
    p.Fau[1] = p.Fau[2] = {40, 100, 6, 600, 7.5f, 4.8f};
  }

  // Daily and seasonal swings and a clear-sky sun path.
  void BuildWeather() {
    constexpr double pi = std::numbers::pi;
    weather.resize(kHoursPerYear);
    for (int h = 0; h < kHoursPerYear; ++h) {
      const int day = h / 24, hour = h % 24;
      const double season = std::sin(2 * pi * (day - 100) / 365.0);
      const double daily = std::cos(2 * pi * (hour - 14) / 24.0);
      WeatherRecord& w = weather[h];
      w.HourNo = h + 1;
      w.DryBulb = static_cast<float>(24 + 5 * season + 3 * daily);
      w.WetBulb = w.DryBulb - 3;
      w.HumidityRatio = static_cast<float>(0.015 + 0.004 * season);
      const double hourAngle = (hour + 0.5 - 12) * pi / 12, declination = 0.4 * season, latitude = 0.39;
      const double sinAlt = std::sin(latitude) * std::sin(declination) +
                            std::cos(latitude) * std::cos(declination) * std::cos(hourAngle);
      const double alt = std::asin(sinAlt);
      double az = std::atan2(std::sin(hourAngle), std::cos(hourAngle) * std::sin(latitude) -
                                                       std::tan(declination) * std::cos(latitude));
      if (az < 0) az += 2 * pi;
      w.SolarAltitude = static_cast<float>(std::max(alt, 0.0));
      w.SolarAzimuth = static_cast<float>(std::fmod(az, 2 * pi));
      if (alt > 0) {
        const double beam = 800 * sinAlt;
        for (int o = 1; o <= 8; ++o) {
          const double cosI = std::cos(az - std::fmod((o - 5) * pi / 4 + 2 * pi, 2 * pi)) * std::cos(alt);
          w.DirectSolar[o] = static_cast<float>(std::max(0.0, 800 * cosI));
        }
        w.DirectSolar[9] = static_cast<float>(beam);
        w.DiffuseSolar = {static_cast<float>(120 * sinAlt), static_cast<float>(60 * sinAlt)};
      }
    }
  }
};

}  // namespace kelca::bench
