#include "Counters.h"

#include <cstdio>

namespace morva::gwsim {

namespace {

std::string dateTime(std::time_t when)
{
    std::tm t{};
#ifdef _WIN32
    localtime_s(&t, &when);
#else
    localtime_r(&when, &t);
#endif
    char text[64];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d:%02d", t.tm_mday, t.tm_mon + 1,
                  t.tm_year + 1900, t.tm_hour, t.tm_min, t.tm_sec);
    return text;
}

std::string duration(std::time_t seconds)
{
    if (seconds < 0)
        seconds = 0;
    char text[64];
    std::snprintf(text, sizeof text, "%lldd %02lld:%02lld:%02lld",
                  static_cast<long long>(seconds / 86400),
                  static_cast<long long>(seconds / 3600 % 24),
                  static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
    return text;
}

} // namespace

std::string Counters::statisticsText(std::time_t now) const
{
    std::string text;
    auto line = [&](const char* name, const std::string& value) {
        text += name;
        text += ": ";
        text += value;
        text += "\r\n";
    };
    auto number = [&](const char* name, std::uint64_t value) { line(name, std::to_string(value)); };
    line("Service", "Morva v3.53");
    line("Started", dateTime(startTime));
    line("Statistics dumped", dateTime(now));
    line("Uptime", duration(now - startTime));
    number("Inbound connections", connectionsInbound);
    number("Outbound connections", connectionsOutbound);
    number("Messages received", messagesReceived);
    number("Messages delivered to Exchange", messagesDeliveredToExchange);
    number("Messages sent outbound", messagesSentOutbound);
    number("Bytes received", bytesReceived);
    number("Spam blocked", spamBlocked);
    number("Spam marked", spamMarked);
    number("Blocked by RBL", blockedByRbl);
    number("Blocked by SPF", blockedBySpf);
    number("Unknown recipients", unknownRecipients);
    number("Viruses found", virusesFound);
    number("White list entries", whiteListEntries);
    number("Outbound queue", outboundQueue);
    return text;
}

} // namespace morva::gwsim
