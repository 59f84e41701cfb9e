#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace morva::config {

// An item of a NetList: an IPv4 or IPv6 network, or a text that is neither.
struct IpNetwork
{
    enum class Kind
    {
        None,
        IPv4,
        IPv6
    };

    Kind kind = Kind::None;
    std::uint32_t ipv4 = 0;              // host order: 10.1.2.3 is 0x0A010203
    std::array<std::uint8_t, 16> ipv6{}; // network order
    std::int32_t prefixLength = 0;       // full length when none was given
    // For kind None only: the text as read, so that saving writes it back
    // instead of dropping what the administrator typed.
    std::string text;

    // Network text: "a.b.c.d[/n]", IPv6 groups with "::" and "[/n]", or a
    // partial IPv4 ("10", "10.", "10.1", "172.16.5") standing for /8, /16, /24.
    static IpNetwork parse(std::string_view text);

    // IPv4 dotted decimal; IPv6 as eight lower-case hex groups without
    // compression; "/n" unless n is the full length. Kind None: its text.
    std::string toString() const;
    void appendTo(std::string& out) const;
    // The same written at `p`, which has room for maxTextLength() bytes;
    // returns the end.
    char* writeTo(char* p) const;
    std::size_t maxTextLength() const { return kind == Kind::None ? text.size() : 64; }

    bool isValid() const { return kind != Kind::None; }

    friend bool operator==(const IpNetwork&, const IpNetwork&) = default;
};

} // namespace morva::config
