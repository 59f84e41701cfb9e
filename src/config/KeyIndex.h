#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace morva::config {

// A set of text keys, each with the number it was first added with (a line,
// a position), for finding repeats among 100,000s of rows: the keys share
// one buffer and the table is open addressing, so adding a key allocates
// nothing but the occasional growth.
class KeyIndex
{
public:
    KeyIndex() = default;
    // Room for about `expectedKeys` keys of `expectedBytes` in all.
    explicit KeyIndex(std::size_t expectedKeys, std::size_t expectedBytes = 0);

    // The number `key` was added with, or nullptr.
    const std::size_t* find(std::string_view key) const { return find(key, hashOf(key)); }

    // Adds `key` with `value` when it is not there: (value, true); else
    // (the number it has, false).
    std::pair<std::size_t, bool> tryAdd(std::string_view key, std::size_t value)
    {
        return tryAdd(key, hashOf(key), value);
    }

    // The same with the key's hash worked out before, for a caller that
    // prefetches: a key's slot is a random place in a table of megabytes,
    // and loading it takes longer than checking a row. Asking for the slot
    // of the next key while the one before is finished hides that wait.
    static std::uint64_t hashOf(std::string_view key);
    void prefetch(std::uint64_t hash) const;
    const std::size_t* find(std::string_view key, std::uint64_t hash) const;
    std::pair<std::size_t, bool> tryAdd(std::string_view key, std::uint64_t hash,
                                        std::size_t value);

    std::size_t size() const { return m_entries.size(); }

private:
    struct Entry
    {
        std::size_t begin = 0; // in m_keys
        std::size_t length = 0;
        std::size_t value = 0;
    };
    // A slot holds part of the key's hash, so that a probe past another
    // key rarely has to look at that key.
    struct Slot
    {
        std::uint32_t tag = 0;
        std::uint32_t entry = 0; // index in m_entries + 1; 0 is free
    };

    // The slot that holds `key` or the free one where it belongs.
    std::size_t slotOf(std::string_view key, std::uint64_t hash) const;
    std::string_view keyOf(const Entry& entry) const;
    void grow();

    std::string m_keys;
    std::vector<Entry> m_entries;
    std::vector<Slot> m_slots;
};

} // namespace morva::config
