#pragma once
// File names. The native separator is "/"; names written on other systems may
// use "\", so the split helpers accept both. Folders held in tables end with "/".
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace kelca {

// The part up to and including the last "/" or "\"; empty when there is none.
std::string FolderOf(std::string_view path);
// The part after the last "/" or "\"; the whole path when there is none.
std::string FileNameOf(std::string_view path);
// "\" turned into "/", for names written on another system.
std::string ToNativeSeparators(std::string_view path);
// A folder with one trailing "/" (empty stays empty).
std::string WithTrailingSlash(std::string_view folder);
bool IsAbsolutePath(std::string_view path);
// A relative name resolved against a folder (the Workspace's current folder);
// an absolute name stays as it is.
std::string ResolvePath(std::string_view folder, std::string_view name);
// The path with its last three characters replaced (project-owned files: "ECI", "EUR", ...).
std::string ReplaceLastThree(std::string_view path, std::string_view replacement);
// The path itself when it exists, else the file whose path matches it part by
// part ignoring case (folders copied from systems that ignore letter case, such
// as the library folders), else the path unchanged.
std::string FindExistingFile(const std::string& path);
bool FileExists(const std::string& path);

// FindExistingFile for many names in the same folders, as one run of a
// calculation looks them up: a folder is listed once, at the first name in it
// that does not exist as written, and its listing is kept while the finder lives.
class FileFinder {
 public:
  // The file as FindExistingFile finds it; nothing when no file matches.
  std::optional<std::string> Find(const std::string& path);

 private:
  // Per folder as written: each lower-cased file name with the first file of
  // that name ignoring case; nothing when the folder does not exist as written.
  std::unordered_map<std::string, std::optional<std::unordered_map<std::string, std::string>>> listings_;
};
bool FolderExists(const std::string& path);

}  // namespace kelca
