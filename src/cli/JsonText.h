#pragma once

#include <string>
#include <string_view>

namespace morva::config {
struct ConfigEntry;
}

namespace morva::cli {

// `bytes` as a JSON string literal, quotes included. Valid UTF-8 passes as
// it is (quotes, backslashes and control characters escaped); a byte that is
// no part of valid UTF-8 (text of an 8-bit code page) is written as the
// Latin-1 character of that byte, so the output is always valid JSON.
std::string jsonString(std::string_view bytes);

// The current value of `entry` as JSON: Bool true/false, Int a number,
// String a string, a list an array of strings.
std::string jsonValue(const config::ConfigEntry& entry);

} // namespace morva::cli
