// morvactl records import and export of a large forwarding list, against the
// bounds they are measured by: the import against writing the same record
// bytes raw (with sync), the export against one read() of the record file.
//   transfer_bench [--records=N] [benchmark flags]
//   transfer_bench [--records=N] --write-files DIR   (for transfer_process.sh)
#include "cli/Commands.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

using namespace morva;

namespace {

std::size_t g_records = 100000;

std::string padded(std::string value, std::size_t width)
{
    value.resize(width, ' ');
    return value;
}

std::string from(std::size_t i)
{
    return "user" + std::to_string(i) + "@corp.example";
}
std::string to(std::size_t i)
{
    return "mailbox" + std::to_string(i) + "@exchange.corp.example";
}

std::string aliasRecord(std::size_t i)
{
    return "| |" + padded(from(i), 128) + "|" + padded(to(i), 128) + "|" + (i % 3 ? " " : "*") +
           "|" + std::string(118, ' ') + "|\r\n";
}

class Files
{
public:
    explicit Files(std::filesystem::path dir = {}, bool keep = false) : m_keep(keep)
    {
        m_dir = dir.empty() ? std::filesystem::temp_directory_path() /
                                  ("morva-transfer-" + std::to_string(getpid()))
                            : dir;
        std::filesystem::create_directories(m_dir);
        std::string csv = "forward address,target address,deliver\r\n";
        for (std::size_t i = 1; i <= g_records; ++i) {
            m_records += aliasRecord(i);
            csv += from(i) + "," + to(i) + "," + (i % 3 ? "0" : "1") + "\r\n";
        }
        std::ofstream(m_dir / "in.csv", std::ios::binary) << csv;
        std::ofstream(m_dir / "DataAlia.DAT", std::ios::binary) << m_records;
    }
    ~Files()
    {
        if (!m_keep)
            std::filesystem::remove_all(m_dir);
    }

    std::string programDir() const { return m_dir.string() + "/"; }
    std::string path(const char* name) const { return (m_dir / name).string(); }
    const std::string& records() const { return m_records; }

private:
    std::filesystem::path m_dir;
    std::string m_records;
    bool m_keep = false;
};

Files& files()
{
    static Files instance;
    return instance;
}

int run(std::vector<std::string> args, std::ostream& out)
{
    std::ostringstream err;
    cli::Context context{files().programDir(), std::move(args), out, err};
    const int code = cli::runRecordsCommand(context);
    if (code != 0) {
        std::fprintf(stderr, "morvactl failed: %s\n", err.str().c_str());
        std::abort();
    }
    return code;
}

// The lower bound of the import: the record bytes written raw and synced.
void RawWriteSynced(benchmark::State& state)
{
    const std::string& bytes = files().records();
    const std::string path = files().path("raw.DAT");
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
            if (wrote <= 0)
                std::abort();
            done += static_cast<std::size_t>(wrote);
        }
        ::fsync(fd);
        ::close(fd);
    }
    state.counters["records"] = static_cast<double>(g_records);
}

void ImportAlias(benchmark::State& state)
{
    std::ostringstream out;
    for (auto _ : state)
        run({"import", "alias", files().path("in.csv"), "--replace", "--no-wait"}, out);
    state.counters["records"] = static_cast<double>(g_records);
}

// The lower bound of the export: one read() of the record file.
void RawRead(benchmark::State& state)
{
    const std::string path = files().path("DataAlia.DAT");
    std::string buffer(files().records().size(), '\0');
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_RDONLY);
        std::size_t done = 0;
        while (done < buffer.size()) {
            const ssize_t got = ::read(fd, buffer.data() + done, buffer.size() - done);
            if (got <= 0)
                break;
            done += static_cast<std::size_t>(got);
        }
        ::close(fd);
        benchmark::DoNotOptimize(buffer.data());
    }
}

void ExportAlias(benchmark::State& state)
{
    for (auto _ : state) {
        std::ostringstream out;
        run({"export", "alias", "--no-wait"}, out);
        benchmark::DoNotOptimize(out.str().size());
    }
}

} // namespace

BENCHMARK(RawWriteSynced)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ImportAlias)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(RawRead)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ExportAlias)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--records=", 10) == 0)
            g_records = std::strtoul(argv[i] + 10, nullptr, 10);
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--write-files") == 0) {
            Files written(argv[i + 1], true);
            return 0;
        }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
