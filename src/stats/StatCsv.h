#pragma once

#include "stats/StatHistory.h"
#include "stats/StatLine.h"

#include <string>
#include <string_view>
#include <vector>

namespace morva::stats {

// CSV as RFC 4180 reads it: fields separated by commas, records ending in
// CR LF, a field quoted (quotes doubled) when it holds a comma, a quote or
// a line break. The gateway's texts are untrusted: a field that a
// spreadsheet would take for a formula (it starts with '=', '+', '-', '@',
// a tab or a carriage return and is no number) gets a leading apostrophe.
std::string csvField(std::string_view text);
std::string csvRecord(const std::vector<std::string>& fields);

// The table as shown: a header "Name,Value", then one record per line.
std::string tableCsv(const std::vector<StatLine>& rows);

// The history: a header "Time" and every counter name in the order they
// first appear, then one record per sample (local time
// "YYYY-MM-DD HH:MM:SS"; a counter missing from a sample is empty).
std::string historyCsv(const std::vector<StatSample>& samples);

} // namespace morva::stats
