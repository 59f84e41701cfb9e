#include "confui/browser/PendingSettings.h"

#include "config/ConfigEntry.h"
#include "config/ConfigStore.h"
#include "config/DefaultReset.h"
#include "config/IntegerText.h"
#include "config/SecretValues.h"

#include <variant>

namespace morva::confui {

namespace {

bool readsAsTrue(std::string_view text)
{
    return text == "True" || text == "true" || text == "TRUE" || (!text.empty() && text[0] == '1');
}

config::ConfigValue singleValue(config::ValueKind kind, const std::string& text)
{
    switch (kind) {
    case config::ValueKind::Int:
        return config::parseIntegerText(text);
    case config::ValueKind::Bool:
        return readsAsTrue(text);
    default:
        return text;
    }
}

config::ValueCheck unknownKey()
{
    config::ValueCheck check;
    check.messageId = "browser.unknownKey";
    return check;
}

} // namespace

config::ValueCheck PendingSettings::stageValue(const config::ConfigStore& store,
                                               std::string_view key, std::string_view text)
{
    const auto entry = store.find(key);
    if (!entry || config::isListKind(entry->kind))
        return unknownKey();
    config::ValueCheck check = config::checkValue(key, text);
    if (!check.ok())
        return check;
    const std::string typed(text);
    if (singleValue(entry->kind, typed) == entry->value) {
        discard(key);
        return check;
    }
    Pending& pending = m_pending[std::string(key)];
    pending = Pending{};
    pending.text = typed;
    return check;
}

config::ValueCheck PendingSettings::stageList(const config::ConfigStore& store,
                                              std::string_view key, std::vector<std::string> items,
                                              std::vector<std::string> comments)
{
    const auto entry = store.find(key);
    if (!entry || !config::isListKind(entry->kind))
        return unknownKey();
    config::ValueCheck check = config::checkListValue(key, items);
    if (!check.ok())
        return check;
    comments.resize(items.size());
    std::vector<std::string> storedComments = entry->itemComments;
    storedComments.resize(config::listItemTexts(entry->value).size());
    if (items == config::listItemTexts(entry->value) && comments == storedComments) {
        discard(key);
        return check;
    }
    Pending& pending = m_pending[std::string(key)];
    pending = Pending{};
    pending.list = true;
    pending.items = std::move(items);
    pending.comments = std::move(comments);
    return check;
}

bool PendingSettings::stageReset(const config::ConfigStore& store, std::string_view key)
{
    const auto entry = store.find(key);
    discard(key);
    if (!entry || entry->isDefault())
        return false;
    m_pending[std::string(key)].reset = true;
    return true;
}

void PendingSettings::discard(std::string_view key)
{
    if (const auto found = m_pending.find(key); found != m_pending.end())
        m_pending.erase(found);
}

bool PendingSettings::isPending(std::string_view key) const
{
    return m_pending.find(key) != m_pending.end();
}

namespace {
// `entry` with a pending change applied; list values as their item texts.
template <typename PendingT>
config::ConfigEntry withPending(config::ConfigEntry entry, const PendingT& pending)
{
    if (pending.reset) {
        entry.value = entry.defaultValue;
        entry.itemComments.clear();
    } else if (pending.list) {
        entry.value = config::StringList(pending.items);
        entry.itemComments = pending.comments;
    } else {
        entry.value = singleValue(entry.kind, pending.text);
    }
    return entry;
}
} // namespace

config::ConfigEntry PendingSettings::entryAfter(const config::ConfigStore& store,
                                                std::string_view key) const
{
    config::ConfigEntry entry = store.find(key).value_or(config::ConfigEntry{});
    if (const auto found = m_pending.find(key); found != m_pending.end())
        return withPending(std::move(entry), found->second);
    return entry;
}

std::vector<SettingChange> PendingSettings::changes(const config::ConfigStore& store) const
{
    std::vector<SettingChange> result;
    if (m_pending.empty())
        return result;
    store.forEachEntry([&](const config::ConfigEntry& entry) {
        const auto found = m_pending.find(entry.name);
        if (found == m_pending.end())
            return;
        result.push_back(SettingChange{entry.name, reviewText(entry),
                                       reviewText(withPending(entry, found->second))});
    });
    return result;
}

void PendingSettings::applyTo(config::ConfigStore& store) const
{
    for (const auto& [key, pending] : m_pending) {
        const auto entry = store.find(key);
        if (!entry)
            continue;
        if (pending.reset) {
            config::resetToDefault(store, key);
        } else if (pending.list) {
            store.setList(key, pending.items);
            const bool keepsComments = (entry->flags & config::ValueFlag::NoComment) == 0;
            store.setItemComments(key, keepsComments
                                           ? pending.comments
                                           : std::vector<std::string>(pending.items.size()));
        } else if (entry->kind == config::ValueKind::Int) {
            store.setInt(key, config::parseIntegerText(pending.text));
        } else if (entry->kind == config::ValueKind::Bool) {
            store.setBool(key, readsAsTrue(pending.text));
        } else {
            store.setString(key, pending.text);
        }
    }
}

std::string reviewText(const config::ConfigEntry& entry)
{
    if (!config::isListKind(entry.kind))
        return config::maskSecret(entry.name, config::displayText(entry.value));
    std::string text;
    for (const std::string& item : config::listItemTexts(entry.value)) {
        if (!text.empty())
            text += '\n';
        text += config::maskSecret(entry.name, item);
    }
    return text;
}

} // namespace morva::confui
