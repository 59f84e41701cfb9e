// Following the gateway's log: how many lines a second the log reader takes
// in (read, split into time/thread/activity, made safe to show), against a
// lower bound that only reads the same bytes and finds the line ends.
#include "log/LogReader.h"
#include "platform/SystemFileSystem.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

constexpr int kLines = 100000;

const std::string& logPath()
{
    static const std::string path = [] {
        const auto dir = std::filesystem::temp_directory_path() / "morva-log-bench";
        std::filesystem::create_directories(dir);
        const std::string file = (dir / "GW.log").string();
        std::ofstream out(file, std::ios::binary);
        char line[160];
        for (int i = 0; i < kLines; ++i) {
            std::snprintf(line, sizeof line,
                          "08.12.26 12:%02d:%02d %d: MAIL FROM:<user%d@example.org> SIZE=%d\r\n",
                          (i / 60) % 60, i % 60, 30 + i % 20, i, 1000 + i);
            out << line;
        }
        return file;
    }();
    return path;
}

// Reading every line as appended text: the throughput that matters while the
// gateway writes fast.
void BM_LogReaderAppended(benchmark::State& state)
{
    auto fileSystem = morva::platform::makeSystemFileSystem();
    const std::string source = logPath();
    const std::string growing = source + ".growing";
    std::size_t lines = 0;
    for (auto _ : state) {
        state.PauseTiming();
        {
            std::ofstream(growing, std::ios::binary | std::ios::trunc);
        }
        morva::log::LogReader reader(*fileSystem, growing);
        reader.readNewLines(); // the empty file: nothing yet
        std::filesystem::copy_file(source, growing,
                                   std::filesystem::copy_options::overwrite_existing);
        state.ResumeTiming();
        for (;;) {
            auto result = reader.readNewLines();
            lines += result.rows.size();
            benchmark::DoNotOptimize(result);
            if (!result.more)
                break;
        }
    }
    state.counters["lines/s"] =
        benchmark::Counter(static_cast<double>(lines), benchmark::Counter::kIsRate);
}

// Lower bound: read the same bytes and count the line ends.
void BM_ReadAndCountLines(benchmark::State& state)
{
    std::size_t lines = 0;
    std::vector<char> buffer(64 * 1024);
    for (auto _ : state) {
        std::FILE* file = std::fopen(logPath().c_str(), "rb");
        std::size_t got = 0;
        while ((got = std::fread(buffer.data(), 1, buffer.size(), file)) > 0) {
            const char* p = buffer.data();
            const char* end = p + got;
            while ((p = static_cast<const char*>(std::memchr(p, '\n', end - p)))) {
                ++lines;
                ++p;
            }
        }
        std::fclose(file);
    }
    state.counters["lines/s"] =
        benchmark::Counter(static_cast<double>(lines), benchmark::Counter::kIsRate);
}

} // namespace

BENCHMARK(BM_LogReaderAppended)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAndCountLines)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
