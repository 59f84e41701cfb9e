#pragma once

#include "config/FileHistory.h"

#include <memory>
#include <string>

namespace morva::platform {
class UserSettings;
}

namespace morva::config {

// The per-user settings that bound the history (count of saves, megabytes).
inline constexpr const char* kHistoryMaxSavesSetting = "ConfigHistoryMaxSaves";
inline constexpr const char* kHistoryMaxMegabytesSetting = "ConfigHistoryMaxMegabytes";

// The history of the program directory `programDir` (ends with a separator):
// the folder "History" beside "Morva.ini", this user and machine, the
// schema's list keys, the limits of `settings` (defaults when null or unset;
// values below 1 count as 1).
std::unique_ptr<FileHistory> makeProgramHistory(platform::FileSystem& fileSystem,
                                                platform::Clock& clock,
                                                const std::string& programDir,
                                                platform::UserSettings* settings);

} // namespace morva::config
