#pragma once

#include "stats/StatHistory.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morva::stats {

struct SeriesPoint
{
    std::int64_t timeNs = 0;
    double value = 0;
    // The point follows a gap (a counter that started again): a chart
    // does not join it to the point before.
    bool startsRun = false;

    bool operator==(const SeriesPoint&) const = default;
};

// A counter's value as a number: an optional sign, digits and an optional
// decimal part, blanks around it allowed; anything else (a date, a text,
// "inf") is no number.
std::optional<double> counterNumber(std::string_view text);

// The names whose value is a number in at least one sample, in the order
// they first appear. Lines without a name are left out.
std::vector<std::string> numericCounterNames(const std::vector<StatSample>& samples);

// The counter's numeric values over the samples (samples where it is missing
// or no number are left out; the first line of that name in a sample
// counts).
std::vector<SeriesPoint> counterSeries(const std::vector<StatSample>& samples,
                                       std::string_view name);

// Rates per hour between consecutive points, each at the later point's time.
// A value lower than the one before means the counter started again (the
// gateway restarted): that interval gives no rate and the next rate starts
// a new run (startsRun). Points not later than the one before give no rate
// either.
std::vector<SeriesPoint> ratesPerHour(const std::vector<SeriesPoint>& series);

} // namespace morva::stats
