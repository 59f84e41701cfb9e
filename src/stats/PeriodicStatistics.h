#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace morva::platform {
class FileSystem;
}

namespace morva::stats {

// The gateway's own statistics files (WriteStatisticFile, in StatisticPath):
// delimited text, one record per line, led by the record's date and time
// ("YYYY-MM-DD", "YYYY/MM/DD", "DD.MM.YYYY" or "YYYYMMDD", with the time
// "HH:MM[:SS]" in the same field or the next), optionally below a header line
// that names the columns. The console reads them (read-only, shared) and
// totals them per hour: how many records, and the sum of every column that
// holds only numbers.

// The delimiter StatisticFileDelimiter names by character code; a code that
// cannot separate fields (0, above 255, a line end, a quote) gives ','.
char statisticFileDelimiter(std::int64_t code);

// The most of one file the console reads.
inline constexpr std::size_t kMaxPeriodicFileBytes = std::size_t{16} << 20;
// Columns past this many in a line are ignored.
inline constexpr std::size_t kMaxPeriodicColumns = 256;

struct PeriodicColumn
{
    std::string name;         // from the header line; empty without one
    std::size_t position = 0; // 1-based field number in the line
};

struct PeriodicHour
{
    std::int64_t startNs = 0; // the local hour's start, ns since 1970
    std::uint64_t records = 0;
    std::vector<double> sums; // one per numeric column
};

struct PeriodicTotals
{
    std::vector<PeriodicColumn> columns; // the numeric columns
    std::vector<PeriodicHour> hours;     // oldest first
    std::uint64_t records = 0;
    std::uint64_t skippedLines = 0;      // lines without a readable date
    bool truncated = false;              // a file was read only up to the limit
    std::vector<std::string> unreadable; // files that could not be opened
};

// Collects the records of one or more files.
class PeriodicStatisticsReader
{
public:
    explicit PeriodicStatisticsReader(char delimiter) : m_delimiter(delimiter) {}

    // One file's text; its first line is a header when it holds no date.
    void addText(std::string_view text);
    // Reads the file at `path` (read-only, sharing read and write) and adds
    // it; false when it cannot be opened (its path is noted).
    bool addFile(platform::FileSystem& fileSystem, const std::string& path);
    PeriodicTotals totals() const;

private:
    struct Column
    {
        PeriodicColumn column;
        bool onlyNumbers = true;
        bool anyNumber = false;
        std::map<std::int64_t, double> sums;
    };
    void addRecord(const std::vector<std::string_view>& fields,
                   const std::vector<std::string>& header);
    std::size_t columnIndex(const std::string& name, std::size_t position);

    char m_delimiter;
    std::vector<Column> m_columns;
    std::map<std::int64_t, std::uint64_t> m_records;
    std::uint64_t m_recordCount = 0;
    std::uint64_t m_skipped = 0;
    bool m_truncated = false;
    std::vector<std::string> m_unreadable;
};

// The fields of one line split at `delimiter`; a field that starts with a
// quote runs to its closing quote (doubled quotes inside).
std::vector<std::string_view> splitDelimited(std::string_view line, char delimiter,
                                             std::vector<std::string>* storage);

} // namespace morva::stats
