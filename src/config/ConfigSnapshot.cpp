#include "config/ConfigSnapshot.h"

#include "config/ConfigStore.h"
#include "config/IntegerText.h"

namespace morva::config {

void ConfigSnapshot::add(std::string key, KeyValue value)
{
    m_index.emplace(key, m_keys.size());
    m_keys.push_back(std::move(key));
    m_values.push_back(std::move(value));
}

const KeyValue* ConfigSnapshot::find(std::string_view key) const
{
    const auto found = m_index.find(std::string(key));
    return found == m_index.end() ? nullptr : &m_values[found->second];
}

ConfigSnapshot snapshotOf(const ConfigStore& store)
{
    ConfigSnapshot snapshot;
    store.forEachEntry([&](const ConfigEntry& entry) {
        KeyValue value;
        value.list = isListKind(entry.kind);
        if (value.list)
            value.items = listItemTexts(entry.value);
        else
            value.items.assign(1, displayText(entry.value));
        value.comments = entry.itemComments;
        value.comments.resize(value.items.size());
        snapshot.add(entry.name, std::move(value));
    });
    return snapshot;
}

void applyValue(ConfigStore& store, std::string_view key, const KeyValue& value)
{
    const auto entry = store.find(key);
    if (!entry)
        return;
    if (isListKind(entry->kind)) {
        store.setList(key, value.items);
        store.setItemComments(key, value.comments);
        return;
    }
    const std::string text = value.items.empty() ? std::string() : value.items.front();
    switch (entry->kind) {
    case ValueKind::Int:
        store.setInt(key, parseIntegerText(text));
        break;
    case ValueKind::Bool:
        store.setBool(key, text == "True");
        break;
    default:
        store.setString(key, text);
        break;
    }
    const std::string comment = value.comments.empty() ? std::string() : value.comments.front();
    if (!comment.empty() || !entry->itemComments.empty())
        store.setItemComments(key, {comment});
}

std::unique_ptr<ConfigStore> storeLike(const ConfigStore& store)
{
    auto copy = std::make_unique<ConfigStore>(store.fileSystem(), store.clock(), store.programDir(),
                                              store.fileName());
    // A relative program directory resolves the resolved name once more.
    if (copy->fileName() != store.fileName())
        copy = std::make_unique<ConfigStore>(store.fileSystem(), store.clock(), std::string(),
                                             store.fileName());
    // Saves through the copy are kept in the same history.
    copy->setSaveHook(store.saveHook());
    store.forEachEntry([&](const ConfigEntry& entry) {
        switch (entry.kind) {
        case ValueKind::String:
            copy->registerString(entry.name, std::get<std::string>(entry.defaultValue),
                                 entry.flags);
            break;
        case ValueKind::Int:
            copy->registerInt(entry.name, std::get<std::int32_t>(entry.defaultValue));
            break;
        case ValueKind::Bool:
            copy->registerBool(entry.name, std::get<bool>(entry.defaultValue));
            break;
        case ValueKind::StringList:
            copy->registerStringList(entry.name, entry.flags);
            break;
        case ValueKind::TextList:
            copy->registerTextList(entry.name, entry.flags);
            break;
        case ValueKind::NetList:
            copy->registerNetList(entry.name, entry.flags);
            break;
        }
    });
    return copy;
}

} // namespace morva::config
