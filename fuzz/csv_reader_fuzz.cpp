// The CSV reader: any text reads without fault, and rows it read write out
// and read back unchanged. The first byte picks the separator.
#include "config/CsvText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const char separators[] = {',', ';', '\t'};
    const char separator = separators[data[0] % 3];
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const morva::config::CsvReadResult read = morva::config::readCsv(text, separator);
    if (read.error != morva::config::CsvError::None && read.errorLine == 0)
        std::abort();
    std::string written;
    for (const auto& record : read.records) {
        if (record.fields.empty() || record.line == 0)
            std::abort();
        morva::config::appendCsvRow(written, record.fields, separator);
    }
    const morva::config::CsvReadResult again = morva::config::readCsv(written, separator);
    if (again.error != morva::config::CsvError::None || again.records.size() != read.records.size())
        std::abort();
    for (std::size_t i = 0; i < read.records.size(); ++i) {
        if (again.records[i].fields != read.records[i].fields)
            std::abort();
    }
    return 0;
}
