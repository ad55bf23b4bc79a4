// The libFuzzer entry of one reader, chosen when this file is compiled
// (KELCA_FUZZ_READER): each input becomes that reader's file in a scratch
// folder of its own and is read. With KELCA_FUZZ_WRITE_SEEDS=DIR in the
// environment the program copies the reader's seed files into DIR and ends.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "FuzzReaders.h"

namespace {

const kelca::fuzz::FuzzReader& Reader() {
  static const kelca::fuzz::FuzzReader* reader = kelca::fuzz::FindFuzzReader(KELCA_FUZZ_READER);
  if (reader == nullptr) std::abort();
  return *reader;
}

std::string ScratchFolder() {
  char pattern[] = "/tmp/kelca-fuzz-XXXXXX";
  const char* made = ::mkdtemp(pattern);
  if (made == nullptr) std::abort();
  return std::string(made) + "/";
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const char* seedDir = std::getenv("KELCA_FUZZ_WRITE_SEEDS");
  if (seedDir == nullptr) return 0;
  namespace fs = std::filesystem;
  fs::create_directories(seedDir);
  for (const std::string& seed : kelca::fuzz::SeedFiles(Reader())) {
    fs::copy_file(seed, fs::path(seedDir) / fs::path(seed).filename(), fs::copy_options::overwrite_existing);
  }
  std::exit(0);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string folder = ScratchFolder();
  kelca::fuzz::RunFuzzReader(Reader(), folder, std::string(reinterpret_cast<const char*>(data), size));
  return 0;
}
