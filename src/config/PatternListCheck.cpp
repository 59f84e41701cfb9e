// Duplicate, covered and unmatchable entries of address and host lists.
#include "config/ListChecks.h"
#include "platform/WildcardMatch.h"

#include <algorithm>
#include <unordered_map>

namespace morva::config {

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

std::string lowered(std::string_view text)
{
    std::string out(text);
    for (auto& c : out) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

bool isWildcard(char c)
{
    return c == '*' || c == '?' || c == '#';
}

bool isLabelStart(char c)
{
    return c == '.' || c == '@';
}

bool hasEmptyLabel(std::string_view name)
{
    return name.empty() || name.front() == '.' || name.find("..") != std::string_view::npos;
}

// The gateway compares an address's domain, or a host name, label by label:
// a domain that is empty or has an empty label matches no real name.
bool canNeverMatch(std::string_view entry, ListEntryKind kind)
{
    if (entry.empty())
        return true;
    if (kind == ListEntryKind::Address) {
        const std::size_t at = entry.rfind('@');
        if (at != std::string_view::npos)
            return hasEmptyLabel(entry.substr(at + 1));
    }
    // A leading "." marks a domain entry in a host list, so only inner
    // empty labels count there.
    return entry.find_first_not_of('.') == std::string_view::npos ||
           entry.find("..") != std::string_view::npos;
}

// The index of a plain entry that matches everything `entry` matches: one
// that is a suffix of its literal tail starting at a label.
std::size_t coveringPlainEntry(std::string_view entry, std::size_t literalFrom,
                               const std::unordered_map<std::string_view, std::size_t>& plain)
{
    for (std::size_t p = literalFrom; p < entry.size(); ++p) {
        if (!isLabelStart(entry[p]))
            continue;
        if (p > 0) {
            if (const auto found = plain.find(entry.substr(p)); found != plain.end())
                return found->second;
        }
        if (p + 1 < entry.size()) {
            if (const auto found = plain.find(entry.substr(p + 1)); found != plain.end())
                return found->second;
        }
    }
    return kNone;
}

// The positions in `sorted` (ordered by `key`) whose key starts with `start`.
template <typename Key>
std::pair<std::size_t, std::size_t> rangeStartingWith(const std::vector<std::size_t>& sorted,
                                                      std::string_view start, Key key)
{
    const auto from =
        std::lower_bound(sorted.begin(), sorted.end(), start,
                         [&](std::size_t i, std::string_view s) { return key(i) < s; });
    const auto to =
        std::upper_bound(from, sorted.end(), start, [&](std::string_view s, std::size_t i) {
            return s < key(i).substr(0, s.size());
        });
    return {static_cast<std::size_t>(from - sorted.begin()),
            static_cast<std::size_t>(to - sorted.begin())};
}

} // namespace

std::vector<ListFinding> checkPatternList(const std::vector<std::string>& entries,
                                          ListEntryKind kind)
{
    const std::size_t count = entries.size();
    std::vector<std::string> texts(count);
    std::vector<ListFinding> byEntry(count);
    std::vector<bool> found(count, false);
    auto report = [&](std::size_t i, ListProblem problem, std::size_t other) {
        byEntry[i] = {i, problem, other};
        found[i] = true;
    };

    std::unordered_map<std::string_view, std::size_t> first;
    std::unordered_map<std::string_view, std::size_t> plain;
    std::vector<std::size_t> patterns;
    first.reserve(count);
    plain.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        texts[i] = lowered(entries[i]);
        const std::string_view text = texts[i];
        if (canNeverMatch(text, kind)) {
            report(i, ListProblem::EmptyPart, i);
            continue;
        }
        const auto [earlier, inserted] = first.emplace(text, i);
        if (!inserted) {
            report(i, ListProblem::Duplicate, earlier->second);
            continue;
        }
        if (std::any_of(text.begin(), text.end(), isWildcard))
            patterns.push_back(i);
        else
            plain.emplace(text, i);
    }

    // Plain entries and the literal tails of patterns, against plain entries.
    std::vector<std::size_t> uncoveredPlain;
    for (std::size_t i = 0; i < count; ++i) {
        if (found[i])
            continue;
        const std::string_view text = texts[i];
        const std::size_t lastWildcard = text.find_last_of("*?#");
        const std::size_t literalFrom =
            lastWildcard == std::string_view::npos ? 0 : lastWildcard + 1;
        const std::size_t cover = coveringPlainEntry(text, literalFrom, plain);
        if (cover != kNone)
            report(i, ListProblem::Covered, cover);
        else if (lastWildcard == std::string_view::npos)
            uncoveredPlain.push_back(i);
    }

    // Plain entries against patterns: only those sharing the pattern's
    // literal head or tail are matched, taken from whichever range is smaller.
    std::vector<std::string> reversed(count);
    for (const std::size_t i : uncoveredPlain)
        reversed[i].assign(texts[i].rbegin(), texts[i].rend());
    auto forwardKey = [&](std::size_t i) -> std::string_view { return texts[i]; };
    auto reversedKey = [&](std::size_t i) -> std::string_view { return reversed[i]; };
    std::vector<std::size_t> byHead = uncoveredPlain;
    std::vector<std::size_t> byTail = uncoveredPlain;
    std::sort(byHead.begin(), byHead.end(),
              [&](std::size_t a, std::size_t b) { return texts[a] < texts[b]; });
    std::sort(byTail.begin(), byTail.end(),
              [&](std::size_t a, std::size_t b) { return reversed[a] < reversed[b]; });
    for (const std::size_t p : patterns) {
        const std::string_view pattern = texts[p];
        if (found[p] || pattern.find('#') != std::string_view::npos)
            continue;
        const std::string_view head = pattern.substr(0, pattern.find_first_of("*?"));
        const std::string tail(
            pattern.rbegin(), pattern.rbegin() + (pattern.size() - 1 - pattern.find_last_of("*?")));
        const auto headRange = rangeStartingWith(byHead, head, forwardKey);
        const auto tailRange = rangeStartingWith(byTail, tail, reversedKey);
        const bool useHead =
            headRange.second - headRange.first <= tailRange.second - tailRange.first;
        const auto& sorted = useHead ? byHead : byTail;
        const auto [from, to] = useHead ? headRange : tailRange;
        for (std::size_t k = from; k < to; ++k) {
            const std::size_t i = sorted[k];
            if (!found[i] && platform::matchesWildcard(texts[i], pattern))
                report(i, ListProblem::Covered, p);
        }
    }

    std::vector<ListFinding> findings;
    for (std::size_t i = 0; i < count; ++i) {
        if (found[i])
            findings.push_back(byEntry[i]);
    }
    return findings;
}

} // namespace morva::config
