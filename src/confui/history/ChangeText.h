#pragma once

#include "config/ConfigDiff.h"

#include <string>
#include <vector>

namespace morva::confui {

// The changes as plain lines for a reader: "Key: old -> new" for a changed
// value, "+ Key = item" and "- Key = item" for items added and removed,
// "+ line" and "- line" for lines without a key. `noChanges` is the text
// when there are none.
std::string changeLines(const std::vector<config::ConfigChange>& changes,
                        const std::string& noChanges);

} // namespace morva::confui
