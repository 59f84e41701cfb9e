#include "confui/browser/SettingsIndex.h"

#include "config/ConfigStore.h"
#include "confui/Catalogue.h"

namespace morva::confui {

namespace {

void addPlaces(std::vector<SettingInfo>& settings,
               const std::unordered_map<std::string_view, std::size_t>& byKey,
               const SheetDef& sheet, const SheetPage& entry, const PageDef& page)
{
    SettingPlace place;
    place.sheetType = sheet.type;
    place.sheetCaption = sheet.caption;
    place.page = page.name;
    place.pageCaption = entry.caption.empty() ? page.caption : entry.caption;
    place.helpAnchor = page.helpAnchor;
    auto add = [&](const std::string& key, const std::string& label) {
        const auto found = byKey.find(key);
        if (found == byKey.end())
            return; // the catalogue's schema check reports such a key
        SettingPlace at = place;
        at.label = label;
        settings[found->second].places.push_back(std::move(at));
    };
    for (const Control& control : page.controls) {
        switch (control.kind) {
        case ControlKind::Group:
            place.group = control.label;
            break;
        case ControlKind::EndGroup:
            place.group.clear();
            break;
        case ControlKind::ExcludeButton: {
            static const char* const kListCaptions[] = {
                "confui.page.ExclIP", "confui.page.ExclHost", "confui.page.ExclFrom",
                "confui.page.ExclTo"};
            const auto keys = exclusionKeys(control.stem, control.shape);
            for (std::size_t i = 0; i < keys.size(); ++i)
                add(keys[i], kListCaptions[i]);
            break;
        }
        default:
            for (const std::string& key : boundKeys(control))
                add(key, control.label);
            break;
        }
    }
}

} // namespace

SettingsIndex::SettingsIndex(const config::ConfigStore& store, const Catalogue& catalogue)
{
    m_settings.reserve(store.entryCount());
    store.forEachEntry([&](const config::ConfigEntry& entry) {
        SettingInfo info;
        info.key = entry.name;
        info.kind = entry.kind;
        if (!config::isListKind(entry.kind))
            info.defaultText = config::displayText(entry.defaultValue);
        m_settings.push_back(std::move(info));
    });
    // The views point into m_settings, which does not grow any more.
    for (std::size_t i = 0; i < m_settings.size(); ++i)
        m_byKey.emplace(m_settings[i].key, i);

    for (const SheetDef& sheet : catalogue.sheets()) {
        if (sheet.type < 1)
            continue;
        for (const SheetPage& entry : sheet.pages)
            if (const PageDef* page = catalogue.page(entry.page))
                addPlaces(m_settings, m_byKey, sheet, entry, *page);
    }
}

std::optional<std::size_t> SettingsIndex::indexOf(std::string_view key) const
{
    const auto found = m_byKey.find(key);
    if (found == m_byKey.end())
        return std::nullopt;
    return found->second;
}

std::string plainLabel(std::string_view text)
{
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&') {
                plain += '&';
                ++i;
            }
            continue;
        }
        plain += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? ' ' : c;
    }
    while (!plain.empty() && (plain.back() == ' ' || plain.back() == ':'))
        plain.pop_back();
    return plain;
}

} // namespace morva::confui
