#pragma once
// The one setting kept between sessions: the database folder, in the start-up
// settings file of the user's configuration folder, beside the activity log.
#include <string>

#include "common/Status.h"

namespace kelca {

inline constexpr const char* kStartupSettingsFile = "LCA_ZQ_Str.TXT";
inline constexpr const char* kActivityLogFile = "LCA_ZQ.LOG";

// The configuration folder (ending in "/") from the values of KELCA_CONFIG_DIR,
// XDG_CONFIG_HOME and HOME, in this order of preference; null or empty values
// are skipped. Empty when none is set.
std::string SettingsFolderFrom(const char* kelcaConfigDir, const char* xdgConfigHome, const char* home);
// The same, from this process's environment.
std::string SettingsFolderFromEnvironment();

// Reads the database folder from the settings file in settingsFolder. Returns
// false with an empty folder when there is no settings file; a file that cannot
// be read gives false and an error naming it in status.
bool ReadStartupSettings(const std::string& settingsFolder, std::string& dbFolder, Status& status);
// Writes the database folder as one quoted string, creating the configuration
// folder when needed and replacing the old file only once the new one is complete.
Status WriteStartupSettings(const std::string& settingsFolder, const std::string& dbFolder);

}  // namespace kelca
