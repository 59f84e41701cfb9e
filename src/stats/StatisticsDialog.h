#pragma once

#include "stats/StatViewerOptions.h"

#include <string>

class QWidget;

namespace morva::platform {
class Clock;
class FileSystem;
} // namespace morva::platform

namespace morva::stats {

// Opens the statistics viewer over `parent`: one refresh before the dialog
// is shown, then the dialog runs modally. Returns the dialog result.
// `programDir` ends with the native separator; `clock` is the console's
// (see gui::EventPumpingClock). `options` gives the history, exports and
// settings (its file system, clock and program directory are filled in).
int runStatisticsDialog(QWidget* parent, platform::FileSystem& fileSystem, platform::Clock& clock,
                        const std::string& programDir, int languageIndex,
                        StatViewerOptions options = {});

} // namespace morva::stats
