#pragma once

#include "platform/FileSystem.h"
#include "stats/StatLine.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morva::stats {

// One statistics dump as the console read it: when the gateway wrote it
// (ns since 1970) and its lines.
struct StatSample
{
    std::int64_t timeNs = 0;
    std::vector<StatLine> counters;

    bool operator==(const StatSample&) const = default;
};

// One history record: a line of tab-separated fields "1", the time, then
// name and value pairs, and last a CRC-32 (eight hex digits) of everything
// before it. Tabs, line ends and backslashes in names and values are escaped
// with a backslash. A record cut short or damaged fails its checksum and is
// skipped, so a console killed while appending loses that record only.
std::string encodeHistoryRecord(const StatSample& sample);
std::optional<StatSample> decodeHistoryRecord(std::string_view line);

struct HistoryLoad
{
    std::vector<StatSample> samples;                       // oldest first
    std::size_t damagedRecords = 0;                        // lines that failed to decode
    platform::FileError error = platform::FileError::None; // a file that exists but cannot be read
};

// The kept statistics history of one program directory: an append-only file
// and, once that passes kRotateBytes, one older generation beside it
// (path + ".1"), so the history stays under twice that size.
class StatHistoryStore
{
public:
    static constexpr std::uint64_t kRotateBytes = std::uint64_t{4} << 20;

    StatHistoryStore(platform::FileSystem& fileSystem, std::string path,
                     std::uint64_t rotateBytes = kRotateBytes);

    const std::string& path() const { return m_path; }
    std::string olderPath() const { return m_path + ".1"; }

    // Appends one record and syncs it. A file whose last record was cut
    // short gets a line end first, so the new record stands on its own line.
    // False (with *error) when the record could not be written in full.
    bool append(const StatSample& sample, platform::FileError* error = nullptr);
    // Every intact record of the older generation and the current file,
    // sorted by time (stable).
    HistoryLoad load();

private:
    bool rotate(platform::FileError* error);

    platform::FileSystem& m_fileSystem;
    std::string m_path;
    std::uint64_t m_rotateBytes;
};

} // namespace morva::stats
