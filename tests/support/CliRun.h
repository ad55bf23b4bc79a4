#pragma once
// Runs kelca-cli as a user would and collects its exit status and its output
// (standard output and standard error together).
#include <sys/wait.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

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

// The blank-separated values printed after a label, on the first line at or
// after from that starts with it.
inline std::vector<std::string> PrintedValues(const std::string& output, const std::string& label, size_t from = 0) {
  const size_t at = output.find("\n" + label, from);
  if (at == std::string::npos) return {};
  std::istringstream in(output.substr(at + 1 + label.size(), output.find('\n', at + 1) - at - 1 - label.size()));
  std::vector<std::string> values;
  for (std::string v; in >> v;) values.push_back(v);
  return values;
}

// How often part occurs in text.
inline size_t CountOf(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

}  // namespace kelca::testing
