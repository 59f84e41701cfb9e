#include "config/IntegerText.h"

namespace morva::config {

std::int32_t parseIntegerText(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Unsigned arithmetic wraps where signed would overflow; only the low 32
    // bits are kept anyway.
    std::uint64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10 + static_cast<std::uint64_t>(text[i] - '0');
    if (negative)
        value = ~value + 1;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::string formatIntegerText(std::int32_t value)
{
    return std::to_string(static_cast<std::uint32_t>(value));
}

} // namespace morva::config
