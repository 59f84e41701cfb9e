#include "log/LogFilter.h"

#include <cctype>
#include <gtest/gtest.h>

using morva::log::LogFilter;
using morva::log::LogQuery;
using morva::log::LogRow;
using morva::log::MatchSpan;
using morva::log::normalizeTimeOfDay;
using morva::log::parseFilterText;

namespace {

std::unique_ptr<LogFilter> compiled(const LogQuery& query)
{
    std::string error;
    auto filter = LogFilter::compile(query, &error);
    EXPECT_TRUE(filter) << error;
    return filter;
}

std::unique_ptr<LogFilter> fromText(std::string_view text, bool regex = false)
{
    return compiled(parseFilterText(text, regex));
}

TEST(LogFilterText, SplitsWordsExclusionsAndPhrases)
{
    const LogQuery query =
        parseFilterText(R"(  spam -Bayes "unknown recipient" -"not on" - -- "open)", false);
    EXPECT_EQ(query.include, (std::vector<std::string>{"spam", "unknown recipient", "-", "open"}));
    EXPECT_EQ(query.exclude, (std::vector<std::string>{"Bayes", "not on", "-"}));
    EXPECT_FALSE(query.regex);

    const LogQuery regex = parseFilterText(R"(^550 .* -x "y")", true);
    EXPECT_EQ(regex.include, (std::vector<std::string>{R"(^550 .* -x "y")"}));
    EXPECT_TRUE(regex.exclude.empty());
    EXPECT_TRUE(parseFilterText("  ", true).include.empty());
}

TEST(LogFilterText, TimesOfDay)
{
    EXPECT_EQ(normalizeTimeOfDay("09:05"), "09:05:00");
    EXPECT_EQ(normalizeTimeOfDay("23:59:59"), "23:59:59");
    for (const char* bad : {"24:00", "9:05", "12:60", "12:00:60", "12-00", "", "12:00:0x"})
        EXPECT_EQ(normalizeTimeOfDay(bad), "") << bad;
}

TEST(LogFilter, EveryIncludeTermNoExcludeTermAnyCase)
{
    auto filter = fromText(R"(rejected -rbl.BLOCKLIST "5.7.1 R")");
    EXPECT_TRUE(filter->matches({"12:00:00", "3", "554 5.7.1 REJECTED: listed by dnsbl"}));
    EXPECT_FALSE(filter->matches({"12:00:00", "3", "554 5.7.1 Rejected: rbl.blocklist.example"}));
    EXPECT_FALSE(filter->matches({"12:00:00", "3", "Rejected, but not the phrase"}));
    EXPECT_TRUE(fromText("")->isEmpty());
    EXPECT_TRUE(fromText("")->matches(LogRow{}));
}

TEST(LogFilter, FoldsLatinLettersWithoutShiftingOffsets)
{
    auto filter = fromText("GRÜSSE zürich");
    EXPECT_TRUE(filter->matches({"", "", "Subject: grüsse aus ZÜRICH"}));
    // "×" (U+00D7) and "÷" (U+00F7) are not a letter pair.
    EXPECT_FALSE(fromText("\xC3\x97")->matches({"", "", "\xC3\xB7"}));
    std::string ascii, folded;
    for (int c = 1; c < 128; ++c)
        ascii += static_cast<char>(c);
    morva::log::foldCase(ascii + ascii, folded);
    for (std::size_t i = 0; i < folded.size(); ++i)
        ASSERT_EQ(folded[i], static_cast<char>(std::tolower(ascii[i % 127]))) << i;
    const std::string activity = "Ärger: ÄRGER";
    EXPECT_EQ(fromText("ärger")->spans(activity), (std::vector<MatchSpan>{{0, 6, 0}, {8, 6, 0}}));
}

TEST(LogFilter, ThreadIsOneSessionAndSinceATimeOfDay)
{
    LogQuery query;
    query.thread = "1";
    query.since = "12:30:00";
    auto filter = compiled(query);
    EXPECT_TRUE(filter->matches({"12:30:00", "1", "x"}));
    EXPECT_FALSE(filter->matches({"12:30:00", "12", "x"}));
    EXPECT_FALSE(filter->matches({"12:29:59", "1", "x"}));
    EXPECT_FALSE(filter->matches({"", "1", "x"})); // a row without a time
    EXPECT_FALSE(filter->matches({"9:00", "1", "x"}));
}

TEST(LogFilter, SpansNameTheirTermAndNeverOverlap)
{
    auto filter = fromText("abc bcd -zzz ab");
    // "abcd": "abc" (term 0) at 0, "ab" (term 2) inside it is dropped,
    // "bcd" (term 1) is cut to the "d" that "abc" left.
    EXPECT_EQ(filter->spans("xabcd ab"), (std::vector<MatchSpan>{{1, 3, 0}, {4, 1, 1}, {6, 2, 2}}));
    EXPECT_TRUE(fromText("-zzz")->spans("zzz").empty());
}

TEST(LogFilter, RegularExpressions)
{
    std::string error;
    EXPECT_FALSE(LogFilter::compile(parseFilterText("(unclosed", true), &error));
    EXPECT_FALSE(error.empty());

    auto filter = fromText(R"(^55\d 5\.\d\.\d)", true);
    EXPECT_TRUE(filter->matches({"", "", "554 5.7.1 Rejected"}));
    EXPECT_FALSE(filter->matches({"", "", "x 554 5.7.1 Rejected"}));
    auto words = fromText(R"(\bok\b)", true);
    EXPECT_EQ(words->spans("OK, ok; book ok"),
              (std::vector<MatchSpan>{{0, 2, 0}, {4, 2, 0}, {13, 2, 0}}));
    // An empty match neither loops nor shows.
    EXPECT_TRUE(fromText("x*", true)->spans("abc").empty());
}

TEST(LogFilter, RegularExpressionOnTheLongestLineDoesNotExhaustTheStack)
{
    const std::string line(64 * 1024, 'a');
    auto filter = fromText("(a|b)*c", true);
    EXPECT_FALSE(filter->matches({"", "", line}));
    EXPECT_TRUE(fromText("^a{10}", true)->matches({"", "", line}));
}

} // namespace
