#pragma once
// The error state shared by the load calculation and the plant simulation:
// the first routine that fails sets SimError and a message that begins with
// its own name ("SimPrep: No Cooling Towers?").
#include <string>
#include <utility>

namespace kelca {

struct SimStatus {
  bool SimError = false;
  std::string SimMessage;

  // Records a failure; returns false so that a routine can `return status.Fail(...)`.
  bool Fail(std::string message) {
    SimError = true;
    SimMessage = std::move(message);
    return false;
  }
  // Adds a caller's text to the failure of a routine it called (innermost first).
  bool Append(const std::string& more) {
    SimError = true;
    SimMessage += more;
    return false;
  }
  void Clear() {
    SimError = false;
    SimMessage.clear();
  }
};

}  // namespace kelca
