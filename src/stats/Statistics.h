#pragma once

#include "platform/FileSystem.h"
#include "stats/StatLine.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace morva::platform {
class Clock;
class FileSystem;
struct FileStat;
} // namespace morva::platform

namespace morva::stats {

enum class RefreshOutcome
{
    SignalFailed, // "Stat.sig" could not be created (see failure()); nothing was waited for
    NoStatistics, // the gateway did not rewrite "CONST-A.dat" within the wait
    NotPlainFile, // "CONST-A.dat" is a special file (see failure()); not waited for
    Cancelled,    // the user ended the wait
    Empty,        // the gateway rewrote the file but it held no line
    Updated,      // the stored lines were replaced by the new figures
};

// How a refresh tells its user that it waits, and learns that the user gave
// up. Either may be empty.
struct RefreshWait
{
    std::function<void()> begin;     // the signal is out; the wait starts
    std::function<bool()> cancelled; // asked between the short sleeps
    std::function<void()> end;       // the wait is over, however it ended
};

// The gateway's statistics as the console last read them. refresh() asks the
// gateway for new figures and waits until it has rewritten the statistics
// file: a file that merely exists may be the previous dump. The stored lines
// change only when the new file holds at least one line; when nothing new
// arrives they are kept, marked stale with the time they were written.
class Statistics
{
public:
    // How long the gateway has to rewrite the file, and how often the
    // console looks (and lets its user cancel).
    static constexpr std::chrono::milliseconds kWaitLimit{12000};
    static constexpr std::chrono::milliseconds kPollInterval{100};

    // `programDir` ends with the native separator.
    Statistics(platform::FileSystem& fileSystem, platform::Clock& clock, std::string programDir);

    // Notes the statistics file's size and write time, creates "Stat.sig",
    // then waits through the clock until the file shows another size or
    // write time and stays so for one poll (the gateway has finished writing
    // it), and reads it (read-only, sharing read and write). When nothing new
    // arrives and no lines are stored yet, the file found before the signal
    // is read as stale figures.
    RefreshOutcome refresh(const RefreshWait& wait = {});

    const std::vector<std::string>& lines() const { return m_lines; }
    std::vector<StatLine> rows() const;
    // The last stored read stopped at the size limit.
    bool truncated() const { return m_truncated; }
    // Why the last refresh failed: the path and the file layer's reason.
    const std::string& failedPath() const { return m_failedPath; }
    platform::FileError failure() const { return m_failure; }
    // The stored lines are not the answer to the last refresh.
    bool stale() const { return m_stale; }
    // When the gateway wrote the stored lines (ns since 1970, 0 if unknown).
    std::int64_t writtenNs() const { return m_writtenNs; }

private:
    bool sendSignal();
    // Reads the file into the stored lines; false when it could not be
    // opened or held no line.
    // True when the file is a pipe, device or link (failure() says which).
    bool refusedAsSpecial(const std::string& path);
    bool readLines(const std::string& path, const platform::FileStat& stat, bool* opened);
    void keepOldFigures(const std::string& path, const platform::FileStat& before);

    platform::FileSystem& m_fileSystem;
    platform::Clock& m_clock;
    std::string m_programDir;
    std::vector<std::string> m_lines;
    bool m_truncated = false;
    std::string m_failedPath;
    platform::FileError m_failure = platform::FileError::None;
    bool m_stale = false;
    std::int64_t m_writtenNs = 0;
};

// A write time as local "YYYY-MM-DD HH:MM:SS".
std::string localTimeText(std::int64_t unixNs);

} // namespace morva::stats
