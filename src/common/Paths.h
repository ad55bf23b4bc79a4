#pragma once
// File names. The native separator is "/"; names written on other systems may
// use "\", so the split helpers accept both. Folders held in tables end with "/".
#include <string>
#include <string_view>

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
bool FolderExists(const std::string& path);

}  // namespace kelca
