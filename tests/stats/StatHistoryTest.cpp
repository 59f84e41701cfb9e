// The kept statistics history: its records, the append-only store (torn
// records, rotation, failures), the series and rates the chart draws, and
// the CSV exports.
#include "stats/StatHistory.h"

#include "stats/StatCsv.h"
#include "stats/StatHistoryLocation.h"
#include "stats/StatSeries.h"
#include "support/MemoryFileSystem.h"

#include <cstdlib>
#include <gtest/gtest.h>

using namespace morva;
using namespace morva::stats;

namespace {

constexpr std::int64_t kHourNs = 3600LL * 1000000000;

StatSample sample(std::int64_t timeNs, std::vector<StatLine> counters)
{
    return StatSample{timeNs, std::move(counters)};
}

TEST(StatHistoryRecordTest, RoundTripsAnyTextAndRejectsDamage)
{
    const StatSample dump = sample(1765000000123456789, {{"Messages received", "42"},
                                                         {"odd\tname\\", "line\r\nbreak"},
                                                         {"", "no colon"},
                                                         {"Queue", ""}});
    const std::string record = encodeHistoryRecord(dump);
    ASSERT_EQ(record.back(), '\n');
    EXPECT_EQ(record.find('\n'), record.size() - 1); // one line, whatever the texts hold
    EXPECT_EQ(decodeHistoryRecord(record), dump);

    std::string flipped = record;
    flipped[5] ^= 1;
    EXPECT_FALSE(decodeHistoryRecord(flipped));
    for (const std::size_t cut :
         {std::size_t{0}, std::size_t{1}, record.size() / 2, record.size() - 2})
        EXPECT_FALSE(decodeHistoryRecord(record.substr(0, cut))) << cut;
    EXPECT_FALSE(decodeHistoryRecord("2\t1\t00000000"));
}

class StatHistoryStoreTest : public ::testing::Test
{
protected:
    test::MemoryFileSystem files;
    const std::string path = "/data/history.hist";
};

TEST_F(StatHistoryStoreTest, AppendsAndLoadsInTimeOrder)
{
    StatHistoryStore store(files, path);
    ASSERT_TRUE(store.append(sample(2 * kHourNs, {{"Received", "20"}})));
    ASSERT_TRUE(store.append(sample(1 * kHourNs, {{"Received", "10"}})));
    const HistoryLoad load = store.load();
    ASSERT_EQ(load.samples.size(), 2u);
    EXPECT_EQ(load.samples[0].timeNs, 1 * kHourNs);
    EXPECT_EQ(load.samples[1].timeNs, 2 * kHourNs);
    EXPECT_EQ(load.damagedRecords, 0u);
    EXPECT_EQ(files.lastMode(path), 1); // read-only, shared
}

TEST_F(StatHistoryStoreTest, ARecordCutByAKillCostsOnlyItself)
{
    StatHistoryStore store(files, path);
    ASSERT_TRUE(store.append(sample(1, {{"Received", "1"}})));
    ASSERT_TRUE(store.append(sample(2, {{"Received", "2"}})));
    const std::string torn = encodeHistoryRecord(sample(3, {{"Received", "3"}}));
    files.put(path, files.contents(path) + torn.substr(0, torn.size() / 2));

    ASSERT_TRUE(store.append(sample(4, {{"Received", "4"}})));
    const HistoryLoad load = store.load();
    ASSERT_EQ(load.samples.size(), 3u);
    EXPECT_EQ(load.samples[0].timeNs, 1);
    EXPECT_EQ(load.samples[1].timeNs, 2);
    EXPECT_EQ(load.samples[2].timeNs, 4);
    EXPECT_EQ(load.damagedRecords, 1u);
}

TEST_F(StatHistoryStoreTest, RotatesIntoOneOlderGenerationAndStaysBounded)
{
    const std::uint64_t limit = encodeHistoryRecord(sample(10, {{"Received", "10"}})).size() * 2;
    StatHistoryStore store(files, path, limit);
    for (int i = 10; i < 20; ++i)
        ASSERT_TRUE(store.append(sample(i, {{"Received", std::to_string(i)}})));
    EXPECT_TRUE(files.has(store.olderPath()));
    EXPECT_LE(files.contents(path).size(), limit + limit / 2);
    EXPECT_LE(files.contents(store.olderPath()).size(), limit + limit / 2);
    const HistoryLoad load = store.load();
    // The newest records are kept, in order; the oldest went with rotation.
    ASSERT_GE(load.samples.size(), 4u);
    EXPECT_EQ(load.samples.back().timeNs, 19);
    for (std::size_t i = 1; i < load.samples.size(); ++i)
        EXPECT_EQ(load.samples[i].timeNs, load.samples[i - 1].timeNs + 1);
}

TEST_F(StatHistoryStoreTest, ReportsWhatCannotBeWrittenOrRead)
{
    StatHistoryStore store(files, path);
    files.failOpen(path, platform::FileError::AccessDenied);
    platform::FileError error = platform::FileError::None;
    EXPECT_FALSE(store.append(sample(1, {{"Received", "1"}}), &error));
    EXPECT_EQ(error, platform::FileError::AccessDenied);
    EXPECT_EQ(store.load().error, platform::FileError::AccessDenied);

    files.clearFailures();
    const HistoryLoad none = StatHistoryStore(files, "/data/missing.hist").load();
    EXPECT_EQ(none.error, platform::FileError::None); // no history yet is no failure
    EXPECT_TRUE(none.samples.empty());
}

// The POSIX locations (Windows takes %LOCALAPPDATA%).
#ifndef _WIN32
TEST(StatHistoryLocationTest, KeepsOneHistoryPerGatewayInTheUsersDataDirectory)
{
    ::setenv("XDG_DATA_HOME", "/home/admin/data", 1);
    const std::string first = statHistoryPath("/srv/gw1/", false);
    EXPECT_EQ(first.rfind("/home/admin/data/Brentmoor/MorvaAdmin/StatHistory-", 0), 0u) << first;
    EXPECT_NE(first, statHistoryPath("/srv/gw2/", false));
    EXPECT_EQ(first, statHistoryPath("/srv/gw1/", false));
    EXPECT_EQ(statHistoryPath("/srv/gw1/", true), "/srv/gw1/MorvaAdminStat.hist");
    ::setenv("XDG_DATA_HOME", "relative", 1);
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') {
        EXPECT_EQ(
            statHistoryPath("/srv/gw1/", false).rfind(std::string(home) + "/.local/share/", 0), 0u);
    }
    ::unsetenv("XDG_DATA_HOME");
}
#endif

