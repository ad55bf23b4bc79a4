#pragma once
// The material LCIA database in memory, and where the database and its
// element libraries live.
#include <array>
#include <string>

#include "common/Status.h"

namespace kelca {

constexpr int kMaterialRows = 511;   // rows 0..510, section heads included
constexpr int kMaxMaterialNo = 510;  // material numbers 0..510
constexpr int kElectricityMat = 501;
constexpr int kTownGasMat = 502;
constexpr int kImpactCategories = 10;
constexpr int kMaterialSections = 3;

struct MaterialTable {
  std::array<int, kMaterialRows> MatNo{};  // in a section-head row: the section's material count
  std::array<std::string, kMaterialRows> MatName, MatUnit;
  std::array<std::array<float, 3>, kMaterialRows> MatProp{};  // density, conductivity, specific heat
  std::array<std::array<float, kImpactCategories>, kMaterialRows> MatImpact{};
  std::array<float, kMaterialRows> MatEnergy{};
  std::array<float, kMaterialRows> MatCost{};
  std::array<std::array<float, kImpactCategories>, kMaterialRows> MatWasteImpact{};
  std::array<int, kMaxMaterialNo + 1> MatRowOf{};  // row of a material number; 0 when none
};

// Where the database and the five element libraries are. Folders end in "/".
struct DbLocations {
  std::string LcaDbFolder;  // empty while no database is loaded
  std::string LcaIdbFile, LcaIlfFile;
  std::string FoundLibFolder, FoundLibFile;
  std::string FabricLibFolder, FabricLibFile;
  std::string ContentsLibFolder, ContentsLibFile;
  std::string MechLibFolder, MechLibFile;
  std::string ElecLibFolder, ElecLibFile;
};

// Loads the ".ILF" and then the ".IDB" file, aligned by position. Before
// loading, every row's MatNo and MatName are cleared and every material number
// maps to row 0; a section that would not fit in the 511 rows is refused. On
// failure the rows read so far stay and the status names the file and the fault.
Status LoadMaterialDatabase(const std::string& ilfPath, const std::string& idbPath, MaterialTable& table);
// The row of a material number; row 0 (all factors zero) for a number that no
// record carries or that lies outside 0..510.
int RowOfMaterial(const MaterialTable& table, int matNo);
// The material count of each of the three sections, from their head rows.
std::array<int, kMaterialSections> SectionCounts(const MaterialTable& table);

// Sets the ten library folder and file names from LcaDbFolder.
void SetLibraryLocations(DbLocations& db);

// The database file names of an ".IDB" file: LcaIdbFile is the path,
// LcaIlfFile the path with its last three characters replaced by "ILF",
// LcaDbFolder its folder.
void SetDatabaseFiles(DbLocations& db, const std::string& idbPath);
// Opens the database of an ".IDB" file: sets the database files, loads both
// files and sets the library locations. On failure the locations are set all
// the same and the status names the file and the fault.
Status OpenDatabase(const std::string& idbPath, DbLocations& db, MaterialTable& table);

}  // namespace kelca
