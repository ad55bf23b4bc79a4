// make_largest_building DB_FOLDER OUT_FOLDER [--distinct]: writes the largest
// building the group tables allow (20 floor and 20 services groups of 101
// components of 20 elements), with shared element files or, with --distinct,
// 2,000 element files of their own.
#include <iostream>
#include <string>

#include "common/FileIO.h"
#include "common/Paths.h"
#include "database/ElementLibraries.h"
#include "datagen/LargestBuilding.h"

int main(int argc, char** argv) {
  using namespace kelca;
  const bool distinct = argc == 4 && std::string(argv[3]) == "--distinct";
  if (argc != 3 && !distinct) {
    std::cerr << "Usage: make_largest_building DB_FOLDER OUT_FOLDER [--distinct]"
                 "   (e.g. make_largest_building data/db /tmp/largest)\n";
    return 2;
  }
  DbLocations db;
  db.LcaDbFolder = WithTrailingSlash(argv[1]);
  SetLibraryLocations(db);
  const std::string out = WithTrailingSlash(argv[2]);
  Status s = FolderExists(out) ? Status::Ok() : MakeFolder(out);
  if (s) {
    s = datagen::WriteLargestBuilding(out, db, distinct ? datagen::ElementFiles::Distinct
                                                        : datagen::ElementFiles::Shared);
  }
  if (!s) {
    std::cerr << "make_largest_building: " << s.message << "\n";
    return 1;
  }
  std::cout << "Wrote the project " << out << datagen::kLargestProjectFile << "\n";
  return 0;
}
