// The settings search: building the index (every key with its pages and the
// texts of all five languages) and searching it as an administrator types,
// one search per keystroke, over the demo "Morva.ini" values. A miss also
// asks for the nearest keys, as the browser and `morvactl config find` do.
//   settings_search_bench [--ini=PATH] [benchmark flags]
#include "config/ConfigStore.h"
#include "config/Schema.h"
#include "confui/Catalogue.h"
#include "confui/browser/SettingsIndex.h"
#include "confui/browser/SettingsSearch.h"
#include "platform/Clock.h"
#include "platform/SystemFileSystem.h"
#include "resources/Texts.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

using namespace morva;

namespace {

std::string g_ini = MORVA_SOURCE_DIR "/tools/demo/Morva.ini";

struct DemoStore
{
    std::unique_ptr<platform::FileSystem> fs = platform::makeSystemFileSystem();
    platform::SystemClock clock;
    std::unique_ptr<config::ConfigStore> store;

    DemoStore()
    {
        const std::filesystem::path path(g_ini);
        store = std::make_unique<config::ConfigStore>(*fs, clock, path.parent_path().string() + "/",
                                                      path.filename().string());
        config::registerSchema(*store);
        store->load();
    }
};

const DemoStore& demo()
{
    static const DemoStore built;
    return built;
}

void BM_BuildIndexAndSearch(benchmark::State& state)
{
    confui::catalogue(); // built once per program, before any window opens
    for (auto _ : state) {
        confui::SettingsIndex index(*demo().store, confui::catalogue());
        confui::SettingsSearch search(index);
        search.setValues(*demo().store);
        benchmark::DoNotOptimize(search);
    }
}
BENCHMARK(BM_BuildIndexAndSearch)->Unit(benchmark::kMillisecond);

// Every beginning of the text, as typed: "g", "gr", "gre", ...
const char* const kTyped[] = {
    "grey min",               // words of a key
    "InboundGreyListMinTime", // a whole key
    "Mindestwartezeit",       // a word of a German label, from an English console
    "192.168",                // a value
    "InbundGreyLstMinTme",    // a misspelt key: misses ask for the nearest keys
};

void BM_SearchPerKeystroke(benchmark::State& state)
{
    const confui::SettingsIndex index(*demo().store, confui::catalogue());
    confui::SettingsSearch search(index);
    search.setValues(*demo().store);
    const std::string typed = kTyped[state.range(0)];
    state.SetLabel(typed);
    std::size_t hits = 0;
    for (auto _ : state) {
        for (std::size_t length = 1; length <= typed.size(); ++length) {
            const auto found = search.find(std::string_view(typed).substr(0, length), English);
            hits += found.size();
            if (found.empty())
                benchmark::DoNotOptimize(search.nearestKeys(typed.substr(0, length)));
        }
    }
    benchmark::DoNotOptimize(hits);
    state.counters["per_keystroke"] = benchmark::Counter(
        static_cast<double>(typed.size()),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_SearchPerKeystroke)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--ini=", 6) == 0)
            g_ini = argv[i] + 6;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
