#pragma once
// Every reader of the program's files, each behind one name, as the fuzz
// targets and the replay of their findings call them: the bytes are written
// to a file of the reader's kind in a scratch folder and the reader runs. A
// reader may refuse the file with a message that names it; it must never
// crash, hang, or read out of bounds.
#include <string>
#include <vector>

namespace kelca::fuzz {

struct FuzzReader {
  std::string Name;       // "project", "eci", ...; the fuzz target is fuzz_<Name>
  std::string FileName;   // the file the bytes become, e.g. "F.PRJ"
  std::vector<std::string> SeedFolders;  // below the source folder
  std::string SeedSuffix;                // seed files end so, e.g. ".PRJ"
  // The message of a refusal; empty when the file was read.
  std::string (*Read)(const std::string& folder, const std::string& path);
};

const std::vector<FuzzReader>& FuzzReaders();
const FuzzReader* FindFuzzReader(const std::string& name);
// The seed files of a reader (full paths), from the sample data and tests/fuzz/seeds.
std::vector<std::string> SeedFiles(const FuzzReader& reader);

// Writes the bytes as the reader's file in folder and runs the reader; the
// message of its refusal, empty when it read the file.
std::string RunFuzzReader(const FuzzReader& reader, const std::string& folder, const std::string& bytes);

}  // namespace kelca::fuzz
