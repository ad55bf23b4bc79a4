// Replays every fuzz finding kept under regressions/<reader>/ and every seed
// through its reader: each must be read or refused, naming the file, without a
// crash (the sanitizer build of the suite also catches bad memory use and
// undefined behaviour here).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
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

// Every finding and seed, and with KELCA_FUZZ_CORPUS=DIR in the environment
// also every input of a fuzz campaign's corpora (DIR/<reader>/, as
// tools/fuzz.sh leaves them in build-fuzz/corpus): each is read, or refused
// with a message that names the file.
TEST(FuzzReplay, InputsAreReadOrRefusedNamingTheFile) {
  kelca::testing::TempFolder scratch;
  const char* corpus = std::getenv("KELCA_FUZZ_CORPUS");
  for (const FuzzReader& reader : FuzzReaders()) {
    std::vector<std::string> inputs = Findings(reader);
    const std::vector<std::string> seeds = SeedFiles(reader);
    inputs.insert(inputs.end(), seeds.begin(), seeds.end());
    const size_t kept = inputs.size();
    if (corpus) {
      std::error_code ec;
      for (const auto& entry : fs::directory_iterator(fs::path(corpus) / reader.Name, ec)) {
        inputs.push_back(entry.path().string());
      }
    }
    int refused = 0, unnamed = 0;
    for (size_t i = 0; i < inputs.size(); ++i) {
      const std::string& input = inputs[i];
      std::string bytes;
      // A running campaign may replace a corpus file meanwhile.
      if (!ReadFileBytes(input, bytes)) {
        EXPECT_GE(i, kept) << input;
        continue;
      }
      const std::string message = RunFuzzReader(reader, scratch.Folder(), bytes);
      if (message.empty()) continue;
      ++refused;
      if (message.find(reader.FileName) == std::string::npos && ++unnamed <= 3) {
        ADD_FAILURE() << reader.Name << ": " << input << "\n  refused without naming " << reader.FileName << ": "
                      << message;
      }
    }
    if (corpus) {
      std::printf("%-12s %7zu inputs, %7d refused, %d without the file's name\n", reader.Name.c_str(), inputs.size(),
                  refused, unnamed);
    }
  }
}
