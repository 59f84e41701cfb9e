// Feeds arbitrary bytes to the readers of the gateway's statistics text and
// of the service-name file, with a small size limit so the cut at the limit
// is exercised too.
#include "service/ServiceName.h"
#include "stats/StatLine.h"
#include "stats/StatisticsFile.h"
#include "support/MemoryFileSystem.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    morva::test::MemoryFileSystem files;
    files.put("/gw/CONST-A.dat", bytes);
    files.put("/gw/gwcored.svc", bytes);

    auto file = files.open("/gw/CONST-A.dat", 1);
    const std::size_t limit = size % 2 ? size / 2 : morva::stats::kMaxStatisticsBytes;
    const morva::stats::StatisticsText text = morva::stats::readStatisticsText(*file, limit);
    std::size_t total = 0;
    for (const std::string& line : text.lines) {
        const morva::stats::StatLine row = morva::stats::splitStatLine(line);
        if (row.name.size() + row.value.size() > line.size())
            __builtin_trap();
        total += line.size();
    }
    if (total > limit)
        __builtin_trap();

    const std::string name = morva::service::serviceNameFor(files, "/gw/gwcored.exe", "Morva");
    for (char c : name) {
        if (static_cast<unsigned char>(c) < 0x21 || static_cast<unsigned char>(c) > 0x79)
            __builtin_trap();
    }
    return 0;
}
