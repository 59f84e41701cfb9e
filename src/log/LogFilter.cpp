#include "log/LogFilter.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <regex>

namespace morva::log {

namespace {

constexpr unsigned char kLatin1Lead = 0xC3;

constexpr std::array<unsigned char, 256> makeAsciiLower()
{
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[static_cast<std::size_t>(c)] =
            static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    return table;
}
constexpr std::array<unsigned char, 256> kAsciiLower = makeAsciiLower();

// A plain term, searched in the folded text.
class SubstringPattern final : public LogPattern
{
public:
    explicit SubstringPattern(std::string folded) : m_term(std::move(folded)) {}
    bool find(std::string_view, std::string_view folded, std::size_t from, std::size_t* begin,
              std::size_t* length) const override
    {
        const std::size_t at = folded.find(m_term, from);
        if (at == std::string_view::npos)
            return false;
        *begin = at;
        *length = m_term.size();
        return true;
    }

private:
    std::string m_term;
};

class StandardRegexPattern final : public LogPattern
{
public:
    explicit StandardRegexPattern(std::regex regex) : m_regex(std::move(regex)) {}
    bool find(std::string_view text, std::string_view, std::size_t from, std::size_t* begin,
              std::size_t* length) const override
    {
        const std::size_t end = std::min(text.size(), kMaxRegexBytes);
        if (from > end)
            return false;
        std::cmatch match;
        const auto flags =
            from > 0 ? std::regex_constants::match_prev_avail : std::regex_constants::match_default;
        if (!std::regex_search(text.data() + from, text.data() + end, match, m_regex, flags))
            return false;
        *begin = from + static_cast<std::size_t>(match.position(0));
        *length = static_cast<std::size_t>(match.length(0));
        return true;
    }

private:
    std::regex m_regex;
};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// The scratch buffer of the folded activity, one per thread so that a filter
// can be shared by threads.
std::string& foldBuffer()
{
    thread_local std::string buffer;
    return buffer;
}

} // namespace

void foldCase(std::string_view text, std::string& out)
{
    out.resize(text.size());
    const auto* in = reinterpret_cast<const unsigned char*>(text.data());
    auto* to = reinterpret_cast<unsigned char*>(out.data());
    const std::size_t n = text.size();
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHigh = 0x8080808080808080ULL;
    std::size_t i = 0;
    while (i < n) {
        // Eight ASCII bytes at a time: a byte gets 0x20 when 'A' <= b <= 'Z'.
        if (i + 8 <= n) {
            std::uint64_t word = 0;
            std::memcpy(&word, in + i, 8);
            if ((word & kHigh) == 0) {
                const std::uint64_t atLeastA = word + kOnes * (0x80 - 'A');
                const std::uint64_t aboveZ = word + kOnes * (0x7F - 'Z');
                word ^= ((atLeastA & ~aboveZ) & kHigh) >> 2;
                std::memcpy(to + i, &word, 8);
                i += 8;
                continue;
            }
        }
        const unsigned char c = in[i];
        to[i] = kAsciiLower[c];
        // U+00C0..U+00DE (without U+00D7) become U+00E0..U+00FE: same length.
        if (c == kLatin1Lead && i + 1 < n) {
            const unsigned char next = in[i + 1];
            to[++i] = next >= 0x80 && next <= 0x9E && next != 0x97 ? next + 0x20 : next;
        }
        ++i;
    }
}

LogQuery parseFilterText(std::string_view text, bool regex)
{
    LogQuery query;
    query.regex = regex;
    if (regex) {
        if (!trimmed(text).empty())
            query.include.emplace_back(text);
        return query;
    }
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ' || text[i] == '\t') {
            ++i;
            continue;
        }
        bool exclude = false;
        if (text[i] == '-' && i + 1 < text.size() && text[i + 1] != ' ') {
            exclude = true;
            ++i;
        }
        std::string term;
        if (text[i] == '"') {
            const std::size_t close = text.find('"', i + 1);
            const std::size_t end = close == std::string_view::npos ? text.size() : close;
            term = text.substr(i + 1, end - i - 1);
            i = close == std::string_view::npos ? text.size() : close + 1;
        } else {
            std::size_t end = i;
            while (end < text.size() && text[end] != ' ' && text[end] != '\t')
                ++end;
            term = text.substr(i, end - i);
            i = end;
        }
        if (term.empty())
            continue;
        (exclude ? query.exclude : query.include).push_back(std::move(term));
    }
    return query;
}

