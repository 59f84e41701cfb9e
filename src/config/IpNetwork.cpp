#include "config/IpNetwork.h"

#include "config/IntegerText.h"

#include <charconv>
#include <cstring>
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
    for (std::size_t k = 0; k < 8; ++k) {
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

namespace {

// Writes the decimal digits of `value` at `p`; returns the end.
char* putDecimal(char* p, std::uint32_t value)
{
    return std::to_chars(p, p + 10, value).ptr;
}

// The decimal text of every byte value followed by a dot, and its length
// without the dot: an address is written a byte at a time without divisions.
struct ByteText
{
    char text[4];
    std::uint8_t size;
};

constexpr std::array<ByteText, 256> makeByteTexts()
{
    std::array<ByteText, 256> table{};
    for (unsigned value = 0; value < 256; ++value) {
        ByteText& entry = table[value];
        unsigned n = 0;
        if (value >= 100)
            entry.text[n++] = static_cast<char>('0' + value / 100);
        if (value >= 10)
            entry.text[n++] = static_cast<char>('0' + value / 10 % 10);
        entry.text[n++] = static_cast<char>('0' + value % 10);
        entry.size = static_cast<std::uint8_t>(n);
        entry.text[n] = '.';
    }
    return table;
}

constexpr std::array<ByteText, 256> kByteTexts = makeByteTexts();

// Writes "d." for the byte `value` (4 bytes of room); returns the end of
// the digits, or with `dot` of the dot.
char* putByte(char* p, unsigned value, bool dot)
{
    const ByteText& entry = kByteTexts[value];
    std::memcpy(p, entry.text, 4);
    return p + entry.size + (dot ? 1 : 0);
}

char* putPrefix(char* p, std::int32_t prefix, std::int32_t full)
{
    if (prefix == full)
        return p;
    *p++ = '/';
    if (prefix < 0) {
        *p++ = '-';
        return putDecimal(p, static_cast<std::uint32_t>(0) - static_cast<std::uint32_t>(prefix));
    }
    return putDecimal(p, static_cast<std::uint32_t>(prefix));
}

} // namespace

char* IpNetwork::writeTo(char* p) const
{
    static const char kHex[] = "0123456789abcdef";
    switch (kind) {
    case Kind::None:
        return std::char_traits<char>::copy(p, text.data(), text.size()) + text.size();
    case Kind::IPv4:
        p = putByte(p, ipv4 >> 24, true);
        p = putByte(p, (ipv4 >> 16) & 0xFF, true);
        p = putByte(p, (ipv4 >> 8) & 0xFF, true);
        p = putByte(p, ipv4 & 0xFF, false);
        return putPrefix(p, prefixLength, 32);
    case Kind::IPv6:
        for (std::size_t k = 0; k < 8; ++k) {
            if (k)
                *p++ = ':';
            const auto group = static_cast<unsigned>((ipv6[2 * k] << 8) | ipv6[2 * k + 1]);
            bool started = false;
            for (int shift = 12; shift >= 0; shift -= 4) {
                const unsigned digit = (group >> shift) & 0xF;
                if (digit || started || shift == 0) {
                    *p++ = kHex[digit];
                    started = true;
                }
            }
        }
        return putPrefix(p, prefixLength, 128);
    }
    return p;
}

void IpNetwork::appendTo(std::string& out) const
{
    if (kind == Kind::None) {
        out += text;
        return;
    }
    char buffer[64]; // 8 groups of 4 digits, 7 colons, "/-2147483648"
    out.append(buffer, static_cast<std::size_t>(writeTo(buffer) - buffer));
}

std::string IpNetwork::toString() const
{
    std::string out;
    appendTo(out);
    return out;
}

} // namespace morva::config
