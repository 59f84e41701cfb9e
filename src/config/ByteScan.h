#pragma once

#include <cstddef>
#include <string_view>

namespace morva::config {

// What one pass over a text's bytes found.
struct ByteScan
{
    bool highBytes = false; // a byte 0x80 or above
    bool anyOf = false;     // one of the bytes asked for
};

// One pass over `text` for bytes 0x80 and above and for the four bytes
// given, sixteen bytes at a time: every field of a large export passes
// through here.
ByteScan scanBytes(std::string_view text, char a, char b, char c, char d);

// The length of `text` without the spaces at its end (the padding of a
// fixed-width field).
std::size_t lengthWithoutTrailingSpaces(std::string_view text);

} // namespace morva::config
