#pragma once

#include "records/RouteEntry.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace morva::config {
class ConfigStore;
}

namespace morva::records {

// Whether a text can be an item of the route, translation and rewrite lists:
// in "Morva.ini" a semicolon starts the line's comment, so the item would be
// cut there when the file is read again.
bool fitsListItem(std::string_view text);

// The route list behind the routing editor: the entries of one list key
// with the comment that stood on each entry's line. Entries without a host
// are not shown and are dropped at the next store, as the gateway ignores
// them; comments stay with their entries.
class RouteListEditor
{
public:
    explicit RouteListEditor(std::string key) : m_key(std::move(key)) {}

    void load(const config::ConfigStore& store);
    // Puts the entries (and their comments) back into the store; does not save.
    void store(config::ConfigStore& store) const;

    const std::string& key() const { return m_key; }
    const std::vector<RouteEntry>& entries() const { return m_entries; }
    void append(RouteEntry entry);
    void replace(std::size_t index, RouteEntry entry);
    void remove(std::size_t index);

private:
    std::string m_key;
    std::vector<RouteEntry> m_entries;
    std::vector<std::string> m_comments;
};

// Two parallel list keys (translation, rewrite): entry i of the source list
// belongs to entry i of the target list. When a hand-edited file holds more
// items in one list than in the other, the unpaired items are not shown and
// are kept as they are behind the pairs, so nothing the editor cannot show
// is lost.
class PairedListEditor
{
public:
    PairedListEditor(std::string sourceKey, std::string targetKey)
        : m_sourceKey(std::move(sourceKey)), m_targetKey(std::move(targetKey))
    {
    }

    void load(const config::ConfigStore& store);
    void store(config::ConfigStore& store) const;

    const std::string& sourceKey() const { return m_sourceKey; }
    const std::string& targetKey() const { return m_targetKey; }
    std::size_t size() const { return m_pairs; }
    std::pair<std::string, std::string> entry(std::size_t index) const;
    void append(std::string source, std::string target);
    void replace(std::size_t index, std::string source, std::string target);
    void remove(std::size_t index);

private:
    struct Side
    {
        std::vector<std::string> items;
        std::vector<std::string> comments;
    };
    void insertAt(Side& side, std::size_t index, std::string value);

    std::string m_sourceKey;
    std::string m_targetKey;
    Side m_source;
    Side m_target;
    std::size_t m_pairs = 0;
};

} // namespace morva::records
