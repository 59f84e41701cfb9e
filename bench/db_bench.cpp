// Record engine speed against the plain system calls it is built on:
//   walk: all live records of a 100,000-record DataAlia.DAT, both addresses
//         read, against read() of 100 records per call and pread() of one;
//   append: 10,000 new records, each flushed at the next move, then close,
//         against one write() per record, and the same with the sync that
//         makes them durable;
//   one edit: a whole data set use as `morvactl records add` makes it (lock,
//         open the five files, append one record, close), with and without
//         the sync of the written files at the last release.
#include "db/DataAliaFile.h"
#include "db/DataSet.h"
#include "platform/Clock.h"
#include "platform/PosixFileSystem.h"
#include "platform/testing/FaultInjectingFileSystem.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

using namespace morva;

namespace {

constexpr int kWalkRecords = 100000;
constexpr int kAppendRecords = 10000;
constexpr std::size_t kLength = 384;

const std::string& benchDir()
{
    static const std::string dir = [] {
        auto path = std::filesystem::temp_directory_path() /
                    ("morva-db-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path.string() + "/";
    }();
    return dir;
}

std::string aliasRecord(int i)
{
    std::string record(kLength, ' ');
    const std::string from = "user" + std::to_string(i) + "@example.com";
    const std::string to = "target" + std::to_string(i) + "@example.org";
    record[0] = record[2] = record[131] = record[260] = record[262] = record[381] = '|';
    record.replace(3, from.size(), from);
    record.replace(132, to.size(), to);
    record[382] = '\r';
    record[383] = '\n';
    return record;
}

// The 100,000-record file, written once for all walk benchmarks.
const std::string& walkFile()
{
    static const std::string path = [] {
        std::string p = benchDir() + "walk/DataAlia.DAT";
        std::filesystem::create_directories(benchDir() + "walk");
        std::string bytes;
        bytes.reserve(kWalkRecords * kLength);
        for (int i = 1; i <= kWalkRecords; ++i) {
            std::string record = aliasRecord(i);
            if (i % 10 == 0)
                record[1] = '*';
            bytes += record;
        }
        int fd = ::open(p.c_str(), O_CREAT | O_TRUNC | O_WRONLY, 0644);
        if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != ssize_t(bytes.size()))
            std::abort();
        ::close(fd);
        return p;
    }();
    return path;
}

template <bool kCopies> void walkWithEngine(benchmark::State& state)
{
    walkFile();
    platform::PosixFileSystem fs;
    for (auto _ : state) {
        db::DataAliaFile alia(fs, benchDir() + "walk/");
        if (!alia.openDataFile())
            state.SkipWithError("open failed");
        std::size_t bytes = 0;
        for (bool found = alia.goTo(1); found; found = alia.goTo(alia.currentRecord() + 1)) {
            if (alia.isDeleted())
                continue;
            if constexpr (kCopies)
                bytes += alia.forwardAddress().size() + alia.targetAddress().size();
            else
                bytes += alia.forwardAddressView().size() + alia.targetAddressView().size();
        }
        benchmark::DoNotOptimize(bytes);
        alia.close();
    }
    state.SetItemsProcessed(state.iterations() * kWalkRecords);
}
// The list dialogs' path: views into the record, no copies.
void BM_WalkWithEngine(benchmark::State& state)
{
    walkWithEngine<false>(state);
}
BENCHMARK(BM_WalkWithEngine)->Unit(benchmark::kMillisecond);

// The same through the accessors that return std::string copies.
void BM_WalkWithEngineCopies(benchmark::State& state)
{
    walkWithEngine<true>(state);
}
BENCHMARK(BM_WalkWithEngineCopies)->Unit(benchmark::kMillisecond);

void BM_WalkBoundRead100(benchmark::State& state)
{
    const std::string& path = walkFile();
    std::vector<char> block(100 * kLength);
    for (auto _ : state) {
        int fd = ::open(path.c_str(), O_RDONLY);
        std::size_t sum = 0;
        ssize_t n;
        while ((n = ::read(fd, block.data(), block.size())) > 0)
            for (ssize_t at = 0; at < n; at += kLength)
                sum += static_cast<unsigned char>(block[at + 3]);
        benchmark::DoNotOptimize(sum);
        ::close(fd);
    }
    state.SetItemsProcessed(state.iterations() * kWalkRecords);
}
BENCHMARK(BM_WalkBoundRead100)->Unit(benchmark::kMillisecond);

void BM_WalkBoundPread1(benchmark::State& state)
{
    const std::string& path = walkFile();
    char record[kLength];
    for (auto _ : state) {
        int fd = ::open(path.c_str(), O_RDONLY);
        std::size_t sum = 0;
        for (off_t i = 0; i < kWalkRecords; ++i)
            if (::pread(fd, record, kLength, i * off_t(kLength)) == ssize_t(kLength))
                sum += static_cast<unsigned char>(record[3]);
        benchmark::DoNotOptimize(sum);
        ::close(fd);
    }
    state.SetItemsProcessed(state.iterations() * kWalkRecords);
}
BENCHMARK(BM_WalkBoundPread1)->Unit(benchmark::kMillisecond);

void BM_AppendWithEngine(benchmark::State& state)
{
    platform::PosixFileSystem fs;
    const std::string dir = benchDir() + "append/";
    std::filesystem::create_directories(dir);
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(dir + "DataAlia.DAT");
        state.ResumeTiming();
        db::DataAliaFile alia(fs, dir);
        if (!alia.openDataFile())
            state.SkipWithError("open failed");
        for (int i = 1; i <= kAppendRecords; ++i) {
            alia.newRecord(false);
            alia.setForwardAddress("user@example.com");
            alia.setTargetAddress("target@example.org");
            alia.setDeliverAfterForwarding(i % 2 == 0);
        }
        if (!alia.close())
            state.SkipWithError("close failed");
    }
    state.SetItemsProcessed(state.iterations() * kAppendRecords);
}
BENCHMARK(BM_AppendWithEngine)->Unit(benchmark::kMillisecond);

