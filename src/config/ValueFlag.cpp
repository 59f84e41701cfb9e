#include "config/ValueFlag.h"

namespace morva::config {

namespace {

const char* const kFlagNames[kValueFlagCount] = {"Upper",  "Lower",      "Trim",     "TrimRight",
                                                 "Quoted", "StripStars", "LeadStar", "NoComment"};

// Every step but the case mapping only narrows the text, and the case
// mapping changes no byte the narrowing steps look at (blank, quote,
// asterisk, "#", "?"); so the narrowing is done on indices first and the
// text is built once.
template <typename Char>
std::basic_string<Char> normalize(std::basic_string_view<Char> text, ValueFlags flags)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    auto trimLeft = [&] {
        while (begin < end && text[begin] == ' ')
            ++begin;
    };
    auto trimRight = [&] {
        while (end > begin && text[end - 1] == ' ')
            --end;
    };
    if (flags & ValueFlag::Quoted) {
        std::size_t b = begin, e = end;
        while (b < e && text[b] == ' ')
            ++b;
        while (e > b && text[e - 1] == ' ')
            --e;
        if (e - b >= 2 && text[b] == '"' && text[e - 1] == '"') {
            begin = b + 1;
            end = e - 1;
        }
    }
    if (flags & ValueFlag::Trim) {
        trimLeft();
        trimRight();
    }
    if (flags & ValueFlag::TrimRight)
        trimRight();
    if (flags & ValueFlag::StripStars) {
        while (end - begin > 1 && text[begin] == '*')
            ++begin;
        while (end - begin >= 2 && text[end - 1] == '*')
            --end;
    }
    if ((flags & ValueFlag::LeadStar) && begin < end && text[begin] == '*') {
        bool wildcard = false;
        for (std::size_t i = begin + 1; i < end && !wildcard; ++i)
            wildcard = text[i] == '#' || text[i] == '*' || text[i] == '?';
        if (!wildcard)
            ++begin;
    }
    std::basic_string<Char> out(text.substr(begin, end - begin));
    if (flags & ValueFlag::Upper) {
        for (auto& c : out) {
            if (c >= 'a' && c <= 'z')
                c = static_cast<Char>(c - 'a' + 'A');
        }
    }
    if (flags & ValueFlag::Lower) {
        for (auto& c : out) {
            if (c >= 'A' && c <= 'Z')
                c = static_cast<Char>(c - 'A' + 'a');
        }
    }
    return out;
}

} // namespace

const char* valueFlagName(unsigned index)
{
    return index < kValueFlagCount ? kFlagNames[index] : "";
}

std::string valueFlagsText(ValueFlags flags)
{
    std::string text;
    for (unsigned i = 0; i < kValueFlagCount; ++i) {
        if (flags & (1u << i)) {
            if (!text.empty())
                text += '|';
            text += kFlagNames[i];
        }
    }
    return text;
}

std::string normalizedValue(std::string_view text, ValueFlags flags)
{
    return normalize(text, flags);
}

std::u16string normalizedValue(std::u16string_view text, ValueFlags flags)
{
    return normalize(text, flags);
}

} // namespace morva::config
