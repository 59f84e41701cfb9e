#pragma once

#include <cstdint>
#include <string_view>

namespace morva::log {

// What a log row tells about, by its activity text; the view colours rows
// by it and can show one category only.
enum class LogCategory : std::uint8_t
{
    None = 0,
    Rejection,  // rejections and blocks (SMTP 5xx replies, RBL, spam verdicts)
    Delivery,   // mail handed on (to Exchange or outbound)
    Virus,      // virus findings
    Problem,    // errors and warnings of the gateway itself
    Connection, // sessions opened
};
constexpr int kLogCategoryCount = 6;

// The category of an activity text: the first entry of the pattern table
// that matches it (case-insensitive); None when none does. Only the first
// kCategorizedBytes bytes are looked at.
LogCategory categorizeActivity(std::string_view activity);
constexpr std::size_t kCategorizedBytes = 512;

} // namespace morva::log
