#include "config/EmailAddressCheck.h"

#include <cstddef>
#include <string>

namespace morva::config {

namespace {

bool isLetterOrDigit(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool isLocalCharacter(char c)
{
    static constexpr std::string_view kSpecials = "!#$%&'*+-/=?^_`{|}~.";
    return isLetterOrDigit(c) || kSpecials.find(c) != std::string_view::npos;
}

bool isQuotedCharacter(char c)
{
    static constexpr std::string_view kQuotedSpecials = "()<>[]:;\\,@ ";
    return isLocalCharacter(c) || kQuotedSpecials.find(c) != std::string_view::npos;
}

bool isDomainCharacter(char c)
{
    return isLetterOrDigit(c) || c == '-' || c == ':' || c == '[' || c == ']' || c == '.';
}

bool isWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Skips a comment that starts at `i` ("("), counting nesting; returns the
// index behind its closing ")", or npos when it never closes.
std::size_t skipComment(std::string_view text, std::size_t i)
{
    int depth = 0;
    for (; i < text.size(); ++i) {
        if (text[i] == '(')
            ++depth;
        else if (text[i] == ')' && --depth == 0)
            return i + 1;
    }
    return std::string_view::npos;
}

} // namespace

EmailCheck checkEmailAddress(std::string_view address)
{
    // Local part: the significant characters, with quoted strings kept as
    // a unit so that dots inside them do not count.
    std::size_t i = 0;
    std::size_t localLength = 0;
    char previous = '\0'; // last significant character outside quotes
    bool seenAny = false;
    while (i < address.size()) {
        const char c = address[i];
        if (c == '@') {
            ++i;
            break;
        }
        if (c == '(') {
            i = skipComment(address, i);
            if (i == std::string_view::npos)
                return EmailCheck::BadLocalCharacter;
            continue;
        }
        if (c == '"') {
            ++i;
            while (i < address.size() && address[i] != '"') {
                if (address[i] == '\\' && i + 1 < address.size()) {
                    i += 2;
                    continue;
                }
                if (!isQuotedCharacter(address[i]))
                    return EmailCheck::BadLocalCharacter;
                ++i;
            }
            if (i >= address.size())
                return EmailCheck::BadLocalCharacter; // the quote never closes
            ++i;
            seenAny = true;
            previous = '"';
            localLength = i;
            continue;
        }
        if (!isLocalCharacter(c))
            return EmailCheck::BadLocalCharacter;
        if (c == '.') {
            if (!seenAny)
                return EmailCheck::LeadingDot;
            if (previous == '.')
                return EmailCheck::DoubleDotInLocalPart;
        }
        seenAny = true;
        previous = c;
        ++i;
        localLength = i;
    }
    if (!seenAny)
        return EmailCheck::EmptyLocalPart;
    if (previous == '.')
        return EmailCheck::TrailingDot;

    // Domain.
    std::string domain;
    bool trailingSpace = false;
    while (i < address.size()) {
        const char c = address[i];
        if (c == '(') {
            i = skipComment(address, i);
            if (i == std::string_view::npos)
                return EmailCheck::BadDomainCharacter;
            continue;
        }
        if (isWhiteSpace(c)) {
            trailingSpace = true;
            ++i;
            continue;
        }
        if (trailingSpace || !isDomainCharacter(c))
            return EmailCheck::BadDomainCharacter;
        if (domain.empty()) {
            if (c == '.')
                return EmailCheck::DomainStartsWithDot;
            if (c == '-')
                return EmailCheck::DomainStartsWithHyphen;
            if (!isLetterOrDigit(c) && c != '[')
                return EmailCheck::BadFirstDomainCharacter;
        } else if (c == '.' && domain.back() == '.') {
            return EmailCheck::DoubleDotInDomain;
        }
        domain += c;
        ++i;
    }
    if (domain.empty())
        return EmailCheck::EmptyDomain;
    if (domain.back() == '.')
        return EmailCheck::DomainEndsWithDot;
    if (domain.back() == '-')
        return EmailCheck::DomainEndsWithHyphen;
    if (domain.size() >= 256 || localLength + domain.size() > 254)
        return EmailCheck::TooLong;
    return EmailCheck::Valid;
}

} // namespace morva::config
