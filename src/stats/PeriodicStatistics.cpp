#include "stats/PeriodicStatistics.h"

#include "platform/FileSystem.h"
#include "stats/StatLine.h"
#include "stats/StatSeries.h"
#include "stats/StatisticsFile.h"

#include <ctime>
#include <optional>

namespace morva::stats {

namespace {

constexpr platform::OpenMode kReadSharingReadWrite = 1;

// Reads exactly `count` digits at `*at`.
bool digits(std::string_view text, std::size_t* at, std::size_t count, int* value)
{
    if (*at + count > text.size())
        return false;
    int result = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const char c = text[*at + i];
        if (c < '0' || c > '9')
            return false;
        result = result * 10 + (c - '0');
    }
    *at += count;
    *value = result;
    return true;
}

bool expect(std::string_view text, std::size_t* at, char c)
{
    if (*at >= text.size() || text[*at] != c)
        return false;
    ++*at;
    return true;
}

struct CivilTime
{
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// A date at the start of `text`; *at is moved past it.
bool parseDate(std::string_view text, std::size_t* at, CivilTime* time)
{
    std::size_t p = 0;
    if (digits(text, &p, 4, &time->year) && p < text.size() && (text[p] == '-' || text[p] == '/')) {
        const char separator = text[p++];
        if (!digits(text, &p, 2, &time->month) || !expect(text, &p, separator) ||
            !digits(text, &p, 2, &time->day))
            return false;
    } else if (p = 0; digits(text, &p, 2, &time->day) && expect(text, &p, '.')) {
        if (!digits(text, &p, 2, &time->month) || !expect(text, &p, '.') ||
            !digits(text, &p, 4, &time->year))
            return false;
    } else if (p = 0; digits(text, &p, 4, &time->year)) {
        if (!digits(text, &p, 2, &time->month) || !digits(text, &p, 2, &time->day))
            return false;
    } else {
        return false;
    }
    *at = p;
    return time->year >= 1970 && time->year <= 9999 && time->month >= 1 && time->month <= 12 &&
           time->day >= 1 && time->day <= 31;
}

// "HH:MM" or "HH:MM:SS" making up all of `text`.
bool parseTime(std::string_view text, CivilTime* time)
{
    std::size_t p = 0;
    if (!digits(text, &p, 2, &time->hour) || !expect(text, &p, ':') ||
        !digits(text, &p, 2, &time->minute))
        return false;
    if (p < text.size() && (!expect(text, &p, ':') || !digits(text, &p, 2, &time->second)))
        return false;
    return p == text.size() && time->hour < 24 && time->minute < 60 && time->second < 61;
}

// The record's time from its first fields; *used receives how many fields
// it took (1 or 2), 0 when there is no date.
std::optional<CivilTime> recordTime(const std::vector<std::string_view>& fields, std::size_t* used)
{
    *used = 0;
    if (fields.empty())
        return std::nullopt;
    CivilTime time;
    const std::string_view first = trimmed(fields[0]);
    std::size_t at = 0;
    if (!parseDate(first, &at, &time))
        return std::nullopt;
    if (at < first.size()) {
        const char separator = first[at];
        if ((separator != ' ' && separator != 'T') ||
            !parseTime(trimmed(first.substr(at + 1)), &time))
            return std::nullopt;
        *used = 1;
        return time;
    }
    *used = 1;
    if (fields.size() > 1) {
        CivilTime withTime = time;
        if (parseTime(trimmed(fields[1]), &withTime)) {
            *used = 2;
            return withTime;
        }
    }
    return time;
}

// The start of the local hour, ns since 1970; nullopt when the system cannot
// say.
std::optional<std::int64_t> hourStartNs(const CivilTime& time)
{
    std::tm local{};
    local.tm_year = time.year - 1900;
    local.tm_mon = time.month - 1;
    local.tm_mday = time.day;
    local.tm_hour = time.hour;
    local.tm_isdst = -1;
    const std::time_t seconds = std::mktime(&local);
    if (seconds == static_cast<std::time_t>(-1))
        return std::nullopt;
    return static_cast<std::int64_t>(seconds) * 1000000000;
}

} // namespace

char statisticFileDelimiter(std::int64_t code)
{
    if (code <= 0 || code > 255 || code == '\n' || code == '\r' || code == '"')
        return ',';
    return static_cast<char>(static_cast<unsigned char>(code));
}

std::vector<std::string_view> splitDelimited(std::string_view line, char delimiter,
                                             std::vector<std::string>* storage)
{
    std::vector<std::string_view> fields;
    storage->clear();
    storage->reserve(kMaxPeriodicColumns);
    std::size_t at = 0;
    while (fields.size() < kMaxPeriodicColumns) {
        if (at < line.size() && line[at] == '"') {
            std::string field;
            std::size_t p = at + 1;
            while (p < line.size()) {
                if (line[p] == '"') {
                    if (p + 1 < line.size() && line[p + 1] == '"') {
                        field += '"';
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                field += line[p++];
            }
            storage->push_back(std::move(field));
            fields.push_back(storage->back());
            const std::size_t next = line.find(delimiter, p);
            if (next == std::string_view::npos)
                break;
            at = next + 1;
            continue;
        }
        const std::size_t next = line.find(delimiter, at);
        fields.push_back(line.substr(at, next == std::string_view::npos ? line.npos : next - at));
        if (next == std::string_view::npos)
            break;
        at = next + 1;
    }
    return fields;
}

std::size_t PeriodicStatisticsReader::columnIndex(const std::string& name, std::size_t position)
{
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        const PeriodicColumn& column = m_columns[i].column;
        if (column.name == name && (!name.empty() || column.position == position))
            return i;
    }
    m_columns.push_back(Column{{name, position}, true, false, {}});
    return m_columns.size() - 1;
}

void PeriodicStatisticsReader::addRecord(const std::vector<std::string_view>& fields,
                                         const std::vector<std::string>& header)
{
    std::size_t used = 0;
    const auto time = recordTime(fields, &used);
    const auto hour = time ? hourStartNs(*time) : std::nullopt;
    if (!hour) {
        ++m_skipped;
        return;
    }
    ++m_records[*hour];
    ++m_recordCount;
    for (std::size_t i = used; i < fields.size(); ++i) {
        const std::string_view value = trimmed(fields[i]);
        if (value.empty())
            continue;
        Column& column =
            m_columns[columnIndex(i < header.size() ? header[i] : std::string(), i + 1)];
        if (const auto number = counterNumber(value)) {
            column.anyNumber = true;
            column.sums[*hour] += *number;
        } else {
            column.onlyNumbers = false;
        }
    }
}

void PeriodicStatisticsReader::addText(std::string_view text)
{
    std::vector<std::string> header;
    std::vector<std::string> storage;
    bool first = true;
    for (const std::string& line : splitLines(text)) {
        if (trimmed(line).empty())
            continue;
        const std::vector<std::string_view> fields = splitDelimited(line, m_delimiter, &storage);
        std::size_t used = 0;
        if (first && !recordTime(fields, &used)) {
            for (const std::string_view field : fields)
                header.emplace_back(trimmed(field));
        } else {
            addRecord(fields, header);
        }
        first = false;
    }
}

bool PeriodicStatisticsReader::addFile(platform::FileSystem& fileSystem, const std::string& path)
{
    auto file = fileSystem.open(path, kReadSharingReadWrite);
    if (!file) {
        m_unreadable.push_back(path);
        return false;
    }
    StatisticsText text = readStatisticsText(*file, kMaxPeriodicFileBytes);
    m_truncated = m_truncated || text.truncated;
    std::string joined;
    for (const std::string& line : text.lines) {
        joined += line;
        joined += '\n';
    }
    addText(joined);
    return true;
}

PeriodicTotals PeriodicStatisticsReader::totals() const
{
    PeriodicTotals totals;
    totals.records = m_recordCount;
    totals.skippedLines = m_skipped;
    totals.truncated = m_truncated;
    totals.unreadable = m_unreadable;
    std::vector<const Column*> numeric;
    for (const Column& column : m_columns) {
        if (column.onlyNumbers && column.anyNumber) {
            numeric.push_back(&column);
            totals.columns.push_back(column.column);
        }
    }
    for (const auto& [start, records] : m_records) {
        PeriodicHour hour{start, records, {}};
        for (const Column* column : numeric) {
            const auto it = column->sums.find(start);
            hour.sums.push_back(it == column->sums.end() ? 0.0 : it->second);
        }
        totals.hours.push_back(std::move(hour));
    }
    return totals;
}

} // namespace morva::stats
