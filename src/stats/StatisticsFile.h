#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace morva::platform {
class File;
}

namespace morva::stats {

// The statistics text the gateway writes after "Stat.sig".
inline constexpr const char* kStatisticsFileName = "CONST-A.dat";

// The most of "CONST-A.dat" the console reads. The gateway's counters fit in
// a few kilobytes; a larger file is read only this far, so a runaway file
// cannot exhaust memory.
inline constexpr std::size_t kMaxStatisticsBytes = std::size_t{1} << 20;

struct StatisticsText
{
    std::vector<std::string> lines;
    bool truncated = false; // the file was longer than the limit
};

// Lines of `bytes`, ending in LF or CR LF; a last line without a line end
// counts, an empty text has no lines.
std::vector<std::string> splitLines(std::string_view bytes);

// Reads the lines of an open statistics file, at most `maxBytes` of it.
// When the file is longer the text is marked truncated and a last line cut
// by the limit is dropped. A read error ends the text where it happened.
StatisticsText readStatisticsText(platform::File& file, std::size_t maxBytes = kMaxStatisticsBytes);

} // namespace morva::stats
