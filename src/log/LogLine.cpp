#include "log/LogLine.h"

namespace morva::log {

namespace {

constexpr std::size_t kSkippedChars = 9;
constexpr std::size_t kTimeChars = 8;
constexpr std::size_t kShortestLine = 16;
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Length of the valid UTF-8 sequence at the start of `s`, 0 when invalid.
std::size_t validSequenceLength(std::string_view s)
{
    const auto b0 = static_cast<unsigned char>(s[0]);
    if (b0 < 0x80)
        return 1;
    std::size_t length = 0;
    char32_t minimum = 0;
    char32_t cp = 0;
    if ((b0 & 0xE0) == 0xC0) {
        length = 2, minimum = 0x80, cp = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        length = 3, minimum = 0x800, cp = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        length = 4, minimum = 0x10000, cp = b0 & 0x07;
    } else {
        return 0;
    }
    if (s.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if ((b & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

std::string sanitizeLogText(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        const std::size_t length = validSequenceLength(bytes);
        if (length == 0) {
            out += kReplacement;
            bytes.remove_prefix(1);
            continue;
        }
        const auto c = static_cast<unsigned char>(bytes[0]);
        if (c == '\t')
            out += ' ';
        else if (c < 0x20 || c == 0x7F)
            out += kReplacement;
        else
            out.append(bytes.substr(0, length));
        bytes.remove_prefix(length);
    }
    return out;
}

LogRow splitLogLine(std::string_view line)
{
    LogRow row;
    if (line.size() < kShortestLine)
        return row;
    row.time = sanitizeLogText(line.substr(kSkippedChars, kTimeChars));
    if (line.size() <= kSkippedChars + kTimeChars + 1)
        return row;
    std::string_view rest = line.substr(kSkippedChars + kTimeChars + 1);
    std::size_t digits = 0;
    while (digits < rest.size() && isDigit(rest[digits]))
        ++digits;
    // Only "<digits>:" is a thread number; "12 connections: 5" is activity.
    if (digits > 0 && digits < rest.size() && rest[digits] == ':') {
        row.thread.assign(rest.substr(0, digits));
        rest.remove_prefix(std::min(rest.size(), digits + 2));
    }
    row.activity = sanitizeLogText(rest);
    return row;
}

} // namespace morva::log
