#pragma once

#include "config/ConfigSnapshot.h"

#include <string>
#include <vector>

namespace morva::config {

// How a key came out of a three-way merge of "what was loaded" (base), "the
// file now" (theirs) and "what this editor made of it" (mine).
enum class MergeOutcome
{
    Theirs,   // the file's value stands (mine did not change it, or both agree)
    Mine,     // only mine changed it
    Combined, // both changed it and the changes were put together
    Conflict, // both changed it differently; someone has to choose
};

struct KeyMerge
{
    std::string key;
    MergeOutcome outcome = MergeOutcome::Theirs;
    KeyValue base;
    KeyValue theirs;
    KeyValue mine;
    KeyValue result; // what to write (for a conflict: theirs until chosen)
};

// Merges one key. Single values: whichever side changed wins; both changed to
// different values is a conflict. A key removed from the file reads as its
// default, so "removed on disk" is theirs changing it to the default: it
// stays removed unless mine changed it too, which is a conflict. The comment
// of a line follows the side that changed it (theirs when both did). Lists
// merge item by item: items removed on either side are removed, items added
// on either side are added (once when both added the same), comments follow
// the side that changed them. A conflict remains when one side removed an
// item whose comment the other changed, both changed one comment
// differently, both removed one item and each added others in its place, or
// both reordered the items differently.
KeyMerge mergeKey(std::string key, const KeyValue& base, const KeyValue& theirs,
                  const KeyValue& mine);

// Every key whose merged value is not simply theirs (Mine, Combined and
// Conflict), in registration order.
std::vector<KeyMerge> mergeSnapshots(const ConfigSnapshot& base, const ConfigSnapshot& theirs,
                                     const ConfigSnapshot& mine);

} // namespace morva::config
