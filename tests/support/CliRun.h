#pragma once
// Runs kelca-cli as a user would and collects its exit status and its output
// (standard output and standard error together).
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace kelca::testing {

struct CliRun {
  int status = -1;
  std::string output;
};

// Runs a shell command line (in folder, when given).
inline CliRun RunShell(const std::string& commandLine, const std::string& folder = "") {
  const std::string in = folder.empty() ? "" : "cd '" + folder + "' && ";
  const std::string command = in + commandLine + " 2>&1";
  CliRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[512];
  while (fgets(buffer, sizeof buffer, pipe)) run.output += buffer;
  const int raw = pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return run;
}

// args are passed to the shell as they are; quote paths that may hold blanks.
// With a folder, the program runs in that folder.
inline CliRun RunCli(const std::string& args, const std::string& folder = "") {
  return RunShell("'" KELCA_CLI_PATH "' " + args, folder);
}

inline std::string Quote(const std::string& path) { return "'" + path + "'"; }

}  // namespace kelca::testing
