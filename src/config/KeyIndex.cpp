#include "config/KeyIndex.h"

#include <functional>

namespace morva::config {

namespace {

// The slot index from the low bits, the tag from the high ones.
std::uint32_t tagOf(std::uint64_t hash)
{
    return static_cast<std::uint32_t>(hash >> 32);
}

} // namespace

KeyIndex::KeyIndex(std::size_t expectedKeys, std::size_t expectedBytes)
{
    m_keys.reserve(expectedBytes);
    m_entries.reserve(expectedKeys);
    std::size_t slots = 16;
    while (slots < expectedKeys * 2)
        slots *= 2;
    m_slots.assign(slots, Slot{});
}

std::string_view KeyIndex::keyOf(const Entry& entry) const
{
    return std::string_view(m_keys).substr(entry.begin, entry.length);
}

std::size_t KeyIndex::slotOf(std::string_view key, std::uint64_t hash) const
{
    const std::size_t mask = m_slots.size() - 1;
    const std::uint32_t tag = tagOf(hash);
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const Slot& held = m_slots[slot];
        if (held.entry == 0 || (held.tag == tag && keyOf(m_entries[held.entry - 1]) == key))
            return slot;
    }
}

std::uint64_t KeyIndex::hashOf(std::string_view key)
{
    return std::hash<std::string_view>{}(key);
}

void KeyIndex::prefetch(std::uint64_t hash) const
{
#if defined(__GNUC__)
    if (!m_slots.empty())
        __builtin_prefetch(&m_slots[hash & (m_slots.size() - 1)]);
#else
    (void)hash;
#endif
}

const std::size_t* KeyIndex::find(std::string_view key, std::uint64_t hash) const
{
    if (m_slots.empty())
        return nullptr;
    const Slot& held = m_slots[slotOf(key, hash)];
    return held.entry == 0 ? nullptr : &m_entries[held.entry - 1].value;
}

std::pair<std::size_t, bool> KeyIndex::tryAdd(std::string_view key, std::uint64_t hash,
                                              std::size_t value)
{
    // At most half full, so that a probe ends soon.
    if (m_slots.empty() || (m_entries.size() + 1) * 2 > m_slots.size())
        grow();
    Slot& held = m_slots[slotOf(key, hash)];
    if (held.entry != 0)
        return {m_entries[held.entry - 1].value, false};
    m_entries.push_back({m_keys.size(), key.size(), value});
    m_keys.append(key);
    held = {tagOf(hash), static_cast<std::uint32_t>(m_entries.size())};
    return {value, true};
}

void KeyIndex::grow()
{
    std::vector<Slot> old = std::move(m_slots);
    m_slots.assign(old.empty() ? 16 : old.size() * 2, Slot{});
    const std::size_t mask = m_slots.size() - 1;
    for (const Slot& held : old) {
        if (held.entry == 0)
            continue;
        const Entry& entry = m_entries[held.entry - 1];
        std::size_t slot = hashOf(keyOf(entry)) & mask;
        while (m_slots[slot].entry != 0)
            slot = (slot + 1) & mask;
        m_slots[slot] = held;
    }
}

} // namespace morva::config
