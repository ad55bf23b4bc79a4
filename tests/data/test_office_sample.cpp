// The sample office tower: what its generator writes, read back with the
// program's readers, is a complete and consistent project.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <set>

#include "building/ComponentRecord.h"
#include "building/ElementRecord.h"
#include "building/GroupRecord.h"
#include "building/ProjectState.h"
#include "common/FileIO.h"
#include "database/ElementLibraries.h"
#include "database/ElementLibrary.h"
#include "database/StackProgram.h"
#include "datagen/DatabaseBuild.h"
#include "datagen/OfficeSample.h"
#include "energy/AnnualLoads.h"
#include "energy/ConstructionTable.h"
#include "energy/ShadingMask.h"
#include "plant/NonACServices.h"
#include "plant/PlantInput.h"
#include "support/TempFolder.h"

using namespace kelca;
namespace fs = std::filesystem;

namespace {

const std::string kSampleDir = std::string(KELCA_SOURCE_DIR) + "/samples/office/";
const std::string kDb = std::string(KELCA_SOURCE_DIR) + "/data/db/";

struct OfficeSample : ::testing::Test {
  OfficeSample() {
    EXPECT_TRUE(LoadMaterialDatabase(kDb + "MATLCIA.ILF", kDb + "MATLCIA.IDB", *table).ok);
    const Status s = ReadEnergyInputFile(kSampleDir + "OFFICE.ECI", *model);
    EXPECT_TRUE(s.ok) << s.message;
    EXPECT_TRUE(ReadAirSideFile(kSampleDir + "OFFICE.ASS", *model, *airSide).ok);
  }

  std::unique_ptr<MaterialTable> table = std::make_unique<MaterialTable>();
  std::unique_ptr<EnergyModel> model = std::make_unique<EnergyModel>();
  std::unique_ptr<AirSideData> airSide = std::make_unique<AirSideData>();
};

DbLocations Db() {
  DbLocations db;
  db.LcaDbFolder = kDb;
  SetLibraryLocations(db);
  return db;
}

// Every element of a component: its type is in the library that serves it, it
// gives a value for each item of the type, and each material of its impact
// program comes out as a finite, non-negative quantity.
void CheckElements(int grpType, const ComponentRecord& comp, const MaterialTable& table, int& elements) {
  ElementLibrary lib;
  ASSERT_TRUE(LoadElmLib(Db(), grpType, comp.CompType, lib).ok) << comp.CompFile;
  for (int e = 0; e < comp.CompElmCount; ++e) {
    ElementRecord elm;
    elm.ElmFile = comp.CompElmFile[e];
    ASSERT_TRUE(ReadElmFile(kSampleDir, ElmFileTypeCode(grpType), GroupTypeName(grpType), elm).ok) << elm.ElmFile;
    EXPECT_EQ(elm.ElmType, comp.CompElmType[e]) << elm.ElmFile;
    const int row = ElmLibRowOf(lib, elm.ElmType);
    ASSERT_GE(row, 0) << elm.ElmFile << " names a type its library does not have";
    int items = 0;
    while (items < kElementItems && !ElmItemName(lib, row, items).empty()) ++items;
    EXPECT_EQ(ElementValueCount(elm), items) << elm.ElmFile;
    OperationsFile ops;
    ASSERT_TRUE(ReadOperationsFile(
        OperationsFilePath(Db(), grpType, comp.CompType, elm.ElmType, OperationsKind::Impact), ops));
    UserValues user;
    ASSERT_TRUE(ReadUserValues(UserValuesPathOf(kSampleDir + elm.ElmFile), user).ok);
    if (user.UseUserValues) {
      EXPECT_EQ(user.Count, static_cast<int>(ops.Blocks.size())) << elm.ElmFile;
      for (int i = 0; i < user.Count; ++i) EXPECT_GT(RowOfMaterial(table, user.MatNo[i]), 0);
    }
    const MaterialSubstitution sub = SubstitutionFor(ops, user);
    for (const MaterialBlock& block : ops.Blocks) {
      const StackResult q = EvaluateOperations(block.Lines, elm.ElmValue, table, sub);
      ASSERT_TRUE(q) << elm.ElmFile << ": " << q.Fault;
      EXPECT_TRUE(std::isfinite(q.X) && q.X >= 0) << elm.ElmFile << " " << block.Description << " " << q.X;
    }
    ++elements;
  }
}

}  // namespace

