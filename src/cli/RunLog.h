#pragma once
// The run log of kelca-cli energy as a person or a script reads it. On a
// terminal the room-month and plant-month steps share one progress line that
// is rewritten in place ("Cooling loads: room 3 of 15, month 7 of 12, 0:42
// elapsed (Office north)"); the other lines are printed as they come. Elsewhere
// every line is printed, and --quiet prints none. A log file, when named, gets
// every line.
#include <chrono>
#include <fstream>
#include <iosfwd>
#include <string>

#include "common/Progress.h"
#include "common/Status.h"

namespace kelca::cli {

enum class LogDisplay { EveryLine, ProgressLine, Quiet };

// EveryLine, or ProgressLine when standard error is a terminal; Quiet when asked.
LogDisplay LogDisplayForStderr(bool quiet);
// Columns of the terminal on standard error; 0 when not known.
int StderrColumns();

// A step of the run that the progress line shows instead of its log line.
struct RunStep {
  enum Kind { None, RoomMonth, PlantMonth } kind = None;
  std::string room;
  int month = 0;
};
// "Modelling ROOM - Processing Month No.M...." and "Plant Simulation - Processing Month No.M....".
RunStep ParseRunStep(const std::string& line);

class CliRunLog : public ProgressSink {
 public:
  // rooms: the number of rooms of the model; columns: the progress line's
  // width limit (0: none).
  CliRunLog(LogDisplay display, std::ostream& out, int rooms, int columns = 0);
  ~CliRunLog() override;

  // Every line from now on also goes to the file (CR LF line ends).
  Status OpenLogFile(const std::string& path);
  void AddLine(const std::string& line) override;
  // Leaves the progress line as it stands and moves below it.
  void EndProgressLine();
  // Whether a run error written to the log reaches the reader.
  bool ShowsRunErrors() const { return display_ != LogDisplay::Quiet; }

 private:
  void ShowStep(const RunStep& step);
  std::string Elapsed() const;

  LogDisplay display_;
  std::ostream& out_;
  int rooms_, columns_;
  int room_ = 0;
  bool lineOpen_ = false;
  std::ofstream file_;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace kelca::cli
