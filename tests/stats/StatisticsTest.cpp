#include "stats/Statistics.h"

#include "platform/Clock.h"
#include "stats/StatLine.h"
#include "stats/StatisticsFile.h"
#include "support/MemoryFileSystem.h"

#include <chrono>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <string>

using namespace morva;
using namespace morva::stats;

namespace {

struct SplitCase
{
    const char* line;
    const char* name;
    const char* value;
};

class StatLineSplitTest : public ::testing::TestWithParam<SplitCase>
{
};

TEST_P(StatLineSplitTest, SplitsAtTheFirstColonAndTrims)
{
    const StatLine got = splitStatLine(GetParam().line);
    EXPECT_EQ(got.name, GetParam().name);
    EXPECT_EQ(got.value, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, StatLineSplitTest,
    ::testing::Values(SplitCase{"Messages received: 42", "Messages received", "42"},
                      SplitCase{"Started at: 12:34:56", "Started at", "12:34:56"},
                      SplitCase{"no colon here ", "", "no colon here"},
                      SplitCase{"\t Spam blocked \t:\t 7 \t", "Spam blocked", "7"},
                      SplitCase{"Queue:", "Queue", ""}, SplitCase{" : x", "", "x"},
                      SplitCase{"", "", ""}));

TEST(StatisticsFileTest, SplitsLinesAtLfAndCrLf)
{
    using Lines = std::vector<std::string>;
    EXPECT_EQ(splitLines("a: 1\r\nb: 2\nc: 3"), (Lines{"a: 1", "b: 2", "c: 3"}));
    EXPECT_EQ(splitLines("a\n\nb\n"), (Lines{"a", "", "b"}));
    EXPECT_EQ(splitLines(""), Lines{});
    EXPECT_EQ(splitLines("a\r\r\n"), Lines{"a\r"});
}

// A huge file produced on demand, so the limit can be tested without
// holding 100 MB.
class GeneratedFile final : public platform::File
{
public:
    GeneratedFile(std::uint64_t size, std::string pattern, std::uint64_t failAt = UINT64_MAX)
        : m_size(size), m_pattern(std::move(pattern)), m_failAt(failAt)
    {
    }
    bool readAt(std::uint64_t offset, void* buffer, std::size_t length, std::size_t* got) override
    {
        if (offset >= m_failAt)
            return false;
        bytesRead += length;
        auto* out = static_cast<char*>(buffer);
        *got = 0;
        for (std::uint64_t at = offset; at < m_size && *got < length; ++at)
            out[(*got)++] = m_pattern[at % m_pattern.size()];
        return true;
    }
    bool writeAt(std::uint64_t, const void*, std::size_t) override { return false; }
    bool size(std::uint64_t* bytes) override
    {
        *bytes = m_size;
        return true;
    }
    bool sync() override { return true; }
    bool truncate(std::uint64_t) override { return false; }
    bool close() override { return true; }
    bool isOpen() const override { return true; }
    platform::FileError lastError() const override { return platform::FileError::None; }

    std::uint64_t bytesRead = 0;

private:
    std::uint64_t m_size;
    std::string m_pattern;
    std::uint64_t m_failAt;
};

TEST(StatisticsFileTest, AHugeFileIsReadOnlyUpToTheLimit)
{
    GeneratedFile file(100ull << 20, "Counter: 12345\r\n");
    const StatisticsText text = readStatisticsText(file);
    EXPECT_TRUE(text.truncated);
    EXPECT_LE(file.bytesRead, kMaxStatisticsBytes + 1);
    ASSERT_FALSE(text.lines.empty());
    EXPECT_EQ(text.lines.size(), kMaxStatisticsBytes / 16);
    EXPECT_EQ(text.lines.back(), "Counter: 12345");

    GeneratedFile oneLine(100ull << 20, "x");
    const StatisticsText cut = readStatisticsText(oneLine);
    EXPECT_TRUE(cut.truncated);
    EXPECT_TRUE(cut.lines.empty());
}

TEST(StatisticsFileTest, AFileOfExactlyTheLimitIsWholeAndAReadErrorKeepsWhatCameBefore)
{
    GeneratedFile exact(64, "abc: 1\n\n", UINT64_MAX);
    const StatisticsText whole = readStatisticsText(exact, 64);
    EXPECT_FALSE(whole.truncated);
    EXPECT_EQ(whole.lines.size(), 16u);

    GeneratedFile failing(1 << 20, "abc: 1\n\n", 64 * 1024);
    const StatisticsText partial = readStatisticsText(failing);
    EXPECT_FALSE(partial.truncated);
    EXPECT_EQ(partial.lines.size(), 64u * 1024 / 4);
}

// Runs an action when the refresh has slept a given number of times: the
// gateway writing its file while the console waits.
class ScriptedClock final : public platform::Clock
{
public:
    std::chrono::steady_clock::time_point now() override { return m_clock.now(); }
    void sleepFor(std::chrono::milliseconds duration) override
    {
        m_clock.sleepFor(duration);
        if (auto it = actions.find(m_clock.sleeps()); it != actions.end())
            it->second();
    }
    int sleeps() const { return m_clock.sleeps(); }

    std::map<int, std::function<void()>> actions;

private:
    platform::FakeClock m_clock;
};

class StatisticsRefreshTest : public ::testing::Test
{
protected:
    const std::string dir = "/gw/";
    const std::string statFile = dir + "CONST-A.dat";
    const std::string signalFile = dir + "Stat.sig";
    test::MemoryFileSystem files;
    ScriptedClock clock;
    Statistics statistics{files, clock, dir};
    // Sleeps of a whole wait that nothing ends early.
    const int fullWait = static_cast<int>(Statistics::kWaitLimit / Statistics::kPollInterval);

    void storeFirstLines()
    {
        clock.actions[1] = [&] { files.put(statFile, "Old: 1\n"); };
        ASSERT_EQ(statistics.refresh(), RefreshOutcome::Updated);
        clock.actions.clear();
    }
};

TEST_F(StatisticsRefreshTest, SignalsThenReadsTheFileOnceTheGatewayRewroteIt)
{
    files.put(signalFile, "left over");
    files.put(statFile, "Received: 9\r\n"); // the previous dump
    clock.actions[4] = [&] { files.put(statFile, "Received: 10\r\n"); };
    clock.actions[5] = [&] { files.put(statFile, "Received: 10\r\nUptime: 01:02:03\r\n"); };
    RefreshWait wait;
    std::vector<std::string> calls;
    wait.begin = [&] { calls.push_back("begin at " + std::to_string(clock.sleeps())); };
    wait.end = [&] { calls.push_back("end at " + std::to_string(clock.sleeps())); };
    EXPECT_EQ(statistics.refresh(wait), RefreshOutcome::Updated);
    EXPECT_EQ(files.contents(signalFile), "");
    // Read only once the file stopped changing, not half written.
    EXPECT_EQ(clock.sleeps(), 6);
    EXPECT_EQ(files.opens(statFile), 1);
    EXPECT_EQ(files.lastMode(statFile), 1);
    EXPECT_EQ(calls, (std::vector<std::string>{"begin at 0", "end at 6"}));
    EXPECT_EQ(statistics.rows(),
              (std::vector<StatLine>{{"Received", "10"}, {"Uptime", "01:02:03"}}));
    EXPECT_FALSE(statistics.stale());
    EXPECT_EQ(statistics.writtenNs(), files.stat(statFile).lastWriteNs);
    EXPECT_TRUE(files.has(statFile)); // the console deletes neither file
}

TEST_F(StatisticsRefreshTest, AnOldDumpThatIsNeverRewrittenIsShownOnlyAsStale)
{
    files.put(statFile, "Received: 9\n");
    EXPECT_EQ(statistics.refresh(), RefreshOutcome::NoStatistics);
    EXPECT_EQ(clock.sleeps(), fullWait);
    EXPECT_EQ(statistics.lines(), std::vector<std::string>{"Received: 9"});
    EXPECT_TRUE(statistics.stale());
    EXPECT_EQ(statistics.writtenNs(), files.stat(statFile).lastWriteNs);

    // New figures later are current again.
    clock.actions[fullWait + 2] = [&] { files.put(statFile, "Received: 11\n"); };
    EXPECT_EQ(statistics.refresh(), RefreshOutcome::Updated);
    EXPECT_FALSE(statistics.stale());
    EXPECT_EQ(statistics.lines(), std::vector<std::string>{"Received: 11"});
}

TEST_F(StatisticsRefreshTest, NoFileWithinTheWaitKeepsTheOldLinesMarkedStale)
{
    storeFirstLines();
    files.remove(statFile);
    const int sleepsBefore = clock.sleeps();
    EXPECT_EQ(statistics.refresh(), RefreshOutcome::NoStatistics);
    EXPECT_EQ(clock.sleeps() - sleepsBefore, fullWait);
    EXPECT_EQ(statistics.lines(), std::vector<std::string>{"Old: 1"});
    EXPECT_TRUE(statistics.stale());

    Statistics fresh{files, clock, dir};
    EXPECT_EQ(fresh.refresh(), RefreshOutcome::NoStatistics);
    EXPECT_TRUE(fresh.lines().empty());
    EXPECT_FALSE(fresh.stale());
}

TEST_F(StatisticsRefreshTest, ARewrittenEmptyFileEndsTheWaitAndKeepsTheLines)
{
    storeFirstLines();
    const int sleepsBefore = clock.sleeps();
    clock.actions[sleepsBefore + 1] = [&] { files.put(statFile, ""); };
    EXPECT_EQ(statistics.refresh(), RefreshOutcome::Empty);
    EXPECT_EQ(clock.sleeps() - sleepsBefore, 2);
    EXPECT_EQ(statistics.lines(), std::vector<std::string>{"Old: 1"});
    EXPECT_TRUE(statistics.stale());
}

TEST_F(StatisticsRefreshTest, CancelEndsTheWaitAtTheNextPoll)
{
    files.put(statFile, "Received: 9\n");
    RefreshWait wait;
    wait.cancelled = [&] { return clock.sleeps() >= 3; };
    bool ended = false;
    wait.end = [&] { ended = true; };
    EXPECT_EQ(statistics.refresh(wait), RefreshOutcome::Cancelled);
    EXPECT_EQ(clock.sleeps(), 3);
    EXPECT_TRUE(ended);
    EXPECT_TRUE(statistics.stale());
}

TEST_F(StatisticsRefreshTest, ASignalThatCannotBeCreatedDoesNotWait)
{
    files.put(statFile, "Received: 10\n");
    files.failOpen(signalFile, platform::FileError::SharingViolation);
    bool began = false;
    RefreshWait wait;
    wait.begin = [&] { began = true; };
    EXPECT_EQ(statistics.refresh(wait), RefreshOutcome::SignalFailed);
    EXPECT_FALSE(began);
    EXPECT_EQ(clock.sleeps(), 0);
    EXPECT_EQ(files.opens(statFile), 0);
    EXPECT_TRUE(statistics.lines().empty());
}

} // namespace
