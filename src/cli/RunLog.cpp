#include "cli/RunLog.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdio>
#include <ostream>

namespace kelca::cli {

namespace {
constexpr std::string_view kMonthMark = " - Processing Month No.";
constexpr std::string_view kRoomStart = "Modelling ";
constexpr std::string_view kPlantStart = "Plant Simulation";
}  // namespace

LogDisplay LogDisplayForStderr(bool quiet) {
  if (quiet) return LogDisplay::Quiet;
  return isatty(STDERR_FILENO) ? LogDisplay::ProgressLine : LogDisplay::EveryLine;
}

int StderrColumns() {
  winsize size{};
  return ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 ? size.ws_col : 0;
}

RunStep ParseRunStep(const std::string& line) {
  const size_t mark = line.rfind(kMonthMark);
  if (mark == std::string::npos) return {};
  int month = 0;
  if (std::sscanf(line.c_str() + mark + kMonthMark.size(), "%d", &month) != 1 || month < 1 || month > 12) return {};
  const std::string head = line.substr(0, mark);
  if (head == kPlantStart) return {RunStep::PlantMonth, "", month};
  if (head.rfind(kRoomStart, 0) == 0) return {RunStep::RoomMonth, head.substr(kRoomStart.size()), month};
  return {};
}

CliRunLog::CliRunLog(LogDisplay display, std::ostream& out, int rooms, int columns)
    : display_(display), out_(out), rooms_(rooms), columns_(columns) {}

CliRunLog::~CliRunLog() { EndProgressLine(); }

Status CliRunLog::OpenLogFile(const std::string& path) {
  file_.open(path, std::ios::binary | std::ios::trunc);
  if (!file_) return Status::Error("cannot write the run log " + path);
  return Status::Ok();
}

void CliRunLog::AddLine(const std::string& line) {
  if (file_.is_open()) file_ << line << "\r\n" << std::flush;
  if (display_ == LogDisplay::Quiet) return;
  if (display_ == LogDisplay::ProgressLine) {
    if (const RunStep step = ParseRunStep(line); step.kind != RunStep::None) {
      ShowStep(step);
      return;
    }
    EndProgressLine();
  }
  out_ << line << std::endl;
}

void CliRunLog::EndProgressLine() {
  if (!lineOpen_) return;
  out_ << "\n" << std::flush;
  lineOpen_ = false;
}

// Rewrites the progress line: back to its start, the text, and clear to the end.
void CliRunLog::ShowStep(const RunStep& step) {
  std::string text;
  if (step.kind == RunStep::RoomMonth) {
    if (step.month == 1 || room_ == 0) ++room_;
    // The room's name last: a narrow terminal cuts it first.
    text = "Cooling loads: room " + std::to_string(room_) + " of " + std::to_string(rooms_) + ", month " +
           std::to_string(step.month) + " of 12, " + Elapsed() + " elapsed (" + step.room + ")";
  } else {
    room_ = 0;
    text = "Plant simulation: month " + std::to_string(step.month) + " of 12, " + Elapsed() + " elapsed";
  }
  // A line wider than the terminal would wrap, and the next rewrite would leave the first part behind.
  if (columns_ > 1 && text.size() >= static_cast<size_t>(columns_)) text.resize(columns_ - 1);
  out_ << "\r" << text << "\x1b[K" << std::flush;
  lineOpen_ = true;
}

std::string CliRunLog::Elapsed() const {
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start_);
  const long s = static_cast<long>(seconds.count());
  char text[32];
  if (s >= 3600) {
    std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", s / 3600, s / 60 % 60, s % 60);
  } else {
    std::snprintf(text, sizeof text, "%ld:%02ld", s / 60, s % 60);
  }
  return text;
}

}  // namespace kelca::cli
