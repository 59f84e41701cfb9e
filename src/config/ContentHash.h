#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace morva::config {

// The 64-bit XXH64 hash (seed 0) of bytes given in pieces of any size: the
// check of the history's copies. It takes eight bytes per step in four
// independent lanes, fast enough for record files of tens of megabytes,
// where a byte-wise hash waits on one multiplication per byte.
class ContentHash
{
public:
    ContentHash();
    void add(std::string_view bytes);
    std::uint64_t value() const;

private:
    void stripe(const unsigned char* bytes);

    std::uint64_t m_lanes[4];
    std::uint64_t m_total = 0;
    unsigned char m_pending[32] = {};
    std::size_t m_pendingSize = 0;
};

// The hash of `bytes` in one piece.
std::uint64_t contentHash(std::string_view bytes);

} // namespace morva::config
