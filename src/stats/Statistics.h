#pragma once

#include "platform/FileSystem.h"
#include "stats/StatLine.h"

#include <string>
#include <vector>

namespace morva::platform {
class Clock;
class FileSystem;
} // namespace morva::platform

namespace morva::stats {

enum class RefreshOutcome
{
    SignalFailed, // "Stat.sig" could not be created (see failure()); nothing was waited for
    NoStatistics, // "CONST-A.dat" could not be opened within the tries
    NotPlainFile, // "CONST-A.dat" is a special file (see failure()); not waited for
    Empty,        // the file was opened but held no line
    Updated,      // the stored lines were replaced
};

// The gateway's statistics as the console last read them. refresh() asks the
// gateway for new figures and reads them; the stored lines change only when
// a read produced at least one line.
class Statistics
{
public:
    // Tries to open the statistics file, one second apart, after a first
    // second of grace (about twelve seconds in all).
    static constexpr int kReadTries = 11;

    // `programDir` ends with the native separator.
    Statistics(platform::FileSystem& fileSystem, platform::Clock& clock, std::string programDir);

    // Creates "Stat.sig", then waits through the clock for "CONST-A.dat"
    // (opened read-only, sharing read and write, so the gateway may keep
    // writing it) and reads it.
    RefreshOutcome refresh();

    const std::vector<std::string>& lines() const { return m_lines; }
    std::vector<StatLine> rows() const;
    // The last stored read stopped at the size limit.
    bool truncated() const { return m_truncated; }
    // Why the last refresh failed: the path and the file layer's reason.
    const std::string& failedPath() const { return m_failedPath; }
    platform::FileError failure() const { return m_failure; }

private:
    bool sendSignal();

    platform::FileSystem& m_fileSystem;
    platform::Clock& m_clock;
    std::string m_programDir;
    std::vector<std::string> m_lines;
    bool m_truncated = false;
    std::string m_failedPath;
    platform::FileError m_failure = platform::FileError::None;
};

} // namespace morva::stats
