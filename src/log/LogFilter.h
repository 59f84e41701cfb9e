#pragma once

#include "log/LogLine.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace morva::log {

// What the administrator asks of the log: rows whose activity contains every
// include term and none of the exclude terms, of one session thread, from a
// time of day on. Terms match case-insensitively (ASCII and the Latin-1
// letters, so "grüße" finds "GRÜSSE" only as far as the letters fold 1:1).
struct LogQuery
{
    std::vector<std::string> include;
    std::vector<std::string> exclude;
    bool regex = false; // the terms are regular expressions
    std::string thread; // digits; empty: every thread
    std::string since;  // "HH:MM:SS"; empty: every time
};

// The filter bar's text: words are include terms, "-word" excludes, a
// double-quoted phrase is one term ("-\"...\"" excludes it). With `regex` the
// whole text is one regular expression.
LogQuery parseFilterText(std::string_view text, bool regex);

// "HH:MM" or "HH:MM:SS" (hours 0-23) as "HH:MM:SS"; empty when invalid.
std::string normalizeTimeOfDay(std::string_view text);

// `text` with ASCII and Latin-1 capitals made small; the UTF-8 length stays
// the same, so byte offsets into the result are offsets into `text`.
void foldCase(std::string_view text, std::string& out);

// One occurrence of an include term in an activity: byte offsets, and which
// term (for its colour).
struct MatchSpan
{
    std::size_t begin = 0;
    std::size_t length = 0;
    int term = 0;

    bool operator==(const MatchSpan&) const = default;
};

// One search pattern. `folded` is foldCase(text).
class LogPattern
{
public:
    virtual ~LogPattern() = default;
    // The first occurrence at or after `from`; false when there is none.
    virtual bool find(std::string_view text, std::string_view folded, std::size_t from,
                      std::size_t* begin, std::size_t* length) const = 0;
};

// Makes a regular-expression pattern (case-insensitive); null with a reason
// in *error when the expression is invalid.
using RegexFactory =
    std::function<std::unique_ptr<LogPattern>(const std::string& expression, std::string* error)>;

// The standard library's regular expressions (ECMAScript). Only the first
// kMaxRegexBytes of a text are searched: its matcher recurses per character
// and would exhaust the stack on the longest log lines.
std::unique_ptr<LogPattern> makeStandardRegex(const std::string& expression, std::string* error);
constexpr std::size_t kMaxRegexBytes = 4096;

class LogFilter
{
public:
    LogFilter() = default;
    LogFilter(LogFilter&&) noexcept;
    LogFilter& operator=(LogFilter&&) noexcept;
    ~LogFilter();

    // Null result and a reason in *error when a regular expression is
    // invalid. Empty terms are ignored.
    static std::unique_ptr<LogFilter> compile(const LogQuery& query, std::string* error,
                                              const RegexFactory& regex = makeStandardRegex);

    // True when the filter lets every row pass.
    bool isEmpty() const;
    bool matches(std::string_view time, std::string_view thread, std::string_view activity) const;
    bool matches(const LogRow& row) const { return matches(row.time, row.thread, row.activity); }
    // Every occurrence of the include terms in `activity`, by position;
    // overlapping occurrences are cut so that spans never overlap.
    std::vector<MatchSpan> spans(std::string_view activity) const;
    int includeCount() const { return static_cast<int>(m_include.size()); }

private:
    bool textMatches(std::string_view activity) const;

    std::vector<std::unique_ptr<LogPattern>> m_include;
    std::vector<std::unique_ptr<LogPattern>> m_exclude;
    std::string m_thread;
    std::string m_since;
};

} // namespace morva::log
