// Replays every fuzz finding kept under regressions/<reader>/ and every seed
// through its reader: each must be read or refused without a crash (the
// sanitizer build of the suite also catches bad memory use and undefined
// behaviour here).
#include <gtest/gtest.h>

#include <filesystem>

#include "FuzzReaders.h"
#include "common/FileIO.h"
#include "support/TempFolder.h"

namespace fs = std::filesystem;
using namespace kelca;
using namespace kelca::fuzz;

namespace {

std::vector<std::string> Findings(const FuzzReader& reader) {
  std::vector<std::string> files;
  const fs::path folder = fs::path(KELCA_SOURCE_DIR) / "tests/fuzz/regressions" / reader.Name;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) files.push_back(entry.path().string());
  return files;
}

}  // namespace

TEST(FuzzReplay, EveryReaderHasSeedsAndIsFoundByItsName) {
  for (const FuzzReader& reader : FuzzReaders()) {
    EXPECT_EQ(FindFuzzReader(reader.Name), &reader);
    EXPECT_FALSE(SeedFiles(reader).empty()) << reader.Name;
  }
  EXPECT_EQ(FindFuzzReader("no such reader"), nullptr);
}

TEST(FuzzReplay, FindingsAndSeedsAreReadOrRefusedWithoutHarm) {
  kelca::testing::TempFolder scratch;
  for (const FuzzReader& reader : FuzzReaders()) {
    std::vector<std::string> inputs = Findings(reader);
    const std::vector<std::string> seeds = SeedFiles(reader);
    inputs.insert(inputs.end(), seeds.begin(), seeds.end());
    for (const std::string& input : inputs) {
      SCOPED_TRACE(reader.Name + ": " + input);
      std::string bytes;
      ASSERT_TRUE(ReadFileBytes(input, bytes));
      RunFuzzReader(reader, scratch.Folder(), bytes);
    }
  }
}
