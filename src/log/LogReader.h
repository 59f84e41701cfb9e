#pragma once

#include "log/LogLine.h"
#include "platform/FileSystem.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace morva::log {

// The log file the console shows: "GW.log" in `adminLogPath` when it is not
// empty, else in `logPath` when that is not empty, else in `programDir`; a
// separator is added when the directory does not end with one.
std::string logFilePath(const std::string& adminLogPath, const std::string& logPath,
                        const std::string& programDir, char separator);

struct LogReadResult
{
    bool cleared = false; // drop the rows shown so far before adding `rows`
    std::vector<LogRow> rows;
    bool more = false; // a limit was reached; the next call reads on
    // Why the file could not be opened (None when it was, or was not tried).
    platform::FileError failure = platform::FileError::None;
};

// Follows the gateway's log file: the first read delivers the lines of the
// last 4000 bytes (without the line cut there), later reads only what was
// appended. The file is opened and closed on every read so that the gateway
// can keep writing and rotating it; a read of a file that has not changed
// costs one stat. A file that became shorter than the read position was
// replaced or truncated: the next result is `cleared` and starts again with
// the last 4000 bytes. A missing or unreadable file gives nothing and is
// tried again on the next call.
//
// A line still being written (no line end yet) is held back until it is
// complete, or until a later call finds the file unchanged, so that a line is
// not split into two rows while the gateway writes it.
class LogReader
{
public:
    static constexpr std::uint64_t kInitialTail = 4000;
    static constexpr std::size_t kMaxLinesPerRead = 1000;
    // Bounds one call on a file that grows by huge lines.
    static constexpr std::size_t kMaxBytesPerRead = std::size_t{4} * 1024 * 1024;
    // Longer lines are cut to this many bytes (the rest is skipped).
    static constexpr std::size_t kMaxLineBytes = std::size_t{64} * 1024;

    LogReader(platform::FileSystem& fileSystem, std::string path);

    LogReadResult readNewLines(std::size_t maxLines = kMaxLinesPerRead);

    const std::string& path() const { return m_path; }
    // Byte offset after the last byte taken in; 0 before the first read.
    std::uint64_t position() const { return m_position; }
    // The unfinished last line held back so far, if any (for a one-shot
    // reader that will not wait for it to be completed).
    std::optional<LogRow> takeUnfinishedLine();
    // Forgets the position: the next read starts again with the tail.
    void restart();

private:
    platform::FileSystem& m_fileSystem;
    std::string m_path;
    bool m_started = false;
    std::uint64_t m_position = 0;
    std::uint64_t m_sizeAtLastRead = 0;
    std::int64_t m_writeTimeAtLastRead = 0;
    bool m_discardToLineEnd = false; // the line cut by the initial tail
    std::string m_partial;           // unfinished last line
    bool m_partialCut = false;       // m_partial reached kMaxLineBytes
};

} // namespace morva::log
