// kelca-cli: the headless front end. Usage: kelca-cli COMMAND ARGS...
#include <algorithm>
#include <iostream>

#include "cli/Command.h"

namespace kelca::cli {

std::vector<CommandInfo>& Commands() {
  static std::vector<CommandInfo> commands;
  return commands;
}

CommandRegistration::CommandRegistration(std::string name, std::string usage, std::string summary,
                                         CommandFunction run) {
  Commands().push_back({std::move(name), std::move(usage), std::move(summary), run});
}

namespace {
void PrintUsage(std::ostream& out) {
  auto commands = Commands();
  std::sort(commands.begin(), commands.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
  out << "Usage: kelca-cli COMMAND ARGS...\n       kelca-cli --version\n\nCommands:\n";
  for (const auto& c : commands) out << "  " << c.name << " " << c.usage << "\n      " << c.summary << "\n";
}
}  // namespace

}  // namespace kelca::cli

int main(int argc, char** argv) {
  using namespace kelca::cli;
  if (argc < 2 || std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h") {
    PrintUsage(argc < 2 ? std::cerr : std::cout);
    return argc < 2 ? 2 : 0;
  }
  const std::string name = argv[1];
  if (name == "--version") {
    std::cout << "kelca-cli " KELCA_VERSION "\n";
    return 0;
  }
  for (const auto& c : Commands()) {
    if (c.name == name) return c.run(std::vector<std::string>(argv + 2, argv + argc));
  }
  std::cerr << "kelca-cli: unknown command \"" << name << "\"\n\n";
  PrintUsage(std::cerr);
  return 2;
}