TEST_F(OfficeSample, RegeneratesByteForByte) {
  datagen::DatabaseSource source;
  ASSERT_TRUE(datagen::LoadDatabaseSource(std::string(KELCA_SOURCE_DIR) + "/data/src/", source).ok);
  kelca::testing::TempFolder tmp;
  const Status s = datagen::WriteOfficeSample(tmp.Folder(), source.Materials);
  ASSERT_TRUE(s.ok) << s.message;
  std::set<std::string> made;
  for (const auto& entry : fs::directory_iterator(tmp.Folder())) {
    const std::string name = entry.path().filename().string();
    made.insert(name);
    std::string committed;
    ASSERT_TRUE(ReadFileBytes(kSampleDir + name, committed).ok) << name << " is not in samples/office";
    EXPECT_TRUE(tmp.Read(name) == committed) << name << " differs from what make_office_sample writes";
  }
  // Every input file of the sample comes from the generator (run results such
  // as the .EUR file may lie beside them).
  const std::set<std::string> inputs = {".PRJ", ".FDN", ".FLR", ".SER", ".FDC", ".FLC", ".SRC", ".FDE",
                                        ".FLE", ".SRE", ".ECI", ".ASS", ".CON", ".WSS", ".NAC", ".SHM"};
  for (const auto& entry : fs::directory_iterator(kSampleDir)) {
    const std::string name = entry.path().filename().string();
    if (inputs.count(entry.path().extension().string())) {
      EXPECT_TRUE(made.count(name)) << name << " is not made by make_office_sample";
    }
  }
}

TEST_F(OfficeSample, BuildingFilesWalkCleanly) {
  ProjectState p;
  ASSERT_TRUE(ReadProjectFile(kSampleDir + datagen::kOfficeProjectFile, p).ok);
  int elements = 0;
  std::set<int> portions;
  const auto walk = [&](int grpType, int count, const auto& files) {
    for (int g = 0; g < count; ++g) {
      GroupRecord group;
      group.GrpFile = files[g];
      ASSERT_TRUE(ReadGroupFile(kSampleDir, grpType, GroupTypeName(grpType), group).ok) << files[g];
      for (int c = 0; c < group.GrpCompCount; ++c) {
        ComponentRecord comp;
        comp.CompFile = group.GrpCompFile[c];
        ASSERT_TRUE(ReadCompFile(kSampleDir, CompFileTypeCode(grpType), comp).ok) << comp.CompFile;
        EXPECT_EQ(comp.CompType, group.GrpCompType[c]);
        portions.insert(grpType + comp.CompType);
        CheckElements(grpType, comp, *table, elements);
      }
    }
  };
  walk(kFoundation, p.FdnCount, p.FdnFile);
  walk(kFloor, p.FlrCount, p.FlrFile);
  walk(kServices, p.SerCount, p.SerFile);
  EXPECT_GT(elements, 80);
  // The three floor portions and all five services portions are described.
  EXPECT_EQ(portions, (std::set<int>{100, 200, 201, 202, 300, 301, 302, 303, 304}));
}

// Every surface has a construction of its kind, and the layers are database
// materials with their properties.
TEST_F(OfficeSample, RoomsAndConstructionsFitTogether) {
  ConstructionTable cons;
  ASSERT_TRUE(ReadConstructionFile(kSampleDir + "OFFICE.CON", cons).ok);
  std::set<int> used;
  for (int z = 1; z <= model->ZoneCount; ++z) {
    const EnergyZone& zone = model->Zone[z];
    for (int r = 1; r <= zone.RoomCount; ++r) {
      const EnergyRoom& room = zone.Room[r];
      for (int c = 1; c <= room.ComponentCount; ++c) {
        const FabricComponent& comp = room.Component[c];
        EXPECT_GT(comp.ComponentArea, 0);
        const int n = comp.ConstructionNo;
        ASSERT_TRUE(n >= 1 && n <= cons.ConstructionCount);
        EXPECT_EQ(cons.Item[n].WindowFlag == 1, comp.ComponentType == kWindow);
        used.insert(n);
        if (comp.ComponentType != kWindow) continue;
        ShadingMask mask;
        const Status s = ReadShadingMaskFile(kSampleDir + comp.ShadingMaskFile, mask);
        EXPECT_TRUE(s.ok) << s.message;
        // Fins and overhangs shade: less than the whole sky is seen.
        EXPECT_TRUE(mask.DiffuseFraction > 0.2f && mask.DiffuseFraction < 0.95f) << comp.ShadingMaskFile;
      }
    }
  }
  EXPECT_EQ(static_cast<int>(used.size()), cons.ConstructionCount);
  for (int i = 1; i <= cons.ConstructionCount; ++i) {
    const Construction& k = cons.Item[i];
    for (int j = 1; j <= k.LayerCount; ++j) {
      const ConstructionLayer& l = k.Layer[j];
      EXPECT_GT(l.Thickness, 0);
      if (l.MaterialNo == kAirGapMaterial) continue;
      const int row = RowOfMaterial(*table, l.MaterialNo);
      ASSERT_GT(row, 0) << k.Name;
      EXPECT_EQ(l.MaterialName, table->MatName[row]);
      EXPECT_EQ((std::array{l.Density, l.Conductivity, l.SpecificHeat}), table->MatProp[row]) << k.Name;
    }
  }
}

