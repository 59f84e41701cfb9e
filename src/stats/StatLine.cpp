#include "stats/StatLine.h"

namespace morva::stats {

std::string_view trimmed(std::string_view text)
{
    constexpr std::string_view blanks = " \t";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

StatLine splitStatLine(std::string_view line)
{
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos)
        return {std::string(), std::string(trimmed(line))};
    return {std::string(trimmed(line.substr(0, colon))),
            std::string(trimmed(line.substr(colon + 1)))};
}

} // namespace morva::stats
