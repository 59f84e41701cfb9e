#include "confui/browser/EditDistance.h"

#include <algorithm>
#include <vector>

namespace morva::confui {

namespace {

// Rows of the Levenshtein table of `a` against `b`, cells farther than
// `limit` from the diagonal held at limit + 1. Returns the last row.
std::vector<std::size_t> lastRow(std::string_view a, std::string_view b, std::size_t limit)
{
    const std::size_t over = limit + 1;
    std::vector<std::size_t> row(b.size() + 1, over);
    std::vector<std::size_t> next(b.size() + 1, over);
    for (std::size_t j = 0; j <= std::min(b.size(), limit); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        const std::size_t from = i > limit ? i - limit : 0;
        const std::size_t to = std::min(b.size(), i + limit);
        std::fill(next.begin(), next.end(), over);
        if (from == 0)
            next[0] = std::min(i, over);
        std::size_t best = next[0];
        for (std::size_t j = std::max<std::size_t>(from, 1); j <= to; ++j) {
            const std::size_t substitute = row[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            const std::size_t remove = row[j] + 1;
            const std::size_t insert = next[j - 1] + 1;
            next[j] = std::min({substitute, remove, insert, over});
            best = std::min(best, next[j]);
        }
        row.swap(next);
        if (best > limit)
            break; // every later cell is beyond the limit too
    }
    return row;
}

} // namespace

std::size_t boundedEditDistance(std::string_view a, std::string_view b, std::size_t limit)
{
    const std::size_t lengthGap = a.size() > b.size() ? a.size() - b.size() : b.size() - a.size();
    if (lengthGap > limit)
        return limit + 1;
    return lastRow(a, b, limit).back();
}

std::size_t boundedPrefixEditDistance(std::string_view a, std::string_view b, std::size_t limit)
{
    const std::vector<std::size_t> row = lastRow(a, b, limit);
    return *std::min_element(row.begin(), row.end());
}

} // namespace morva::confui
