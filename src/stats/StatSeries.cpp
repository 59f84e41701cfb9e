#include "stats/StatSeries.h"

#include "stats/StatLine.h"

#include <charconv>
#include <cmath>
#include <set>

namespace morva::stats {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<double> counterNumber(std::string_view text)
{
    text = trimmed(text);
    std::string_view digits = text;
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
        digits.remove_prefix(1);
    // Only plain decimal notation: from_chars would also take "inf", "nan"
    // and exponents.
    bool seenDigit = false;
    bool seenPoint = false;
    for (const char c : digits) {
        if (isDigit(c))
            seenDigit = true;
        else if (c == '.' && !seenPoint)
            seenPoint = true;
        else
            return std::nullopt;
    }
    if (!seenDigit)
        return std::nullopt;
    if (text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::vector<std::string> numericCounterNames(const std::vector<StatSample>& samples)
{
    std::vector<std::string> names;
    std::set<std::string, std::less<>> seen;
    for (const StatSample& sample : samples) {
        for (const StatLine& line : sample.counters) {
            if (line.name.empty() || seen.count(line.name) || !counterNumber(line.value))
                continue;
            seen.insert(line.name);
            names.push_back(line.name);
        }
    }
    return names;
}

std::vector<SeriesPoint> counterSeries(const std::vector<StatSample>& samples,
                                       std::string_view name)
{
    std::vector<SeriesPoint> series;
    for (const StatSample& sample : samples) {
        for (const StatLine& line : sample.counters) {
            if (line.name != name)
                continue;
            if (const auto value = counterNumber(line.value))
                series.push_back({sample.timeNs, *value});
            break;
        }
    }
    return series;
}

std::vector<SeriesPoint> ratesPerHour(const std::vector<SeriesPoint>& series)
{
    constexpr double kNsPerHour = 3600.0 * 1e9;
    std::vector<SeriesPoint> rates;
    bool gap = false;
    for (std::size_t i = 1; i < series.size(); ++i) {
        const SeriesPoint& before = series[i - 1];
        const SeriesPoint& now = series[i];
        if (now.timeNs <= before.timeNs || now.value < before.value) {
            gap = !rates.empty();
            continue;
        }
        const double hours = static_cast<double>(now.timeNs - before.timeNs) / kNsPerHour;
        rates.push_back({now.timeNs, (now.value - before.value) / hours, gap});
        gap = false;
    }
    return rates;
}

} // namespace morva::stats
