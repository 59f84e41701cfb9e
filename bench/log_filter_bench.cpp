// Filtering the rows the log view keeps: one million rows of gateway traffic
// through the filter bar's query, against a lower bound that only looks for
// one of the words with a case-sensitive std::string_view::find.
#include "Traffic.h"
#include "log/LogCategory.h"
#include "log/LogFilter.h"

#include <benchmark/benchmark.h>

namespace {

constexpr std::size_t kRows = 1000000;

const std::vector<morva::log::LogRow>& rows()
{
    static const std::vector<morva::log::LogRow> all = [] {
        morva::gwsim::Traffic traffic(7);
        std::vector<morva::gwsim::LogEntry> entries;
        traffic.next(kRows, entries);
        std::vector<morva::log::LogRow> out;
        out.reserve(kRows);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            char time[16];
            std::snprintf(time, sizeof time, "%02zu:%02zu:%02zu", i / 3600 % 24, i / 60 % 60,
                          i % 60);
            out.push_back({time, std::to_string(entries[i].thread), entries[i].text});
        }
        return out;
    }();
    return all;
}

void filterRows(benchmark::State& state, const char* text, bool regex)
{
    std::string error;
    auto filter = morva::log::LogFilter::compile(morva::log::parseFilterText(text, regex), &error);
    std::vector<std::uint32_t> matching;
    matching.reserve(kRows);
    const auto& all = rows();
    for (auto _ : state) {
        matching.clear();
        for (std::size_t i = 0; i < all.size(); ++i)
            if (filter->matches(all[i]))
                matching.push_back(static_cast<std::uint32_t>(i));
        benchmark::DoNotOptimize(matching.data());
    }
    state.counters["matching"] = static_cast<double>(matching.size());
}

void BM_FilterTwoTermsAndExclusion(benchmark::State& state)
{
    filterRows(state, "\"unknown recipient\" -office", false);
}

void BM_FilterOneTerm(benchmark::State& state)
{
    filterRows(state, "exchange", false);
}

void BM_FilterRegex(benchmark::State& state)
{
    filterRows(state, "^55[04] ", true);
}

// Lower bound: a case-sensitive search of one word, no folding.
void BM_PlainSubstringScan(benchmark::State& state)
{
    std::vector<std::uint32_t> matching;
    matching.reserve(kRows);
    const auto& all = rows();
    for (auto _ : state) {
        matching.clear();
        for (std::size_t i = 0; i < all.size(); ++i)
            if (std::string_view(all[i].activity).find("Exchange") != std::string_view::npos)
                matching.push_back(static_cast<std::uint32_t>(i));
        benchmark::DoNotOptimize(matching.data());
    }
    state.counters["matching"] = static_cast<double>(matching.size());
}

void BM_Categorize(benchmark::State& state)
{
    const auto& all = rows();
    for (auto _ : state) {
        std::size_t found = 0;
        for (const auto& row : all)
            found += morva::log::categorizeActivity(row.activity) != morva::log::LogCategory::None;
        benchmark::DoNotOptimize(found);
    }
}

} // namespace

BENCHMARK(BM_FilterTwoTermsAndExclusion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterOneTerm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterRegex)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainSubstringScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Categorize)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
