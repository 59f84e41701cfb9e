#include "confui/policy/PolicyEntryCodec.h"

namespace morva::confui {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool needsQuotes(std::string_view field)
{
    if (field.empty() || isBlank(field.front()) || isBlank(field.back()))
        return true;
    return field.find_first_of(",\";") != std::string_view::npos;
}

std::string_view trimBlanks(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

} // namespace

std::string encodePolicyEntry(const PolicyFields& fields)
{
    std::string out;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        const std::string& field = fields[i];
        if (!needsQuotes(field)) {
            out += field;
            continue;
        }
        out += '"';
        for (char c : field) {
            if (c == '"')
                out += '"';
            out += c;
        }
        out += '"';
    }
    return out;
}

std::optional<PolicyFields> decodePolicyEntry(std::string_view text)
{
    PolicyFields fields;
    size_t pos = 0;
    while (true) {
        while (pos < text.size() && isBlank(text[pos]))
            ++pos;
        std::string field;
        if (pos < text.size() && text[pos] == '"') {
            ++pos;
            bool closed = false;
            while (pos < text.size()) {
                char c = text[pos++];
                if (c != '"') {
                    field += c;
                } else if (pos < text.size() && text[pos] == '"') {
                    field += '"';
                    ++pos;
                } else {
                    closed = true;
                    break;
                }
            }
            if (!closed)
                return std::nullopt;
            while (pos < text.size() && isBlank(text[pos]))
                ++pos;
            if (pos < text.size() && text[pos] != ',')
                return std::nullopt;
        } else {
            size_t end = text.find(',', pos);
            if (end == std::string_view::npos)
                end = text.size();
            std::string_view raw = text.substr(pos, end - pos);
            if (raw.find('"') != std::string_view::npos)
                return std::nullopt;
            field = std::string(trimBlanks(raw));
            pos = end;
        }
        fields.push_back(std::move(field));
        if (pos >= text.size())
            return fields;
        ++pos; // the comma
    }
}

} // namespace morva::confui
