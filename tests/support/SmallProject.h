#pragma once
// A small project that runs both halves quickly: the starter building with an
// energy model of two rooms (north office and interior) of the office sample's
// typical floor, four identical floors, on the office's constructions, plant
// and non-AC services.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "energy/AirSideData.h"
#include "energy/EnergyModel.h"

namespace kelca::testing {

// Writes the project into folder (which must exist); its project file is STARTER.PRJ.
inline void WriteSmallProject(const std::string& folder) {
  namespace fs = std::filesystem;
  const fs::path office = KELCA_SOURCE_DIR "/samples/office";
  for (const auto& entry : fs::directory_iterator(KELCA_SOURCE_DIR "/samples/starter")) {
    fs::copy_file(entry.path(), fs::path(folder) / entry.path().filename());
  }
  for (const char* ext : {"CON", "WSS", "NAC"}) {
    fs::copy_file(office / ("OFFICE." + std::string(ext)), fs::path(folder) / ("STARTER." + std::string(ext)));
  }
  fs::copy_file(office / "TY_N.SHM", fs::path(folder) / "TY_N.SHM");

  auto model = std::make_unique<EnergyModel>();
  auto air = std::make_unique<AirSideData>();
  ASSERT_TRUE(ReadEnergyInputFile(office / "OFFICE.ECI", *model));
  ASSERT_TRUE(ReadAirSideFile(office / "OFFICE.ASS", *model, *air));
  constexpr int kTypicalFloor = 2, kNorth = 1, kInterior = 5;
  EnergyZone zone = model->Zone[kTypicalFloor];
  ASSERT_EQ(zone.Room[kInterior].RoomName, "Office interior");
  zone.IdenticalZones = 4;
  zone.RoomCount = 2;
  zone.Room[2] = zone.Room[kInterior];
  AirSideZone zoneAir = air->Zone[kTypicalFloor];
  for (auto* values : {&zoneAir.DesignSensibleLoad, &zoneAir.DesignTotalLoad, &zoneAir.DesignSupplyAir}) {
    (*values)[2] = (*values)[kInterior];
  }
  auto small = std::make_unique<EnergyModel>();
  auto smallAir = std::make_unique<AirSideData>();
  small->ZoneCount = 1;
  small->Zone[1] = zone;
  smallAir->Zone[1] = zoneAir;
  ASSERT_EQ(small->Zone[1].Room[kNorth].Component[1].ShadingMaskFile, "TY_N.SHM");
  ASSERT_TRUE(WriteEnergyInputFile(folder + "/STARTER.ECI", "Starter office", *small));
  ASSERT_TRUE(WriteAirSideFile(folder + "/STARTER.ASS", "Starter office", *small, *smallAir));
}

}  // namespace kelca::testing
