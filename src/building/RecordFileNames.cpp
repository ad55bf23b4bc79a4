#include "building/RecordFileNames.h"

#include <cctype>
#include <string_view>

#include "common/Paths.h"

namespace kelca {
namespace {

bool HoldsAny(std::string_view text, std::string_view characters) {
  return text.find_first_of(characters) != std::string_view::npos;
}

constexpr std::string_view kNul("\0", 1);

bool EndsWithIgnoringCase(std::string_view text, std::string_view ending) {
  if (text.size() < ending.size()) return false;
  const std::string_view tail = text.substr(text.size() - ending.size());
  for (size_t i = 0; i < ending.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(tail[i])) != std::tolower(static_cast<unsigned char>(ending[i]))) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::string ProposedRecordFileName(const std::string& file, const std::string& name, const std::string& extension) {
  return file.empty() ? name + extension : FileNameOf(file);
}

Status CheckNameForFile(const std::string& name) {
  if (name.empty()) return Status::Error("A file name cannot be made of an empty name!");
  if (HoldsAny(name, "/\\") || name.find('\0') != std::string::npos) {
    return Status::Error("\"" + name + "\" cannot make a file name: leave out / and \\.");
  }
  return Status::Ok();
}

Status CheckedRecordPath(const std::string& chosen, const std::string& extension, std::string& path) {
  // The backslash is looked for in the part after the last slash: FileNameOf
  // would split there too and the file would be known by a different name.
  const size_t slash = chosen.find_last_of('/');
  const std::string name = slash == std::string::npos ? chosen : chosen.substr(slash + 1);
  if (name.empty() || name == "." || name == "..") return Status::Error("\"" + chosen + "\" does not name a file!");
  if (HoldsAny(name, "\\") || HoldsAny(chosen, kNul)) {
    return Status::Error("\"" + name + "\" cannot be the name of a file: leave out \\.");
  }
  path = EndsWithIgnoringCase(name, extension) ? chosen : chosen + extension;
  return Status::Ok();
}

}  // namespace kelca
