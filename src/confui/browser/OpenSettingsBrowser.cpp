#include "confui/browser/OpenSettingsBrowser.h"

#include "confui/OptionsSheetBuilder.h"
#include "confui/browser/SettingsBrowser.h"

namespace morva::confui {

int openSettingsBrowser(const SheetEnvironment& environment, QWidget* parent,
                        const QString& searchText, const std::string& key, bool fromSheet)
{
    SettingsBrowser browser(environment, parent);
    browser.setReadOnly(fromSheet);
    // A sheet opened from the browser offers no way into another browser.
    SheetEnvironment sheets = environment;
    sheets.showInAllSettings = {};
    if (!fromSheet)
        browser.setPageOpener([sheets](QWidget* over, int sheetType, const std::string& page,
                                       const std::string& shownKey) {
            openSheet(sheetType, sheets, over, SheetStart{page, shownKey});
        });
    if (!key.empty())
        browser.showKey(key);
    else if (!searchText.isEmpty())
        browser.setSearchText(searchText);
    return environment.runDialog(browser);
}

} // namespace morva::confui
