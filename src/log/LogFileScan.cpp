#include "log/LogFileScan.h"

#include "log/LogReader.h"

#include <algorithm>

namespace morva::log {

namespace {

constexpr platform::OpenMode kReadSharedMode = 1;
constexpr std::size_t kChunkBytes = std::size_t{256} * 1024;

std::string_view withoutLineEnd(std::string_view line)
{
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
        line.remove_suffix(1);
    return line;
}

} // namespace

LogFileScanResult scanLogFile(platform::FileSystem& fileSystem, const std::string& path,
                              const LogFileScan& scan)
{
    LogFileScanResult result;
    const platform::FileStat stat = fileSystem.stat(path);
    if (stat.exists && stat.isDirectory) {
        result.failure = platform::FileError::IsDirectory;
        return result;
    }
    auto file = fileSystem.open(path, kReadSharedMode, &result.failure);
    if (!file)
        return result;
    std::uint64_t size = 0;
    if (!file->size(&size)) {
        result.failure = file->lastError();
        return result;
    }
    const std::uint64_t end = std::min(size, scan.endOffset);

    std::vector<LogRow> rows;
    rows.reserve(std::min<std::size_t>(scan.batchRows, 100000));
    auto deliver = [&]() {
        result.rows += rows.size();
        const bool more = !scan.onRows || scan.onRows(rows);
        rows.clear();
        return more;
    };
    std::vector<char> chunk(kChunkBytes);
    std::string partial;
    bool partialCut = false;
    std::uint64_t offset = 0;
    while (offset < end) {
        if (scan.cancel && scan.cancel->load(std::memory_order_relaxed)) {
            result.cancelled = true;
            return result;
        }
        const std::size_t want =
            static_cast<std::size_t>(std::min<std::uint64_t>(kChunkBytes, end - offset));
        std::size_t got = 0;
        if (!file->readAt(offset, chunk.data(), want, &got)) {
            result.failure = file->lastError();
            return result;
        }
        if (got == 0)
            break; // the file shrank while we read it
        offset += got;
        std::string_view data(chunk.data(), got);
        while (!data.empty()) {
            const std::size_t lineEnd = data.find('\n');
            const std::string_view piece =
                data.substr(0, lineEnd == std::string_view::npos ? data.size() : lineEnd + 1);
            data.remove_prefix(piece.size());
            // Whole lines are split where they stand, without a copy.
            if (partial.empty() && !partialCut && lineEnd != std::string_view::npos &&
                piece.size() <= LogReader::kMaxLineBytes) {
                rows.push_back(splitLogLine(withoutLineEnd(piece)));
            } else {
                if (!partialCut) {
                    const std::size_t room = LogReader::kMaxLineBytes - partial.size();
                    partial.append(piece.substr(0, room));
                    partialCut = piece.size() > room;
                }
                if (lineEnd == std::string_view::npos)
                    continue;
                rows.push_back(splitLogLine(withoutLineEnd(partial)));
                partial.clear();
                partialCut = false;
            }
            if (rows.size() >= scan.batchRows && !deliver())
                return result;
        }
        if (scan.onProgress)
            scan.onProgress(offset, end);
    }
    if (!partial.empty() && scan.includeUnfinishedLine && end == size)
        rows.push_back(splitLogLine(withoutLineEnd(partial)));
    if (!rows.empty() && !deliver())
        return result;
    result.ok = true;
    return result;
}

} // namespace morva::log
