#pragma once

#include <string>
#include <string_view>

namespace morva::stats {

// One row of the statistics table.
struct StatLine
{
    std::string name;
    std::string value;

    bool operator==(const StatLine&) const = default;
};

// Splits a line of "CONST-A.dat" at its first colon, both sides trimmed of
// blanks. A line without a colon has an empty name and the whole line
// (trimmed) as value.
StatLine splitStatLine(std::string_view line);

// `text` without the blanks (spaces and tabs) at either end.
std::string_view trimmed(std::string_view text);

} // namespace morva::stats
