#include "config/ContentHash.h"

#include <bit>
#include <cstring>

namespace morva::config {

namespace {

constexpr std::uint64_t kPrime1 = 0x9E3779B185EBCA87u;
constexpr std::uint64_t kPrime2 = 0xC2B2AE3D27D4EB4Fu;
constexpr std::uint64_t kPrime3 = 0x165667B19E3779F9u;
constexpr std::uint64_t kPrime4 = 0x85EBCA77C2B2AE63u;
constexpr std::uint64_t kPrime5 = 0x27D4EB2F165667C5u;

// Little-endian reads, whatever the machine's own order.
std::uint64_t read64(const unsigned char* at)
{
    std::uint64_t value = 0;
    for (int i = 7; i >= 0; --i)
        value = (value << 8) | at[i];
    return value;
}

std::uint32_t read32(const unsigned char* at)
{
    return std::uint32_t(at[0]) | std::uint32_t(at[1]) << 8 | std::uint32_t(at[2]) << 16 |
           std::uint32_t(at[3]) << 24;
}

std::uint64_t round(std::uint64_t lane, std::uint64_t input)
{
    lane += input * kPrime2;
    return std::rotl(lane, 31) * kPrime1;
}

std::uint64_t mergeRound(std::uint64_t hash, std::uint64_t lane)
{
    hash ^= round(0, lane);
    return hash * kPrime1 + kPrime4;
}

} // namespace

ContentHash::ContentHash() : m_lanes{kPrime1 + kPrime2, kPrime2, 0, 0 - kPrime1} {}

void ContentHash::stripe(const unsigned char* bytes)
{
    for (std::size_t lane = 0; lane < 4; ++lane)
        m_lanes[lane] = round(m_lanes[lane], read64(bytes + 8 * lane));
}

void ContentHash::add(std::string_view text)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    std::size_t size = text.size();
    m_total += size;
    if (m_pendingSize > 0) {
        const std::size_t taken = std::min(size, sizeof m_pending - m_pendingSize);
        std::memcpy(m_pending + m_pendingSize, bytes, taken);
        m_pendingSize += taken;
        bytes += taken;
        size -= taken;
        if (m_pendingSize < sizeof m_pending)
            return;
        stripe(m_pending);
        m_pendingSize = 0;
    }
    for (; size >= 32; bytes += 32, size -= 32)
        stripe(bytes);
    std::memcpy(m_pending, bytes, size);
    m_pendingSize = size;
}

std::uint64_t ContentHash::value() const
{
    std::uint64_t hash = 0;
    if (m_total >= 32) {
        hash = std::rotl(m_lanes[0], 1) + std::rotl(m_lanes[1], 7) + std::rotl(m_lanes[2], 12) +
               std::rotl(m_lanes[3], 18);
        for (const std::uint64_t lane : m_lanes)
            hash = mergeRound(hash, lane);
    } else {
        hash = kPrime5;
    }
    hash += m_total;
    const unsigned char* at = m_pending;
    std::size_t left = m_pendingSize;
    for (; left >= 8; at += 8, left -= 8)
        hash = std::rotl(hash ^ round(0, read64(at)), 27) * kPrime1 + kPrime4;
    if (left >= 4) {
        hash = std::rotl(hash ^ (std::uint64_t(read32(at)) * kPrime1), 23) * kPrime2 + kPrime3;
        at += 4;
        left -= 4;
    }
    for (; left > 0; ++at, --left)
        hash = std::rotl(hash ^ (*at * kPrime5), 11) * kPrime1;
    hash ^= hash >> 33;
    hash *= kPrime2;
    hash ^= hash >> 29;
    hash *= kPrime3;
    hash ^= hash >> 32;
    return hash;
}

std::uint64_t contentHash(std::string_view bytes)
{
    ContentHash hash;
    hash.add(bytes);
    return hash.value();
}

} // namespace morva::config
