#pragma once

#include "resources/Maker.h"

#include <QString>
#include <functional>
#include <optional>
#include <string>

class QDialog;
class QWidget;

namespace morva::config {
class ConfigStore;
}

namespace morva::confui {

// What the configuration sheets need from the rest of the console. The
// defaults (see defaultEnvironment) use the desktop; tests replace them.
struct SheetEnvironment
{
    config::ConfigStore* store = nullptr;
    int language = 0;
    std::string programDir;
    // The options document on the maker's web site; a page's help
    // reference is this plus "#" and the page's anchor.
    std::string helpDocument = maker::kOptionsDocument;

    // Whether the Exchange junk-mail add-on is installed.
    std::function<bool()> addOnInstalled;
    // Opens a URL with the desktop's handler; false when that failed.
    std::function<bool(const QString& url)> openUrl;
    std::function<bool(const std::string& path)> directoryExists;
    // The folder picker behind "Browse..."; empty result: cancelled.
    std::function<QString(QWidget* parent, const QString& start)> pickFolder;
    // Runs a modal dialog (sheets, entry dialogs) and returns its result;
    // tests answer here instead of a user.
    std::function<int(QDialog& dialog)> runDialog;

    // Entry editors of lists whose entries have several fields (the policy
    // lists): runs the editor of list `key` on value and comment and tells
    // whether OK was pressed; nothing when the list has no editor of its own
    // and the catalogue's entry dialog is used. May be empty.
    std::function<std::optional<bool>(QWidget* parent, const std::string& key, QString& value,
                                      QString& comment)>
        editEntry;
    // Opens an editor over a text file of the program folder (`path`), which
    // saves the file itself; false when it could not be opened. May be empty.
    std::function<bool(QWidget* parent, const std::string& path, const QString& caption)>
        editTextFile;
    // Opens the routing grid over a list key of the store (SMTPStaticRoute,
    // ExchStaticRoute), which stores and saves every change itself. May be
    // empty.
    std::function<void(QWidget* parent, const std::string& key)> editRoutes;
    // Opens the settings browser showing `key` (a control's "Show in All
    // Settings"). May be empty: the controls then do not offer it.
    std::function<void(QWidget* parent, const std::string& key)> showInAllSettings;
};

// Fills every empty function with the desktop's implementation.
SheetEnvironment withDesktopDefaults(SheetEnvironment environment);

// Sheet results.
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kWizardFinish = 12325;

} // namespace morva::confui
