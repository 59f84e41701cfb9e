#pragma once

#include "config/IpNetwork.h"
#include "config/ValueFlag.h"
#include "config/ValueKind.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace morva::config {

using StringList = std::vector<std::string>;
using TextList = std::vector<std::u16string>;
using NetList = std::vector<IpNetwork>;

// A value of any kind; the index of the alternative is the ValueKind.
using ConfigValue = std::variant<std::string, std::int32_t, bool, StringList, TextList, NetList>;

// One registered key with its current value and what the file kept around it.
struct ConfigEntry
{
    std::string name; // as registered; matched exactly and case-sensitively
    ValueKind kind = ValueKind::String;
    ValueFlags flags = 0;
    ConfigValue value;
    ConfigValue defaultValue;
    // For a single-valued kind at most one (the comment of its line); for a
    // list kind one per item, by position.
    std::vector<std::string> itemComments;
    // Comments, blank lines and unknown lines that stood directly above the key.
    std::vector<std::string> leadingLines;
    // For a list kind, the lines that stood between its items: each group
    // with the position of the item it stood above (ascending, never 0: the
    // lines above the first item are leadingLines). A save writes each group
    // above the item now at that position, or after the last item when the
    // list became shorter.
    struct LinesBeforeItem
    {
        std::size_t item = 0;
        std::vector<std::string> lines;
    };
    std::vector<LinesBeforeItem> linesBeforeItems;
    // For a TextList, the items whose bytes in the file were no valid UTF-8
    // (text of an older editor in an 8-bit code page): what they decoded to
    // and the bytes read, so that a save writes an item nobody changed as it
    // stood instead of with replacement characters.
    struct UndecodedItem
    {
        std::size_t item = 0; // position when read
        std::u16string decoded;
        std::string bytes;
    };
    std::vector<UndecodedItem> undecodedItems;
    // The bytes to write for TextList item `n` holding `text`: the bytes it
    // was read from when it still decodes to what they gave; nullptr when
    // it is to be encoded.
    const std::string* undecodedBytes(std::size_t n, std::u16string_view text) const;

    bool isDefault() const { return value == defaultValue; }
};

// The empty value of a kind ("", 0, false or an empty list).
ConfigValue emptyValueOf(ValueKind kind);

// Text of a single-valued value as morvactl and the pages show it: String as
// it stands, Int in signed decimal, Bool "True"/"False". Empty for lists.
std::string displayText(const ConfigValue& value);

// The items of a list value as texts: StringList as they stand, TextList as
// UTF-8, NetList in network text form. Empty for single kinds.
std::vector<std::string> listItemTexts(const ConfigValue& value);

} // namespace morva::config
