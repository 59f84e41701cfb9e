// Feeds arbitrary bytes to the readers of the console's statistics history
// and of the gateway's periodic statistics files, and to the CSV writer.
#include "stats/PeriodicStatistics.h"
#include "stats/StatCsv.h"
#include "stats/StatHistory.h"
#include "stats/StatSeries.h"
#include "support/MemoryFileSystem.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace morva::stats;
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    // A decoded record encodes to the same line.
    if (const auto sample = decodeHistoryRecord(bytes)) {
        const std::string again = encodeHistoryRecord(*sample);
        if (decodeHistoryRecord(again) != sample)
            __builtin_trap();
        for (const std::string& name : numericCounterNames({*sample}))
            ratesPerHour(counterSeries({*sample}, name));
        historyCsv({*sample});
    }

    morva::test::MemoryFileSystem files;
    files.put("/data/history.hist", bytes);
    const HistoryLoad load = StatHistoryStore(files, "/data/history.hist").load();
    if (load.samples.size() + load.damagedRecords > size)
        __builtin_trap();

    const char delimiter = size > 0 ? statisticFileDelimiter(data[0]) : ',';
    PeriodicStatisticsReader reader(delimiter);
    reader.addText(bytes);
    const PeriodicTotals totals = reader.totals();
    std::uint64_t records = 0;
    for (const PeriodicHour& hour : totals.hours) {
        if (hour.sums.size() != totals.columns.size())
            __builtin_trap();
        records += hour.records;
    }
    if (records != totals.records || totals.columns.size() > size)
        __builtin_trap();

    // A CSV field unquoted holds no separator or line break.
    const std::string field = csvField(bytes);
    if (!field.empty() && field.front() != '"' &&
        field.find_first_of(",\"\r\n") != std::string::npos)
        __builtin_trap();
    return 0;
}
