#pragma once

// The page catalogue of the configuration editor: every Options page, the
// sheets that show them, the entry dialogs of list settings and the default
// lists, described as data. One page engine (GUI) renders a page from its
// PageDef; nothing here depends on Qt.
//
// ---------------------------------------------------------------------------
// Format
// ---------------------------------------------------------------------------
// A page (PageDef) has
//   name        the page/template word ("IniLog"); unique in the catalogue;
//   caption     text id of the tab caption ("confui.page.IniLog");
//   helpAnchor  anchor in the options document ("logfiles"); empty: no help;
//   controls    in page order: the order in which keys are loaded, saved and
//               laid out;
//   hook        optional name of a PageHooks entry (special behaviour such as
//               presets that fill other fields; see PageHooks below).
//
// A control (Control) is made with one of the builder functions below, e.g.
//     check("WriteLogFile", "confui.IniLog.WriteLogFile")
//     number("InboundGreyListMinTime", "confui.IniGrey.MinTime")
//         .enabledBy("InboundGreyList")
//     actionCombo("BayesNDRTyp", "confui.action.label")
//     list("SLS", "confui.IniSLS.SLS", "EditSLS", ListKind::Text)
//     exclude("SLSExcl", ExclShape::All)
//     addCommon("InboundBlockAtt", "attachments")
// Fields:
//   kind        what the engine builds (ControlKind);
//   key         the configuration key the control mirrors; the key's kind in
//               the schema must fit the control (Check: Bool; Number,
//               PurgeDays, ActionCombo, OutboundActionCombo and Combo: Int,
//               or String for a combo whose items carry string values, or
//               Bool for a combo of the values 0 (false) and 1 (true); Text,
//               Path, Password: String; List: StringList for ListKind::Text,
//               TextList for ListKind::Converted, NetList for ListKind::Ip).
//               A key starting with "#" is a page-local value kept by the
//               sheet (not in the store), e.g. the wizard's "#SpamLevel";
//   label       text id shown beside the control (checkbox text, field
//               label, button text, group caption, static text);
//   enabler     key of a checkbox (Check control) on the same page; the
//               control is enabled only while that box is ticked; or, with
//               enablerValues, key of a combo on the same page: the control
//               is enabled only while the combo holds one of those stored
//               values (enabledWhen);
//   items       Combo items: text id and the stored value of each position
//               (an int, or a string when the key is a String);
//   listKind, entryDialog   List: the ListBinding kind (5, 7, 8) and the name
//               of the EntryDialogDef used by New and Edit;
//   stem, shape ExcludeButton: the key stem and which of the four exclusion
//               lists exist (stem + "IP", "Host", "FromAddress", "ToAddress");
//   target, defaultList   AddCommonButton: the List control (by key) on the
//               same page and the DefaultList it appends;
//   switchKey   PurgeDays: the feature switch the period belongs to; the
//               box is ticked only when the period is not 0 and the switch is
//               on; an unticked box writes 0, the field shows 30 for 0;
//   editor, target, editorCaption   EditorButton: which editor of the
//               environment the button opens (Editor), over what (the route
//               list key, or the file name in the program folder) and, for a
//               text file, the text id of the editor's caption;
//   columns     Group: number of columns its checkboxes are flowed into;
//   sameRow     place the control to the right of the previous one.
// What a bound field accepts (the range of a Number or PurgeDays field, the
// check of a Text or Path field) is the key's value rule (config/ValueRules.h),
// declared once for the pages and every other editor; pages declare none.
// Layout: controls stack top to bottom; a Group opens a framed box that takes
// the following controls up to the next Group or EndGroup. The engine sizes
// every row from its texts, so labels of all five languages fit.
//
// A sheet (SheetDef): its type number (1..13 for the Options sheets, other
// numbers for other sheets), the caption text id, the pages in order (a
// page can override its caption per sheet), the wizard flag and an optional
// hook run after the sheet was confirmed; then, set on the definition, its
// kind (the sheet class and what follows OK), the menu command that opens
// it, whether the add-on query runs first and whether every page is read
// before the sheet shows.
//
// An entry dialog (EntryDialogDef): the template word ("EditIP"), caption
// text id, its variant (the one-, two-, three-, three-with-two-checkboxes or
// five-field dialog), the labels and checks of its fields, and an optional
// codec that joins the fields into one list entry and splits them again.
//
// Contributing: each sheet's pages live in their own file under
// src/confui/sheets/ as a function `void addXxx(Catalogue&)`, declared in
// sheets/Contributions.h and listed in the table in
// sheets/Contributions.cpp. catalogue() builds the whole catalogue once from
// that table. Hooks are registered the same way (addHooks in the same
// function), by name.
// ---------------------------------------------------------------------------

