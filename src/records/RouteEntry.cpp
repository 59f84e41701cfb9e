#include "records/RouteEntry.h"

#include <cctype>

namespace morva::records {

namespace {

std::string trimmed(std::string_view text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(text[begin])))
        ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1])))
        --end;
    return std::string(text.substr(begin, end - begin));
}

// Reads a port like the gateway: leading blanks, digits up to the first
// other character; anything below 2 (no digits, 0, 1) is the SMTP port.
std::uint32_t readPort(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    std::uint64_t value = 0;
    bool any = false;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        any = true;
        value = value * 10 + static_cast<unsigned>(text[i] - '0');
        if (value > 0xFFFFFFFFull)
            return kDefaultSmtpPort;
        ++i;
    }
    if (!any || value < 2)
        return kDefaultSmtpPort;
    return static_cast<std::uint32_t>(value);
}

} // namespace

bool routeDomainFits(std::string_view domain)
{
    return domain.find_first_of(":\"") == std::string_view::npos;
}

bool routeHostFits(std::string_view host)
{
    return host.find('"') == std::string_view::npos;
}

std::optional<RouteEntry> parseRouteEntry(std::string_view text)
{
    std::string parts[3];
    int part = 0;
    bool quoted = false;
    for (char c : text) {
        if (c == '"') {
            quoted = !quoted;
            continue;
        }
        if (c == ':' && !quoted) {
            if (++part == 3)
                break; // a fourth colon ends the entry
            continue;
        }
        parts[part].push_back(c);
    }
    RouteEntry entry;
    entry.domain = trimmed(parts[0]);
    entry.host = trimmed(parts[1]);
    entry.port = readPort(parts[2]);
    if (entry.host.empty())
        return std::nullopt;
    return entry;
}

std::string formatRouteEntry(const RouteEntry& entry)
{
    const std::string domain = trimmed(entry.domain);
    const std::string host = trimmed(entry.host);
    if (domain.empty() || host.empty() || !routeDomainFits(domain) || !routeHostFits(host))
        return {};
    std::string text = domain;
    text += ':';
    if (host.find(':') != std::string::npos) {
        text += '"';
        text += host;
        text += '"';
    } else {
        text += host;
    }
    text += ':';
    text += std::to_string(entry.port);
    return text;
}

std::vector<RouteEntry> parseRouteList(const std::vector<std::string>& items)
{
    std::vector<RouteEntry> entries;
    entries.reserve(items.size());
    for (const std::string& item : items)
        if (auto entry = parseRouteEntry(item))
            entries.push_back(std::move(*entry));
    return entries;
}

std::vector<std::string> formatRouteList(const std::vector<RouteEntry>& entries)
{
    std::vector<std::string> items;
    items.reserve(entries.size());
    for (const RouteEntry& entry : entries) {
        std::string text = formatRouteEntry(entry);
        if (!text.empty())
            items.push_back(std::move(text));
    }
    return items;
}

} // namespace morva::records
