#include "config/EmailAddressCheck.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace morva::config {

namespace {

// Character classes by byte: a table, since every character of every
// address of a 100,000-row import passes through here.
enum CharacterClass : unsigned char
{
    kLetterOrDigit = 1,
    kLocal = 2,  // letters, digits and the specials of a local part
    kQuoted = 4, // kLocal and what a quoted string may hold besides
    kDomain = 8,
};

constexpr std::array<unsigned char, 256> characterClasses()
{
    std::array<unsigned char, 256> classes{};
    auto mark = [&](std::string_view characters, unsigned char bits) {
        for (const char c : characters)
            classes[static_cast<unsigned char>(c)] |= bits;
    };
    constexpr std::string_view kLettersAndDigits =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    mark(kLettersAndDigits, kLetterOrDigit | kLocal | kQuoted | kDomain);
    mark("!#$%&'*+-/=?^_`{|}~.", kLocal | kQuoted);
    mark("()<>[]:;\\,@ ", kQuoted);
    mark("-:[].", kDomain);
    return classes;
}

constexpr std::array<unsigned char, 256> kClasses = characterClasses();

bool isOfClass(char c, CharacterClass bits)
{
    return (kClasses[static_cast<unsigned char>(c)] & bits) != 0;
}

bool isLetterOrDigit(char c)
{
    return isOfClass(c, kLetterOrDigit);
}

bool isLocalCharacter(char c)
{
    return isOfClass(c, kLocal);
}

bool isQuotedCharacter(char c)
{
    return isOfClass(c, kQuoted);
}

bool isDomainCharacter(char c)
{
    return isOfClass(c, kDomain);
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
        if (isLocalCharacter(c) && c != '.') { // the common case first
            seenAny = true;
            previous = c;
            localLength = ++i;
            continue;
        }
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

    // Domain: its length and last character (comments and white space left out).
    std::size_t domainLength = 0;
    char domainLast = '\0';
    bool trailingSpace = false;
    while (i < address.size()) {
        const char c = address[i];
        if (isLetterOrDigit(c) && !trailingSpace) { // the common case first
            ++domainLength;
            domainLast = c;
            ++i;
            continue;
        }
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
        if (domainLength == 0) {
            if (c == '.')
                return EmailCheck::DomainStartsWithDot;
            if (c == '-')
                return EmailCheck::DomainStartsWithHyphen;
            if (!isLetterOrDigit(c) && c != '[')
                return EmailCheck::BadFirstDomainCharacter;
        } else if (c == '.' && domainLast == '.') {
            return EmailCheck::DoubleDotInDomain;
        }
        ++domainLength;
        domainLast = c;
        ++i;
    }
    if (domainLength == 0)
        return EmailCheck::EmptyDomain;
    if (domainLast == '.')
        return EmailCheck::DomainEndsWithDot;
    if (domainLast == '-')
        return EmailCheck::DomainEndsWithHyphen;
    if (domainLength >= 256 || localLength + domainLength > 254)
        return EmailCheck::TooLong;
    return EmailCheck::Valid;
}

} // namespace morva::config