#include "config/ValueRules.h"
#include "platform/UserFeedback.h"

#include <climits>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace morva::config {
class ConfigStore;
}

namespace morva::confui {

enum class ControlKind
{
    Check,               // checkbox over a Bool key
    Text,                // line edit over a String key
    Number,              // number field with range over an Int key
    Path,                // line edit with "Browse..." (folder picker); trimmed
    Password,            // masked line edit over a String key
    Combo,               // fixed items with stored values
    ActionCombo,         // inbound action combo (nine actions, see ActionCodes.h)
    OutboundActionCombo, // three outbound actions, the position is stored (or,
                         // with items, the items' action codes)
    PurgeDays,           // checkbox + number over one Int key (0 = off)
    List,                // list box with New/Edit/Delete (ListBinding)
    ExcludeButton,       // "Exclude" button opening the exclusion sheet
    AddCommonButton,     // "Add &Common" appending a default list to a List
    EditorButton,        // push button opening an editor of the environment
    Label,               // static text
    Group,               // framed group opening; label is its caption
    EndGroup,            // closes the current group
};

// ListBinding entry kinds.
enum class ListKind : int
{
    Text = 5,      // StringList
    Converted = 7, // TextList (the store's second list form)
    Ip = 8,        // NetList; entries normalised
};

// Which exclusion lists a stem has: IP and Host; IP, Host and From; all four.
enum class ExclShape
{
    HostIp,
    FromHostIp,
    All
};

// The editors an EditorButton opens; the environment supplies them.
enum class Editor
{
    Routes,   // the routing grid over a list key; it stores and saves itself
    TextFile, // a text file of the program folder; it writes the file itself
};

// Checks of a text field or an entry dialog field: the configuration's text
// checks (config/ValueRules.h). A control bound to a key takes its check and
// range from the key's value rule, never from the page.
using FieldCheck = config::TextCheck;

struct ComboItem
{
    std::string textId;
    int value = 0;           // stored value of an Int key
    std::string stringValue; // stored value of a String key
};

struct Control
{
    ControlKind kind = ControlKind::Label;
    std::string key;
    std::string label;
    std::string enabler;
    std::vector<int> enablerValues; // stored values of the enabling combo
    std::vector<ComboItem> items;
    ListKind listKind = ListKind::Text;
    std::string entryDialog;
    std::string stem;
    ExclShape shape = ExclShape::All;
    std::string target;
    std::string defaultList;
    std::string switchKey;
    Editor editor = Editor::Routes;
    std::string editorCaption;
    int columns = 1;
    bool sameRow = false;
    // Combo over a String key: maps a stored text that no item lists to the
    // value of the item that means the same; that item is shown and, while
    // it stays chosen, the stored text is written back unchanged.
    std::function<std::string(std::string_view stored)> equivalentItem;

    // Modifiers for the builder style: check(...).enabledBy("Switch").
    Control enabledBy(std::string checkboxKey) const;
    Control enabledWhen(std::string comboKey, std::vector<int> storedValues) const;
    Control inSameRow() const;
    Control withEquivalents(std::function<std::string(std::string_view)> equivalent) const;

