#include "common/Paths.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace kelca {
namespace fs = std::filesystem;

namespace {
size_t LastSeparator(std::string_view path) { return path.find_last_of("/\\"); }

char LowerCase(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

std::string LowerCase(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) { return LowerCase(c); });
  return lower;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return LowerCase(x) == LowerCase(y); });
}
}  // namespace

std::string FolderOf(std::string_view path) {
  const size_t cut = LastSeparator(path);
  return cut == std::string_view::npos ? std::string() : std::string(path.substr(0, cut + 1));
}

std::string FileNameOf(std::string_view path) {
  const size_t cut = LastSeparator(path);
  return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

std::string ToNativeSeparators(std::string_view path) {
  std::string native(path);
  std::replace(native.begin(), native.end(), '\\', '/');
  return native;
}

std::string WithTrailingSlash(std::string_view folder) {
  std::string result(folder);
  if (!result.empty() && result.back() != '/' && result.back() != '\\') result += '/';
  return result;
}

bool IsAbsolutePath(std::string_view path) { return !path.empty() && (path[0] == '/' || path[0] == '\\'); }

std::string ResolvePath(std::string_view folder, std::string_view name) {
  const std::string native = ToNativeSeparators(name);
  if (IsAbsolutePath(native) || folder.empty()) return native;
  return WithTrailingSlash(folder) + native;
}

std::string ReplaceLastThree(std::string_view path, std::string_view replacement) {
  const size_t keep = path.size() >= 3 ? path.size() - 3 : 0;
  return std::string(path.substr(0, keep)) + std::string(replacement);
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_regular_file(path, ec);
}

bool FolderExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_directory(path, ec);
}

namespace {
// The entry of folder (ending in a separator, or empty for the working folder)
// whose name equals name ignoring case and which is a folder or a file as asked;
// empty when there is none.
std::string EntryIgnoringCase(const std::string& folder, const std::string& name, bool wantFolder) {
  std::error_code ec;
  fs::directory_iterator it(folder.empty() ? "." : folder, ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    const std::string candidate = it->path().filename().string();
    if (!SameIgnoringCase(candidate, name)) continue;
    std::error_code kind;
    if (wantFolder ? it->is_directory(kind) : it->is_regular_file(kind)) return candidate;
  }
  return "";
}

// path (without a trailing separator) as it exists, matching each part that
// does not exist against its folder's entries ignoring case; empty when none matches.
std::string FindExisting(const std::string& path, bool wantFolder) {
  if (wantFolder ? FolderExists(path) : FileExists(path)) return path;
  const std::string folder = FolderOf(path);
  const std::string name = FileNameOf(path);
  if (name.empty() || name == "." || name == "..") return "";
  std::string actualFolder = folder;
  if (folder.size() > 1 && !FolderExists(folder)) {
    actualFolder = FindExisting(folder.substr(0, folder.size() - 1), true);
    if (actualFolder.empty()) return "";
    actualFolder += folder.back();
  }
  const std::string entry = EntryIgnoringCase(actualFolder, name, wantFolder);
  return entry.empty() ? "" : actualFolder + entry;
}
}  // namespace

std::string FindExistingFile(const std::string& path) {
  if (path.empty()) return path;
  const std::string found = FindExisting(path, false);
  return found.empty() ? path : found;
}

std::optional<std::string> FileFinder::Find(const std::string& path) {
  if (path.empty()) return std::nullopt;
  if (FileExists(path)) return path;
  const std::string folder = FolderOf(path);
  const std::string name = FileNameOf(path);
  if (name.empty() || name == "." || name == "..") return std::nullopt;
  auto [listing, added] = listings_.try_emplace(folder);
  if (added && (folder.size() <= 1 || FolderExists(folder))) {
    // The regular files of the folder in the order FindExistingFile meets them.
    auto& files = listing->second.emplace();
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? "." : folder, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
      std::error_code kind;
      if (!it->is_regular_file(kind)) continue;
      const std::string entry = it->path().filename().string();
      files.try_emplace(LowerCase(entry), entry);
    }
  }
  if (!listing->second) {  // a folder spelt in another case: found part by part
    const std::string found = FindExistingFile(path);
    return FileExists(found) ? std::optional(found) : std::nullopt;
  }
  const auto match = listing->second->find(LowerCase(name));
  if (match == listing->second->end()) return std::nullopt;
  return folder + match->second;
}

}  // namespace kelca
