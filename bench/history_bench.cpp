// The history of saves: a save of the demo configuration with and without
// keeping the former file, the diff of two large versions, and an editing
// session of a large record file with and without its copy (floor: one
// plain copy of the file).
#include "config/ConfigDiff.h"
#include "config/ConfigStore.h"
#include "config/FileHistory.h"
#include "config/Schema.h"
#include "db/DataAliaFile.h"
#include "db/DataSet.h"
#include "platform/Clock.h"
#include "platform/SystemFileSystem.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using morva::config::ConfigStore;
using morva::config::FileHistory;

std::string scratchDir(const std::string& name)
{
    const auto dir = std::filesystem::temp_directory_path() / ("morva-history-bench-" + name);
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    std::filesystem::copy_file(MORVA_SOURCE_DIR "/tools/demo/Morva.ini", dir / "Morva.ini");
    return dir.string() + "/";
}

// Each save changes one value, as an OK on a sheet does. Argument 1: with
// the history (the former file kept, its index line, rotation).
void BM_SaveDemoConfiguration(benchmark::State& state)
{
    const bool withHistory = state.range(0) != 0;
    const std::string dir = scratchDir(withHistory ? "with" : "without");
    morva::platform::SystemClock clock;
    auto fileSystem = morva::platform::makeSystemFileSystem();
    ConfigStore store(*fileSystem, clock, dir);
    morva::config::registerSchema(store);
    FileHistory history(*fileSystem, clock, dir + "History/", "bench", "bench");
    history.setListKeys(morva::config::schemaListKeys());
    if (withHistory)
        store.setSaveHook(&history);
    store.load();
    int value = 0;
    for (auto _ : state) {
        store.setInt("InboundSLSCacheTTL", 1000 + (++value % 2));
        if (!store.save())
            state.SkipWithError("save failed");
    }
    if (withHistory && history.entries("Morva.ini").empty())
        state.SkipWithError("nothing kept");
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_SaveDemoConfiguration)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Two versions of 1,500 lines: single values, list items and comments, a
// tenth of them changed.
void BM_DiffTwoVersions(benchmark::State& state)
{
    std::string before;
    std::string after;
    for (int n = 0; n < 1500; ++n) {
        std::string line;
        if (n % 10 == 0)
            line = "; comment " + std::to_string(n);
        else if (n % 3 == 0)
            line =
                "SMTPRelayAllowIP=10.0." + std::to_string(n / 256) + "." + std::to_string(n % 256);
        else
            line = "Key" + std::to_string(n) + "=value " + std::to_string(n);
        before += line + "\r\n";
        after += (n % 10 == 5 ? line + "x" : line) + "\r\n";
    }
    const auto lists = morva::config::schemaListKeys();
    std::size_t changes = 0;
    for (auto _ : state) {
        changes = morva::config::diffConfigTexts(before, after, lists).size();
        benchmark::DoNotOptimize(changes);
    }
    state.counters["changes"] = static_cast<double>(changes);
}
BENCHMARK(BM_DiffTwoVersions)->Unit(benchmark::kMicrosecond);

std::string recordsDir(const std::string& name, std::int64_t records)
{
    const auto dir = std::filesystem::temp_directory_path() / ("morva-history-bench-" + name);
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    std::string record = "| |forward@example.com|target@example.com| |";
    record.resize(382, ' ');
    record += "\r\n";
    std::ofstream out(dir / "DataAlia.DAT", std::ios::binary);
    for (std::int64_t n = 0; n < records; ++n)
        out << record;
    return dir.string() + "/";
}

// One editing session that changes one forwarding record of a file of
// range(0) records; range(1): with the history's copy before the change.
void BM_RecordSessionWithOneChange(benchmark::State& state)
{
    const bool withHistory = state.range(1) != 0;
    const std::string dir =
        recordsDir(withHistory ? "records-with" : "records-without", state.range(0));
    morva::platform::SystemClock clock;
    auto fileSystem = morva::platform::makeSystemFileSystem();
    FileHistory history(*fileSystem, clock, dir + "History/", "bench", "bench");
    morva::db::DataSet data(*fileSystem, clock, dir, {});
    if (withHistory)
        data.setHistory(&history);
    int value = 0;
    for (auto _ : state) {
        if (!data.acquire(1) || !data.aliaFile()->goTo(1))
            state.SkipWithError("no data set");
        data.aliaFile()->setTargetAddress("t" + std::to_string(++value % 2) + "@example.com");
        if (!data.release())
            state.SkipWithError("not written");
    }
    if (withHistory && history.entries("DataAlia.DAT").empty())
        state.SkipWithError("nothing kept");
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_RecordSessionWithOneChange)
    ->Args({10'000, 0})
    ->Args({10'000, 1})
    ->Args({100'000, 0})
    ->Args({100'000, 1})
    ->Unit(benchmark::kMillisecond);

// The floor of the copy: the file read and written once as a whole.
void BM_PlainCopyOfARecordFile(benchmark::State& state)
{
    const std::string dir = recordsDir("records-copy", state.range(0));
    for (auto _ : state) {
        std::ifstream in(dir + "DataAlia.DAT", std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), {});
        std::ofstream(dir + "copy", std::ios::binary | std::ios::trunc) << bytes;
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_PlainCopyOfARecordFile)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
