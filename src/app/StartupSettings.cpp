#include "app/StartupSettings.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "common/Paths.h"
#include "common/TextReader.h"
#include "common/TextWriter.h"

namespace kelca {

namespace {
bool IsSet(const char* value) { return value != nullptr && *value != '\0'; }
}  // namespace

std::string SettingsFolderFrom(const char* kelcaConfigDir, const char* xdgConfigHome, const char* home) {
  if (IsSet(kelcaConfigDir)) return WithTrailingSlash(kelcaConfigDir);
  if (IsSet(xdgConfigHome)) return WithTrailingSlash(xdgConfigHome) + "kelca/";
  if (IsSet(home)) return WithTrailingSlash(home) + ".config/kelca/";
  return "";
}

std::string SettingsFolderFromEnvironment() {
  return SettingsFolderFrom(std::getenv("KELCA_CONFIG_DIR"), std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

StartupFolders StartupFoldersFromEnvironment() {
  const char* home = std::getenv("HOME");
  return {SettingsFolderFromEnvironment(), IsSet(home) ? WithTrailingSlash(home) : "", kInstalledDatabaseFolder};
}

bool ReadStartupSettings(const std::string& settingsFolder, std::string& dbFolder, Status& status) {
  dbFolder.clear();
  status = Status::Ok();
  const std::string path = settingsFolder + kStartupSettingsFile;
  if (!FileExists(FindExistingFile(path))) return false;
  TextReader reader("", "");
  status = TextReader::Open(path, reader);
  std::string folder;
  if (status && !reader.ReadString(folder)) status = reader.Result();
  if (status && folder.empty()) status = Status::Error(path + ": line 1: the database folder is empty");
  if (!status) return false;
  dbFolder = WithTrailingSlash(ToNativeSeparators(folder));
  return true;
}

Status WriteStartupSettings(const std::string& settingsFolder, const std::string& dbFolder) {
  std::error_code ec;
  std::filesystem::create_directories(settingsFolder, ec);
  TextWriter writer;
  writer.Line(dbFolder);
  return writer.Save(settingsFolder + kStartupSettingsFile);
}

}  // namespace kelca
