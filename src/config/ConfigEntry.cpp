#include "config/ConfigEntry.h"

#include "config/TextListCodec.h"

namespace morva::config {

ConfigValue emptyValueOf(ValueKind kind)
{
    switch (kind) {
    case ValueKind::String:
        return std::string();
    case ValueKind::Int:
        return std::int32_t{0};
    case ValueKind::Bool:
        return false;
    case ValueKind::StringList:
        return StringList();
    case ValueKind::TextList:
        return TextList();
    case ValueKind::NetList:
        return NetList();
    }
    return std::string();
}

const std::string* ConfigEntry::undecodedBytes(std::size_t n, std::u16string_view text) const
{
    // Only a lossy decoding leaves replacement characters behind.
    if (undecodedItems.empty() || text.find(u'\xFFFD') == std::u16string_view::npos)
        return nullptr;
    const UndecodedItem* match = nullptr;
    for (const UndecodedItem& kept : undecodedItems) {
        if (kept.decoded != text)
            continue;
        // Two items may decode alike; the one read at this position wins.
        if (kept.item == n)
            return &kept.bytes;
        if (!match)
            match = &kept;
    }
    return match ? &match->bytes : nullptr;
}

std::string displayText(const ConfigValue& value)
{
    if (auto* text = std::get_if<std::string>(&value))
        return *text;
    if (auto* number = std::get_if<std::int32_t>(&value))
        return std::to_string(*number);
    if (auto* flag = std::get_if<bool>(&value))
        return *flag ? "True" : "False";
    return {};
}

std::vector<std::string> listItemTexts(const ConfigValue& value)
{
    if (auto* items = std::get_if<StringList>(&value))
        return *items;
    std::vector<std::string> out;
    if (auto* texts = std::get_if<TextList>(&value)) {
        out.reserve(texts->size());
        for (const auto& item : *texts)
            out.push_back(encodeTextItem(item));
    } else if (auto* networks = std::get_if<NetList>(&value)) {
        out.reserve(networks->size());
        for (const auto& item : *networks)
            out.push_back(item.toString());
    }
    return out;
}

} // namespace morva::config
