#pragma once

// The settings browser's changes that are not saved yet: a value typed for
// a key, a list with its comments, or a key set back to its default. Each
// change is checked with the key's value rule when it is made; applyTo()
// writes them into the store with the setters `morvactl config set` and the
// pages use, so one save writes what either would. Standard C++ only.

#include "config/ValueRules.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace morva::config {
class ConfigStore;
struct ConfigEntry;
} // namespace morva::config

namespace morva::confui {

// One pending change as a review shows it: the value before and after, as
// single lines (a list: its items one per line), secrets masked.
struct SettingChange
{
    std::string key;
    std::string oldText;
    std::string newText;
};

class PendingSettings
{
public:
    // A single value (Int, String; Bool as "True"/"False") typed as
    // `text`. Refused, with nothing changed, unless the key's rule accepts
    // the text. A value equal to the stored one drops the pending change.
    config::ValueCheck stageValue(const config::ConfigStore& store, std::string_view key,
                                  std::string_view text);
    // A list's items and their comments (by position; missing ones empty).
    config::ValueCheck stageList(const config::ConfigStore& store, std::string_view key,
                                 std::vector<std::string> items, std::vector<std::string> comments);
    // The key back to its default; false (nothing staged, a pending change
    // dropped) when it already holds the default or is no key.
    bool stageReset(const config::ConfigStore& store, std::string_view key);

    void discard(std::string_view key);
    void clear() { m_pending.clear(); }
    bool empty() const { return m_pending.empty(); }
    std::size_t size() const { return m_pending.size(); }
    bool isPending(std::string_view key) const;

    // The entry of `key` as it will be after applyTo() (value and, for a
    // list, comments); the stored entry when nothing is pending.
    config::ConfigEntry entryAfter(const config::ConfigStore& store, std::string_view key) const;
    // Every pending change, in the order the keys were registered.
    std::vector<SettingChange> changes(const config::ConfigStore& store) const;

    // Writes every pending change into `store` (not saved).
    void applyTo(config::ConfigStore& store) const;

private:
    struct Pending
    {
        bool reset = false;
        bool list = false;
        std::string text;                  // single values
        std::vector<std::string> items;    // lists
        std::vector<std::string> comments; // lists, one per item
    };
    std::map<std::string, Pending, std::less<>> m_pending;
};

// A value of `entry` as SettingChange shows it: a single value as
// morvactl prints it, a list's items one per line; secrets masked.
std::string reviewText(const config::ConfigEntry& entry);

} // namespace morva::confui
