#pragma once
// Makes the whole database folder from the source tables of data/src:
// materials.csv, waste_processes.csv and libraries/<NAME>.txt, with the
// program's default normalisation factors.
#include <string>
#include <vector>

#include "common/Status.h"
#include "datagen/LibrarySource.h"
#include "datagen/MaterialRules.h"

namespace kelca::datagen {

// The five libraries in the order of the database folder.
const std::vector<std::string>& LibraryNames();

struct DatabaseSource {
  NormalisationFactors Normalisation;
  std::vector<MaterialRecord> Materials;
  std::vector<LibrarySource> Libraries;
};

// Reads and checks every source table; each material a library block names
// (and each material whose property a formula reads) must be in the table.
Status LoadDatabaseSource(const std::string& srcFolder, DatabaseSource& source);

// Writes MATLCIA.IDB, MATLCIA.ILF and the five library folders into dbFolder
// (ending in "/"), and the material citation table into dbFolder/README.md
// when that file carries the table markers.
Status WriteDatabase(const DatabaseSource& source, const std::string& dbFolder);

}  // namespace kelca::datagen
