#include "config/DefaultReset.h"

#include "config/ConfigStore.h"

#include <variant>

namespace morva::config {

bool resetToDefault(ConfigStore& store, std::string_view key)
{
    const auto entry = store.find(key);
    if (!entry || entry->isDefault())
        return false;
    const ConfigValue& value = entry->defaultValue;
    switch (entry->kind) {
    case ValueKind::String:
        store.setString(key, std::get<std::string>(value));
        break;
    case ValueKind::Int:
        store.setInt(key, std::get<std::int32_t>(value));
        break;
    case ValueKind::Bool:
        store.setBool(key, std::get<bool>(value));
        break;
    case ValueKind::StringList:
    case ValueKind::TextList:
    case ValueKind::NetList:
        store.setList(key, listItemTexts(value));
        store.setItemComments(key, {});
        break;
    }
    return true;
}

} // namespace morva::config
