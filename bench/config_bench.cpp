// Loading and saving "Morva.ini" against a lower bound and two general INI
// readers, on three generated files: typical (~1,500 lines), medium
// (~50,000) and large (~1,000,000 lines, ~40 MB, long lists, ~10% comments).
#define SI_NO_CONVERSION // 8-bit text, as the gateway reads it
#define SI_IMPLEMENTATION
#include "config/ConfigStore.h"
#include "config/Schema.h"
#include "platform/Clock.h"
#include "platform/SystemFileSystem.h"

#include <SimpleIni.h>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <ini.h>
#include <random>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using morva::config::ConfigStore;

const char* const kSizeNames[] = {"typical", "medium", "large"};
const std::size_t kSizeLines[] = {1500, 50000, 1000000};

std::string benchDir()
{
    static const std::string dir = [] {
        const char* env = std::getenv("MORVA_BENCH_DIR");
        // The generator's version is part of the path: a changed generator
        // never reuses files of an older one.
        std::filesystem::path path =
            env ? std::filesystem::path(env)
                : std::filesystem::temp_directory_path() / "morva-bench" / "v1";
        std::filesystem::create_directories(path);
        return path.string() + "/";
    }();
    return dir;
}

// A configuration as a gateway with big white and block lists has it: mostly
// list items (addresses, networks, domains, subjects), some single settings,
// about one line in ten a comment.
std::string generateConfig(std::size_t lines)
{
    std::mt19937 random(42);
    const char* const addressKeys[] = {"InboundExclBlockSPFFromAddress",
                                       "InboundGreyListExclFromAddress",
                                       "InboundBlockFromAddress",
                                       "OutboundAddressWhiteListExclToAddress",
                                       "InboundBayesExclFromAddress",
                                       "InboundExclBlockDKIMFromAddress",
                                       "SMTPRelayAllowHost",
                                       "InboundExclBlockSURBLHost"};
    const char* const netKeys[] = {"SMTPRelayAllowIP", "InboundGreyListExclIP", "InboundExclIP",
                                   "InboundBlockIPHIP", "NAGIOSAllowIP"};
    const char* const domainKeys[] = {"ExchInboundDomain", "SMTPAddressRewriteDomainSource",
                                      "MsgLoopExcl"};
    const char* const subjectKeys[] = {"InboundBlockSubject", "InboundExclSubject",
                                       "InboundBlockText"};
    const char* const singles[] = {"Verbose=False",       "InboundBlockSPF=True",
                                   "SmartHostPort=587",   "Postmaster=postmaster@example.org",
                                   "InboundBayes=True",   "InboundBlockSLSNDRTyp=5",
                                   "LogFilePurgeDays=30", "TempPath=D:\\Morva\\Temp"};
    std::string out;
    out.reserve(lines * 42);
    char buffer[256];
    for (std::size_t n = 0; n < lines; ++n) {
        const unsigned pick = random() % 100;
        const unsigned a = random() % 100000, b = random() % 256, c = random() % 256;
        if (pick < 10) {
            std::snprintf(buffer, sizeof buffer, "; reviewed %u by admin, ticket %u", a, b * c);
        } else if (pick < 14) {
            std::snprintf(buffer, sizeof buffer, "%s", singles[a % 8]);
        } else if (pick < 55) {
            std::snprintf(buffer, sizeof buffer, "%s=\"*user%u@host%u.example.com\"%s",
                          addressKeys[(n / 5000) % 8], a, b, c < 20 ? " ; partner" : "");
        } else if (pick < 80) {
            std::snprintf(buffer, sizeof buffer, "%s=10.%u.%u.0/24", netKeys[(n / 7000) % 5], b, c);
        } else if (pick < 92) {
            std::snprintf(buffer, sizeof buffer, "%s=Domain%u.Example.net",
                          domainKeys[(n / 3000) % 3], a);
        } else {
            std::snprintf(buffer, sizeof buffer, "%s=\"*offer %u now*\"",
                          subjectKeys[(n / 9000) % 3], a);
        }
        out += buffer;
        out += "\r\n";
    }
    return out;
}

