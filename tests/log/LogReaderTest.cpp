#include "log/LogReader.h"

#include "log/FakeLogFileSystem.h"

#include <gtest/gtest.h>

using morva::log::LogReader;
using morva::log::LogRow;
using morva::log::splitLogLine;
using morva::test::FakeLogFileSystem;

namespace {

struct LayoutCase
{
    const char* line;
    LogRow expected;
};

class LogLineLayout : public testing::TestWithParam<LayoutCase>
{
};

TEST_P(LogLineLayout, SplitsIntoTimeThreadActivity)
{
    EXPECT_EQ(splitLogLine(GetParam().line), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LogLineLayout,
    testing::Values(
        LayoutCase{"08.12.26 12:00:00 7: started", {"12:00:00", "7", "started"}},
        LayoutCase{"08.12.26 12:00:00 Service started", {"12:00:00", "", "Service started"}},
        LayoutCase{"08.12.26 12:00:00 12 connections: 5", {"12:00:00", "", "12 connections: 5"}},
        LayoutCase{"08.12.26 12:00:00 1234:x", {"12:00:00", "1234", ""}},
        LayoutCase{"08.12.26 12:00:00", {"12:00:00", "", ""}},
        LayoutCase{"08.12.26 12:00:0", {"12:00:0", "", ""}}, LayoutCase{"short line", {}},
        LayoutCase{"", {}},
        LayoutCase{"08.12.26 12:00:00 3: <b>x</b>\tend", {"12:00:00", "3", "<b>x</b> end"}},
        LayoutCase{"08.12.26 12:00:00 Gr\xC3\xBC\xC3\x9F"
                   "e",
                   {"12:00:00", "", "Grüße"}},
        LayoutCase{"08.12.26 12:00:00 bad \xFF\xC3 end",
                   {"12:00:00", "", "bad \xEF\xBF\xBD\xEF\xBF\xBD end"}}));

TEST(LogLineLayout, NulAndControlCharactersBecomeReplacementCharacters)
{
    const std::string line("08.12.26 12:00:00 a\0b\x1b", 22);
    EXPECT_EQ(splitLogLine(line).activity, "a\xEF\xBF\xBD"
                                           "b\xEF\xBF\xBD");
}

TEST(LogFilePath, AdminLogPathThenLogPathThenProgramDir)
{
    using morva::log::logFilePath;
    EXPECT_EQ(logFilePath("/a", "/b/", "/p/", '/'), "/a/GW.log");
    EXPECT_EQ(logFilePath("", "/b/", "/p/", '/'), "/b/GW.log");
    EXPECT_EQ(logFilePath("", "", "/p/", '/'), "/p/GW.log");
    EXPECT_EQ(logFilePath("C:\\Logs", "", "C:\\P\\", '\\'), "C:\\Logs\\GW.log");
}

std::string logLine(int n)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "08.12.26 12:00:%02d %d: line %06d\r\n", n % 60, n % 9, n);
    return buffer;
}

class LogReaderTest : public testing::Test
{
protected:
    FakeLogFileSystem fs;
    const std::string path = "/log/GW.log";
    LogReader reader{fs, path};
};

TEST_F(LogReaderTest, LargeLogShowsOnlyWholeLinesOfTheLast4000Bytes)
{
    std::string log;
    int n = 0;
    while (log.size() < 1024 * 1024)
        log += logLine(n++);
    fs.files[path] = log;

    const auto result = reader.readNewLines();
    ASSERT_TRUE(result.cleared);
    const std::size_t lineBytes = logLine(0).size();
    EXPECT_EQ(result.rows.size(), LogReader::kInitialTail / lineBytes);
    EXPECT_EQ(result.rows.back(), splitLogLine(logLine(n - 1).substr(0, lineBytes - 2)));
    for (const auto& row : result.rows)
        EXPECT_EQ(row.time.size(), 8u) << "cut line shown: " << row.activity;
    EXPECT_LE(fs.bytesRead, LogReader::kInitialTail + 1);
}

TEST_F(LogReaderTest, TailThatStartsWithAWholeLineKeepsIt)
{
    std::string tail = "08.12.26 12:00:00 first\n";
    while (tail.size() < LogReader::kInitialTail)
        tail += "x";
    tail.back() = '\n';
    fs.files[path] = "08.12.26 11:00:00 before\n" + tail;
    const auto result = reader.readNewLines();
    ASSERT_FALSE(result.rows.empty());
    EXPECT_EQ(result.rows.front().activity, "first");

    LogReader cutReader(fs, path);
    fs.files[path] = "08.12.26 11:00:00 before\n" + tail + "z\n";
    const auto cut = cutReader.readNewLines();
    ASSERT_FALSE(cut.rows.empty());
    EXPECT_NE(cut.rows.front().activity, "first");
}

