// Duplicate, covered and unmatchable entries of address and host lists.
#include "config/ListChecks.h"
#include "platform/WildcardMatch.h"

#include <algorithm>
#include <cstdint>
#include <functional>
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

// Entry texts by content, open addressing: the checks look up several
// suffixes of every entry, and a node-based map spends most of that time on
// cache misses.
class TextIndex
{
public:
    TextIndex(const std::vector<std::string>& texts) : m_texts(texts)
    {
        std::size_t size = 16;
        while (size < texts.size() * 2)
            size *= 2;
        m_slots.assign(size, Slot{});
    }

    // The entry holding `text`, or kNone.
    std::size_t find(std::string_view text) const
    {
        const std::size_t hash = std::hash<std::string_view>{}(text);
        for (std::size_t s = hash & (m_slots.size() - 1);; s = (s + 1) & (m_slots.size() - 1)) {
            const Slot& slot = m_slots[s];
            if (slot.entry == kNone)
                return kNone;
            if (slot.hash == hash && m_texts[slot.entry] == text)
                return slot.entry;
        }
    }

    // Adds entry `i` unless an equal text is there; returns the entry that
    // holds the text afterwards.
    std::size_t insert(std::size_t i)
    {
        const std::string_view text = m_texts[i];
        const std::size_t hash = std::hash<std::string_view>{}(text);
        for (std::size_t s = hash & (m_slots.size() - 1);; s = (s + 1) & (m_slots.size() - 1)) {
            Slot& slot = m_slots[s];
            if (slot.entry == kNone) {
                slot = {hash, i};
                return i;
            }
            if (slot.hash == hash && m_texts[slot.entry] == text)
                return slot.entry;
        }
    }

private:
    struct Slot
    {
        std::size_t hash = 0;
        std::size_t entry = kNone;
    };
    const std::vector<std::string>& m_texts;
    std::vector<Slot> m_slots;
};

