// The statistics refresh against the gateway stand-in (tools/gwsim) on a
// real program directory.
#include "platform/Clock.h"
#include "platform/ScratchDir.h"
#include "platform/SystemFileSystem.h"
#include "stats/GwsimProcess.h"
#include "stats/Statistics.h"

#include <algorithm>
#include <gtest/gtest.h>

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

} // namespace