    bool isBound() const { return !key.empty() && key[0] != '#'; }
    bool isLocal() const { return !key.empty() && key[0] == '#'; }
};

// Builders. `label` is a text id.
Control check(std::string key, std::string label);
Control text(std::string key, std::string label);
Control number(std::string key, std::string label);
Control path(std::string key, std::string label);
Control password(std::string key, std::string label);
Control combo(std::string key, std::string label, std::vector<ComboItem> items);
// Combo whose item n stores n.
Control indexCombo(std::string key, std::string label, std::vector<std::string> itemTextIds);
Control actionCombo(std::string key, std::string label);
Control outboundActionCombo(std::string key, std::string label);
// The three outbound actions over a key that holds action codes (0 discard,
// 1 encapsulate and forward to postmaster, 4 non-delivery report); other
// action codes it holds are shown by their names and kept.
Control outboundActionCodeCombo(std::string key, std::string label);
Control purgeDays(std::string key, std::string switchKey, std::string label);
Control list(std::string key, std::string label, std::string entryDialog,
             ListKind kind = ListKind::Text);
Control exclude(std::string stem, ExclShape shape, std::string label = "confui.exclude.button");
Control addCommon(std::string targetListKey, std::string defaultList,
                  std::string label = "confui.addCommon");
// A button opening `editor` over `target` (see EditorButton above).
Control editorButton(Editor editor, std::string target, std::string label,
                     std::string editorCaption = {});
Control label(std::string textId);
// The Language combo: "Auto Detect" and the five languages; a stored code
// such as "ESP" or "DEA" shows as the language it selects.
Control languageCombo(std::string label, std::vector<std::string> itemTextIds);
Control group(std::string captionTextId, int columns = 1);
Control endGroup();

struct PageDef
{
    PageDef() = default;
    PageDef(std::string pageName, std::string captionId, std::string anchor,
            std::vector<Control> pageControls, std::string hookName = {})
        : name(std::move(pageName)), caption(std::move(captionId)), helpAnchor(std::move(anchor)),
          controls(std::move(pageControls)), hook(std::move(hookName))
    {
    }
    std::string name;
    std::string caption;
    std::string helpAnchor;
    std::vector<Control> controls;
    std::string hook;
};

struct SheetPage
{
    SheetPage(const char* pageName) : page(pageName) {}
    SheetPage(std::string pageName, std::string captionId = {})
        : page(std::move(pageName)), caption(std::move(captionId))
    {
    }
    std::string page;
    std::string caption; // text id overriding the page caption on this sheet
};

// The sheet class a definition is shown in, and what follows its OK.
enum class SheetKind
{
    Options,  // Cwm_IniPropSheet: after OK or Finish IniWizard is cleared, the
              // sheet hook runs and the file is saved once more
    Advanced, // Cwm_ConfPropSheet: every page saves itself, nothing follows
    AddOn,    // Cwm_MVFPropSheet: the add-on status sheet
};

struct SheetDef
{
    SheetDef() = default;
    SheetDef(int sheetType, std::string captionId, std::vector<SheetPage> sheetPages,
             bool isWizard = false, std::string hookName = {})
        : type(sheetType), caption(std::move(captionId)), pages(std::move(sheetPages)),
          wizard(isWizard), hook(std::move(hookName))
    {
    }
    int type = 0;
    std::string caption;
    std::vector<SheetPage> pages;
    bool wizard = false;
    std::string hook; // SheetHooks entry
    SheetKind kind = SheetKind::Options;
    int commandId = 0;         // menu command that opens the sheet; 0: none
    bool addOnQuery = false;   // the add-on query runs before the sheet
    bool preloadPages = false; // every page is read before the sheet shows