// The index of a plain entry that matches everything `entry` matches: one
// that is a suffix of its literal tail starting at a label.
std::size_t coveringPlainEntry(std::string_view entry, std::size_t literalFrom,
                               const TextIndex& entries, const std::vector<bool>& isPattern)
{
    auto plainEntry = [&](std::string_view text) {
        const std::size_t found = entries.find(text);
        return found == kNone || isPattern[found] ? kNone : found;
    };
    for (std::size_t p = literalFrom; p < entry.size(); ++p) {
        if (!isLabelStart(entry[p]))
            continue;
        if (const std::size_t cover = p > 0 ? plainEntry(entry.substr(p)) : kNone; cover != kNone)
            return cover;
        if (const std::size_t cover =
                p + 1 < entry.size() ? plainEntry(entry.substr(p + 1)) : kNone;
            cover != kNone)
            return cover;
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

// Eight bytes of `text` from `at` as a number that orders as the bytes do
// (padded with zeros behind its end).
std::uint64_t eightBytesAt(std::string_view text, std::size_t at)
{
    std::uint64_t value = 0;
    for (std::size_t k = at; k < at + 8; ++k)
        value = value << 8 | (k < text.size() ? static_cast<unsigned char>(text[k]) : 0u);
    return value;
}

struct SortItem
{
    std::uint64_t bytes; // eightBytesAt(key, depth)
    std::size_t index;
};

// Sorts [begin, end), whose keys agree on their first `depth` bytes, eight
// bytes at a time: a comparison is one of two numbers, and only runs that
// agree on those eight go on to the next. Runs whose keys all end within
// them are sorted by the whole key, which also orders a key before a
// longer one it begins.
template <typename Key>
void sortFrom(SortItem* begin, SortItem* end, std::size_t depth, const Key& key)
{
    for (SortItem* item = begin; item != end; ++item)
        item->bytes = eightBytesAt(key(item->index), depth);
    std::sort(begin, end, [](const SortItem& a, const SortItem& b) { return a.bytes < b.bytes; });
    for (SortItem* run = begin; run != end;) {
        SortItem* runEnd = run + 1;
        bool continues = key(run->index).size() > depth + 8;
        for (; runEnd != end && runEnd->bytes == run->bytes; ++runEnd)
            continues = continues || key(runEnd->index).size() > depth + 8;
        if (runEnd - run > 1) {
            if (continues)
                sortFrom(run, runEnd, depth + 8, key);
            else
                std::sort(run, runEnd, [&](const SortItem& a, const SortItem& b) {
                    return key(a.index) < key(b.index);
                });
        }
        run = runEnd;
    }
}

// Sorts entry indexes by `key`.
template <typename Key> void sortByKey(std::vector<std::size_t>& indexes, const Key& key)
{
    std::vector<SortItem> items;
    items.reserve(indexes.size());
    for (const std::size_t i : indexes)
        items.push_back({0, i});
    sortFrom(items.data(), items.data() + items.size(), 0, key);
    for (std::size_t k = 0; k < items.size(); ++k)
        indexes[k] = items[k].index;
}

// The positions of a sorted index whose entries are still uncovered: broad
// patterns do not walk covered entries again (amortised constant per step).
class UncoveredPositions
{
public:
    explicit UncoveredPositions(std::size_t size) : m_next(size + 1)
    {
        for (std::size_t k = 0; k <= size; ++k)
            m_next[k] = k;
    }

    // The first uncovered position at or after `k` (the size when none).
    std::size_t from(std::size_t k)
    {
        while (m_next[k] != k) {
            m_next[k] = m_next[m_next[k]];
            k = m_next[k];
        }
        return k;
    }

    void remove(std::size_t k) { m_next[k] = k + 1; }

private:
    std::vector<std::size_t> m_next;
};

std::uint32_t trigramCode(std::string_view text, std::size_t at)
{
    return static_cast<std::uint32_t>(static_cast<unsigned char>(text[at])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(text[at + 1])) << 8 |
           static_cast<unsigned char>(text[at + 2]);
}

// The three-character pieces of the literal runs of a pattern (between "*"
// and "?"): every text the pattern matches contains each of them.
std::vector<std::uint32_t> literalTrigrams(std::string_view pattern)
{
    std::vector<std::uint32_t> codes;
    std::size_t start = 0;
    while (start < pattern.size()) {
        std::size_t end = pattern.find_first_of("*?", start);
        if (end == std::string_view::npos)
            end = pattern.size();
        for (std::size_t at = start; at + 3 <= end; ++at)
            codes.push_back(trigramCode(pattern, at));
        start = end + 1;
    }
    return codes;
}

std::vector<ListFinding> collected(const std::vector<ListFinding>& byEntry,
                                   const std::vector<bool>& found)
{
    std::vector<ListFinding> findings;
    for (std::size_t i = 0; i < byEntry.size(); ++i) {
        if (found[i])
            findings.push_back(byEntry[i]);
    }
    return findings;
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

    // Every entry by its text, the first of equal ones kept.
    for (std::size_t i = 0; i < count; ++i)
        texts[i] = lowered(entries[i]);
    TextIndex first(texts);
    std::vector<bool> isPattern(count, false);
    std::vector<std::size_t> patterns;
    for (std::size_t i = 0; i < count; ++i) {
        const std::string_view text = texts[i];
        if (canNeverMatch(text, kind)) {
            report(i, ListProblem::EmptyPart, i);
            continue;
        }
        if (const std::size_t earlier = first.insert(i); earlier != i) {
            report(i, ListProblem::Duplicate, earlier);
            continue;
        }
        if (std::any_of(text.begin(), text.end(), isWildcard)) {
            isPattern[i] = true;
            patterns.push_back(i);
        }
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
        const std::size_t cover = coveringPlainEntry(text, literalFrom, first, isPattern);
        if (cover != kNone)
            report(i, ListProblem::Covered, cover);
        else if (lastWildcard == std::string_view::npos)
            uncoveredPlain.push_back(i);
    }

    // Plain entries against patterns: only those sharing the pattern's
    // literal head or tail are matched, taken from whichever range is smaller.
    if (patterns.empty())
        return collected(byEntry, found);
    std::vector<std::string> reversed(count);
    for (const std::size_t i : uncoveredPlain)
        reversed[i].assign(texts[i].rbegin(), texts[i].rend());
    auto forwardKey = [&](std::size_t i) -> std::string_view { return texts[i]; };
    auto reversedKey = [&](std::size_t i) -> std::string_view { return reversed[i]; };
    std::vector<std::size_t> byHead = uncoveredPlain;
    std::vector<std::size_t> byTail = uncoveredPlain;
    sortByKey(byHead, forwardKey);
    sortByKey(byTail, reversedKey);
    std::vector<std::size_t> headPosition(count), tailPosition(count);
    for (std::size_t k = 0; k < byHead.size(); ++k) {
        headPosition[byHead[k]] = k;
        tailPosition[byTail[k]] = k;
    }
    UncoveredPositions headLeft(byHead.size()), tailLeft(byTail.size());

    // Patterns whose head and tail many entries share ("u*50*@*") take
    // their candidates from an inner literal piece instead: the plain entries
    // holding one of its trigrams. Only the trigrams such patterns use are
    // indexed, in one pass over the entries.
    constexpr std::size_t kFewCandidates = 64;
    auto headOf = [&](std::string_view pattern) {
        return pattern.substr(0, pattern.find_first_of("*?"));
    };
    auto tailOf = [&](std::string_view pattern) {
        return std::string(pattern.rbegin(),
                           pattern.rbegin() + static_cast<std::ptrdiff_t>(
                                                  pattern.size() - 1 - pattern.find_last_of("*?")));
    };
    std::unordered_map<std::uint32_t, std::vector<std::size_t>> holders;
    std::unordered_map<std::size_t, std::vector<std::uint32_t>> patternTrigrams;
    for (const std::size_t p : patterns) {
        const std::string_view pattern = texts[p];
        if (found[p] || pattern.find('#') != std::string_view::npos)
            continue;
        const auto headRange = rangeStartingWith(byHead, headOf(pattern), forwardKey);
        const auto tailRange = rangeStartingWith(byTail, tailOf(pattern), reversedKey);
        if (std::min(headRange.second - headRange.first, tailRange.second - tailRange.first) <=
            kFewCandidates)
            continue;
        const auto& codes = patternTrigrams[p] = literalTrigrams(pattern);
        for (const std::uint32_t code : codes)
            holders.try_emplace(code);
    }
    if (!holders.empty())
        for (const std::size_t i : uncoveredPlain) {
            const std::string_view text = texts[i];
            for (std::size_t at = 0; at + 3 <= text.size(); ++at)
                if (const auto it = holders.find(trigramCode(text, at)); it != holders.end())
                    if (it->second.empty() || it->second.back() != i)
                        it->second.push_back(i);
        }

    for (const std::size_t p : patterns) {
        const std::string_view pattern = texts[p];
        if (found[p] || pattern.find('#') != std::string_view::npos)
            continue;
        const auto headRange = rangeStartingWith(byHead, headOf(pattern), forwardKey);
        const auto tailRange = rangeStartingWith(byTail, tailOf(pattern), reversedKey);
        const std::vector<std::size_t>* rarest = nullptr;
        const auto trigrams = patternTrigrams.find(p);
        if (trigrams != patternTrigrams.end())
            for (const std::uint32_t code : trigrams->second)
                if (const auto& list = holders.at(code); !rarest || list.size() < rarest->size())
                    rarest = &list;
        const std::size_t headCount = headRange.second - headRange.first;
        const std::size_t tailCount = tailRange.second - tailRange.first;
        if (rarest && rarest->size() < std::min(headCount, tailCount)) {
            for (const std::size_t i : *rarest)
                if (!found[i] && platform::matchesWildcard(texts[i], pattern)) {
                    report(i, ListProblem::Covered, p);
                    headLeft.remove(headPosition[i]);
                    tailLeft.remove(tailPosition[i]);
                }
            continue;
        }
        const bool useHead = headCount <= tailCount;
        const auto& sorted = useHead ? byHead : byTail;
        UncoveredPositions& left = useHead ? headLeft : tailLeft;
        const auto [from, to] = useHead ? headRange : tailRange;
        for (std::size_t k = left.from(from); k < to; k = left.from(k + 1)) {
            const std::size_t i = sorted[k];
            if (platform::matchesWildcard(texts[i], pattern)) {
                report(i, ListProblem::Covered, p);
                headLeft.remove(headPosition[i]);
                tailLeft.remove(tailPosition[i]);
            }
        }
    }

    return collected(byEntry, found);
}

} // namespace morva::config
