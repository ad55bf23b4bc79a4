#pragma once
// The one setting kept between sessions: the database folder, in the start-up
// settings file of the user's configuration folder, beside the activity log.
#include <string>

#include "common/Status.h"

namespace kelca {

inline constexpr const char* kStartupSettingsFile = "LCA_ZQ_Str.TXT";
inline constexpr const char* kActivityLogFile = "LCA_ZQ.LOG";
// Where the Debian package puts the sample database.
inline constexpr const char* kInstalledDatabaseFolder = "/usr/share/kelca/db/";

// The folders the program starts from, each ending in "/" (or empty):
// Settings holds the start-up settings file and the activity log; Home is where
// the file dialogs start before a database is loaded (the settings folder when
// empty); InstalledDb is offered at a start with no settings file, when it
// holds a database.
struct StartupFolders {
  std::string Settings{};
  std::string Home{};
  std::string InstalledDb{};
};

// The configuration folder (ending in "/") from the values of KELCA_CONFIG_DIR,
// XDG_CONFIG_HOME and HOME, in this order of preference; null or empty values
// are skipped. Empty when none is set.
std::string SettingsFolderFrom(const char* kelcaConfigDir, const char* xdgConfigHome, const char* home);
// The same, from this process's environment.
std::string SettingsFolderFromEnvironment();
// The settings folder and the home folder from this process's environment, and
// the installed database folder.
StartupFolders StartupFoldersFromEnvironment();

// Reads the database folder from the settings file in settingsFolder. Returns
// false with an empty folder when there is no settings file; a file that cannot
// be read gives false and an error naming it in status.
bool ReadStartupSettings(const std::string& settingsFolder, std::string& dbFolder, Status& status);
// Writes the database folder as one quoted string, creating the configuration
// folder when needed and replacing the old file only once the new one is complete.
Status WriteStartupSettings(const std::string& settingsFolder, const std::string& dbFolder);

}  // namespace kelca
