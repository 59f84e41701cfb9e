#include "log/LogCategory.h"

#include "Traffic.h"

#include <array>
#include <gtest/gtest.h>

using morva::log::categorizeActivity;
using morva::log::LogCategory;

namespace {

// The categories of the sessions gwsim plays, counted against what its
// counters say happened. A few sessions are still under way when the lines
// end, so lines written before their counter moves may be ahead by that many.
TEST(LogCategory, GatewaySessionsFallIntoTheirCategories)
{
    morva::gwsim::Traffic traffic(20261209);
    std::vector<morva::gwsim::LogEntry> lines;
    traffic.next(20000, lines);
    std::array<std::uint64_t, morva::log::kLogCategoryCount> counts{};
    for (const auto& line : lines)
        ++counts[static_cast<std::size_t>(categorizeActivity(line.text))];
    const auto& c = traffic.counters();
    constexpr std::uint64_t kInFlight = 8;
    auto count = [&](LogCategory category) { return counts[static_cast<std::size_t>(category)]; };

    EXPECT_EQ(count(LogCategory::Rejection),
              c.blockedByRbl + c.unknownRecipients + c.spamBlocked + c.spamMarked);
    EXPECT_EQ(count(LogCategory::Delivery),
              c.messagesDeliveredToExchange - c.spamMarked + c.messagesSentOutbound);
    EXPECT_GE(count(LogCategory::Virus), 2 * c.virusesFound); // scanner and verdict
    EXPECT_LE(count(LogCategory::Virus), 2 * c.virusesFound + kInFlight);
    const std::uint64_t connections = c.connectionsInbound + 2 * c.connectionsOutbound;
    EXPECT_LE(count(LogCategory::Connection), connections);
    EXPECT_GE(count(LogCategory::Connection), connections - kInFlight);
    EXPECT_EQ(count(LogCategory::Problem), 0u);
    EXPECT_GT(c.virusesFound, 0u);
}

TEST(LogCategory, LinesOfTheServiceItself)
{
    EXPECT_EQ(categorizeActivity("Unable to open Stat.sig: sharing violation"),
              LogCategory::Problem);
    EXPECT_EQ(categorizeActivity("451 4.3.0 Temporary failure, try again"), LogCategory::Problem);
    EXPECT_EQ(categorizeActivity("Service started: Morva v3.53, program directory /x/"),
              LogCategory::None);
    EXPECT_EQ(categorizeActivity("Signal OSMTP.sig: delivering all queued SMTP messages now"),
              LogCategory::None);
    // The statistics dump names the counters; they are no findings.
    EXPECT_EQ(categorizeActivity("Statistics: Viruses found: 3"), LogCategory::None);
    EXPECT_EQ(categorizeActivity("Statistics: Blocked by RBL: 12"), LogCategory::None);
    EXPECT_EQ(categorizeActivity("5000 bytes"), LogCategory::None);
    EXPECT_EQ(categorizeActivity(""), LogCategory::None);
    for (std::uint64_t k = 0; k < 7; ++k) // hostile lines are only text
        categorizeActivity(morva::gwsim::Traffic::hostile(k).text);
}

} // namespace
