#include "confui/CatalogueSchemaCheck.h"

#include "config/ConfigStore.h"

#include <set>

namespace morva::confui {

namespace {
using config::ValueKind;

bool hasStringItems(const Control& control)
{
    for (const ComboItem& item : control.items)
        if (!item.stringValue.empty())
            return true;
    return false;
}

// The kind a key of `control` must have; false when the control binds none.
bool expectedKind(const Control& control, ValueKind& kind)
{
    switch (control.kind) {
    case ControlKind::Check:
        kind = ValueKind::Bool;
        return true;
    case ControlKind::Text:
    case ControlKind::Path:
    case ControlKind::Password:
        kind = ValueKind::String;
        return true;
    case ControlKind::Combo:
        kind = hasStringItems(control) ? ValueKind::String : ValueKind::Int;
        return true;
    case ControlKind::Number:
    case ControlKind::ActionCombo:
    case ControlKind::OutboundActionCombo:
    case ControlKind::PurgeDays:
        kind = ValueKind::Int;
        return true;
    case ControlKind::List:
        kind = control.listKind == ListKind::Ip          ? ValueKind::NetList
               : control.listKind == ListKind::Converted ? ValueKind::TextList
                                                         : ValueKind::StringList;
        return true;
    default:
        return false;
    }
}
} // namespace

std::vector<std::string> schemaProblems(const Catalogue& catalogue,
                                        const config::ConfigStore& store)
{
    std::vector<std::string> problems;
    auto expect = [&](const std::string& where, const std::string& key, ValueKind kind) {
        const auto entry = store.find(key);
        if (!entry)
            problems.push_back(where + ": key " + key + " is not in the schema");
        else if (entry->kind != kind)
            problems.push_back(where + ": key " + key + " is " +
                               config::valueKindName(entry->kind) + ", the control needs " +
                               config::valueKindName(kind));
    };
    for (const PageDef& page : catalogue.pages()) {
        const std::string where = "page " + page.name;
        for (const Control& control : page.controls) {
            if (control.kind == ControlKind::ExcludeButton) {
                for (const std::string& key : exclusionKeys(control.stem, control.shape))
                    expect(where, key,
                           key.ends_with("IP") ? ValueKind::NetList : ValueKind::StringList);
                continue;
            }
            ValueKind kind;
            if (!control.isBound() || !expectedKind(control, kind))
                continue;
            // A two-item combo may stand for a Bool key (0 false, 1 true).
            if (control.kind == ControlKind::Combo && kind == ValueKind::Int)
                if (const auto entry = store.find(control.key);
                    entry && entry->kind == ValueKind::Bool)
                    kind = ValueKind::Bool;
            expect(where, control.key, kind);
            if (control.kind == ControlKind::PurgeDays)
                expect(where, control.switchKey, ValueKind::Bool);
        }
    }
    return problems;
}

std::vector<std::string> keysBoundByPages(const Catalogue& catalogue)
{
    std::set<std::string> keys;
    for (const PageDef& page : catalogue.pages())
        for (const Control& control : page.controls) {
            if (control.kind == ControlKind::ExcludeButton)
                for (const std::string& key : exclusionKeys(control.stem, control.shape))
                    keys.insert(key);
            else if (control.isBound())
                keys.insert(control.key);
        }
    return {keys.begin(), keys.end()};
}

} // namespace morva::confui
