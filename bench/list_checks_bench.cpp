// Checking long lists for duplicates, covered entries and entries that never
// match: 50,000 entries of each kind, with a realistic share of problems.
#include "config/ListChecks.h"

#include <benchmark/benchmark.h>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace morva::config;

constexpr std::size_t kEntries = 50000;

// Addresses over 5,000 domains, 1% "@domain" entries, 1% patterns and a few
// repeats.
std::vector<std::string> addressList()
{
    std::mt19937 random(7);
    std::vector<std::string> list;
    list.reserve(kEntries);
    for (std::size_t i = 0; i < kEntries; ++i) {
        const std::string domain = "d" + std::to_string(random() % 5000) + ".example.com";
        switch (random() % 100) {
        case 0:
            list.push_back("@" + domain);
            break;
        case 1:
            list.push_back("user" + std::to_string(random() % 100) + "*@" + domain);
            break;
        case 2:
            list.push_back(list.empty() ? domain : list[random() % list.size()]);
            break;
        default:
            list.push_back("user" + std::to_string(i) + "@" + domain);
        }
    }
    return list;
}

std::vector<std::string> hostList()
{
    std::mt19937 random(11);
    std::vector<std::string> list;
    list.reserve(kEntries);
    for (std::size_t i = 0; i < kEntries; ++i) {
        const std::string domain = "d" + std::to_string(random() % 5000) + ".example.net";
        switch (random() % 100) {
        case 0:
            list.push_back(domain);
            break;
        case 1:
            list.push_back("*.mx" + std::to_string(random() % 100) + "." + domain);
            break;
        default:
            list.push_back("h" + std::to_string(i) + ".mx" + std::to_string(random() % 100) + "." +
                           domain);
        }
    }
    return list;
}

std::vector<IpNetwork> networkList()
{
    std::mt19937 random(13);
    std::vector<IpNetwork> list;
    list.reserve(kEntries);
    for (std::size_t i = 0; i < kEntries; ++i) {
        IpNetwork network;
        network.kind = IpNetwork::Kind::IPv4;
        network.ipv4 = random();
        network.prefixLength = 32;
        if (i % 50 == 0) { // some /16 and /24 blocks that cover hosts
            network.prefixLength = (i % 100 == 0) ? 16 : 24;
            network.ipv4 &= ~((1u << (32 - network.prefixLength)) - 1);
        } else if (i % 7 == 0) { // hosts in 10/8
            network.ipv4 = 0x0A000000 | (network.ipv4 & 0x00FFFFFF);
        }
        list.push_back(network);
    }
    IpNetwork tenNet = IpNetwork::parse("10.0.0.0/8");
    list.push_back(tenNet);
    return list;
}

void BM_CheckAddressList(benchmark::State& state)
{
    const auto list = addressList();
    for (auto _ : state)
        benchmark::DoNotOptimize(checkPatternList(list, ListEntryKind::Address));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * list.size()));
}
BENCHMARK(BM_CheckAddressList)->Unit(benchmark::kMillisecond);

// The costly case: 1,000 patterns whose literal head ("u") every address
// shares and which cover few of them, so each pattern is matched against
// nearly all 49,000 addresses. Covered addresses are not matched again.
void BM_CheckAddressListUnselectivePatterns(benchmark::State& state)
{
    std::vector<std::string> list;
    for (std::size_t i = 0; i < kEntries; ++i) {
        if (i % 50 == 0)
            list.push_back("u*" + std::to_string(i) + "*@*");
        else
            list.push_back("user" + std::to_string(i) + "@d" + std::to_string(i % 5000) +
                           ".example.com");
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(checkPatternList(list, ListEntryKind::Address));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * list.size()));
}
BENCHMARK(BM_CheckAddressListUnselectivePatterns)->Unit(benchmark::kMillisecond);

void BM_CheckHostList(benchmark::State& state)
{
    const auto list = hostList();
    for (auto _ : state)
        benchmark::DoNotOptimize(checkPatternList(list, ListEntryKind::Host));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * list.size()));
}
BENCHMARK(BM_CheckHostList)->Unit(benchmark::kMillisecond);

void BM_CheckNetworkList(benchmark::State& state)
{
    const auto list = networkList();
    for (auto _ : state)
        benchmark::DoNotOptimize(checkNetworkList(list));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * list.size()));
}
BENCHMARK(BM_CheckNetworkList)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
