// The record engine on arbitrary file contents: walking every record of
// DataBloc.DAT and rewriting the first one must not crash and must leave
// every byte outside the first record's fields and frame as it was.
#include "db/DataBlocFile.h"
#include "platform/PosixFileSystem.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace {

const std::string& fuzzDir()
{
    static const std::string dir = [] {
        auto path = std::filesystem::temp_directory_path() /
                    ("morva-db-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path.string() + "/";
    }();
    return dir;
}

std::string readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = fuzzDir() + "DataBloc.DAT";
    const std::string before(reinterpret_cast<const char*>(data), size);
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << before;
    }
    morva::platform::PosixFileSystem fs;
    {
        morva::db::DataBlocFile bloc(fs, fuzzDir());
        if (!bloc.openDataFile())
            std::abort();
        std::int64_t sum = 0;
        for (bool found = bloc.goTo(1); found; found = bloc.goTo(bloc.currentRecord() + 1))
            sum += bloc.type() + bloc.secondNumber() +
                   static_cast<std::int64_t>(bloc.value().size()) + bloc.isDeleted();
        (void)sum;
        if (bloc.goTo(1)) {
            bloc.setValue("fuzz.example");
            bloc.setType(1);
        }
        if (!bloc.close())
            std::abort();
    }
    const std::string after = readAll(path);
    if (after.size() != before.size())
        std::abort();
    // Only the first record's own bytes (everything but byte 1, the
    // deleted marker) may change.
    for (std::size_t i = 0; i < after.size(); ++i)
        if (after[i] != before[i] && (i >= 256 || i == 1))
            std::abort();
    return 0;
}
