#include "cli/JsonText.h"

#include "config/ConfigEntry.h"

#include <variant>

namespace morva::cli {

namespace {

// The length of the valid UTF-8 sequence at `at`, or 0.
std::size_t utf8SequenceLength(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0; // no overlong forms
        else if (lead == 0xED)
            high = 0x9F; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F; // nothing beyond U+10FFFF
    } else {
        return 0;
    }
    if (at + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[at + i]);
        if (byte < (i == 1 ? low : 0x80) || byte > (i == 1 ? high : 0xBF))
            return 0;
    }
    return length;
}

void appendUnicodeEscape(std::string& out, unsigned value)
{
    static const char kHex[] = "0123456789abcdef";
    out += "\\u00";
    out += kHex[(value >> 4) & 0xF];
    out += kHex[value & 0xF];
}

} // namespace

std::string jsonString(std::string_view bytes)
{
    std::string out = "\"";
    out.reserve(bytes.size() + 2);
    for (std::size_t i = 0; i < bytes.size();) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20 || c == 0x7F)
                    appendUnicodeEscape(out, c);
                else
                    out += static_cast<char>(c);
            }
            ++i;
            continue;
        }
        if (const std::size_t length = utf8SequenceLength(bytes, i)) {
            out.append(bytes.substr(i, length));
            i += length;
            continue;
        }
        // The byte as a Latin-1 character, in UTF-8.
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
        ++i;
    }
    out += '"';
    return out;
}

std::string jsonValue(const config::ConfigEntry& entry)
{
    if (isListKind(entry.kind)) {
        std::string out = "[";
        bool first = true;
        for (const std::string& item : config::listItemTexts(entry.value)) {
            if (!first)
                out += ", ";
            first = false;
            out += jsonString(item);
        }
        return out + "]";
    }
    if (const bool* flag = std::get_if<bool>(&entry.value))
        return *flag ? "true" : "false";
    if (const std::int32_t* number = std::get_if<std::int32_t>(&entry.value))
        return std::to_string(*number);
    return jsonString(config::displayText(entry.value));
}

} // namespace morva::cli
