#include "stats/StatCsv.h"

#include "stats/StatSeries.h"
#include "stats/Statistics.h"

#include <map>

namespace morva::stats {

namespace {

bool looksLikeFormula(std::string_view text)
{
    if (text.empty())
        return false;
    const char first = text.front();
    const bool risky = first == '=' || first == '+' || first == '-' || first == '@' ||
                       first == '\t' || first == '\r';
    return risky && !counterNumber(text);
}

} // namespace

std::string csvField(std::string_view text)
{
    std::string field;
    if (looksLikeFormula(text))
        field += '\'';
    field += text;
    if (field.find_first_of(",\"\r\n") == std::string::npos)
        return field;
    std::string quoted = "\"";
    for (const char c : field) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string csvRecord(const std::vector<std::string>& fields)
{
    std::string record;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            record += ',';
        record += csvField(fields[i]);
    }
    record += "\r\n";
    return record;
}

std::string tableCsv(const std::vector<StatLine>& rows)
{
    std::string csv = csvRecord({"Name", "Value"});
    for (const StatLine& row : rows)
        csv += csvRecord({row.name, row.value});
    return csv;
}

std::string historyCsv(const std::vector<StatSample>& samples)
{
    std::vector<std::string> header{"Time"};
    std::map<std::string, std::size_t, std::less<>> column;
    for (const StatSample& sample : samples) {
        for (const StatLine& line : sample.counters) {
            if (column.emplace(line.name, header.size()).second)
                header.push_back(line.name);
        }
    }
    std::string csv = csvRecord(header);
    for (const StatSample& sample : samples) {
        std::vector<std::string> fields(header.size());
        fields[0] = localTimeText(sample.timeNs);
        // The first line of a name in a sample counts, as in the chart.
        std::vector<bool> filled(header.size());
        for (const StatLine& line : sample.counters) {
            const std::size_t at = column.find(line.name)->second;
            if (!filled[at]) {
                fields[at] = line.value;
                filled[at] = true;
            }
        }
        csv += csvRecord(fields);
    }
    return csv;
}

} // namespace morva::stats