const std::string& configPath(int size)
{
    static std::string paths[3];
    if (paths[size].empty()) {
        paths[size] = benchDir() + kSizeNames[size] + "/Morva.ini";
        std::filesystem::create_directories(benchDir() + kSizeNames[size]);
        if (!std::filesystem::exists(paths[size]))
            std::ofstream(paths[size], std::ios::binary) << generateConfig(kSizeLines[size]);
    }
    return paths[size];
}

std::string programDirOf(int size)
{
    return benchDir() + kSizeNames[size] + "/";
}

void setBytes(benchmark::State& state, const std::string& path)
{
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(std::filesystem::file_size(path)));
}

// --- loading ---------------------------------------------------------------

// One read() of the whole file, lines split with memchr, each split at the
// first "=", the two views appended to a vector.
void BM_LoadLowerBound(benchmark::State& state)
{
    const std::string& path = configPath(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_RDONLY);
        struct stat info;
        ::fstat(fd, &info);
        std::string data(static_cast<std::size_t>(info.st_size), '\0');
        std::size_t got = 0;
        while (got < data.size()) {
            const ssize_t n = ::read(fd, data.data() + got, data.size() - got);
            if (n <= 0)
                break;
            got += static_cast<std::size_t>(n);
        }
        ::close(fd);
        std::vector<std::pair<std::string_view, std::string_view>> lines;
        const char* p = data.data();
        const char* end = p + got;
        while (p < end) {
            const char* nl = static_cast<const char*>(std::memchr(p, '\n', end - p));
            if (!nl)
                nl = end;
            const std::string_view line(p, nl - p);
            const std::size_t eq = line.find('=');
            if (eq == std::string_view::npos)
                lines.emplace_back(line, std::string_view());
            else
                lines.emplace_back(line.substr(0, eq), line.substr(eq + 1));
            p = nl + 1;
        }
        benchmark::DoNotOptimize(lines.data());
    }
    setBytes(state, path);
}

int inihHandler(void* user, const char*, const char* name, const char* value)
{
    ++*static_cast<std::size_t*>(user);
    benchmark::DoNotOptimize(name);
    benchmark::DoNotOptimize(value);
    return 1;
}

void BM_LoadInih(benchmark::State& state)
{
    const std::string& path = configPath(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::size_t pairs = 0;
        ini_parse(path.c_str(), inihHandler, &pairs);
        benchmark::DoNotOptimize(pairs);
    }
    setBytes(state, path);
}

void BM_LoadSimpleIni(benchmark::State& state)
{
    const std::string& path = configPath(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto ini = std::make_unique<CSimpleIniA>(false, true, false);
        state.ResumeTiming();
        ini->LoadFile(path.c_str());
        state.PauseTiming();
        ini.reset();
        state.ResumeTiming();
    }
    setBytes(state, path);
}

struct Loaded
{
    morva::platform::SystemClock clock;
    std::unique_ptr<morva::platform::FileSystem> fileSystem =
        morva::platform::makeSystemFileSystem();
    std::unique_ptr<ConfigStore> store;

    explicit Loaded(int size)
    {
        configPath(size);
        store = std::make_unique<ConfigStore>(*fileSystem, clock, programDirOf(size));
        morva::config::registerSchema(*store);
    }
};

void BM_LoadConfigStore(benchmark::State& state)
{
    const int size = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto loaded = std::make_unique<Loaded>(size);
        state.ResumeTiming();
        if (!loaded->store->load())
            state.SkipWithError("load failed");
        state.PauseTiming();
        loaded.reset();
        state.ResumeTiming();
    }
    setBytes(state, configPath(size));
}

// --- saving ----------------------------------------------------------------

// Reports the user and system CPU time per iteration of a save benchmark
// (the CPU column adds them up; the wall column also has the waits for the
// disk).
class CpuSplit
{
public:
    CpuSplit() { ::getrusage(RUSAGE_SELF, &m_start); }

