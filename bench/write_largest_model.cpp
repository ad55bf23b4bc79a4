// write_largest_model FOLDER: writes the benchmarks' largest energy model as a
// project in FOLDER (created if need be), with its shading masks and its
// weather year, so that it runs in
//   kelca-cli energy FOLDER/LARGEST.PRJ --db DBFOLDER
// (which takes the weather of DBFOLDER; copy FOLDER/ZQW1989.TXT there for the
// benchmarks' own year).
#include <filesystem>
#include <iostream>

#include "common/Paths.h"
#include "LargestModel.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "Usage: write_largest_model FOLDER\n";
    return 2;
  }
  std::error_code ec;
  std::filesystem::create_directories(argv[1], ec);
  const std::string folder = kelca::WithTrailingSlash(std::filesystem::absolute(argv[1]).string());
  const kelca::bench::LargestModel model(folder);
  if (!model.WriteProject(folder)) {
    std::cerr << "write_largest_model: could not write the project in " << folder << "\n";
    return 1;
  }
  std::cout << folder << kelca::bench::kLargestProjectFile << "\n";
  return 0;
}
