#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morva::config {

// An IP list entry in its stored form: "10.1." becomes "10.1.0.0/16",
// "192.168.1.0/24" stays, a complete address is kept without a prefix (a
// single host). None when the text is no address or network.
std::optional<std::string> normalizeIpEntry(std::string_view text);

// A single-address field: exactly three dots and four numeric parts (each
// 0..255). An empty field passes only when `emptyAllowed`.
bool isValidIpAddressField(std::string_view text, bool emptyAllowed = true);

// A DNS host name: dot-separated labels of letters, digits and inner
// hyphens, 1..63 characters each, 253 at most in all, at least two labels.
bool isValidHostName(std::string_view text);

} // namespace morva::config
