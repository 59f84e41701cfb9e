#include "config/Schema.h"

#include "config/ConfigStore.h"
#include "config/IntegerText.h"

namespace morva::config {

void registerSchema(ConfigStore& store)
{
    std::size_t count = 0;
    const SchemaGroup* groups = schemaGroups(&count);
    for (std::size_t g = 0; g < count; ++g) {
        const SchemaGroup& group = groups[g];
        const std::string_view defaultText = group.defaultText;
        std::string_view names = group.names;
        while (!names.empty()) {
            const std::size_t blank = names.find(' ');
            const std::string_view key = names.substr(0, blank);
            names = blank == std::string_view::npos ? std::string_view() : names.substr(blank + 1);
            switch (group.kind) {
            case ValueKind::String:
                store.registerString(key, defaultText, group.flags);
                break;
            case ValueKind::Int:
                store.registerInt(key, parseIntegerText(defaultText));
                break;
            case ValueKind::Bool:
                store.registerBool(key, defaultText == "true");
                break;
            case ValueKind::StringList:
                store.registerStringList(key, group.flags);
                break;
            case ValueKind::TextList:
                store.registerTextList(key, group.flags);
                break;
            case ValueKind::NetList:
                store.registerNetList(key, group.flags);
                break;
            }
        }
    }
}

} // namespace morva::config
