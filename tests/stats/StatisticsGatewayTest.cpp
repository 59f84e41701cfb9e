// The statistics refresh against the gateway stand-in (tools/gwsim) on a
// real program directory.
#include "platform/Clock.h"
#include "platform/ScratchDir.h"
#include "platform/SystemFileSystem.h"
#include "stats/GwsimProcess.h"
#include "stats/Statistics.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace morva;

namespace {

bool hasRow(const std::vector<stats::StatLine>& rows, const std::string& name)
{
    return std::any_of(rows.begin(), rows.end(), [&](const stats::StatLine& row) {
        return row.name == name && !row.value.empty();
    });
}

TEST(StatisticsGatewayTest, RefreshReadsTheCountersTheGatewayWritesAfterTheSignal)
{
    test::ScratchDir scratch;
    test::GwsimProcess gateway(scratch.dir(), {"--poll-ms", "50", "--stat-delay-ms", "300",
                                               "--rate", "50", "--duration", "30"});
    ASSERT_TRUE(gateway.waitReady());
    auto files = platform::makeSystemFileSystem();
    platform::SystemClock clock;
    stats::Statistics statistics(*files, clock, scratch.dir());

    ASSERT_EQ(statistics.refresh(), stats::RefreshOutcome::Updated);
    const auto rows = statistics.rows();
    EXPECT_TRUE(hasRow(rows, "Messages received"));
    EXPECT_TRUE(hasRow(rows, "Uptime"));
    EXPECT_FALSE(statistics.truncated());
}

TEST(StatisticsGatewayTest, ADumpLeftFromBeforeIsNotTakenForTheAnswer)
{
    test::ScratchDir scratch;
    scratch.write("CONST-A.dat", "Messages received: 1\r\n");
    auto files = platform::makeSystemFileSystem();
    platform::SystemClock clock;
    {
        // A slow gateway: its dump comes after the previous one was looked at.
        test::GwsimProcess gateway(
            scratch.dir(), {"--poll-ms", "50", "--stat-delay-ms", "1200", "--duration", "30"});
        ASSERT_TRUE(gateway.waitReady());
        stats::Statistics statistics(*files, clock, scratch.dir());
        ASSERT_EQ(statistics.refresh(), stats::RefreshOutcome::Updated);
        EXPECT_TRUE(hasRow(statistics.rows(), "Uptime"));
        EXPECT_FALSE(statistics.stale());
    }
    // No gateway at all: the old dump stays an old dump.
    scratch.write("CONST-A.dat", "Messages received: 1\r\n");
    platform::FakeClock fakeClock;
    stats::Statistics statistics(*files, fakeClock, scratch.dir());
    EXPECT_EQ(statistics.refresh(), stats::RefreshOutcome::NoStatistics);
    EXPECT_TRUE(statistics.stale());
    EXPECT_EQ(statistics.lines(), std::vector<std::string>{"Messages received: 1"});
}

TEST(StatisticsGatewayTest, ASignalTheGatewayHoldsOpenCannotBeCreated)
{
    test::ScratchDir scratch;
    test::GwsimProcess gateway(
        scratch.dir(), {"--poll-ms", "50", "--hold-signal", "Stat.sig", "--duration", "30"});
    ASSERT_TRUE(gateway.waitReady());
    auto files = platform::makeSystemFileSystem();
    platform::FakeClock clock;
    stats::Statistics statistics(*files, clock, scratch.dir());
    EXPECT_EQ(statistics.refresh(), stats::RefreshOutcome::SignalFailed);
    EXPECT_EQ(clock.sleeps(), 0);
}

TEST(StatisticsGatewayTest, APipeOrLinkInPlaceOfTheFilesIsRefusedWithoutWaitingForIt)
{
    test::ScratchDir scratch;
    ASSERT_EQ(::mkfifo(scratch.path("CONST-A.dat").c_str(), 0600), 0);
    auto files = platform::makeSystemFileSystem();
    platform::FakeClock clock;
    stats::Statistics statistics(*files, clock, scratch.dir());
    ::alarm(10); // a read that waited for a writer would never return
    EXPECT_EQ(statistics.refresh(), stats::RefreshOutcome::NotPlainFile);
    ::alarm(0);
    EXPECT_EQ(statistics.failure(), platform::FileError::NotRegular);
    EXPECT_EQ(statistics.failedPath(), scratch.path("CONST-A.dat"));
    EXPECT_LE(clock.slept(), std::chrono::milliseconds(2000)) << "no further tries";

    scratch.write("counters.txt", "kept");
    ASSERT_EQ(::unlink(scratch.path("Stat.sig").c_str()), 0) << "the first refresh signalled";
    ASSERT_EQ(::symlink(scratch.path("counters.txt").c_str(), scratch.path("Stat.sig").c_str()), 0);
    EXPECT_EQ(statistics.refresh(), stats::RefreshOutcome::SignalFailed);
    EXPECT_EQ(statistics.failure(), platform::FileError::IsLink);
    EXPECT_EQ(scratch.read("counters.txt"), "kept");
}

} // namespace
