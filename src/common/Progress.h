#pragma once
// The sink through which long runs report: run-log lines, a progress fraction,
// and a request to stop. The GUI forwards it to its progress dialog; kelca-cli
// prints the lines; tests collect them.
#include <string>
#include <vector>

namespace kelca {

class ProgressSink {
 public:
  virtual ~ProgressSink() = default;
  virtual void AddLine(const std::string& line) = 0;
  virtual void SetProgress(double fraction) { (void)fraction; }
  // Polled by the run between steps; true asks it to stop as after an error.
  virtual bool Cancelled() const { return false; }
};

// Keeps every line; for tests and for callers that show the log afterwards.
class CollectingProgress : public ProgressSink {
 public:
  void AddLine(const std::string& line) override { lines.push_back(line); }
  void SetProgress(double fraction) override { progress = fraction; }
  bool Cancelled() const override { return cancel; }

  std::vector<std::string> lines;
  double progress = 0;
  bool cancel = false;
};

}  // namespace kelca
