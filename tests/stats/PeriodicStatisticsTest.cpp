// The gateway's periodic statistics files, totalled per hour.
#include "stats/PeriodicStatistics.h"

#include "support/MemoryFileSystem.h"

#include <ctime>
#include <gtest/gtest.h>

using namespace morva;
using namespace morva::stats;

namespace {

std::int64_t localHourNs(int year, int month, int day, int hour)
{
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&local)) * 1000000000;
}

TEST(PeriodicStatisticsTest, TotalsRecordsAndNumericColumnsPerHour)
{
    PeriodicStatisticsReader reader(';');
    reader.addText("Date;Time;Sender;Size;Recipients\r\n"
                   "2026-12-09;13:05:00;a@example.com;1000;2\r\n"
                   "2026-12-09;13:59:59;\"b;c\"\"@example.com\";500;1\r\n"
                   "2026-12-09;14:00:00;d@example.com;250;\r\n"
                   "not a record\r\n"
                   "\r\n");
    const PeriodicTotals totals = reader.totals();
    EXPECT_EQ(totals.records, 3u);
    EXPECT_EQ(totals.skippedLines, 1u);
    ASSERT_EQ(totals.columns.size(), 2u); // the sender column is text
    EXPECT_EQ(totals.columns[0].name, "Size");
    EXPECT_EQ(totals.columns[1].name, "Recipients");
    ASSERT_EQ(totals.hours.size(), 2u);
    EXPECT_EQ(totals.hours[0].startNs, localHourNs(2026, 12, 9, 13));
    EXPECT_EQ(totals.hours[0].records, 2u);
    EXPECT_EQ(totals.hours[0].sums, (std::vector<double>{1500, 3}));
    EXPECT_EQ(totals.hours[1].sums, (std::vector<double>{250, 0}));
}

TEST(PeriodicStatisticsTest, ReadsEveryDateLayoutWithoutAHeader)
{
    PeriodicStatisticsReader reader(',');
    reader.addText("09.12.2026 10:30,4\n"
                   "2026/12/09,10:45,6\n"
                   "20261209 11:00:00,1\n"
                   "2026-12-09T11:10,2\n"
                   "2026-13-09 11:10,2\n"
                   "2026-12-09 25:10,2\n");
    const PeriodicTotals totals = reader.totals();
    EXPECT_EQ(totals.records, 4u);
    EXPECT_EQ(totals.skippedLines, 2u);
    ASSERT_EQ(totals.hours.size(), 2u);
    EXPECT_EQ(totals.hours[0].startNs, localHourNs(2026, 12, 9, 10));
    // Without a header the columns are known by position: the first layouts
    // have the value in field 2, the second in field 3.
    ASSERT_EQ(totals.columns.size(), 2u);
    EXPECT_EQ(totals.columns[0].position, 2u);
    EXPECT_EQ(totals.columns[1].position, 3u);
    EXPECT_EQ(totals.hours[0].sums, (std::vector<double>{4, 6}));
    EXPECT_EQ(totals.hours[1].sums, (std::vector<double>{3, 0}));
}

TEST(PeriodicStatisticsTest, ReadsFilesSharedAndNotesTheUnreadable)
{
    test::MemoryFileSystem files;
    files.put("/stat/a.csv", "Date,Count\n2026-12-09 08:00,5\n");
    files.put("/stat/b.csv", "Date,Count\n2026-12-09 08:30,7\n");
    PeriodicStatisticsReader reader(statisticFileDelimiter(44));
    EXPECT_TRUE(reader.addFile(files, "/stat/a.csv"));
    EXPECT_TRUE(reader.addFile(files, "/stat/b.csv"));
    EXPECT_FALSE(reader.addFile(files, "/stat/missing.csv"));
    EXPECT_EQ(files.lastMode("/stat/a.csv"), 1);
    const PeriodicTotals totals = reader.totals();
    ASSERT_EQ(totals.hours.size(), 1u);
    EXPECT_EQ(totals.hours[0].sums, std::vector<double>{12}); // one column by name across files
    EXPECT_EQ(totals.unreadable, std::vector<std::string>{"/stat/missing.csv"});
}

TEST(PeriodicStatisticsTest, DelimiterCodesThatCannotSeparateFallBackToComma)
{
    EXPECT_EQ(statisticFileDelimiter(59), ';');
    EXPECT_EQ(statisticFileDelimiter(9), '\t');
    for (const std::int64_t code : {0, -1, 10, 13, 34, 256, 100000})
        EXPECT_EQ(statisticFileDelimiter(code), ',') << code;
}

} // namespace