// The chillers, pumps and towers cover the design loads.
TEST_F(OfficeSample, PlantIsSizedToTheDesignLoads) {
  PlantInput plant;
  ASSERT_TRUE(ReadPlantFile(kSampleDir + "OFFICE.WSS", plant).ok);
  EXPECT_EQ(plant.PlantType, kWaterCooledTowers);
  float zoneLoad = 0, freshAir = 0;
  for (int z = 1; z <= model->ZoneCount; ++z) {
    const AirSideZone& a = airSide->Zone[z];
    for (int r = 1; r <= model->Zone[z].RoomCount; ++r) {
      const EnergyRoom& room = model->Zone[z].Room[r];
      const float perM2 = a.DesignSensibleLoad[r] * 1000 / room.FloorArea;
      EXPECT_TRUE(perM2 >= 40 && perM2 < 250) << room.RoomName << " " << perM2;
      EXPECT_GT(a.DesignTotalLoad[r], a.DesignSensibleLoad[r]);
      freshAir += room.Occupants * room.VentRate / 1000 * model->Zone[z].IdenticalZones;
    }
    zoneLoad += a.DesignTotalLoad[0] * model->Zone[z].IdenticalZones;
  }
  float capacity = 0, fauFlow = 0, fauLoad = 0;  // the energy command's run checks the heat rejection
  for (int i = 1; i <= plant.ChillerCount; ++i) {
    capacity += plant.Chiller[i].RatedCapacity;
    const float cop = plant.Chiller[i].RatedCapacity / plant.Chiller[i].RatedPower;
    EXPECT_TRUE(cop > 4.5f && cop < 7) << cop;
  }
  for (int i = 1; i <= plant.FauCount; ++i) {
    fauFlow += plant.Fau[i].FreshAirFlow;
    fauLoad += plant.Fau[i].TotalCapacity;
  }
  EXPECT_NEAR(fauFlow, freshAir, 0.3);
  EXPECT_GE(capacity, (zoneLoad + fauLoad) * 1.03f);
  EXPECT_LT(capacity, (zoneLoad + fauLoad) * 1.4f);
  NonACServices other;
  ASSERT_TRUE(ReadNonACFile(kSampleDir + "OFFICE.NAC", other).ok);
  for (const auto& group : other.Electric) EXPECT_GE(group.Count, 1);
  ASSERT_EQ(other.TownGas.Count, 1);
}

// The design sensible loads cover the peaks that the hourly load calculation
// finds over the weather year (run here without the design caps) without
// being grossly oversized.
TEST_F(OfficeSample, DesignLoadsCoverTheYearsPeaks) {
  auto cons = std::make_unique<ConstructionTable>();
  ASSERT_TRUE(ReadConstructionFile(kSampleDir + "OFFICE.CON", *cons).ok);
  std::vector<WeatherRecord> weather;
  ASSERT_TRUE(ReadWeatherFile(kDb + kWeatherFileName, weather).ok);
  auto uncapped = std::make_unique<AirSideData>(*airSide);
  for (auto& zone : uncapped->Zone) {
    for (auto& load : zone.DesignSensibleLoad) load *= 10;
    for (auto& load : zone.DesignTotalLoad) load *= 10;
  }
  const LoadCalculationInput input{model.get(), cons.get(), uncapped.get(), &weather, kSampleDir, kSampleDir, {}};
  CollectingProgress log;
  SimStatus status;
  auto loads = std::make_unique<AnnualRoomLoads>();
  ASSERT_TRUE(CalculateAnnualLoads(input, log, status, *loads)) << status.SimMessage;
  for (int z = 1; z <= model->ZoneCount; ++z) {
    for (int r = 1; r <= model->Zone[z].RoomCount; ++r) {
      float peak = 0;
      for (const RoomHourLoad& h : loads->Room[z][r]) peak = std::max(peak, h.SensibleLoad / 1000);
      const float design = airSide->Zone[z].DesignSensibleLoad[r];
      EXPECT_LE(peak, design) << model->Zone[z].Room[r].RoomName;
      EXPECT_GT(peak, 0.5f * design) << model->Zone[z].Room[r].RoomName;
    }
  }
}
