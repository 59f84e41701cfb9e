// The configuration file reader on arbitrary bytes. The input is split at
// "\n#--\n" into the main file and two files it may include ("a.ini",
// "b.ini"). Whatever is read must be written back in a form that reads back
// to the same text: a save followed by a load changes nothing.
#include "config/ConfigStore.h"
#include "config/Schema.h"
#include "platform/Clock.h"
#include "support/MemoryFileSystem.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

struct Harness
{
    morva::test::MemoryFileSystem fs;
    morva::platform::FakeClock clock;
    morva::config::ConfigStore store{fs, clock, "/gw/"};
    Harness() { morva::config::registerSchema(store); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Harness* harness = new Harness;
    auto& files = harness->fs.files;
    files.clear();

    std::string_view input(reinterpret_cast<const char*>(data), size);
    const char* const names[] = {"/gw/Morva.ini", "/gw/a.ini", "/gw/b.ini"};
    for (int part = 0; part < 3; ++part) {
        const std::size_t cut = part < 2 ? input.find("\n#--\n") : std::string_view::npos;
        files[names[part]] = std::string(input.substr(0, cut));
        if (cut == std::string_view::npos)
            break;
        input.remove_prefix(cut + 5);
    }

    auto& store = harness->store;
    if (!store.load())
        std::abort(); // the main file exists in memory: it must be read
    const std::string written = store.serialize();

    files.clear();
    files["/gw/Morva.ini"] = written;
    if (!store.load() || store.serialize() != written)
        std::abort();
    return 0;
}
