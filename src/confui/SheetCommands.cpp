#include "confui/SheetCommands.h"

#include "confui/Catalogue.h"
#include "confui/OptionsSheetBuilder.h"
#include "confui/browser/OpenSettingsBrowser.h"
#include "gui/AppEnvironment.h"
#include "gui/CommandRegistry.h"
#include "gui/ConsoleHost.h"
#include "gui/FeatureSetup.h"
#include "gui/FirstRunSteps.h"
#include "platform/AddOnProbe.h"
#include "platform/UrlOpener.h"
#include "resources/CommandIds.h"

namespace morva::confui {

namespace {
// The sheets' environment of the running console, made when a command runs
// because the language and the certificate settings may change meanwhile.
SheetEnvironment consoleSheetEnvironment(gui::AppEnvironment& env, const RouteEditor& editRoutes)
{
    const gui::PlatformServices& services = env.services();
    SheetEnvironment sheets;
    sheets.store = &env.configStore();
    sheets.language = env.languageIndex();
    sheets.programDir = env.programDir();
    sheets.addOnInstalled = [&probe = services.addOnProbe] {
        return probe.junkMailAddOnInstalled();
    };
    sheets.openUrl = [&opener = services.urlOpener](const QString& url) {
        return opener.openUrl(url.toStdString());
    };
    return withSheetEditors(withDesktopDefaults(std::move(sheets)), services.fileSystem,
                            services.clock, editRoutes);
}
} // namespace

void registerSheetCommands(const gui::FeatureSetup& console, RouteEditor editRoutes)
{
    gui::AppEnvironment* environment = &console.environment;
    gui::ConsoleHost* host = &console.host;
    // Every sheet's controls offer "Show in All Settings".
    const auto sheetEnvironment = [environment, editRoutes] {
        SheetEnvironment sheets = consoleSheetEnvironment(*environment, editRoutes);
        sheets.showInAllSettings = [sheets](QWidget* parent, const std::string& key) {
            openSettingsBrowser(sheets, parent, {}, key, true);
        };
        return sheets;
    };
    auto open = [sheetEnvironment, host](int type) {
        openSheet(type, sheetEnvironment(), host->parentWindow());
    };
    const auto browse = [sheetEnvironment, host](const QString& text) {
        openSettingsBrowser(sheetEnvironment(), host->parentWindow(), text);
    };
    console.commands.setHandler(command::AllSettings, [browse] { browse({}); });
    console.commands.setTextHandler(command::AllSettings, browse);
    for (const SheetDef& sheet : catalogue().sheets()) {
        if (sheet.commandId != 0)
            console.commands.setHandler(sheet.commandId, [open, type = sheet.type] { open(type); });
        if (sheet.wizard)
            console.firstRunSteps.optionsWizard = [open, type = sheet.type] { open(type); };
    }
}

} // namespace morva::confui
