#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morva::records {

// One entry of a static route list (SMTPStaticRoute, ExchStaticRoute): mail
// for `domain` goes to `host` on `port`. In "Morva.ini" an entry reads
// domain:host:port; colons inside double quotes do not split (so a host
// with a colon, an IPv6 address, is written in quotes).
struct RouteEntry
{
    std::string domain;
    std::string host;
    std::uint32_t port = 25;

    bool operator==(const RouteEntry&) const = default;
};

constexpr std::uint32_t kDefaultSmtpPort = 25;
// The gateway reads a port below this as the SMTP port.
constexpr std::uint32_t kLowestRoutePort = 2;

// Whether a domain or host reads back unchanged from an entry: a domain
// must hold no colon and no quote, a host no quote (a host's colon is
// written inside quotes).
bool routeDomainFits(std::string_view domain);
bool routeHostFits(std::string_view host);

// Reads one entry: parts split at colons outside quotes (quote characters
// toggle quoting and are dropped), a fourth colon ends the entry; domain and
// host trimmed; a port below 2, missing or not a number reads as 25. No host:
// no entry (the gateway ignores it too).
std::optional<RouteEntry> parseRouteEntry(std::string_view text);

// Writes one entry: "domain:host:port", the host in quotes when it holds a
// colon. Domain and host are trimmed; empty when either is then empty or
// does not fit (such an entry cannot be written).
std::string formatRouteEntry(const RouteEntry& entry);

// The entries of a whole list value, in order, skipping those without a host.
std::vector<RouteEntry> parseRouteList(const std::vector<std::string>& items);
std::vector<std::string> formatRouteList(const std::vector<RouteEntry>& entries);

} // namespace morva::records
