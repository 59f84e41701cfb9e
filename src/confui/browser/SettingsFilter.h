#pragma once

// The settings browser's filters over the index: changed from the default,
// by sheet, by kind, lists only, keys on no page. Standard C++ only.

#include "config/ValueKind.h"
#include "confui/browser/SettingsIndex.h"

#include <optional>
#include <string>
#include <vector>

namespace morva::config {
class ConfigStore;
struct ConfigEntry;
} // namespace morva::config

namespace morva::confui {

struct SettingsFilter
{
    bool changedOnly = false;              // value differs from the default
    std::optional<int> sheetType;          // a place on this sheet
    std::optional<config::ValueKind> kind; // exactly this kind
    bool listsOnly = false;                // StringList, TextList or NetList
    bool noPageOnly = false;               // no page edits the key

    // Whether `setting`, whose value is `isDefault`, passes every filter set.
    bool passes(const SettingInfo& setting, bool isDefault) const;
};

// The value of an entry as one line of the browser: a single value as
// morvactl prints it; a list as its item count and the first items
// ("3: a, b, c"; "12: a, b, c, ..."), at most `itemsShown` of them; control
// characters shown as blanks.
std::string valueSummary(const config::ConfigEntry& entry, std::size_t itemsShown = 3);

} // namespace morva::confui
