#pragma once
// The outcome of a file operation or a command: ok, or a message for the user.
#include <string>
#include <utility>

namespace kelca {

struct Status {
  bool ok = true;
  std::string message;

  static Status Ok() { return {}; }
  static Status Error(std::string text) { return {false, std::move(text)}; }
  explicit operator bool() const { return ok; }
};

}  // namespace kelca
