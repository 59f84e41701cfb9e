#include "stats/StatisticsFile.h"

#include "platform/FileSystem.h"

#include <algorithm>
#include <cstdint>

namespace morva::stats {

std::vector<std::string> splitLines(std::string_view bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
        if (end == std::string_view::npos)
            end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
        start = next;
    }
    return lines;
}

StatisticsText readStatisticsText(platform::File& file, std::size_t maxBytes)
{
    StatisticsText result;
    std::string bytes;
    constexpr std::size_t kChunk = std::size_t{64} * 1024;
    while (bytes.size() < maxBytes) {
        const std::size_t want = std::min(kChunk, maxBytes - bytes.size());
        const std::size_t have = bytes.size();
        bytes.resize(have + want);
        std::size_t got = 0;
        const bool ok = file.readAt(have, bytes.data() + have, want, &got);
        bytes.resize(have + (ok ? got : 0));
        if (!ok || got < want) {
            result.lines = splitLines(bytes);
            return result;
        }
    }
    // The limit was reached: is there more?
    char probe = 0;
    std::size_t got = 0;
    if (file.readAt(bytes.size(), &probe, 1, &got) && got == 1) {
        result.truncated = true;
        const std::size_t lastLineEnd = bytes.rfind('\n');
        bytes.resize(lastLineEnd == std::string::npos ? 0 : lastLineEnd + 1);
    }
    result.lines = splitLines(bytes);
    return result;
}

} // namespace morva::stats
