#pragma once

#include <cstddef>
#include <string_view>

namespace morva::confui {

// The number of single-byte insertions, deletions and substitutions that
// turn `a` into `b` (Levenshtein), or `limit` + 1 when it exceeds `limit`:
// the work stays within a band of 2 * limit + 1 columns.
std::size_t boundedEditDistance(std::string_view a, std::string_view b, std::size_t limit);

// The smallest edit distance between `a` and any beginning of `b`, bounded
// the same way ("inbundgrey" is one edit from the beginning of
// "inboundgreylistmintime").
std::size_t boundedPrefixEditDistance(std::string_view a, std::string_view b, std::size_t limit);

} // namespace morva::confui
