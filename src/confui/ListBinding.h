#pragma once

#include "config/ListChecks.h"
#include "confui/Catalogue.h"

#include <set>
#include <string>
#include <vector>

namespace morva::config {
class ConfigStore;
}

namespace morva::confui {

// A list setting as a page edits it: the entries of a list key and one
// comment per entry, by position. New entries are appended; the list box
// shows each entry with its 1-based position as item data, so a sorted view
// still maps back to the right entry.
class ListBinding
{
public:
    ListBinding(std::string key, std::string entryDialog, ListKind kind);

    const std::string& key() const { return m_key; }
    const std::string& entryDialog() const { return m_entryDialog; }
    ListKind kind() const { return m_kind; }
    // Whether the store keeps the entries as UTF-8 (a text list); otherwise
    // they are 8-bit texts. Known after load().
    bool heldAsUtf8() const { return m_utf8; }
    // What the entries stand for, when the list checks judge them (known
    // after load()).
    std::optional<config::ListEntryKind> entryKind() const { return m_entryKind; }
    // Duplicates, covered entries and entries that can never match.
    std::vector<config::ListFinding> findings() const;

    // Reads the key's entries (IP lists normalised) and its comment list,
    // padded or cut to the number of entries.
    void load(const config::ConfigStore& store);
    // Writes the entries and then the comments under the same key; a key
    // the gateway reads without comments gets none.
    void save(config::ConfigStore& store) const;
    // False for keys whose whole line is the value (a semicolon is part of
    // the entry): their entries carry no comment.
    bool keepsComments() const;

    const std::vector<std::string>& values() const { return m_values; }
    const std::vector<std::string>& comments() const { return m_comments; }
    std::size_t size() const { return m_values.size(); }

    void append(std::string value, std::string comment);
    // `position` is 1-based; false when out of range.
    bool replace(std::size_t position, std::string value, std::string comment);
    // Removes the 1-based positions given; the others keep their order and
    // their comments.
    void remove(const std::set<std::size_t>& positions);
    // Appends the items not yet in the list (with empty comments); returns
    // how many were added.
    std::size_t appendMissing(const std::vector<std::string>& items);
    // Replaces everything (data exchange from the list box).
    void assign(std::vector<std::string> values, std::vector<std::string> comments);

private:
    std::string m_key;
    std::string m_entryDialog;
    ListKind m_kind;
    std::vector<std::string> m_values;
    std::vector<std::string> m_comments;
    unsigned m_flags = 0; // the key's normalisation flags, from load()
    bool m_utf8 = false;
    std::optional<config::ListEntryKind> m_entryKind;
};

} // namespace morva::confui
