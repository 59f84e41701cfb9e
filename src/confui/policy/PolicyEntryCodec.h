#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morva::confui {

// The text form of one entry of a policy list (S/MIME, TLS and DKIM signing
// lists): its fields joined by commas, for example
//
//     *@example.com,partner.pem,"pass, word"
//
// A field is written inside double quotes when it is empty, contains a comma,
// a double quote or a semicolon, or begins or ends with a blank or a tab;
// inside quotes a double quote is doubled. Reading trims blanks around
// unquoted fields (hand-edited "a, b" reads as "a" and "b") and keeps quoted
// fields byte for byte, so encode followed by decode gives back every field.
//
// Quoting a semicolon matters for the configuration file: an entry that ends
// in a semicolon would lose it when the line is read back, and a quoted field
// always ends in a quote.
using PolicyFields = std::vector<std::string>;

std::string encodePolicyEntry(const PolicyFields& fields);

// The fields of `text`, or nothing when it is not in the form above (a quote
// that is not closed, or text between a closing quote and the next comma).
std::optional<PolicyFields> decodePolicyEntry(std::string_view text);

} // namespace morva::confui
