#include "datagen/DatabaseBuild.h"

#include <set>

#include "common/FileIO.h"
#include "common/Paths.h"
#include "datagen/CsvTable.h"
#include "datagen/DatabaseWriter.h"

namespace kelca::datagen {
namespace {

const char* const kTableBegin = "<!-- material table: made by make_database -->";
const char* const kTableEnd = "<!-- end of material table -->";

Status CheckLibraryMaterials(const DatabaseSource& source) {
  std::set<int> known;
  for (const auto& m : source.Materials) known.insert(m.No);
  for (const auto& lib : source.Libraries) {
    for (const auto& type : lib.Types) {
      for (const auto& block : type.Materials) {
        std::vector<int> used = block.Quantity.PropertyMaterials();
        used.push_back(block.DefaultMat);
        for (int no : used) {
          if (!known.count(no)) {
            return Status::Error(lib.Name + " type " + std::to_string(type.Code) + " \"" + block.Description +
                                 "\": material " + std::to_string(no) + " is not in the material table");
          }
        }
      }
    }
  }
  return Status::Ok();
}

}  // namespace

const std::vector<std::string>& LibraryNames() {
  static const std::vector<std::string> names = {"FOUND", "FABRIC", "CONTENTS", "MECHASER", "ELECTSER"};
  return names;
}

Status LoadDatabaseSource(const std::string& srcFolder, DatabaseSource& source) {
  source = DatabaseSource{};
  CsvTable materials, waste;
  source.Normalisation = DefaultNormalisation();
  if (Status s = CsvTable::Load(srcFolder + "materials.csv", materials); !s) return s;
  if (Status s = CsvTable::Load(srcFolder + "waste_processes.csv", waste); !s) return s;
  if (Status s = BuildMaterials(materials, waste, source.Normalisation, source.Materials); !s) return s;
  for (const auto& name : LibraryNames()) {
    const std::string path = srcFolder + "libraries/" + name + ".txt";
    std::string text;
    if (Status s = ReadFileBytes(path, text); !s) return s;
    source.Libraries.emplace_back();
    if (Status s = ParseLibrarySource(name, path, text, source.Libraries.back()); !s) return s;
  }
  return CheckLibraryMaterials(source);
}

Status WriteDatabase(const DatabaseSource& source, const std::string& dbFolder) {
  if (Status s = WriteMaterialDatabase(dbFolder, source.Materials); !s) return s;
  for (const auto& lib : source.Libraries) {
    if (Status s = WriteLibrary(dbFolder, lib); !s) return s;
  }
  const std::string readme = dbFolder + "README.md";
  if (!FileExists(readme)) return Status::Ok();
  return ReplaceMarkedSection(readme, kTableBegin, kTableEnd, MaterialCitationTable(source.Materials));
}

}  // namespace kelca::datagen