TEST_F(LogReaderTest, FollowsAppendedLinesAndUnchangedFileCostsOneStat)
{
    fs.files[path] = logLine(1) + logLine(2);
    EXPECT_EQ(reader.readNewLines().rows.size(), 2u);

    fs.stats = fs.opens = 0;
    fs.bytesRead = 0;
    const auto idle = reader.readNewLines();
    EXPECT_TRUE(idle.rows.empty());
    EXPECT_EQ(fs.stats, 1);
    EXPECT_EQ(fs.opens, 0);

    fs.append(path, logLine(3));
    const auto next = reader.readNewLines();
    EXPECT_FALSE(next.cleared);
    ASSERT_EQ(next.rows.size(), 1u);
    EXPECT_EQ(next.rows[0].activity, "line 000003");
    EXPECT_EQ(fs.bytesRead, logLine(3).size());
}

TEST_F(LogReaderTest, ShortenedOrReplacedLogReloads)
{
    fs.files[path] = logLine(1) + logLine(2) + logLine(3);
    reader.readNewLines();
    fs.files[path] = logLine(7);
    ++fs.writeTime;
    const auto result = reader.readNewLines();
    EXPECT_TRUE(result.cleared);
    ASSERT_EQ(result.rows.size(), 1u);
    EXPECT_EQ(result.rows[0].activity, "line 000007");
}

TEST_F(LogReaderTest, ReadsAtMost1000LinesPerCall)
{
    std::string log;
    for (int i = 0; i < 2500; ++i)
        log += "08.12.26 12:00:00 x\n";
    fs.files[path] = "";
    reader.readNewLines();
    fs.append(path, log);
    const auto first = reader.readNewLines();
    EXPECT_EQ(first.rows.size(), 1000u);
    EXPECT_TRUE(first.more);
    EXPECT_EQ(reader.readNewLines().rows.size(), 1000u);
    const auto last = reader.readNewLines();
    EXPECT_EQ(last.rows.size(), 500u);
    EXPECT_FALSE(last.more);
}

TEST_F(LogReaderTest, LineBeingWrittenIsNotSplit)
{
    fs.files[path] = "";
    reader.readNewLines();
    fs.append(path, "08.12.26 12:00:00 4: first ha");
    EXPECT_TRUE(reader.readNewLines().rows.empty());
    fs.append(path, "lf\n");
    const auto rows = reader.readNewLines().rows;
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].activity, "first half");
}

TEST_F(LogReaderTest, UnfinishedLastLineIsShownOnceTheFileStaysUnchanged)
{
    fs.files[path] = logLine(1) + "08.12.26 12:00:00 no line end";
    EXPECT_EQ(reader.readNewLines().rows.size(), 1u);
    const auto rows = reader.readNewLines().rows;
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].activity, "no line end");
    EXPECT_TRUE(reader.readNewLines().rows.empty());
}

TEST_F(LogReaderTest, HugeLineIsCutAndDoesNotStallTheReader)
{
    fs.files[path] = "";
    reader.readNewLines();
    fs.append(path, "08.12.26 12:00:00 " + std::string(10 * 1024 * 1024, 'A') + "\n" + logLine(5));
    std::vector<LogRow> rows;
    for (int call = 0; call < 10 && rows.size() < 2; ++call) {
        auto result = reader.readNewLines();
        rows.insert(rows.end(), result.rows.begin(), result.rows.end());
    }
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_LE(rows[0].activity.size(), LogReader::kMaxLineBytes);
    EXPECT_EQ(rows[1].activity, "line 000005");
}

TEST_F(LogReaderTest, MissingOrUnreadableFileGivesNothingAndIsRetried)
{
    EXPECT_TRUE(reader.readNewLines().rows.empty());
    fs.files[path] = logLine(1);
    fs.unreadable[path] = true;
    EXPECT_TRUE(reader.readNewLines().rows.empty());
    fs.unreadable[path] = false;
    EXPECT_EQ(reader.readNewLines().rows.size(), 1u);
}

} // namespace
