// The sixteen-byte scans against the plain byte-by-byte answer, for every
// length around the block size and every position of the byte looked for
// (the short-text path, whole blocks and the overlapping last block).
#include "config/ByteScan.h"

#include <gtest/gtest.h>
#include <string>

using namespace morva::config;

namespace {

ByteScan plainScan(std::string_view text, std::string_view wanted)
{
    ByteScan found;
    for (const char byte : text) {
        found.highBytes = found.highBytes || static_cast<unsigned char>(byte) >= 0x80;
        found.anyOf = found.anyOf || wanted.find(byte) != std::string_view::npos;
    }
    return found;
}

} // namespace

TEST(ByteScan, FindsEachByteWhereverItStandsAndNothingBeyondTheText)
{
    for (std::size_t length = 0; length <= 50; ++length) {
        for (std::size_t at = 0; at <= length; ++at) {
            for (const char byte : {',', '"', '\r', '\n', '\xE9', 'a'}) {
                // The text sits inside a larger buffer whose bytes around it
                // are all of the kinds looked for: none may count.
                std::string buffer = ",\xE9\"\n" + std::string(length, 'x') + ",\xE9\"\n";
                if (at < length)
                    buffer[4 + at] = byte;
                const std::string_view text(buffer.data() + 4, length);
                const ByteScan scan = scanBytes(text, ',', '"', '\r', '\n');
                const ByteScan expected = plainScan(text, ",\"\r\n");
                ASSERT_EQ(scan.highBytes, expected.highBytes) << length << " " << at << " " << byte;
                ASSERT_EQ(scan.anyOf, expected.anyOf) << length << " " << at << " " << byte;
            }
        }
    }
}

TEST(ByteScan, TrailingSpacesAreCutAtTheLastOtherByte)
{
    for (std::size_t width = 0; width <= 70; ++width) {
        for (std::size_t used = 0; used <= width; ++used) {
            // Inner spaces stay; a byte after the text is no space.
            std::string buffer = std::string(used, 'a') + std::string(width - used, ' ') + "z";
            if (used > 2)
                buffer[used / 2] = ' ';
            const std::string_view field(buffer.data(), width);
            ASSERT_EQ(lengthWithoutTrailingSpaces(field), used) << width << " " << used;
        }
    }
}
