// The log follower on a log file that the input grows, truncates and
// replaces between reads (in bursts that cross its 64 KiB chunks). Always: every shown field is
// valid UTF-8 without control characters, and reading on terminates. When the file only grew and
// was at most one tail long at the first read, every line comes out exactly
// once, in order, however the appends and reads fell on it.
#include "log/LogLine.h"
#include "log/LogReader.h"
#include "support/MemoryFileSystem.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using morva::log::LogReader;
using morva::log::LogRow;

constexpr const char* kPath = "/gw/GW.log";

bool isShowable(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        std::size_t length = byte < 0x80 ? 1 : (byte >> 5) == 6 ? 2 : (byte >> 4) == 14 ? 3 : 4;
        if (byte < 0x20 || byte == 0x7f || (byte >= 0x80 && byte < 0xc2) || byte > 0xf4 ||
            i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xc0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

std::string withoutLineEnd(std::string line)
{
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
        line.pop_back();
    return line;
}

std::vector<LogRow> expectedRows(const std::string& content)
{
    std::vector<LogRow> rows;
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t end = content.find('\n', start);
        const std::size_t stop = end == std::string::npos ? content.size() : end + 1;
        // A longer line keeps its first bytes (line end included) only.
        const std::size_t kept = std::min(stop - start, LogReader::kMaxLineBytes);
        rows.push_back(morva::log::splitLogLine(withoutLineEnd(content.substr(start, kept))));
        start = stop;
    }
    return rows;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    morva::test::MemoryFileSystem fs;
    std::string& file = fs.files[kPath];
    LogReader reader(fs, kPath);
    std::vector<LogRow> shown;
    bool onlyGrew = true;
    bool firstReadWithinTail = true;
    bool started = false;
    bool newSinceLastRead = true;

    auto take = [&](std::size_t maxLines) {
        const morva::log::LogReadResult result = reader.readNewLines(maxLines);
        if (!started) {
            started = true;
            firstReadWithinTail = file.size() <= LogReader::kInitialTail;
        }
        if (result.cleared)
            shown.clear();
        for (const LogRow& row : result.rows) {
            if (!isShowable(row.time) || !isShowable(row.thread) || !isShowable(row.activity))
                std::abort();
            shown.push_back(row);
        }
        if (reader.position() > file.size())
            std::abort();
        newSinceLastRead = result.more;
        return result.more;
    };

    std::size_t at = 0;
    auto next = [&]() -> std::uint8_t { return at < size ? data[at++] : 0; };
    while (at < size) {
        const std::uint8_t op = next();
        switch (op % 5) {
        case 0: { // the gateway appends
            const std::size_t length = std::min<std::size_t>(next() + 1u, size - at);
            file.append(reinterpret_cast<const char*>(data + at), length);
            at += length;
            newSinceLastRead = newSinceLastRead || length > 0;
            break;
        }
        case 1: // the console's timer reads; a read of an unchanged file is
                // what ends an unfinished line, so it only counts for the
                // "every line once" check when something new was there
            if (newSinceLastRead || !onlyGrew)
                take(1 + next() % 8);
            else
                next();
            break;
        case 2: // truncated, as by a log rotation
            file.resize(std::min<std::size_t>(file.size(), next() * 16u));
            onlyGrew = false;
            break;
        case 3: { // a burst: a piece appended many times over, so that lines
                  // and reads cross the reader's 64 KiB chunks and its
                  // longest line
            const std::size_t times = (next() + 1u) * 64u;
            const std::size_t length = std::min<std::size_t>(next() % 32 + 1u, size - at);
            const std::string piece(reinterpret_cast<const char*>(data + at), length);
            at += length;
            const std::size_t before = file.size();
            for (std::size_t i = 0; i < times && file.size() < (200u << 10); ++i)
                file += piece;
            // A file already at the cap stays unchanged, and the next read
            // rightly ends its unfinished line.
            newSinceLastRead = newSinceLastRead || file.size() > before;
            break;
        }
        default: { // replaced by another file
            const std::size_t length = std::min<std::size_t>(next(), size - at);
            file.assign(reinterpret_cast<const char*>(data + at), length);
            at += length;
            onlyGrew = false;
            break;
        }
        }
    }
    // Read on to the end, then once more on the unchanged file for the last
    // unfinished line.
    int rounds = 0;
    while (take(8))
        if (++rounds > 100000)
            std::abort();
    take(8);

    if (onlyGrew && firstReadWithinTail && shown != expectedRows(file))
        std::abort();
    return 0;
}
