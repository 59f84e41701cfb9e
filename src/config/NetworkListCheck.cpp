// Duplicate, covered and unmatchable entries of network lists.
#include "config/ListChecks.h"

#include <algorithm>
#include <cstdint>

namespace morva::config {

namespace {

// An address as a 128-bit number: IPv4 in the low word.
struct Wide
{
    std::uint64_t high = 0;
    std::uint64_t low = 0;

    // The check takes the defaulted comparison's zero literal for a pointer.
    auto operator<=>(const Wide&) const = default; // NOLINT(modernize-use-nullptr)
};

Wide addressOf(const IpNetwork& network)
{
    if (network.kind == IpNetwork::Kind::IPv4)
        return {0, network.ipv4};
    Wide wide;
    for (int i = 0; i < 8; ++i) {
        wide.high = (wide.high << 8) | network.ipv6[static_cast<std::size_t>(i)];
        wide.low = (wide.low << 8) | network.ipv6[static_cast<std::size_t>(i) + 8];
    }
    return wide;
}

// The bits beyond a prefix of `prefix` in an address of `bits` bits.
Wide hostMask(int bits, int prefix)
{
    prefix = std::clamp(prefix, 0, bits);
    const int hostBits = bits - prefix;
    auto lowOnes = [](int n) -> std::uint64_t { return n >= 64 ? ~0ULL : (1ULL << n) - 1; };
    if (hostBits <= 64)
        return {0, lowOnes(hostBits)};
    return {lowOnes(hostBits - 64), ~0ULL};
}

struct Block
{
    int family = 0;
    Wide first;
    Wide last;
    int prefix = 0;
    std::size_t entry = 0;
};

} // namespace

std::vector<ListFinding> checkNetworkList(const std::vector<IpNetwork>& entries)
{
    std::vector<ListFinding> findings;
    std::vector<Block> blocks;
    blocks.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const IpNetwork& network = entries[i];
        if (!network.isValid()) {
            findings.push_back({i, ListProblem::NotANetwork, i});
            continue;
        }
        const int bits = network.kind == IpNetwork::Kind::IPv4 ? 32 : 128;
        const Wide address = addressOf(network);
        const Wide mask = hostMask(bits, network.prefixLength);
        if ((address.high & mask.high) != 0 || (address.low & mask.low) != 0) {
            findings.push_back({i, ListProblem::HostBitsSet, i});
            continue;
        }
        blocks.push_back({bits,
                          address,
                          {address.high | mask.high, address.low | mask.low},
                          std::clamp(network.prefixLength, 0, bits),
                          i});
    }

    // Networks are nested or apart: in the order of their first address,
    // wider first, a block that starts inside the last uncovered one lies
    // inside it.
    std::sort(blocks.begin(), blocks.end(), [](const Block& a, const Block& b) {
        if (a.family != b.family)
            return a.family < b.family;
        if (a.first != b.first)
            return a.first < b.first;
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix;
        return a.entry < b.entry;
    });
    const Block* outer = nullptr;
    const Block* previous = nullptr;
    for (const Block& block : blocks) {
        if (previous && previous->family == block.family && previous->first == block.first &&
            previous->prefix == block.prefix) {
            findings.push_back({block.entry, ListProblem::Duplicate, previous->entry});
            continue; // `previous` stays the first of its run
        }
        previous = &block;
        if (outer && outer->family == block.family && block.first <= outer->last) {
            findings.push_back({block.entry, ListProblem::Covered, outer->entry});
            continue;
        }
        outer = &block;
    }
    std::sort(findings.begin(), findings.end(),
              [](const ListFinding& a, const ListFinding& b) { return a.entry < b.entry; });
    return findings;
}

} // namespace morva::config
