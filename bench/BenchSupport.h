// What the benchmarks share: a scratch folder and a run log that drops its lines.
#pragma once

#include <filesystem>
#include <random>
#include <string>

#include "common/Progress.h"

namespace kelca::bench {

class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& prefix) {
    path_ = std::filesystem::temp_directory_path() / (prefix + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::string Path() const { return path_.string() + "/"; }  // ends in "/"

 private:
  std::filesystem::path path_;
};

class QuietProgress : public ProgressSink {
 public:
  void AddLine(const std::string&) override {}
};

}  // namespace kelca::bench
