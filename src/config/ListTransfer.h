#pragma once

#include "config/ImportPlan.h"
#include "config/ValueFlag.h"
#include "config/ValueRules.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morva::config {

class ConfigStore;

// Export and import of a list setting: CSV with the columns "entry" and
// "comment" (keys without comments: "entry" only), or plain text with one
// "entry ;comment" per line as "Morva.ini" writes its items.
struct ListTarget
{
    std::string key;
    ValueFlags flags = 0;
    bool keepsComments = true; // false: a ";" is part of the entry
    bool utf8 = false;         // the store keeps the entries as UTF-8 (a text list)
    bool networks = false;     // entries are IP networks, kept normalised
    // A check beyond the key's rule (the entry dialog's fields); may be empty.
    std::function<ValueCheck(std::string_view entry)> entryCheck;
};

// The target of a list key as the store registered it; none for a key that
// is unknown or holds no list.
std::optional<ListTarget> listTarget(const ConfigStore& store, std::string_view key);

const std::vector<std::string>& listColumns(bool keepsComments);

struct ListExport
{
    std::string text;
    std::size_t rows = 0;
    std::size_t lostCharacters = 0; // written as "?" in the 8-bit form
};

// The entries (and their comments, by position) as stored; `only` holds
// 0-based positions to export instead of all.
ListExport exportList(const ListTarget& target, const std::vector<std::string>& values,
                      const std::vector<std::string>& comments, TransferFormat format,
                      TextForm form, const std::vector<std::size_t>* only = nullptr);

// Checks every row as the entry dialogs check an entry and marks the rows
// that repeat an earlier row or (appending) an entry of `existing`.
bool planListImport(const ListTarget& target, std::string_view fileBytes, TransferFormat format,
                    ImportMode mode, const std::vector<std::string>& existing, ImportPlan* plan,
                    const TransferProgress& progress = {});

// The list after the import: the accepted rows behind the entries or in
// their place.
void applyListImport(const ImportPlan& plan, ImportMode mode, std::vector<std::string>* values,
                     std::vector<std::string>* comments);

} // namespace morva::config