std::string normalizeTimeOfDay(std::string_view text)
{
    const bool withSeconds = text.size() == 8;
    if ((text.size() != 5 && !withSeconds) || text[2] != ':' || (withSeconds && text[5] != ':'))
        return {};
    for (std::size_t i : {0u, 1u, 3u, 4u})
        if (!isDigit(text[i]))
            return {};
    if (withSeconds && (!isDigit(text[6]) || !isDigit(text[7])))
        return {};
    std::string time(text);
    if (!withSeconds)
        time += ":00";
    if (time.substr(0, 2) > "23" || time[3] > '5' || time[6] > '5')
        return {};
    return time;
}

std::unique_ptr<LogPattern> makeStandardRegex(const std::string& expression, std::string* error)
{
    try {
        return std::make_unique<StandardRegexPattern>(std::regex(
            expression, std::regex::ECMAScript | std::regex::icase | std::regex::optimize));
    } catch (const std::regex_error& e) {
        if (error)
            *error = e.what();
        return nullptr;
    }
}

LogFilter::LogFilter(LogFilter&&) noexcept = default;
LogFilter& LogFilter::operator=(LogFilter&&) noexcept = default;
LogFilter::~LogFilter() = default;

std::unique_ptr<LogFilter> LogFilter::compile(const LogQuery& query, std::string* error,
                                              const RegexFactory& regex)
{
    auto filter = std::make_unique<LogFilter>();
    auto add = [&](const std::vector<std::string>& terms,
                   std::vector<std::unique_ptr<LogPattern>>& to) {
        for (const std::string& term : terms) {
            if (term.empty())
                continue;
            if (query.regex) {
                auto pattern = regex(term, error);
                if (!pattern)
                    return false;
                to.push_back(std::move(pattern));
            } else {
                std::string folded;
                foldCase(term, folded);
                to.push_back(std::make_unique<SubstringPattern>(std::move(folded)));
            }
        }
        return true;
    };
    if (!add(query.include, filter->m_include) || !add(query.exclude, filter->m_exclude))
        return nullptr;
    filter->m_thread = query.thread;
    filter->m_since = query.since;
    return filter;
}

bool LogFilter::isEmpty() const
{
    return m_include.empty() && m_exclude.empty() && m_thread.empty() && m_since.empty();
}

bool LogFilter::matches(std::string_view time, std::string_view thread,
                        std::string_view activity) const
{
    if (!m_thread.empty() && thread != m_thread)
        return false;
    if (!m_since.empty() && (time.size() != m_since.size() || time < m_since))
        return false;
    if (m_include.empty() && m_exclude.empty())
        return true;
    return textMatches(activity);
}

bool LogFilter::textMatches(std::string_view activity) const
{
    std::string& folded = foldBuffer();
    foldCase(activity, folded);
    std::size_t begin = 0;
    std::size_t length = 0;
    for (const auto& pattern : m_include)
        if (!pattern->find(activity, folded, 0, &begin, &length))
            return false;
    for (const auto& pattern : m_exclude)
        if (pattern->find(activity, folded, 0, &begin, &length))
            return false;
    return true;
}

std::vector<MatchSpan> LogFilter::spans(std::string_view activity) const
{
    std::vector<MatchSpan> found;
    if (m_include.empty())
        return found;
    std::string folded;
    foldCase(activity, folded);
    for (std::size_t term = 0; term < m_include.size(); ++term) {
        std::size_t from = 0;
        std::size_t begin = 0;
        std::size_t length = 0;
        while (from <= activity.size() &&
               m_include[term]->find(activity, folded, from, &begin, &length)) {
            if (length > 0)
                found.push_back({begin, length, static_cast<int>(term)});
            from = begin + std::max<std::size_t>(length, 1);
        }
    }
    std::sort(found.begin(), found.end(), [](const MatchSpan& a, const MatchSpan& b) {
        return a.begin != b.begin ? a.begin < b.begin : a.term < b.term;
    });
    // An earlier span wins the bytes it covers.
    std::vector<MatchSpan> spans;
    std::size_t covered = 0;
    for (MatchSpan span : found) {
        const std::size_t end = span.begin + span.length;
        if (end <= covered)
            continue;
        if (span.begin < covered) {
            span.length = end - covered;
            span.begin = covered;
        }
        covered = end;
        spans.push_back(span);
    }
    return spans;
}

} // namespace morva::log
