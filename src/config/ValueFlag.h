#pragma once

#include <string>
#include <string_view>

namespace morva::config {

// Normalisation flags of a text value or list item. The bit values are those
// the gateway's own tools use; only these eight bits have meaning.
namespace ValueFlag {
constexpr unsigned Upper = 0x01;      // a-z become A-Z
constexpr unsigned Lower = 0x02;      // A-Z become a-z
constexpr unsigned Trim = 0x04;       // blanks (0x20) removed at both ends
constexpr unsigned TrimRight = 0x08;  // trailing blanks removed
constexpr unsigned Quoted = 0x10;     // surrounding quotes removed on input, added on output
constexpr unsigned StripStars = 0x20; // leading and trailing asterisks removed
constexpr unsigned LeadStar = 0x40;   // a lone leading asterisk before a plain pattern removed
constexpr unsigned NoComment = 0x80;  // a semicolon in the value starts no comment
} // namespace ValueFlag

using ValueFlags = unsigned;

constexpr unsigned kValueFlagCount = 8;

// Name of flag bit `index` (0..7): "Upper", "Lower", ... "NoComment".
const char* valueFlagName(unsigned index);

// The set flags' names joined by "|" in bit order; empty when none.
std::string valueFlagsText(ValueFlags flags);

// Applies the flags in their fixed order (Quoted, Upper, Lower, Trim,
// TrimRight, StripStars, LeadStar) to an 8-bit text or a UTF-16 text. Every
// step looks at ASCII characters only, so both forms give the same result.
std::string normalizedValue(std::string_view text, ValueFlags flags);
std::u16string normalizedValue(std::u16string_view text, ValueFlags flags);

} // namespace morva::config
