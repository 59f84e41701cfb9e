#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

// The main window's menu, toolbar and accelerators as data. The GUI renders
// them; the labels and prompts are catalogue texts, so one structure serves
// all five languages ("ENG_MENU" ... "SPA_MENU" are this menu in each
// language).
//
// Rendering rules:
//  - mainMenu() lists the menu bar's entries, all of kind Submenu.
//  - A Command entry shows text(entry.textId, language) (with '&' marking
//    the access key) and, when `shortcut` is set, that shortcut; its status
//    bar prompt and tool tip are commandPrompt()/commandToolTip() of
//    entry.commandId (Texts.h).
//  - A Separator entry is a line; a Submenu entry opens `children`.
//  - Shortcuts and accelerator keys are written in Qt's portable key text
//    ("Ctrl+P", "Shift+Del", "Return"), readable by QKeySequence.
//  - Which command is enabled is the application's business (flags), not
//    the menu's.
namespace morva::menu {

enum class EntryKind
{
    Command,
    Separator,
    Submenu
};

struct Entry
{
    EntryKind kind = EntryKind::Separator;
    int commandId = 0;               // Command
    const char* textId = nullptr;    // Command and Submenu: label text id
    const char* shortcut = nullptr;  // Command: shown next to the label, or null
    std::span<const Entry> children; // Submenu
};

// The menu bar, left to right.
std::span<const Entry> mainMenu();

// Accelerator table: every key combination and the command it triggers
// (several keys may trigger one command).
struct Accelerator
{
    const char* keys; // portable key text
    int commandId;
};
std::span<const Accelerator> accelerators();

// Toolbar buttons, left to right; 0 is a separator.
std::span<const int> toolbarButtons();

// The label text id of a command: "app.label.<id>".
std::string labelTextId(int commandId);

// Every command id that has a menu entry, in menu order (depth first).
std::vector<int> menuCommands();

// The label of `entry` in a language, '&' kept.
std::string_view entryLabel(const Entry& entry, int languageIndex);

// A label without its access-key markers: "E&xit" -> "Exit", "&&" -> "&".
std::string withoutAccessKey(std::string_view label);

// True when `resourceName` names the main menu in some language
// ("DEU_MENU"); *languageIndex receives that language.
bool isMenuResource(std::string_view resourceName, int* languageIndex);

} // namespace morva::menu
