// kelca-cli db-info DBFOLDER: loads the database as Open database does and
// prints what it holds and which element libraries lie beside it.
#include <iostream>
#include <memory>

#include "cli/Command.h"
#include "cli/DatabaseArgument.h"
#include "common/Numbers.h"
#include "common/Paths.h"
#include "database/ElementLibraries.h"
#include "database/ElementLibrary.h"
#include "database/MaterialTable.h"

namespace kelca::cli {
namespace {

constexpr const char* kUsage = "DBFOLDER";

void PrintEnergyCarrier(const MaterialTable& t, int matNo, const char* what) {
  const int row = RowOfMaterial(t, matNo);
  std::cout << "Material " << matNo << " (" << what << "): ";
  if (row == 0) {
    std::cout << "absent\n";
    return;
  }
  std::cout << "\"" << t.MatName[row] << "\" per " << t.MatUnit[row]
            << ", Global Warming " << FormatSingle(t.MatImpact[row][1]) << " kg CO2 eq.\n";
}

// Prints one library; false when it is present but cannot be read.
bool PrintLibrary(const DbLocations& db, LibraryId id, ElementLibrary& lib) {
  const std::string file = LibraryFile(db, id);
  std::cout << "Library " << LibraryName(id) << ": ";
  if (!FileExists(FindExistingFile(file))) {
    std::cout << "absent (" << file << ")\n";
    return true;
  }
  const Status status = LoadElmLibFile(file, lib);
  if (!status) {
    std::cout << "cannot be read\n";
    std::cerr << "kelca-cli db-info: " << status.message << "\n";
    return false;
  }
  std::cout << "\"" << lib.ElmLibTitle << "\", " << lib.ElmLibCount << (lib.ElmLibCount == 1 ? " element type\n" : " element types\n");
  return true;
}

int RunDbInfo(const std::vector<std::string>& args) {
  if (args.size() != 1) {
    std::cerr << "Usage: kelca-cli db-info " << kUsage << "\n";
    return 2;
  }
  DbLocations db;
  auto materials = std::make_unique<MaterialTable>();
  if (Status status = OpenDatabaseArgument(args[0], db, *materials); !status) {
    std::cerr << "kelca-cli db-info: " << status.message << "\n";
    return 1;
  }
  std::cout << "Database " << db.LcaIdbFile << " with " << FileNameOf(db.LcaIlfFile) << "\n";
  const auto counts = SectionCounts(*materials);
  for (size_t s = 0; s < counts.size(); ++s) {
    std::cout << "Section " << s + 1 << ": " << counts[s] << (counts[s] == 1 ? " material\n" : " materials\n");
  }
  PrintEnergyCarrier(*materials, kElectricityMat, "electricity");
  PrintEnergyCarrier(*materials, kTownGasMat, "town gas");

  auto lib = std::make_unique<ElementLibrary>();
  bool allRead = true;
  for (LibraryId id : kLibraries) allRead = PrintLibrary(db, id, *lib) && allRead;
  return allRead ? 0 : 1;
}

const CommandRegistration kRegistration{
    "db-info", kUsage, "loads the LCIA database and lists its sections, energy carriers and element libraries",
    &RunDbInfo};

}  // namespace
}  // namespace kelca::cli
