// The log filter on arbitrary filter texts and activities: the first line of
// the input is the filter bar's text, the rest the activity. Always: a
// compiled filter gives spans that lie inside the activity, in order and
// without overlap, each naming one of its terms; a row matches when every
// include term has a span; the category table looks at any text.
#include "log/LogCategory.h"
#include "log/LogFilter.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    namespace log = morva::log;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t newline = input.find('\n');
    const std::string_view text = input.substr(0, newline);
    const std::string_view activity =
        newline == std::string_view::npos ? std::string_view() : input.substr(newline + 1);
    log::categorizeActivity(activity);

    // Plain terms only: the standard regular expressions have no bound on
    // their time, which is not what this target looks for.
    std::string error;
    const auto filter = log::LogFilter::compile(log::parseFilterText(text, false), &error);
    if (!filter)
        std::abort(); // plain terms always compile
    const auto spans = filter->spans(activity);
    std::size_t covered = 0;
    for (const log::MatchSpan& span : spans) {
        if (span.length == 0 || span.begin < covered ||
            span.begin + span.length > activity.size() || span.term < 0 ||
            span.term >= filter->includeCount())
            std::abort();
        covered = span.begin + span.length;
    }
    const bool matches = filter->matches("", "", activity);
    std::string folded;
    log::foldCase(activity, folded);
    if (folded.size() != activity.size())
        std::abort();
    (void)matches;
    return 0;
}
