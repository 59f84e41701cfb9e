#pragma once

#include <string>

namespace morva::stats {

// Per-user settings of the statistics viewer (platform::UserSettings).
// 1: the history is kept in the program directory, shared by everyone who
// administers this gateway; 0 (default): in the user's own data directory.
inline constexpr const char* kHistoryBesideProgramSetting = "StatHistoryBesideProgram";
// Minutes between automatic refreshes of the open viewer; 0 (default): off.
inline constexpr const char* kAutoRefreshMinutesSetting = "StatAutoRefreshMinutes";

// The console's per-user data directory, ending with the separator:
// %LOCALAPPDATA%\Brentmoor\MorvaAdmin\ on Windows, elsewhere
// $XDG_DATA_HOME/Brentmoor/MorvaAdmin/ (default ~/.local/share). Empty when
// the environment names no absolute base.
std::string userDataDirectory();

// Where the history of the gateway in `programDir` (ending with the native
// separator) is kept: in the program directory, or in the user's data
// directory under a name derived from the program directory, so that each
// gateway has its own. Empty when the user has no data directory.
std::string statHistoryPath(const std::string& programDir, bool besideProgram);

// Creates the directory of `path` (owner-only where the system has
// permissions) when it is missing; false when it cannot.
bool prepareHistoryDirectory(const std::string& path);

} // namespace morva::stats
