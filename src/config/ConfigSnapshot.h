#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace morva::config {

class ConfigStore;

// A key's value as reviews and merges compare it: the items of a list, or
// the one text of a single value, each with the comment of its line.
struct KeyValue
{
    bool list = false;
    std::vector<std::string> items;
    std::vector<std::string> comments; // one per item ("" when none)

    bool operator==(const KeyValue& other) const = default;
};

// Every key of a store with its value as texts, in registration order.
class ConfigSnapshot
{
public:
    void add(std::string key, KeyValue value);
    std::size_t size() const { return m_keys.size(); }
    const std::string& keyAt(std::size_t index) const { return m_keys[index]; }
    const KeyValue& valueAt(std::size_t index) const { return m_values[index]; }
    // Nullptr when the key is not in the snapshot.
    const KeyValue* find(std::string_view key) const;

private:
    std::vector<std::string> m_keys;
    std::vector<KeyValue> m_values;
    std::unordered_map<std::string, std::size_t> m_index;
};

ConfigSnapshot snapshotOf(const ConfigStore& store);

// Sets `key` of `store` to `value` with the setter of the key's kind (the
// comments too); an unregistered key is left alone.
void applyValue(ConfigStore& store, std::string_view key, const KeyValue& value);

// A store over the same file as `store` with the same keys registered, not
// yet loaded.
std::unique_ptr<ConfigStore> storeLike(const ConfigStore& store);

} // namespace morva::config
