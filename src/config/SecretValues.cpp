#include "config/SecretValues.h"

#include <array>

namespace morva::config {
namespace {

// List keys whose items keep a secret after a number of leading fields.
struct SecretField
{
    std::string_view key;
    char separator;
    int fieldsBefore; // fields shown before the secret
};

constexpr std::array kSecretFields{
    // "user password"
    SecretField{"InboundSMTPAuthUserPass", ' ', 1},
    // "pattern,certificate,key password" (commas inside quotes belong to a field)
    SecretField{"OutboundSMIMESign", ',', 2},
    SecretField{"InboundSMIMECrypt", ',', 2},
};

constexpr std::string_view kWholeSecretKeys[] = {"OutboundSMTPAuthPassword"};

const SecretField* secretFieldOf(std::string_view key)
{
    for (const auto& field : kSecretFields)
        if (field.key == key)
            return &field;
    return nullptr;
}

bool isWholeSecret(std::string_view key)
{
    for (auto whole : kWholeSecretKeys)
        if (whole == key)
            return true;
    return false;
}

// The offset just past the separator that ends field number `count`, or npos
// when the text has fewer fields. Double quotes protect separators.
std::size_t offsetAfterFields(std::string_view text, char separator, int count)
{
    bool quoted = false;
    int seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"' && separator != ' ')
            quoted = !quoted;
        else if (c == separator && !quoted && ++seen == count)
            return i + 1;
    }
    return std::string_view::npos;
}

} // namespace

bool holdsSecret(std::string_view key)
{
    return isWholeSecret(key) || secretFieldOf(key) != nullptr;
}

std::string maskSecret(std::string_view key, std::string_view text)
{
    if (isWholeSecret(key))
        return text.empty() ? std::string{} : std::string{kMaskedSecret};
    const auto* field = secretFieldOf(key);
    if (field == nullptr)
        return std::string{text};
    const auto start = offsetAfterFields(text, field->separator, field->fieldsBefore);
    if (start == std::string_view::npos || start >= text.size())
        return std::string{text};
    return std::string{text.substr(0, start)} + std::string{kMaskedSecret};
}

} // namespace morva::config
