#pragma once
// Options of the form "--name VALUE" on a kelca-cli command line.
#include <string>
#include <utility>
#include <vector>

namespace kelca::cli {

using NamedOptions = std::vector<std::pair<const char*, std::string*>>;

// When args[i] is one of the names and a value follows, stores the value,
// moves i onto it and returns true.
inline bool TakeNamedOption(const std::vector<std::string>& args, size_t& i, const NamedOptions& named) {
  for (const auto& [name, target] : named) {
    if (args[i] == name && i + 1 < args.size()) {
      *target = args[++i];
      return true;
    }
  }
  return false;
}

}  // namespace kelca::cli
