#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace morva::db {

// The checks the record editors apply before a value is written into a
// record. Each returns the id of the message to show (in the "db" text
// section), or an empty id when the value passes.
struct FieldCheck
{
    std::string_view messageId; // empty: passed
    std::size_t limit = 0;      // for "db.tooLong": the allowed length
    bool ok() const { return messageId.empty(); }
};

constexpr std::size_t kAddressFieldLimit = 128;
constexpr std::size_t kUserNameLimit = 30;
constexpr std::string_view kSampleAddress = "user@domain.com";

// Not blank, at most `limit` bytes, and no control characters (a CR or LF
// inside a record would break the line the gateway reads).
FieldCheck checkTextValue(std::string_view value, std::size_t limit);
// checkTextValue with the address field's limit, then the SMTP address check.
FieldCheck checkAddressValue(std::string_view value);
// Block types the editor offers: 0 IP address, 1 host name, 2 MAIL FROM address.
FieldCheck checkBlockType(std::int64_t type);

// The full message text of a failed check in the given language (the
// address message carries its "Format is ..." line).
std::string fieldCheckMessage(const FieldCheck& check, int languageIndex);

} // namespace morva::db
