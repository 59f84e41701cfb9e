#pragma once

#include "config/ConfigSnapshot.h"

#include <string>
#include <vector>

namespace morva::config {

// A pending change of one key as an editor offers it: the old and the new
// value as text, the items of a list one per line.
struct PendingChange
{
    std::string key;
    std::string oldText;
    std::string newText;
};

// One row of a review of changes, secrets already masked.
struct ChangeRow
{
    enum class Kind
    {
        Changed,     // a single value: old and new
        ItemAdded,   // a list item only in the new value (newText)
        ItemRemoved, // a list item only in the old value (oldText)
    };
    std::string key;
    Kind kind = Kind::Changed;
    std::string oldText;
    std::string newText;
};

// The rows of `changes`: a list key (of the schema) gives one row per item
// added or removed (an item that only moved gives none), any other key one
// row with both values; a change that changes nothing gives no row.
std::vector<ChangeRow> changeRows(const std::vector<PendingChange>& changes);

// The keys whose value differs between `before` and `after` (comments not
// counted), in the order of `after`.
std::vector<PendingChange> pendingChanges(const ConfigSnapshot& before,
                                          const ConfigSnapshot& after);

// A value as one text: the items of a list one per line.
std::string joinedText(const KeyValue& value);

} // namespace morva::config
