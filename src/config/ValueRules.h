#pragma once

// What a value of each configuration key may be, beyond its kind: the range
// of a number, the check of a text, the check of every item of a list. The
// rules are declared once (ValueRuleTable.cpp, beside the schema table); the
// pages, `morvactl config set` and every other editor ask here, so they all
// accept and refuse the same values with the same message.
#include "config/ValueKind.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morva::config {

// The check of a text: a String value, one item of a list, or one field of
// an entry dialog.
enum class TextCheck
{
    None,
    NotBlank,     // not empty and not only white space
    Email,        // an SMTP address; empty passes
    IpAddress,    // a dotted IPv4 address; empty passes
    Directory,    // a folder; whether it exists is asked by the editor, never refused here
    IpNetwork,    // an address or network as IP lists hold them (normalizeIpEntry)
    NoBlanks,     // not blank and without blanks (a user name)
    UserPassword, // "user password": a user without blanks, a blank, a password
    CountryCode,  // a code of the country list (ASCII case ignored)
};

// The accepted numbers of an Int key.
struct NumberRange
{
    std::int64_t minimum = 0;
    std::int64_t maximum = 0;
    bool offAllowed = false; // 0 ("off") is accepted beside the range
};

struct ValueRule
{
    ValueKind kind = ValueKind::String;
    // Int keys: always set; a key that declares no range takes the range
    // the file can hold (-2147483648 .. 4294967295).
    std::optional<NumberRange> range;
    // String keys: the check of the value; list keys: of each item.
    TextCheck check = TextCheck::None;
    // The key has a row of its own in the rule table (not only its kind's rule).
    bool declared = false;
};

// The rule of `key`; nullopt when the key is not in the schema.
std::optional<ValueRule> valueRule(std::string_view key);

// The outcome of a check: a message id of the texts with its arguments
// (%1, %2, ...), or an empty id when the value passes.
struct ValueCheck
{
    std::string_view messageId;
    std::vector<std::string> arguments;
    std::size_t item = 0; // list values: position (0-based) of the item refused
    bool ok() const { return messageId.empty(); }
};

// Whether `text` is a valid value of a single-valued key (Int, String, Bool)
// as it would be typed into the key's field. A Bool passes anything here:
// its editors offer only its two values.
ValueCheck checkValue(std::string_view key, std::string_view text);
ValueCheck checkValue(const ValueRule& rule, std::string_view text);

// Whether `items` is a valid value of a list key (every item checked).
ValueCheck checkListValue(std::string_view key, const std::vector<std::string>& items);

// The single checks the rules are made of.
ValueCheck checkText(TextCheck check, std::string_view text);
ValueCheck checkNumber(const NumberRange& range, std::string_view text);

// A number as a number field takes it: white space around it, an optional
// sign, decimal digits and nothing else; nullopt when it is none or does not
// fit in 64 bits.
std::optional<std::int64_t> parseNumberField(std::string_view text);

// The message of a failed check in the given language, as the pages show it
// (empty when the check passed).
std::string valueCheckMessage(const ValueCheck& check, int languageIndex);

// The table behind valueRule(): each row names its keys separated by
// single blanks.
struct ValueRuleRow
{
    const char* names;
    std::int64_t minimum;
    std::int64_t maximum;
    bool offAllowed;
    TextCheck check;
};
const ValueRuleRow* valueRuleRows(std::size_t* count);

} // namespace morva::config