    void report(benchmark::State& state) const
    {
        struct rusage end;
        ::getrusage(RUSAGE_SELF, &end);
        auto ms = [](const timeval& from, const timeval& to) {
            return static_cast<double>(to.tv_sec - from.tv_sec) * 1e3 +
                   static_cast<double>(to.tv_usec - from.tv_usec) / 1e3;
        };
        const double iterations = static_cast<double>(state.iterations());
        state.counters["user_ms"] = ms(m_start.ru_utime, end.ru_utime) / iterations;
        state.counters["sys_ms"] = ms(m_start.ru_stime, end.ru_stime) / iterations;
    }

private:
    struct rusage m_start;
};

// The same bytes a save writes, written raw to a temporary file with
// fdatasync and renamed over the target. The second argument: 0 as said,
// 1 with the directory synced after the rename as a durable replace needs,
// 2 also written a megabyte at a time with writeback started after each
// (as the store's temporary files do), so that the store's own way of
// writing can be told apart from its work of producing the text.
void BM_SaveLowerBound(benchmark::State& state)
{
    const int size = static_cast<int>(state.range(0));
    const bool syncDirectory = state.range(1) >= 1;
    const bool writeBehind = state.range(1) >= 2;
    Loaded loaded(size);
    loaded.store->load();
    const std::string bytes = loaded.store->serialize();
    const std::string target = programDirOf(size) + "raw.ini";
    const std::size_t piece = writeBehind ? std::size_t(1) << 20 : bytes.size();
    const CpuSplit cpu;
    for (auto _ : state) {
        const std::string temporary = target + ".tmp";
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n =
                ::write(fd, bytes.data() + done, std::min(piece, bytes.size() - done));
            if (n <= 0)
                break;
            if (writeBehind)
                ::sync_file_range(fd, static_cast<off_t>(done), n, SYNC_FILE_RANGE_WRITE);
            done += static_cast<std::size_t>(n);
        }
        ::fdatasync(fd);
        ::close(fd);
        ::rename(temporary.c_str(), target.c_str());
        if (syncDirectory) {
            const int dirFd = ::open(programDirOf(size).c_str(), O_RDONLY | O_DIRECTORY);
            ::fsync(dirFd);
            ::close(dirFd);
        }
    }
    cpu.report(state);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

// A program directory holding a copy of the generated file of `size`, so
// that saves leave the generated one as it was.
std::string workingCopy(int size, const std::string& name)
{
    const std::string dir = programDirOf(size) + name;
    std::filesystem::create_directories(dir);
    std::filesystem::copy_file(configPath(size), dir + "Morva.ini",
                               std::filesystem::copy_options::overwrite_existing);
    return dir;
}

