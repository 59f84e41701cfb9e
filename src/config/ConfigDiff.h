#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace morva::config {

// One difference between two versions of "Morva.ini". A changed single value
// has both texts; a list item (or a repeated unknown key) added has only
// `newText`, one removed only `oldText`. A line without a key (a comment, an
// unknown line) has an empty `key` and the whole line as its text. Values of
// keys that hold secrets are masked (maskSecret).
struct ConfigChange
{
    std::string key;
    std::string oldText;
    std::string newText;
    bool hasOld = false;
    bool hasNew = false;

    bool operator==(const ConfigChange&) const = default;
};

// Whether the lines of a key are the items of one list (true) or repeats of
// a single value, of which the last one counts (false). Keys it does not know
// count as a list when they appear more than once.
using ListKeyTest = std::function<bool(std::string_view key, bool repeated)>;

// The list keys of the schema; other keys: repeated ones.
ListKeyTest schemaListKeys();

// The changes from `oldText` to `newText`, key by key: keys in the order they
// first appear in the new text, then keys found only in the old one, then the
// lines without a key that were removed and added. Blank lines, the order of
// lines, blanks around keys and values and the line ends do not count.
std::vector<ConfigChange> diffConfigTexts(std::string_view oldText, std::string_view newText,
                                          const ListKeyTest& isList = {});

// How many different keys the changes touch (lines without a key not counted).
std::size_t countChangedKeys(const std::vector<ConfigChange>& changes);

} // namespace morva::config
