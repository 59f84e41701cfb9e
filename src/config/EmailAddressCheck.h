#pragma once

#include <string_view>

namespace morva::config {

// The SMTP address check used wherever the console validates an address.
// Each rule has its own code; only Valid counts as valid. (6 is not used.)
enum class EmailCheck : int
{
    Valid = 0,
    EmptyLocalPart = 1,
    LeadingDot = 2,
    TrailingDot = 3,
    BadLocalCharacter = 4,
    DoubleDotInLocalPart = 5,
    EmptyDomain = 7,
    DomainStartsWithDot = 8,
    BadFirstDomainCharacter = 9,
    DomainEndsWithDot = 10,
    DomainEndsWithHyphen = 11,
    BadDomainCharacter = 12,
    DoubleDotInDomain = 13,
    DomainStartsWithHyphen = 14,
    TooLong = 15,
};

// Local part up to the first "@" outside quotes and comments: letters,
// digits and !#$%&'*+-/=?^_`{|}~. ; "(...)" comments (nested) are skipped; a
// quoted string may also hold ()<>[]:;\,@ and blanks, with "\" escaping the
// next character. Domain: letters, digits, "-", ":", "[", "]" and dots,
// comments skipped, white space only at the end. The domain must be shorter
// than 256 characters and local part plus domain at most 254.
EmailCheck checkEmailAddress(std::string_view address);

inline bool isValidEmailAddress(std::string_view address)
{
    return checkEmailAddress(address) == EmailCheck::Valid;
}

} // namespace morva::config
