#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace morva::config {

// Reads an integer the way the gateway does: white space skipped, an optional
// sign, decimal digits up to the first other byte, accumulated in 64 bits and
// cut to the low 32 bits. No digits give 0; there is no range error.
std::int32_t parseIntegerText(std::string_view text);

// The file form of an Int value: the unsigned decimal of its 32 bits
// (-1 is written 4294967295).
std::string formatIntegerText(std::int32_t value);

} // namespace morva::config
