#pragma once

#include <string>
#include <string_view>

namespace morva::config {

// The 8-bit texts of the gateway's files (record fields, "Morva.ini" values
// and comments) and UTF-8, without Qt: the one implementation of these
// rules (gui::FileTextCodec applies them to QString). Bytes that are valid
// UTF-8 and hold a multi-byte character are taken as UTF-8; all other bytes
// are Windows-1252, the five bytes that code page leaves open standing for
// the control characters of their number.

bool isWellFormedUtf8(std::string_view bytes);

// Whether every byte is below 0x80 (such bytes read the same either way).
bool isAsciiText(std::string_view bytes);

// The character an 8-bit byte stands for.
char32_t eightBitCharacter(unsigned char byte);

// The byte that stands for `character`, or -1 when the code page has none.
int eightBitByte(char32_t character);

// Whether 8-bit bytes would read back as another text: they are not ASCII
// and form UTF-8 of their own.
bool readsBackAsOtherText(std::string_view eightBitBytes);

// The text of 8-bit bytes as UTF-8.
std::string eightBitToUtf8(std::string_view bytes);

// The Windows-1252 bytes of UTF-8 `text`. False when a character has no
// byte in the code page, or when the bytes would read back as another
// text (they form UTF-8 of their own); `*refused` then names the first
// character that cannot be stored (or the whole text).
bool utf8ToEightBit(std::string_view text, std::string* bytes, std::string* refused = nullptr);

// The same, every character that cannot be stored written as "?"; returns
// how many were.
std::size_t utf8ToEightBitLossy(std::string_view text, std::string* bytes);

// A whole file's text as UTF-8: a file that is valid UTF-8 stays as it is
// (a leading byte order mark removed), any other is read as Windows-1252.
std::string fileTextAsUtf8(std::string_view bytes);
// The same without a copy when the file is UTF-8 already: the text is
// `bytes` itself (behind a byte order mark) or held in *storage.
std::string_view fileTextAsUtf8(std::string_view bytes, std::string* storage);

} // namespace morva::config
