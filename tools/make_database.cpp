// make_database SRC_FOLDER DB_FOLDER: makes the material database and the five
// element libraries from the source tables (see data/db/README.md).
#include <iostream>

#include "common/Paths.h"
#include "datagen/DatabaseBuild.h"

int main(int argc, char** argv) {
  using namespace kelca;
  if (argc != 3) {
    std::cerr << "Usage: make_database SRC_FOLDER DB_FOLDER   (e.g. make_database data/src data/db)\n";
    return 2;
  }
  datagen::DatabaseSource source;
  Status s = datagen::LoadDatabaseSource(WithTrailingSlash(argv[1]), source);
  if (s) s = datagen::WriteDatabase(source, WithTrailingSlash(argv[2]));
  if (!s) {
    std::cerr << "make_database: " << s.message << "\n";
    return 1;
  }
  size_t types = 0;
  for (const auto& lib : source.Libraries) types += lib.Types.size();
  std::cout << "Wrote " << source.Materials.size() << " materials and " << types << " element types in "
            << source.Libraries.size() << " libraries to " << argv[2] << "\n";
  return 0;
}
