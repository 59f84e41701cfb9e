#pragma once

#include <cstdint>
#include <ctime>
#include <string>

namespace morva::gwsim {

// The gateway's statistics counters, as it writes them into "CONST-A.dat"
// (one "name: value" line each) and into the log on "Stat.sig".
struct Counters
{
    std::time_t startTime = 0;
    std::uint64_t connectionsInbound = 0;
    std::uint64_t connectionsOutbound = 0;
    std::uint64_t messagesReceived = 0;
    std::uint64_t messagesDeliveredToExchange = 0;
    std::uint64_t messagesSentOutbound = 0;
    std::uint64_t bytesReceived = 0;
    std::uint64_t spamBlocked = 0;
    std::uint64_t spamMarked = 0;
    std::uint64_t blockedByRbl = 0;
    std::uint64_t blockedBySpf = 0;
    std::uint64_t unknownRecipients = 0;
    std::uint64_t virusesFound = 0;
    std::uint64_t whiteListEntries = 0;
    std::uint64_t outboundQueue = 0;

    // The statistics text: "name: value" lines ending in CR LF. `now` is
    // the time of the dump (the start and dump times hold colons).
    std::string statisticsText(std::time_t now) const;
};

} // namespace morva::gwsim
