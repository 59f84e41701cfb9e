#include "config/CsvText.h"

#include <gtest/gtest.h>

using namespace morva::config;

namespace {

std::vector<CsvRow> rowsOf(const CsvReadResult& result)
{
    std::vector<CsvRow> rows;
    for (const auto& record : result.records)
        rows.push_back(record.fields);
    return rows;
}

} // namespace

TEST(CsvWriter, QuotesOnlyFieldsThatNeedIt)
{
    const std::string text = writeCsv({"Address", "Comment"}, {{"a@example.com", "plain"},
                                                               {"b@example.com", "one, two"},
                                                               {"c@example.com", "say \"hi\""},
                                                               {"d@example.com", "two\r\nlines"},
                                                               {"Grüße", ""}});
    EXPECT_EQ(text, "Address,Comment\r\n"
                    "a@example.com,plain\r\n"
                    "b@example.com,\"one, two\"\r\n"
                    "c@example.com,\"say \"\"hi\"\"\"\r\n"
                    "d@example.com,\"two\r\nlines\"\r\n"
                    "Grüße,\r\n");
    std::string tsv;
    appendCsvRow(tsv, {"a\tb", "c,d"}, '\t');
    EXPECT_EQ(tsv, "\"a\tb\"\tc,d\r\n");
}

TEST(CsvWriter, WhatItWritesReadsBackUnchanged)
{
    const CsvRow header = {"Entry", "Comment"};
    const std::vector<CsvRow> rows = {
        {"", ""}, {""}, {"\"", ","}, {"\n", "\r"}, {"x\r\n", " lead and trail "}, {"a", "b", "c"}};
    // A value that starts with a byte order mark keeps it, even first in the file.
    const CsvReadResult first = readCsv(writeCsv({"\xEF\xBB\xBFx"}, {}));
    ASSERT_EQ(first.records.size(), 1u);
    EXPECT_EQ(first.records[0].fields, (CsvRow{"\xEF\xBB\xBFx"}));
    const CsvReadResult read = readCsv(writeCsv(header, rows));
    ASSERT_EQ(read.error, CsvError::None);
    std::vector<CsvRow> expected = {header};
    expected.insert(expected.end(), rows.begin(), rows.end());
    EXPECT_EQ(rowsOf(read), expected);
}

TEST(CsvReader, ToleratesLineEndsByteOrderMarkAndAMissingFinalEnd)
{
    const std::vector<CsvRow> expected = {{"a", "b"}, {"c", ""}, {"", "d"}};
    for (const char* text : {"a,b\r\nc,\r\n,d\r\n", "a,b\nc,\n,d",
                             "\xEF\xBB\xBF"
                             "a,b\rc,\r\n,d\n",
                             "a,b\n\nc,\r\n\r\n,d\n\n"})
        EXPECT_EQ(rowsOf(readCsv(text)), expected) << text;
    EXPECT_TRUE(readCsv("").records.empty());
}

TEST(CsvReader, CountsLinesAcrossQuotedLineEnds)
{
    const CsvReadResult read = readCsv("h1,h2\r\n\"multi\r\nline\",x\r\n\r\nlast,\"a\nb\"\n");
    ASSERT_EQ(read.error, CsvError::None);
    ASSERT_EQ(read.records.size(), 3u);
    EXPECT_EQ(read.records[0].line, 1u);
    EXPECT_EQ(read.records[1].line, 2u);
    EXPECT_EQ(read.records[1].fields, (CsvRow{"multi\r\nline", "x"}));
    EXPECT_EQ(read.records[2].line, 5u);
    EXPECT_EQ(read.records[2].fields, (CsvRow{"last", "a\nb"}));
}

TEST(CsvReader, StopsAtBrokenQuotingWithTheLine)
{
    CsvReadResult read = readCsv("a,b\r\nc,\"open\r\nstill open");
    EXPECT_EQ(read.error, CsvError::UnclosedQuote);
    EXPECT_EQ(read.errorLine, 2u);
    EXPECT_EQ(rowsOf(read), (std::vector<CsvRow>{{"a", "b"}}));

    read = readCsv("a,b\n\"x\"y,z\n");
    EXPECT_EQ(read.error, CsvError::TextAfterQuote);
    EXPECT_EQ(read.errorLine, 2u);

    // A quote inside an unquoted field is kept, as spreadsheets do.
    read = readCsv("5\" disk,x\n");
    EXPECT_EQ(read.error, CsvError::None);
    EXPECT_EQ(rowsOf(read), (std::vector<CsvRow>{{"5\" disk", "x"}}));
}

// The writer looks at a field eight bytes at a time: a character that needs
// quotes is found at every place of fields of every length around a word.
TEST(CsvWriter, FindsACharacterThatNeedsQuotesAnywhereInTheField)
{
    for (std::size_t length = 1; length <= 19; ++length) {
        for (std::size_t at = 0; at < length; ++at) {
            for (const char special : {',', '"', '\r', '\n'}) {
                std::string field(length, 'x');
                field[at] = special;
                std::string written;
                appendCsvField(written, field);
                ASSERT_EQ(written.front(), '"') << length << " " << at << " " << int(special);
                EXPECT_EQ(rowsOf(readCsv(written)), (std::vector<CsvRow>{{field}}));
            }
        }
        std::string plain;
        appendCsvField(plain, std::string(length, '\x2b'));
        EXPECT_EQ(plain, std::string(length, '\x2b')) << "'+' differs from ',' by one bit";
    }
}

// A reader that reuses its row's strings gives every row as readCsv() does:
// no field of a longer row before it, no text of a field before, is left.
TEST(CsvReader, ARowReadIntoTheStringsOfTheRowBeforeHoldsOnlyItsOwnFields)
{
    const std::string text = "first,second,third\r\n"
                             "\"a long quoted field\",x\r\n"
                             "y\r\n"
                             "\r\n"
                             "\"\",,\"two\nlines\"\n"
                             ",\n";
    const CsvReadResult whole = readCsv(text);
    ASSERT_EQ(whole.error, CsvError::None);
    CsvReader reader(text);
    CsvRecord reused;
    std::vector<CsvRecord> rows;
    while (reader.next(&reused.fields, &reused.line))
        rows.push_back(reused);
    ASSERT_EQ(rows.size(), whole.records.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].fields, whole.records[i].fields) << i;
        EXPECT_EQ(rows[i].line, whole.records[i].line) << i;
    }
    EXPECT_EQ(rows.back().fields, (CsvRow{"", ""}));
}
