#pragma once

// Every key of the schema with what a settings search shows and matches:
// its kind and default, and the places of the Options catalogue that edit
// it (sheet, page, the control's label, the page's help anchor). Standard
// C++ only: morvactl and the console share it.

#include "config/ValueKind.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace morva::config {
class ConfigStore;
}

namespace morva::confui {

class Catalogue;

// One control that edits a key. The texts are text ids (resources/Texts.h).
struct SettingPlace
{
    int sheetType = 0;        // the catalogue's sheet type
    std::string sheetCaption; // text id of the sheet's caption
    std::string page;         // page name ("IniGrey")
    std::string pageCaption;  // text id of the page's caption on that sheet
    std::string group;        // text id of the group the control stands in; may be empty
    std::string label;        // text id of the control's label; may be empty
    std::string helpAnchor;   // the page's anchor in the options document; may be empty
};

struct SettingInfo
{
    std::string key;
    config::ValueKind kind = config::ValueKind::String;
    std::string defaultText; // as `morvactl schema` prints it; empty for lists
    // In sheet order; empty when no page edits the key. A key that an
    // Exclude button's sheet edits has the button's page as its place and
    // the list's page caption (IP addresses, hosts, ...) as its label.
    std::vector<SettingPlace> places;
};

class SettingsIndex
{
public:
    // Every key `store` has registered, in registration order, with its
    // places on the pages of the sheets of `catalogue`. A page that no
    // sheet shows, and the fallback sheet (a type below 1), add no place.
    SettingsIndex(const config::ConfigStore& store, const Catalogue& catalogue);

    std::size_t size() const { return m_settings.size(); }
    const SettingInfo& at(std::size_t index) const { return m_settings[index]; }
    const std::vector<SettingInfo>& settings() const { return m_settings; }
    // The position of `key` (matched exactly); none when it is no key.
    std::optional<std::size_t> indexOf(std::string_view key) const;

private:
    std::vector<SettingInfo> m_settings;
    std::unordered_map<std::string_view, std::size_t> m_byKey;
};

// A label or caption as plain text: access-key marks removed ("&&" stays as
// one "&"), a trailing colon and blanks cut, control characters made blanks.
std::string plainLabel(std::string_view text);

} // namespace morva::confui
