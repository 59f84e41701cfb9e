#include "confui/browser/SettingsFilter.h"

#include "config/ConfigEntry.h"

#include <algorithm>

namespace morva::confui {

bool SettingsFilter::passes(const SettingInfo& setting, bool isDefault) const
{
    if (changedOnly && isDefault)
        return false;
    if (kind && setting.kind != *kind)
        return false;
    if (listsOnly && !config::isListKind(setting.kind))
        return false;
    if (noPageOnly && !setting.places.empty())
        return false;
    if (sheetType &&
        std::none_of(setting.places.begin(), setting.places.end(),
                     [&](const SettingPlace& place) { return place.sheetType == *sheetType; }))
        return false;
    return true;
}

namespace {
std::string oneLine(std::string text)
{
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    return text;
}
} // namespace

std::string valueSummary(const config::ConfigEntry& entry, std::size_t itemsShown)
{
    if (!config::isListKind(entry.kind))
        return oneLine(config::displayText(entry.value));
    const std::vector<std::string> items = config::listItemTexts(entry.value);
    std::string summary = std::to_string(items.size());
    for (std::size_t i = 0; i < items.size() && i < itemsShown; ++i)
        summary += (i == 0 ? ": " : ", ") + oneLine(items[i]);
    if (items.size() > itemsShown)
        summary += ", ...";
    return summary;
}

} // namespace morva::confui
