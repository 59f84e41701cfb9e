#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <string>

class QWidget;

namespace morva::platform {
class Clock;
class FileSystem;
} // namespace morva::platform

namespace morva::stats {

// What the viewer needs beyond the figures: where the history, exports and
// the gateway's statistics files live, and the user's settings. Without a
// file system the viewer keeps no history and offers no exports.
struct StatViewerOptions
{
    platform::FileSystem* fileSystem = nullptr;
    platform::Clock* clock = nullptr; // the waits of a replace (exports)
    std::string programDir;           // ends with the native separator
    // The console's per-user integer settings; either may be empty.
    std::function<int(const char* name, int defaultValue)> readSetting;
    std::function<bool(const char* name, int value)> writeSetting;
    // StatisticPath and StatisticFileDelimiter of the configuration.
    std::string statisticPath;
    std::int64_t statisticDelimiter = 44;
    // File pickers (tests answer them); empty: the Qt file dialogs.
    std::function<QString(QWidget* parent, const QString& title, const QString& filter)>
        chooseSaveFile;
    std::function<QStringList(QWidget* parent, const QString& title, const QString& directory,
                              const QString& filter)>
        chooseOpenFiles;
};

} // namespace morva::stats
