#include "config/EightBitText.h"

#include "config/ByteScan.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace morva::config {

namespace {

// Windows-1252 from 0x80 to 0x9F; the five open bytes keep their number.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, std::uint32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The code point at `i` of well-formed UTF-8 and its length.
std::uint32_t codePointAt(std::string_view text, std::size_t i, std::size_t* length)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    auto next = [&](std::size_t k) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(text[i + k]) & 0x3F);
    };
    if (lead < 0x80) {
        *length = 1;
        return lead;
    }
    if (lead < 0xE0) {
        *length = 2;
        return ((lead & 0x1Fu) << 6) | next(1);
    }
    if (lead < 0xF0) {
        *length = 3;
        return ((lead & 0x0Fu) << 12) | (next(1) << 6) | next(2);
    }
    *length = 4;
    return ((lead & 0x07u) << 18) | (next(1) << 12) | (next(2) << 6) | next(3);
}

} // namespace

bool isAsciiText(std::string_view bytes)
{
    return !scanBytes(bytes, 0, 0, 0, 0).highBytes;
}

char32_t eightBitCharacter(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : char32_t(byte);
}

int eightBitByte(char32_t character)
{
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return static_cast<int>(character);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == character)
            return static_cast<int>(0x80 + i);
    return -1;
}

bool readsBackAsOtherText(std::string_view eightBitBytes)
{
    return !isAsciiText(eightBitBytes) && isWellFormedUtf8(eightBitBytes);
}

bool isWellFormedUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    const std::size_t n = bytes.size();
    auto at = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    while (i < n) {
        const unsigned char lead = at(i);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t extra = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
            if (lead == 0xE0)
                low = 0xA0;
            else if (lead == 0xED)
                high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
            if (lead == 0xF0)
                low = 0x90;
            else if (lead == 0xF4)
                high = 0x8F;
        } else {
            return false;
        }
        if (n - i <= extra)
            return false;
        if (at(i + 1) < low || at(i + 1) > high)
            return false;
        for (std::size_t k = 2; k <= extra; ++k)
            if ((at(i + k) & 0xC0) != 0x80)
                return false;
        i += extra + 1;
    }
    return true;
}

std::string eightBitToUtf8(std::string_view bytes)
{
    if (isAsciiText(bytes) || isWellFormedUtf8(bytes))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (char c : bytes)
        appendUtf8(out, eightBitCharacter(static_cast<unsigned char>(c)));
    return out;
}

bool utf8ToEightBit(std::string_view text, std::string* bytes, std::string* refused)
{
    bytes->clear();
    if (isAsciiText(text)) {
        bytes->assign(text);
        return true;
    }
    if (!isWellFormedUtf8(text)) {
        if (refused)
            refused->assign(text);
        return false;
    }
    bytes->reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 1;
        const int byte = eightBitByte(codePointAt(text, i, &length));
        if (byte < 0) {
            if (refused)
                refused->assign(text.substr(i, length));
            return false;
        }
        *bytes += static_cast<char>(byte);
        i += length;
    }
    // Such bytes would read back as UTF-8, that is as another text.
    if (readsBackAsOtherText(*bytes)) {
        if (refused)
            refused->assign(text);
        return false;
    }
    return true;
}

std::size_t utf8ToEightBitLossy(std::string_view text, std::string* bytes)
{
    if (utf8ToEightBit(text, bytes))
        return 0;
    bytes->clear();
    std::size_t lost = 0;
    if (!isWellFormedUtf8(text)) {
        bytes->assign(text);
        return 0;
    }
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 1;
        const int byte = eightBitByte(codePointAt(text, i, &length));
        if (byte < 0) {
            *bytes += '?';
            ++lost;
        } else {
            *bytes += static_cast<char>(byte);
        }
        i += length;
    }
    return lost;
}

std::string fileTextAsUtf8(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    return eightBitToUtf8(bytes);
}

std::string_view fileTextAsUtf8(std::string_view bytes, std::string* storage)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    if (isAsciiText(bytes) || isWellFormedUtf8(bytes))
        return bytes;
    *storage = eightBitToUtf8(bytes);
    return *storage;
}

} // namespace morva::config