void BM_SaveConfigStore(benchmark::State& state)
{
    const int size = static_cast<int>(state.range(0));
    const std::string dir = workingCopy(size, "save/");
    morva::platform::SystemClock clock;
    auto fileSystem = morva::platform::makeSystemFileSystem();
    ConfigStore store(*fileSystem, clock, dir);
    morva::config::registerSchema(store);
    store.load();
    std::size_t bytes = store.serialize().size();
    const CpuSplit cpu;
    for (auto _ : state) {
        if (!store.save())
            state.SkipWithError("save failed");
    }
    cpu.report(state);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

// --- reading values --------------------------------------------------------

void BM_GetBool(benchmark::State& state)
{
    Loaded loaded(0);
    loaded.store->load();
    for (auto _ : state)
        benchmark::DoNotOptimize(loaded.store->getBool("InboundBlockSPF"));
}

void BM_GetString(benchmark::State& state)
{
    Loaded loaded(0);
    loaded.store->load();
    for (auto _ : state)
        benchmark::DoNotOptimize(loaded.store->getString("Postmaster"));
}

void BM_GetInt(benchmark::State& state)
{
    Loaded loaded(0);
    loaded.store->load();
    for (auto _ : state)
        benchmark::DoNotOptimize(loaded.store->getInt("OutboundSMTPTimeout_DATA_After"));
}

// --- memory ----------------------------------------------------------------

// Resident memory of this process from /proc/self/status: "VmRSS" now,
// "VmHWM" its high-water mark, in kB.
long statusKb(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::size_t length = std::strlen(field);
    while (std::getline(status, line)) {
        if (line.compare(0, length, field) == 0 && line.size() > length && line[length] == ':')
            return std::atol(line.c_str() + length + 1);
    }
    return -1;
}

// Starts the high-water mark again from the current resident size.
bool resetPeak()
{
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    clear.flush();
    return static_cast<bool>(clear);
}

// The child of BM_PeakMemory: registers the schema, loads the file and
// saves it (over a copy), and prints in kB: the resident size before the
// load, the peak during the load, the resident size before the save and
// the peak during the save.
int peakChild(int size)
{
    const std::string dir = workingCopy(size, "peak/");
    morva::platform::SystemClock clock;
    auto fileSystem = morva::platform::makeSystemFileSystem();
    ConfigStore store(*fileSystem, clock, dir);
    morva::config::registerSchema(store);
    const long base = statusKb("VmRSS");
    if (!resetPeak())
        return 1;
    if (!store.load())
        return 2;
    const long loadPeak = statusKb("VmHWM");
    const long beforeSave = statusKb("VmRSS");
    if (!resetPeak())
        return 1;
    if (!store.save())
        return 3;
    const long savePeak = statusKb("VmHWM");
    std::printf("%ld %ld %ld %ld\n", base, loadPeak, beforeSave, savePeak);
    return 0;
}

// Resident memory of loading and saving the large file, as multiples of the
// file size: load_peak_x the peak during the load and loaded_x what stays
// after it, save_peak_x the peak during the save (the loaded store
// included), all above the resident size before the load; save_extra_x the
// save's peak above the loaded store. It runs in a fresh process (this
// program started again with --peak-child) that reads its own high-water
// marks from /proc: the maximum resident size a parent is told for its
// child also counts the parent's own pages, which fork and exec carry over.
void BM_PeakMemory(benchmark::State& state)
{
    const int size = static_cast<int>(state.range(0));
    const double fileBytes = static_cast<double>(std::filesystem::file_size(configPath(size)));
    long kb[4] = {};
    for (auto _ : state) {
        const std::string command = std::filesystem::read_symlink("/proc/self/exe").string() +
                                    " --peak-child " + std::to_string(size);
        FILE* child = ::popen(command.c_str(), "r");
        const bool read =
            child && std::fscanf(child, "%ld %ld %ld %ld", &kb[0], &kb[1], &kb[2], &kb[3]) == 4;
        if (child)
            ::pclose(child);
        if (!read) {
            state.SkipWithError("peak child failed");
            return;
        }
    }
    auto ratio = [&](long kilobytes) {
        return static_cast<double>(kilobytes) * 1024.0 / fileBytes;
    };
    state.counters["load_peak_x"] = ratio(kb[1] - kb[0]);
    state.counters["loaded_x"] = ratio(kb[2] - kb[0]);
    state.counters["save_peak_x"] = ratio(kb[3] - kb[0]);
    state.counters["save_extra_x"] = ratio(kb[3] - kb[2]);
}

} // namespace

BENCHMARK(BM_LoadLowerBound)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadInih)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadSimpleIni)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadConfigStore)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveLowerBound)->ArgsProduct({{0, 1, 2}, {0, 1, 2}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveConfigStore)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetBool);
BENCHMARK(BM_GetString);
BENCHMARK(BM_GetInt);
BENCHMARK(BM_PeakMemory)->Arg(2)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--peak-child") == 0)
        return peakChild(std::atoi(argv[2]));
    // --write-large FILE: the large generated file at FILE.
    if (argc == 3 && std::strcmp(argv[1], "--write-large") == 0) {
        std::ofstream(argv[2], std::ios::binary) << generateConfig(kSizeLines[2]);
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