    SheetDef openedBy(int command) const;
    SheetDef withKind(SheetKind sheetKind) const;
    SheetDef afterAddOnQuery() const;
    SheetDef withPagesPreloaded() const;
};

enum class EntryVariant
{
    Simple,    // one field (180)
    Simple2,   // value (180; or one field per EntryField) and comment (182)
    Simple3,   // three fields (181..183)
    Simple3l2, // three fields and two checkboxes (516, 518)
    Simple5,   // five fields (181..185)
};

// One item of a choice field: the value the entry holds and the text shown.
struct EntryChoice
{
    std::string value;
    std::string shown;
};

struct EntryField
{
    EntryField() = default;
    EntryField(std::string fieldLabel, FieldCheck fieldCheck = FieldCheck::NotBlank)
        : label(std::move(fieldLabel)), check(fieldCheck)
    {
    }
    std::string label;
    FieldCheck check = FieldCheck::NotBlank;
    bool masked = false;              // a password: typed text is not shown
    std::vector<EntryChoice> choices; // not empty: a choice of these values only
};

struct EntryDialogDef
{
    std::string name;    // template word: "EditIP"
    std::string caption; // text id
    EntryVariant variant = EntryVariant::Simple2;
    std::vector<EntryField> fields;          // value fields, without the comment
    std::vector<std::string> checkboxLabels; // Simple3l2
    std::string codec;                       // EntryCodec name; empty: the entry is the first field
    std::string column;                      // text id of the list's entry column; empty: "Entry"
};

// Joins the fields (and checkboxes as "0"/"1" after them) of a multi-field
// dialog into one list entry and splits an entry again.
struct EntryCodec
{
    using Join = std::function<std::string(const std::vector<std::string>& fields)>;
    using Split = std::function<std::vector<std::string>(const std::string& entry)>;
    using Shown = std::function<std::string(const std::string& entry)>;
    EntryCodec() = default;
    EntryCodec(Join joinFields, Split splitEntry, Shown shownEntry = {})
        : join(std::move(joinFields)), split(std::move(splitEntry)), shown(std::move(shownEntry))
    {
    }
    std::function<std::string(const std::vector<std::string>& fields)> join;
    std::function<std::vector<std::string>(const std::string& entry)> split;
    // What a list shows of an entry (e.g. the user without the password);
    // empty: the entry itself.
    std::function<std::string(const std::string& entry)> shown;
};

struct DefaultList
{
    std::string name;
    std::vector<std::string> items;
};

// A value of a page control as hooks see it.
struct FieldValue
{
    bool flag = false; // Check
    int number = 0;    // Number, PurgeDays, combos (the stored value)
    std::string text;  // Text, Path, Password, string combos
};

// Hooks tell Failure, Refused or Notice.
using platform::MessageKind;

// What a hook may do with the page being shown. Implemented by the page engine.
class PageContext
{
public:
    virtual ~PageContext() = default;
    virtual FieldValue value(std::string_view key) const = 0;
    virtual void setValue(std::string_view key, const FieldValue& value) = 0;
    virtual std::vector<std::string> listValues(std::string_view key) const = 0;
    virtual void setEnabled(std::string_view key, bool enabled) = 0;
    virtual void setCaption(std::string_view textId) = 0;
    virtual void message(MessageKind kind, const std::string& text) = 0;
    virtual bool ask(const std::string& question) = 0; // Yes/No
    virtual int language() const = 0;
    virtual int sheetType() const = 0;
    virtual std::string programDir() const = 0;
    virtual config::ConfigStore& store() = 0; // for derived values and presets
};

struct PageHooks
{
    std::function<void(PageContext&)> loaded; // after the controls were filled
    std::function<void(PageContext&, std::string_view key)> changed; // a control changed
    std::function<bool(PageContext&)> validate; // on read-back; false keeps the page
    std::function<bool(PageContext&)> saved;    // after the keys were written
};

// Values of "#..." controls of all pages of one sheet, by key.
using SheetValues = std::map<std::string, FieldValue, std::less<>>;

struct SheetHooks
{
    // After the sheet was confirmed, before the final save.
    std::function<void(config::ConfigStore&, const SheetValues&)> confirmed;
};

class Catalogue
{
public:
    void addPage(PageDef page);
    void addSheet(SheetDef sheet);
    void addEntryDialog(EntryDialogDef dialog);
    void addDefaultList(std::string name, std::vector<std::string> items);
    void addPageHooks(std::string name, PageHooks hooks);
    void addSheetHooks(std::string name, SheetHooks hooks);
    void addCodec(std::string name, EntryCodec codec);

    const PageDef* page(std::string_view name) const;
    const SheetDef* sheet(int type) const; // nullptr: not a catalogued type
    const EntryDialogDef* entryDialog(std::string_view name) const;
    const DefaultList* defaultList(std::string_view name) const;
    const PageHooks* pageHooks(std::string_view name) const;
    const SheetHooks* sheetHooks(std::string_view name) const;
    const EntryCodec* codec(std::string_view name) const;

    const std::vector<PageDef>& pages() const { return m_pages; }
    const std::vector<SheetDef>& sheets() const { return m_sheets; }
    const std::vector<EntryDialogDef>& entryDialogs() const { return m_dialogs; }
    const std::vector<DefaultList>& defaultLists() const { return m_defaultLists; }

    // Faults of the data that need no schema: duplicate names, sheets naming
    // unknown pages, unknown dialogs/lists/hooks, enablers that are no
    // checkbox of the page, a key bound twice on one page, missing texts.
    std::vector<std::string> problems() const;

    // Every text id the pages, sheets and entry dialogs show, many of them
    // built at run time ("confui.page." + page name, the action combos'
    // entries, ...), each once.
    std::vector<std::string> textIds() const;

private:
    std::vector<PageDef> m_pages;
    std::vector<SheetDef> m_sheets;
    std::vector<EntryDialogDef> m_dialogs;
    std::vector<DefaultList> m_defaultLists;
    std::map<std::string, PageHooks, std::less<>> m_pageHooks;
    std::map<std::string, SheetHooks, std::less<>> m_sheetHooks;
    std::map<std::string, EntryCodec, std::less<>> m_codecs;
};

// The catalogue of the program, built once from the contribution table.
const Catalogue& catalogue();

// The keys a control binds in the store (a List binds its key, an
// ExcludeButton none: its lists belong to the exclusion sheet).
std::vector<std::string> boundKeys(const Control& control);

// The four exclusion keys of a stem in the order of the exclusion sheet's
// pages (IP, Host, From, To), only those the shape has.
std::vector<std::string> exclusionKeys(const std::string& stem, ExclShape shape);

} // namespace morva::confui
