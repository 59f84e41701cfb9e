#include "confui/Catalogue.h"

#include "confui/ActionCodes.h"
#include "resources/Texts.h"

#include <algorithm>
#include <set>

namespace morva::confui {

Control Control::enabledBy(std::string checkboxKey) const
{
    Control copy = *this;
    copy.enabler = std::move(checkboxKey);
    return copy;
}

Control Control::enabledWhen(std::string comboKey, std::vector<int> storedValues) const
{
    Control copy = *this;
    copy.enabler = std::move(comboKey);
    copy.enablerValues = std::move(storedValues);
    return copy;
}

Control Control::inSameRow() const
{
    Control copy = *this;
    copy.sameRow = true;
    return copy;
}

Control Control::withEquivalents(std::function<std::string(std::string_view)> equivalent) const
{
    Control copy = *this;
    copy.equivalentItem = std::move(equivalent);
    return copy;
}

namespace {
Control make(ControlKind kind, std::string key, std::string label)
{
    Control control;
    control.kind = kind;
    control.key = std::move(key);
    control.label = std::move(label);
    return control;
}
} // namespace

Control check(std::string key, std::string label)
{
    return make(ControlKind::Check, std::move(key), std::move(label));
}

Control text(std::string key, std::string label)
{
    return make(ControlKind::Text, std::move(key), std::move(label));
}

Control number(std::string key, std::string label)
{
    return make(ControlKind::Number, std::move(key), std::move(label));
}

Control path(std::string key, std::string label)
{
    return make(ControlKind::Path, std::move(key), std::move(label));
}

Control password(std::string key, std::string label)
{
    return make(ControlKind::Password, std::move(key), std::move(label));
}

Control combo(std::string key, std::string label, std::vector<ComboItem> items)
{
    Control control = make(ControlKind::Combo, std::move(key), std::move(label));
    control.items = std::move(items);
    return control;
}

Control languageCombo(std::string label, std::vector<std::string> itemTextIds)
{
    std::vector<ComboItem> items;
    for (std::size_t i = 0; i < itemTextIds.size() && i <= kLanguageCount; ++i)
        items.push_back({itemTextIds[i], static_cast<int>(i),
                         i == 0 ? std::string() : std::string(languageCode(int(i) - 1))});
    return combo("Language", std::move(label), std::move(items))
        .withEquivalents([](std::string_view stored) {
            return std::string(languageCode(languageIndexForCode(stored)));
        });
}

Control indexCombo(std::string key, std::string label, std::vector<std::string> itemTextIds)
{
    std::vector<ComboItem> items;
    items.reserve(itemTextIds.size());
    int position = 0;
    for (auto& id : itemTextIds)
        items.push_back({std::move(id), position++, {}});
    return combo(std::move(key), std::move(label), std::move(items));
}

Control actionCombo(std::string key, std::string label)
{
    return make(ControlKind::ActionCombo, std::move(key), std::move(label));
}

Control outboundActionCombo(std::string key, std::string label)
{
    return make(ControlKind::OutboundActionCombo, std::move(key), std::move(label));
}

Control outboundActionCodeCombo(std::string key, std::string label)
{
    Control control = make(ControlKind::OutboundActionCombo, std::move(key), std::move(label));
    control.items = {{"confui.outAction.0", 0, {}},
                     {"confui.outAction.1", 1, {}},
                     {"confui.outAction.2", 4, {}}};
    return control;
}

Control purgeDays(std::string key, std::string switchKey, std::string label)
{
    Control control = make(ControlKind::PurgeDays, std::move(key), std::move(label));
    control.switchKey = std::move(switchKey);
    return control;
}

Control list(std::string key, std::string label, std::string entryDialog, ListKind kind)
{
    Control control = make(ControlKind::List, std::move(key), std::move(label));
    control.entryDialog = std::move(entryDialog);
    control.listKind = kind;
    return control;
}

Control exclude(std::string stem, ExclShape shape, std::string label)
{
    Control control = make(ControlKind::ExcludeButton, {}, std::move(label));
    control.stem = std::move(stem);
    control.shape = shape;
    return control;
}

Control addCommon(std::string targetListKey, std::string defaultList, std::string label)
{
    Control control = make(ControlKind::AddCommonButton, {}, std::move(label));
    control.target = std::move(targetListKey);
    control.defaultList = std::move(defaultList);
    return control;
}

Control editorButton(Editor editor, std::string target, std::string label,
                     std::string editorCaption)
{
    Control control = make(ControlKind::EditorButton, {}, std::move(label));
    control.editor = editor;
    control.target = std::move(target);
    control.editorCaption = std::move(editorCaption);
    return control;
}

Control label(std::string textId)
{
    return make(ControlKind::Label, {}, std::move(textId));
}

Control group(std::string captionTextId, int columns)
{
    Control control = make(ControlKind::Group, {}, std::move(captionTextId));
    control.columns = columns;
    return control;
}

Control endGroup()
{
    return make(ControlKind::EndGroup, {}, {});
}

SheetDef SheetDef::openedBy(int command) const
{
    SheetDef sheet = *this;
    sheet.commandId = command;
    return sheet;
}

SheetDef SheetDef::withKind(SheetKind sheetKind) const
{
    SheetDef sheet = *this;
    sheet.kind = sheetKind;
    return sheet;
}

SheetDef SheetDef::afterAddOnQuery() const
{
    SheetDef sheet = *this;
    sheet.addOnQuery = true;
    return sheet;
}

SheetDef SheetDef::withPagesPreloaded() const
{
    SheetDef sheet = *this;
    sheet.preloadPages = true;
    return sheet;
}

void Catalogue::addPage(PageDef page)
{
    m_pages.push_back(std::move(page));
}

void Catalogue::addSheet(SheetDef sheet)
{
    m_sheets.push_back(std::move(sheet));
}

void Catalogue::addEntryDialog(EntryDialogDef dialog)
{
    m_dialogs.push_back(std::move(dialog));
}

void Catalogue::addDefaultList(std::string name, std::vector<std::string> items)
{
    m_defaultLists.push_back({std::move(name), std::move(items)});
}

void Catalogue::addPageHooks(std::string name, PageHooks hooks)
{
    m_pageHooks[std::move(name)] = std::move(hooks);
}

void Catalogue::addSheetHooks(std::string name, SheetHooks hooks)
{
    m_sheetHooks[std::move(name)] = std::move(hooks);
}

void Catalogue::addCodec(std::string name, EntryCodec codec)
{
    m_codecs[std::move(name)] = std::move(codec);
}

namespace {
template <typename T, typename Name>
const T* findByName(const std::vector<T>& items, std::string_view name, Name nameOf)
{
    for (const T& item : items)
        if (nameOf(item) == name)
            return &item;
    return nullptr;
}

template <typename Map>
const typename Map::mapped_type* findIn(const Map& map, std::string_view name)
{
    auto it = map.find(name);
    return it == map.end() ? nullptr : &it->second;
}
} // namespace

const PageDef* Catalogue::page(std::string_view name) const
{
    return findByName(m_pages, name, [](const PageDef& p) -> const std::string& { return p.name; });
}

const SheetDef* Catalogue::sheet(int type) const
{
    for (const SheetDef& sheet : m_sheets)
        if (sheet.type == type)
            return &sheet;
    return nullptr;
}

const EntryDialogDef* Catalogue::entryDialog(std::string_view name) const
{
    return findByName(m_dialogs, name,
                      [](const EntryDialogDef& d) -> const std::string& { return d.name; });
}

const DefaultList* Catalogue::defaultList(std::string_view name) const
{
    return findByName(m_defaultLists, name,
                      [](const DefaultList& d) -> const std::string& { return d.name; });
}

const PageHooks* Catalogue::pageHooks(std::string_view name) const
{
    return findIn(m_pageHooks, name);
}

const SheetHooks* Catalogue::sheetHooks(std::string_view name) const
{
    return findIn(m_sheetHooks, name);
}

const EntryCodec* Catalogue::codec(std::string_view name) const
{
    return findIn(m_codecs, name);
}

std::vector<std::string> boundKeys(const Control& control)
{
    if (!control.isBound())
        return {};
    return {control.key};
}

std::vector<std::string> exclusionKeys(const std::string& stem, ExclShape shape)
{
    std::vector<std::string> keys{stem + "IP", stem + "Host"};
    if (shape != ExclShape::HostIp)
        keys.push_back(stem + "FromAddress");
    if (shape == ExclShape::All)
        keys.push_back(stem + "ToAddress");
    return keys;
}

std::vector<std::string> Catalogue::textIds() const
{
    std::vector<std::string> ids;
    std::set<std::string, std::less<>> seen;
    auto add = [&](const std::string& id) {
        if (!id.empty() && seen.insert(id).second)
            ids.push_back(id);
    };
    for (const PageDef& page : m_pages) {
        add(page.caption);
        for (const Control& control : page.controls) {
            add(control.label);
            add(control.editorCaption);
            for (const ComboItem& item : control.items)
                add(item.textId);
            if (control.kind == ControlKind::ActionCombo)
                for (int position = 0; position < kActionCount; ++position)
                    add(actionTextId(actionValueAt(position)));
            if (control.kind == ControlKind::OutboundActionCombo)
                for (int position = 0; position < kOutboundActionCount; ++position)
                    add(outboundActionTextId(position));
        }
    }
    for (const SheetDef& sheet : m_sheets) {
        add(sheet.caption);
        for (const SheetPage& entry : sheet.pages)
            add(entry.caption);
    }
    for (const EntryDialogDef& dialog : m_dialogs) {
        add(dialog.caption);
        for (const EntryField& field : dialog.fields)
            add(field.label);
        for (const std::string& label : dialog.checkboxLabels)
            add(label);
    }
    return ids;
}

std::vector<std::string> Catalogue::problems() const
{
    std::vector<std::string> found;
    auto problem = [&](std::string text) { found.push_back(std::move(text)); };
    auto needText = [&](const std::string& where, const std::string& id) {
        if (id.empty())
            problem(where + ": empty text id");
        else if (!hasText(id))
            problem(where + ": no text " + id);
    };

    std::set<std::string> pageNames;
    for (const PageDef& page : m_pages) {
        const std::string where = "page " + page.name;
        if (!pageNames.insert(page.name).second)
            problem(where + ": defined twice");
        needText(where, page.caption);
        if (!page.hook.empty() && !pageHooks(page.hook))
            problem(where + ": unknown hook " + page.hook);

        std::set<std::string> keys, checkboxes;
        std::map<std::string, const Control*> combos;
        for (const Control& control : page.controls) {
            if (control.kind == ControlKind::Check)
                checkboxes.insert(control.key);
            if (control.kind == ControlKind::Combo)
                combos[control.key] = &control;
        }
        for (const Control& control : page.controls) {
            const std::string at =
                where + " control " + (control.key.empty() ? control.label : control.key);
            for (const std::string& key : boundKeys(control))
                if (!keys.insert(key).second)
                    problem(at + ": key bound twice on the page");
            if (control.isLocal() && !keys.insert(control.key).second)
                problem(at + ": local value bound twice on the page");
            if (control.kind != ControlKind::EndGroup &&
                !(control.kind == ControlKind::Group && control.label.empty()))
                needText(at, control.label);
            if (!control.enabler.empty() && control.enablerValues.empty() &&
                !checkboxes.count(control.enabler))
                problem(at + ": enabler " + control.enabler + " is no checkbox of the page");
            if (!control.enablerValues.empty()) {
                const auto enablerCombo = combos.find(control.enabler);
                if (enablerCombo == combos.end())
                    problem(at + ": enabler " + control.enabler + " is no combo of the page");
                else
                    for (int value : control.enablerValues)
                        if (std::none_of(enablerCombo->second->items.begin(),
                                         enablerCombo->second->items.end(),
                                         [&](const ComboItem& item) {
                                             return item.stringValue.empty() && item.value == value;
                                         }))
                            problem(at + ": enabler " + control.enabler + " has no value " +
                                    std::to_string(value));
            }
            for (const ComboItem& item : control.items)
                needText(at, item.textId);
            switch (control.kind) {
            case ControlKind::Combo:
                if (control.items.empty())
                    problem(at + ": combo without items");
                break;
            case ControlKind::List:
                if (!entryDialog(control.entryDialog))
                    problem(at + ": unknown entry dialog " + control.entryDialog);
                break;
            case ControlKind::ExcludeButton:
                if (control.stem.empty())
                    problem(at + ": exclude button without stem");
                break;
            case ControlKind::AddCommonButton: {
                if (!defaultList(control.defaultList))
                    problem(at + ": unknown default list " + control.defaultList);
                const bool hasTarget =
                    std::any_of(page.controls.begin(), page.controls.end(), [&](const Control& c) {
                        return c.kind == ControlKind::List && c.key == control.target;
                    });
                if (!hasTarget)
                    problem(at + ": target list " + control.target + " is not on the page");
                break;
            }
            case ControlKind::PurgeDays:
                if (control.switchKey.empty())
                    problem(at + ": purge days without switch");
                break;
            case ControlKind::EditorButton:
                if (control.target.empty())
                    problem(at + ": editor button without target");
                if (control.editor == Editor::TextFile)
                    needText(at, control.editorCaption);
                break;
            default:
                break;
            }
            if ((control.kind == ControlKind::Check || control.kind == ControlKind::Text ||
                 control.kind == ControlKind::Number || control.kind == ControlKind::Path ||
                 control.kind == ControlKind::Password || control.kind == ControlKind::Combo ||
                 control.kind == ControlKind::ActionCombo ||
                 control.kind == ControlKind::OutboundActionCombo ||
                 control.kind == ControlKind::PurgeDays || control.kind == ControlKind::List) &&
                control.key.empty())
                problem(at + ": control without key");
        }
    }

    std::set<int> types, commands;
    for (const SheetDef& sheet : m_sheets) {
        const std::string where = "sheet " + std::to_string(sheet.type);
        if (!types.insert(sheet.type).second)
            problem(where + ": defined twice");
        if (sheet.commandId != 0 && !commands.insert(sheet.commandId).second)
            problem(where + ": command " + std::to_string(sheet.commandId) +
                    " opens another sheet");
        needText(where, sheet.caption);
        if (!sheet.hook.empty() && !sheetHooks(sheet.hook))
            problem(where + ": unknown hook " + sheet.hook);
        std::set<std::string> onSheet;
        for (const SheetPage& entry : sheet.pages) {
            if (!page(entry.page))
                problem(where + ": unknown page " + entry.page);
            if (!onSheet.insert(entry.page).second)
                problem(where + ": page " + entry.page + " twice");
            if (!entry.caption.empty())
                needText(where + " page " + entry.page, entry.caption);
        }
    }

    std::set<std::string> dialogNames;
    for (const EntryDialogDef& dialog : m_dialogs) {
        const std::string where = "entry dialog " + dialog.name;
        if (!dialogNames.insert(dialog.name).second)
            problem(where + ": defined twice");
        needText(where, dialog.caption);
        for (const EntryField& field : dialog.fields)
            needText(where, field.label);
        for (const std::string& label : dialog.checkboxLabels)
            needText(where, label);
        if (!dialog.codec.empty() && !codec(dialog.codec))
            problem(where + ": unknown codec " + dialog.codec);
    }

    std::set<std::string> listNames;
    for (const DefaultList& list : m_defaultLists)
        if (!listNames.insert(list.name).second)
            problem("default list " + list.name + ": defined twice");
    return found;
}

} // namespace morva::confui
