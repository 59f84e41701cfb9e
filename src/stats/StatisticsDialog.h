#pragma once

#include <string>

class QWidget;

namespace morva::platform {
class FileSystem;
}

namespace morva::stats {

// Opens the statistics viewer over `parent`: one refresh before the dialog
// is shown, then the dialog runs modally. Returns the dialog result.
// `programDir` ends with the native separator.
int runStatisticsDialog(QWidget* parent, platform::FileSystem& fileSystem,
                        const std::string& programDir, int languageIndex);

} // namespace morva::stats
