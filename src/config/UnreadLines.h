#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace morva::config {

// The text of the files a load read, kept until the entries it belongs to
// are asked for. A load only splits the lines and finds each line's key;
// the lines of an entry are turned into its value, item comments and kept
// lines the first time the entry is looked at. A command that reads a few
// keys of a huge file so never builds the other entries' values, and no
// line is copied out of the one buffer per file.
struct UnreadLines
{
    static constexpr std::uint32_t kNone = 0xFFFFFFFFu;
    static constexpr std::uint32_t kKept = 0x80000000u; // a line kept above an item

    // A line of a file; the lines of one entry form a chain in file order.
    struct Line
    {
        const char* data = nullptr;
        std::uint32_t sizeAndKind = 0; // size, kKept for a kept line
        std::uint32_t next = kNone;

        std::string_view text() const { return {data, sizeAndKind & ~kKept}; }
        bool kept() const { return (sizeAndKind & kKept) != 0; }
    };
    struct Chain
    {
        std::uint32_t first = kNone;
        std::uint32_t last = kNone;
    };

    std::vector<std::unique_ptr<char[]>> buffers; // one per file read
    std::vector<Line> lines;
    std::vector<Chain> chains; // by entry index
    std::size_t unsettled = 0; // entries whose chain is not empty
    bool reading = true;       // the load is still adding lines

    // False when no more lines can be numbered (never for files a load accepts).
    bool add(std::size_t entry, std::string_view text, bool kept)
    {
        if (lines.size() >= kNone - 1 || entry >= chains.size())
            return false;
        const auto at = static_cast<std::uint32_t>(lines.size());
        lines.push_back(
            {text.data(), static_cast<std::uint32_t>(text.size()) | (kept ? kKept : 0), kNone});
        Chain& chain = chains[entry];
        if (chain.first == kNone) {
            chain.first = at;
            ++unsettled;
        } else {
            lines[chain.last].next = at;
        }
        chain.last = at;
        return true;
    }
};

} // namespace morva::config
