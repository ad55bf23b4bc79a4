#pragma once
// kelca-cli commands register themselves from their own files:
//   static const CommandRegistration reg{"db-info", "DBFOLDER", "what it does", &RunDbInfo};
#include <string>
#include <vector>

namespace kelca::cli {

using CommandFunction = int (*)(const std::vector<std::string>& args);

struct CommandInfo {
  std::string name;
  std::string usage;    // the arguments after the command name
  std::string summary;
  CommandFunction run = nullptr;
};

std::vector<CommandInfo>& Commands();

struct CommandRegistration {
  CommandRegistration(std::string name, std::string usage, std::string summary, CommandFunction run);
};

}  // namespace kelca::cli