void BM_AppendWithEngineSynced(benchmark::State& state)
{
    platform::PosixFileSystem fs;
    const std::string dir = benchDir() + "append/";
    std::filesystem::create_directories(dir);
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(dir + "DataAlia.DAT");
        state.ResumeTiming();
        db::DataAliaFile alia(fs, dir);
        if (!alia.openDataFile())
            state.SkipWithError("open failed");
        for (int i = 1; i <= kAppendRecords; ++i) {
            alia.newRecord(false);
            alia.setForwardAddress("user@example.com");
            alia.setTargetAddress("target@example.org");
            alia.setDeliverAfterForwarding(i % 2 == 0);
        }
        if (!alia.sync() || !alia.close())
            state.SkipWithError("sync or close failed");
    }
    state.SetItemsProcessed(state.iterations() * kAppendRecords);
}
BENCHMARK(BM_AppendWithEngineSynced)->Unit(benchmark::kMillisecond);

// One data set use that appends one record. Without sync, the file system's
// sync is made to fail (doing nothing); both runs go through that wrapper.
template <bool kSync> void oneEdit(benchmark::State& state)
{
    platform::PosixFileSystem posix;
    platform::FaultInjectingFileSystem fs(posix);
    if (!kSync)
        fs.injectFault(1, platform::FaultInjectingFileSystem::Fault::FailFromThen,
                       platform::FileError::Io,
                       platform::FaultInjectingFileSystem::Operation::Sync);
    platform::SystemClock clock;
    const std::string dir = benchDir() + (kSync ? "edit-sync/" : "edit/");
    std::filesystem::create_directories(dir);
    db::DataSet data(fs, clock, dir, {});
    for (auto _ : state) {
        if (!data.openAll())
            state.SkipWithError("open failed");
        db::DataAliaFile* alia = data.aliaFile();
        alia->newRecord(false);
        alia->setForwardAddress("user@example.com");
        alia->setTargetAddress("target@example.org");
        benchmark::DoNotOptimize(data.closeAll());
    }
    state.SetItemsProcessed(state.iterations());
}
void BM_OneEditReleaseWithSync(benchmark::State& state)
{
    oneEdit<true>(state);
}
BENCHMARK(BM_OneEditReleaseWithSync)->Unit(benchmark::kMicrosecond);

void BM_OneEditReleaseWithoutSync(benchmark::State& state)
{
    oneEdit<false>(state);
}
BENCHMARK(BM_OneEditReleaseWithoutSync)->Unit(benchmark::kMicrosecond);

void BM_AppendBoundWrite1(benchmark::State& state)
{
    const std::string path = benchDir() + "append/bound.DAT";
    std::filesystem::create_directories(benchDir() + "append");
    const std::string record = aliasRecord(1);
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(path);
        state.ResumeTiming();
        int fd = ::open(path.c_str(), O_CREAT | O_TRUNC | O_WRONLY, 0644);
        for (int i = 0; i < kAppendRecords; ++i)
            if (::write(fd, record.data(), kLength) != ssize_t(kLength))
                state.SkipWithError("write failed");
        ::close(fd);
    }
    state.SetItemsProcessed(state.iterations() * kAppendRecords);
}
BENCHMARK(BM_AppendBoundWrite1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(benchDir());
    return 0;
}
