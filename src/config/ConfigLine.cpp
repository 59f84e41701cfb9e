#include "config/ConfigLine.h"

#include <cstring>

namespace morva::config {

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view trimSpace(std::string_view text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isSpace(text[begin]))
        ++begin;
    while (end > begin && isSpace(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

std::size_t find(std::string_view text, char c, std::size_t from)
{
    if (from >= text.size())
        return std::string_view::npos;
    const void* hit = std::memchr(text.data() + from, c, text.size() - from);
    return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text.data())
               : std::string_view::npos;
}

} // namespace

std::string_view trimBlanks(std::string_view text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && text[begin] == ' ')
        ++begin;
    while (end > begin && text[end - 1] == ' ')
        --end;
    return text.substr(begin, end - begin);
}

ConfigLine parseConfigLine(std::string_view line, bool recognizeComments)
{
    ConfigLine parsed;
    if (!line.empty() && line[0] == ';')
        return parsed;

    const std::size_t equals = find(line, '=', 0);
    if (equals == std::string_view::npos) {
        parsed.key = trimSpace(line);
        parsed.hasKey = !parsed.key.empty();
        return parsed;
    }
    parsed.key = trimSpace(line.substr(0, equals));
    parsed.hasKey = !parsed.key.empty();

    const std::string_view rest = line.substr(equals + 1);
    // The first byte after "=" always belongs to the value; only a quote
    // there changes state (";" and "=" inside the quotes are ordinary).
    std::size_t searchFrom = 1;
    if (!rest.empty() && rest[0] == '"') {
        const std::size_t close = find(rest, '"', 1);
        searchFrom = close == std::string_view::npos ? rest.size() : close + 1;
    }
    std::size_t semicolon = std::string_view::npos;
    if (recognizeComments)
        semicolon = find(rest, ';', searchFrom);
    if (semicolon == std::string_view::npos) {
        parsed.value = trimSpace(rest);
    } else {
        parsed.value = trimSpace(rest.substr(0, semicolon));
        parsed.comment = rest.substr(semicolon + 1);
    }
    return parsed;
}

} // namespace morva::config
