#include "db/RecordFieldChecks.h"

#include "db/EmailAddressCheck.h"
#include "resources/Texts.h"

#include <cstdint>

namespace morva::db {

FieldCheck checkTextValue(std::string_view value, std::size_t limit)
{
    if (value.find_first_not_of(" \t") == std::string_view::npos)
        return {"db.blankField"};
    for (char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            return {"db.controlCharacter"};
    }
    if (value.size() > limit)
        return {"db.tooLong", limit};
    return {};
}

FieldCheck checkAddressValue(std::string_view value)
{
    FieldCheck text = checkTextValue(value, kAddressFieldLimit);
    if (!text.ok())
        return text;
    if (!isValidEmailAddress(value))
        return {"db.invalidAddress"};
    return {};
}

FieldCheck checkBlockType(std::int64_t type)
{
    if (type < 0 || type > 2)
        return {"db.badBlockType"};
    return {};
}

std::string fieldCheckMessage(const FieldCheck& check, int languageIndex)
{
    if (check.ok())
        return {};
    std::string message(text(check.messageId, languageIndex));
    if (check.messageId == "db.invalidAddress") {
        message += "\n";
        message += text("db.formatIs", languageIndex);
        message += kSampleAddress;
    }
    if (const auto at = message.find("%1"); at != std::string::npos)
        message.replace(at, 2, std::to_string(check.limit));
    return message;
}

} // namespace morva::db
