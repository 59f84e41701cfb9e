#include "config/IpNetwork.h"

#include "config/IntegerText.h"

#include <cstdio>
#include <vector>

namespace morva::config {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Splits dot-separated decimal parts of 0..255 (one to three digits each).
// Returns the number of parts, or -1 when the text is not of that form.
// `trailingDot` tells whether a single final "." is accepted.
int parseDecimalParts(std::string_view text, std::uint32_t parts[4], bool trailingDot)
{
    int count = 0;
    std::size_t i = 0;
    if (text.empty())
        return -1;
    while (i < text.size()) {
        if (count == 4)
            return -1;
        std::size_t digits = 0;
        std::uint32_t value = 0;
        while (i < text.size() && isDigit(text[i])) {
            if (++digits > 3)
                return -1;
            value = value * 10 + static_cast<std::uint32_t>(text[i] - '0');
            ++i;
        }
        if (digits == 0 || value > 255)
            return -1;
        parts[count++] = value;
        if (i == text.size())
            break;
        if (text[i] != '.')
            return -1;
        ++i;
        if (i == text.size()) {
            if (!trailingDot)
                return -1;
            break;
        }
    }
    return count;
}

bool parseIPv4(std::string_view text, std::uint32_t* address)
{
    std::uint32_t parts[4];
    if (parseDecimalParts(text, parts, false) != 4)
        return false;
    *address = (parts[0] << 24) | (parts[1] << 16) | (parts[2] << 8) | parts[3];
    return true;
}

bool parseGroups(std::string_view text, std::vector<std::uint16_t>* groups)
{
    if (text.empty())
        return true;
    std::size_t i = 0;
    while (true) {
        std::size_t digits = 0;
        std::uint32_t value = 0;
        while (i < text.size() && hexValue(text[i]) >= 0) {
            if (++digits > 4)
                return false;
            value = value * 16 + static_cast<std::uint32_t>(hexValue(text[i]));
            ++i;
        }
        if (digits == 0)
            return false;
        groups->push_back(static_cast<std::uint16_t>(value));
        if (i == text.size())
            return true;
        if (text[i] != ':')
            return false;
        ++i;
        if (i == text.size())
            return false;
    }
}

bool parseIPv6(std::string_view text, std::array<std::uint8_t, 16>* address)
{
    if (text.find(':') == std::string_view::npos)
        return false;
    std::vector<std::uint16_t> head, tail;
    const std::size_t gap = text.find("::");
    if (gap == std::string_view::npos) {
        if (!parseGroups(text, &head) || head.size() != 8)
            return false;
    } else {
        if (text.find("::", gap + 1) != std::string_view::npos)
            return false;
        if (!parseGroups(text.substr(0, gap), &head) || !parseGroups(text.substr(gap + 2), &tail))
            return false;
        if (head.size() + tail.size() > 7)
            return false;
    }
    std::uint16_t groups[8] = {};
    for (std::size_t k = 0; k < head.size(); ++k)
        groups[k] = head[k];
    for (std::size_t k = 0; k < tail.size(); ++k)
        groups[8 - tail.size() + k] = tail[k];
    for (int k = 0; k < 8; ++k) {
        (*address)[2 * k] = static_cast<std::uint8_t>(groups[k] >> 8);
        (*address)[2 * k + 1] = static_cast<std::uint8_t>(groups[k] & 0xFF);
    }
    return true;
}

} // namespace

IpNetwork IpNetwork::parse(std::string_view text)
{
    IpNetwork net;
    const std::size_t slash = text.find('/');
    const std::string_view address = text.substr(0, slash);
    std::int32_t prefix = 0;
    if (slash != std::string_view::npos)
        prefix = parseIntegerText(text.substr(slash + 1));

    if (parseIPv4(address, &net.ipv4)) {
        net.kind = Kind::IPv4;
        net.prefixLength = prefix != 0 ? prefix : 32;
        return net;
    }
    if (parseIPv6(address, &net.ipv6)) {
        net.kind = Kind::IPv6;
        net.prefixLength = prefix != 0 ? prefix : 128;
        return net;
    }
    if (slash == std::string_view::npos) {
        std::uint32_t parts[4] = {};
        const int count = parseDecimalParts(text, parts, true);
        if (count >= 1 && count <= 3) {
            net.kind = Kind::IPv4;
            net.ipv4 = (parts[0] << 24) | (parts[1] << 16) | (parts[2] << 8) | parts[3];
            net.prefixLength = 8 * count;
            return net;
        }
    }
    net.text = std::string(text);
    return net;
}

std::string IpNetwork::toString() const
{
    char buffer[64];
    std::string out;
    switch (kind) {
    case Kind::None:
        return text;
    case Kind::IPv4:
        std::snprintf(buffer, sizeof buffer, "%u.%u.%u.%u", ipv4 >> 24, (ipv4 >> 16) & 0xFF,
                      (ipv4 >> 8) & 0xFF, ipv4 & 0xFF);
        out = buffer;
        if (prefixLength != 32)
            out += "/" + std::to_string(prefixLength);
        return out;
    case Kind::IPv6:
        for (int k = 0; k < 8; ++k) {
            std::snprintf(buffer, sizeof buffer, k ? ":%x" : "%x",
                          static_cast<unsigned>((ipv6[2 * k] << 8) | ipv6[2 * k + 1]));
            out += buffer;
        }
        if (prefixLength != 128)
            out += "/" + std::to_string(prefixLength);
        return out;
    }
    return out;
}

} // namespace morva::config
