#pragma once

#include "log/LogLine.h"
#include "platform/FileSystem.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace morva::log {

// Reads a whole log file from its first byte, for a search over all of it or
// for showing an older (rotated) log: the rows go to `onRows` in batches as
// they are read. Lines longer than LogReader::kMaxLineBytes are cut.
struct LogFileScan
{
    // Stop at this byte offset (a follower took over from there); a line
    // that is not finished there is left to the follower.
    std::uint64_t endOffset = std::numeric_limits<std::uint64_t>::max();
    // At the end of the file, show a last line that has no line end.
    bool includeUnfinishedLine = true;
    // Set from another thread to stop early.
    const std::atomic<bool>* cancel = nullptr;
    std::size_t batchRows = 10000;
    // Rows read so far; false stops the scan (the reader went away).
    std::function<bool(std::vector<LogRow>& rows)> onRows;
    // Bytes read so far and the file's size.
    std::function<void(std::uint64_t done, std::uint64_t total)> onProgress;
};

struct LogFileScanResult
{
    bool ok = false; // read to the end (or endOffset)
    bool cancelled = false;
    platform::FileError failure = platform::FileError::None;
    std::uint64_t rows = 0;
};

LogFileScanResult scanLogFile(platform::FileSystem& fileSystem, const std::string& path,
                              const LogFileScan& scan);

} // namespace morva::log
