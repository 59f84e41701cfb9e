#include "config/TextListCodec.h"

#include <cstdint>

namespace morva::config {

namespace {
constexpr char16_t kReplacement = 0xFFFD;
}

std::u16string decodeTextItem(std::string_view utf8)
{
    std::u16string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    const std::size_t n = utf8.size();
    while (i < n) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            out.push_back(lead);
            ++i;
            continue;
        }
        int extra;
        std::uint32_t cp;
        std::uint32_t minimum;
        if ((lead & 0xE0) == 0xC0) {
            extra = 1, cp = lead & 0x1F, minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2, cp = lead & 0x0F, minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3, cp = lead & 0x07, minimum = 0x10000;
        } else {
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        for (int k = 0; k < extra; ++k, ++j) {
            if (j >= n || (static_cast<unsigned char>(utf8[j]) & 0xC0) != 0x80)
                break;
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[j]) & 0x3F);
        }
        if (j - i != static_cast<std::size_t>(extra) + 1) {
            // Truncated sequence: one replacement, continue at the byte that broke it.
            out.push_back(kReplacement);
            i = j;
            continue;
        }
        i = j;
        if (cp < minimum || cp > 0xFFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            out.push_back(kReplacement);
        else
            out.push_back(static_cast<char16_t>(cp));
    }
    return out;
}

std::string encodeTextItem(std::u16string_view utf16)
{
    std::string out;
    out.reserve(utf16.size());
    appendEncodedTextItem(out, utf16);
    return out;
}

char* writeEncodedTextItem(char* p, std::u16string_view utf16)
{
    for (char16_t unit : utf16) {
        if (unit < 0x80) {
            *p++ = static_cast<char>(unit);
        } else if (unit < 0x800) {
            *p++ = static_cast<char>(0xC0 | (unit >> 6));
            *p++ = static_cast<char>(0x80 | (unit & 0x3F));
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            continue;
        } else {
            *p++ = static_cast<char>(0xE0 | (unit >> 12));
            *p++ = static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
            *p++ = static_cast<char>(0x80 | (unit & 0x3F));
        }
    }
    return p;
}

void appendEncodedTextItem(std::string& out, std::u16string_view utf16)
{
    const std::size_t start = out.size();
    out.resize(start + 3 * utf16.size());
    char* end = writeEncodedTextItem(out.data() + start, utf16);
    out.resize(static_cast<std::size_t>(end - out.data()));
}

} // namespace morva::config