TEST(StatSeriesTest, ReadsOnlyPlainNumbers)
{
    EXPECT_EQ(counterNumber(" 42 "), 42.0);
    EXPECT_EQ(counterNumber("-3.5"), -3.5);
    EXPECT_EQ(counterNumber("+7"), 7.0);
    for (const char* text :
         {"", "-", ".", "1e5", "inf", "nan", "0x10", "12:30", "2026-12-09", "1.2.3", "42 kB"})
        EXPECT_FALSE(counterNumber(text)) << text;
}

TEST(StatSeriesTest, ChartsNumericCountersAndTheirRatesAcrossRestarts)
{
    const std::vector<StatSample> samples{
        sample(0, {{"Service", "Morva"}, {"Received", "100"}, {"Started", "2026-12-09 08:00"}}),
        sample(kHourNs, {{"Received", "160"}}),
        sample(3 * kHourNs, {{"Received", "200"}, {"Queue", "5"}}),
        sample(4 * kHourNs, {{"Received", "30"}}), // the gateway restarted
        sample(6 * kHourNs, {{"Received", "50"}, {"Received", "999"}}),
    };
    EXPECT_EQ(numericCounterNames(samples), (std::vector<std::string>{"Received", "Queue"}));
    const std::vector<SeriesPoint> received = counterSeries(samples, "Received");
    ASSERT_EQ(received.size(), 5u);
    EXPECT_EQ(received[4].value, 50.0); // the first line of a name counts
    EXPECT_EQ(ratesPerHour(received),
              (std::vector<SeriesPoint>{
                  {kHourNs, 60.0}, {3 * kHourNs, 20.0}, {6 * kHourNs, 10.0, true}}));
    // Samples out of order or at the same time give no rate.
    EXPECT_TRUE(ratesPerHour({{kHourNs, 1}, {kHourNs, 5}, {0, 9}}).empty());
}

TEST(StatCsvTest, QuotesAsRfc4180AndDisarmsFormulas)
{
    EXPECT_EQ(csvField("plain"), "plain");
    EXPECT_EQ(csvField("a,b"), "\"a,b\"");
    EXPECT_EQ(csvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(csvField("two\r\nlines"), "\"two\r\nlines\"");
    EXPECT_EQ(csvField("=HYPERLINK(\"x\")"), "\"'=HYPERLINK(\"\"x\"\")\"");
    EXPECT_EQ(csvField("@SUM(A1)"), "'@SUM(A1)");
    EXPECT_EQ(csvField("-12"), "-12"); // a negative number stays a number
    EXPECT_EQ(tableCsv({{"Started", "12:00:01"}, {"", "x,y"}}),
              "Name,Value\r\nStarted,12:00:01\r\n,\"x,y\"\r\n");
}

TEST(StatCsvTest, HistoryHasAColumnPerCounterAndEmptyCellsForMissingOnes)
{
    const std::string csv = historyCsv(
        {sample(0, {{"Received", "1"}}), sample(kHourNs, {{"Queue", "2"}, {"Received", "3"}})});
    const std::size_t firstEnd = csv.find("\r\n");
    EXPECT_EQ(csv.substr(0, firstEnd), "Time,Received,Queue");
    const std::size_t secondEnd = csv.find("\r\n", firstEnd + 2);
    EXPECT_EQ(csv.substr(secondEnd - 3, 3), ",1,");
    EXPECT_EQ(csv.substr(csv.size() - 6), ",3,2\r\n");
    EXPECT_EQ(historyCsv({}), "Time\r\n");
}

} // namespace
