// What the benchmarks share: a scratch folder, a run log that drops its lines,
// and the node update that makes the floor.
#pragma once

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>

#include "common/Progress.h"
#include "energy/Calendar.h"
#include "energy/RoomNodes.h"

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

// The arithmetic floor of the rooms run one after the other, for one room: its
// explicit node update alone, 8760 x 60 times, its data in the first-level
// cache. Every slot starts at 15 deg C and the boundaries stay there, so the
// temperatures keep their magnitude (no subnormal numbers slow the arithmetic).
inline void NodeUpdatesOfAYear(RoomState& room) {
  for (auto& t : room.T) std::fill(t.begin() + 1, t.begin() + room.SlotEnd, kInitialNodeTemp);
  for (int step = 0; step < kHoursPerYear * kSubStepsPerHour; ++step) {
    StepConduction(room);
    room.Advance();
  }
}

}  // namespace kelca::bench
