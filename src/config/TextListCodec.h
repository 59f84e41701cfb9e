#pragma once

#include <string>
#include <string_view>

namespace morva::config {

// TextList items are UTF-8 in the file and UTF-16 in memory. Decoding stores
// a code point above U+FFFF, and any malformed sequence, as U+FFFD. Encoding
// writes every UTF-16 unit by itself (one to three bytes) and drops surrogate
// units, so characters beyond the Basic Multilingual Plane are not kept.
std::u16string decodeTextItem(std::string_view utf8);
std::string encodeTextItem(std::u16string_view utf16);
void appendEncodedTextItem(std::string& out, std::u16string_view utf16);
// Encodes at `p`, which has room for 3 bytes per unit; returns the end.
char* writeEncodedTextItem(char* p, std::u16string_view utf16);

} // namespace morva::config
