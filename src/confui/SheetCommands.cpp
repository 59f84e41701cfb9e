#include "confui/SheetCommands.h"

#include "app/AppEnvironment.h"
#include "app/CommandRegistry.h"
#include "app/ConsoleApp.h"
#include "app/Cwm_MainWnd.h"
#include "confui/Catalogue.h"
#include "confui/OptionsSheetBuilder.h"
#include "platform/AddOnProbe.h"
#include "platform/UrlOpener.h"

namespace morva::confui {

namespace {
// The sheets' environment of the running console, made when a command runs
// because the language and the certificate settings may change meanwhile.
SheetEnvironment consoleSheetEnvironment(app::ConsoleApp& console, const RouteEditor& editRoutes)
{
    app::AppEnvironment& env = console.environment();
    const app::PlatformServices& services = env.services();
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

void registerSheetCommands(app::ConsoleApp& console, RouteEditor editRoutes)
{
    app::ConsoleApp* app = &console;
    auto open = [app, editRoutes](int type) {
        openSheet(type, consoleSheetEnvironment(*app, editRoutes), app->mainWindow());
    };
    for (const SheetDef& sheet : catalogue().sheets()) {
        if (sheet.commandId != 0)
            console.commands().setHandler(sheet.commandId,
                                          [open, type = sheet.type] { open(type); });
        if (sheet.wizard)
            console.firstRunSteps().optionsWizard = [open, type = sheet.type] { open(type); };
    }
}

} // namespace morva::confui
