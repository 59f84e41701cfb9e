#include "config/ValueRules.h"

#include "config/CountryList.h"
#include "config/EmailAddressCheck.h"
#include "config/FieldSyntax.h"
#include "config/Schema.h"
#include "resources/Texts.h"

#include <limits>
#include <unordered_map>

namespace morva::config {

namespace {

// What a key's kind alone allows: the file holds an Int as 32 bits written
// signed or unsigned; list items are never blank, NetList items are networks.
ValueRule kindRule(ValueKind kind)
{
    ValueRule rule;
    rule.kind = kind;
    if (kind == ValueKind::Int)
        rule.range = NumberRange{std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::uint32_t>::max(), false};
    else if (kind == ValueKind::NetList)
        rule.check = TextCheck::IpNetwork;
    else if (isListKind(kind))
        rule.check = TextCheck::NotBlank;
    return rule;
}

template <typename Visit> void forEachName(std::string_view names, Visit visit)
{
    while (!names.empty()) {
        const std::size_t blank = names.find(' ');
        visit(names.substr(0, blank));
        names = blank == std::string_view::npos ? std::string_view() : names.substr(blank + 1);
    }
}

// Every key of the schema with its rule, built once.
const std::unordered_map<std::string_view, ValueRule>& rules()
{
    static const auto table = [] {
        std::unordered_map<std::string_view, ValueRule> byKey;
        std::size_t groupCount = 0;
        const SchemaGroup* groups = schemaGroups(&groupCount);
        for (std::size_t g = 0; g < groupCount; ++g)
            forEachName(groups[g].names, [&](std::string_view key) {
                byKey.emplace(key, kindRule(groups[g].kind));
            });
        std::size_t rowCount = 0;
        const ValueRuleRow* rows = valueRuleRows(&rowCount);
        for (std::size_t r = 0; r < rowCount; ++r) {
            const ValueRuleRow& row = rows[r];
            forEachName(row.names, [&](std::string_view key) {
                const auto found = byKey.find(key);
                if (found == byKey.end())
                    return; // the schema test reports such a row
                ValueRule& rule = found->second;
                rule.declared = true;
                if (row.minimum <= row.maximum)
                    rule.range = NumberRange{row.minimum, row.maximum, row.offAllowed};
                if (row.check != TextCheck::None)
                    rule.check = row.check;
            });
        }
        return byKey;
    }();
    return table;
}

bool isSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool isBlankText(std::string_view text)
{
    for (char c : text)
        if (!isSpace(c))
            return false;
    return true;
}

bool sameIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char x = a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] - 'A' + 'a') : a[i];
        const char y = b[i] >= 'A' && b[i] <= 'Z' ? static_cast<char>(b[i] - 'A' + 'a') : b[i];
        if (x != y)
            return false;
    }
    return true;
}

ValueCheck refused(std::string_view messageId, std::vector<std::string> arguments = {})
{
    return {messageId, std::move(arguments)};
}

} // namespace

std::optional<ValueRule> valueRule(std::string_view key)
{
    const auto& table = rules();
    const auto found = table.find(key);
    if (found == table.end())
        return std::nullopt;
    return found->second;
}

std::optional<std::int64_t> parseNumberField(std::string_view text)
{
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    // Accumulated negatively, so that the most negative 64-bit number fits.
    constexpr std::int64_t kLowest = std::numeric_limits<std::int64_t>::min();
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        const int digit = c - '0';
        if (value < (kLowest + digit) / 10)
            return std::nullopt;
        value = value * 10 - digit;
    }
    if (!negative) {
        if (value == kLowest)
            return std::nullopt;
        value = -value;
    }
    return value;
}

ValueCheck checkNumber(const NumberRange& range, std::string_view text)
{
    const auto number = parseNumberField(text);
    if (number && ((*number >= range.minimum && *number <= range.maximum) ||
                   (range.offAllowed && *number == 0)))
        return {};
    return refused("confui.numberRange",
                   {std::to_string(range.minimum), std::to_string(range.maximum)});
}

ValueCheck checkText(TextCheck check, std::string_view text)
{
    switch (check) {
    case TextCheck::None:
    case TextCheck::Directory:
        return {};
    case TextCheck::NotBlank:
        return isBlankText(text) ? refused("confui.blankField") : ValueCheck{};
    case TextCheck::Email:
        return !text.empty() && !isValidEmailAddress(text) ? refused("confui.invalidEmail")
                                                           : ValueCheck{};
    case TextCheck::IpAddress:
        return isValidIpAddressField(text) ? ValueCheck{} : refused("confui.invalidIp");
    case TextCheck::IpNetwork:
        if (isBlankText(text))
            return refused("confui.blankField");
        return normalizeIpEntry(text) ? ValueCheck{} : refused("confui.invalidNetwork");
    case TextCheck::NoBlanks:
        if (isBlankText(text))
            return refused("confui.blankField");
        return text.find(' ') == std::string_view::npos ? ValueCheck{} : refused("confui.noBlanks");
    case TextCheck::UserPassword: {
        // Stored as the user, one blank and the password.
        const std::size_t blank = text.find(' ');
        const std::string_view user = text.substr(0, blank);
        const std::string_view password =
            blank == std::string_view::npos ? std::string_view() : text.substr(blank + 1);
        if (isBlankText(user) || isBlankText(password))
            return refused("confui.blankField");
        return {};
    }
    case TextCheck::CountryCode:
        for (std::string_view entry : countryList())
            if (sameIgnoringAsciiCase(entry.substr(0, entry.find(' ')), text))
                return {};
        return refused("confui.edit.notAChoice");
    }
    return {};
}

ValueCheck checkValue(const ValueRule& rule, std::string_view text)
{
    if (rule.kind == ValueKind::Int)
        return rule.range ? checkNumber(*rule.range, text) : ValueCheck{};
    if (rule.kind == ValueKind::Bool)
        return {};
    return checkText(rule.check, text);
}

ValueCheck checkValue(std::string_view key, std::string_view text)
{
    const auto rule = valueRule(key);
    return rule ? checkValue(*rule, text) : ValueCheck{};
}

ValueCheck checkListValue(std::string_view key, const std::vector<std::string>& items)
{
    const auto rule = valueRule(key);
    if (!rule)
        return {};
    for (std::size_t i = 0; i < items.size(); ++i) {
        ValueCheck check = checkText(rule->check, items[i]);
        if (!check.ok()) {
            check.item = i;
            return check;
        }
    }
    return {};
}

std::string valueCheckMessage(const ValueCheck& check, int languageIndex)
{
    if (check.ok())
        return {};
    std::string message(text(check.messageId, languageIndex));
    if (check.messageId == "confui.invalidEmail") {
        message += '\n';
        message += text("confui.emailFormat", languageIndex);
        message += text("confui.emailSample", languageIndex);
    }
    if (check.arguments.size() == 2)
        return formatText(message, {check.arguments[0], check.arguments[1]});
    if (check.arguments.size() == 1)
        return formatText(message, {check.arguments[0]});
    return message;
}

} // namespace morva::config
