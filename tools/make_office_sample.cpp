// make_office_sample SRC_FOLDER OUT_FOLDER: writes the sample office tower
// project (building and energy files) with the program's own writers; the
// constructions take their layer properties from the material source table.
#include <iostream>

#include "common/FileIO.h"
#include "common/Paths.h"
#include "datagen/DatabaseBuild.h"
#include "datagen/OfficeSample.h"

int main(int argc, char** argv) {
  using namespace kelca;
  if (argc != 3) {
    std::cerr << "Usage: make_office_sample SRC_FOLDER OUT_FOLDER   (e.g. make_office_sample data/src samples/office)\n";
    return 2;
  }
  const std::string out = WithTrailingSlash(argv[2]);
  datagen::DatabaseSource source;
  Status s = datagen::LoadDatabaseSource(WithTrailingSlash(argv[1]), source);
  if (s && !FolderExists(out)) s = MakeFolder(out);
  if (s) s = datagen::WriteOfficeSample(out, source.Materials);
  if (!s) {
    std::cerr << "make_office_sample: " << s.message << "\n";
    return 1;
  }
  std::cout << "Wrote the sample project " << out << datagen::kOfficeProjectFile << "\n";
  return 0;
}
