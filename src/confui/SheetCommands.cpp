#include "confui/SheetCommands.h"

#include "confui/Catalogue.h"
#include "confui/OptionsSheetBuilder.h"
#include "gui/AppEnvironment.h"
#include "gui/CommandRegistry.h"
#include "gui/ConsoleHost.h"
#include "gui/FeatureSetup.h"
#include "gui/FirstRunSteps.h"
#include "platform/AddOnProbe.h"
#include "platform/UrlOpener.h"

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
    auto open = [environment, host, editRoutes](int type) {
        openSheet(type, consoleSheetEnvironment(*environment, editRoutes), host->parentWindow());
    };
    for (const SheetDef& sheet : catalogue().sheets()) {
        if (sheet.commandId != 0)
            console.commands.setHandler(sheet.commandId, [open, type = sheet.type] { open(type); });
        if (sheet.wizard)
            console.firstRunSteps.optionsWizard = [open, type = sheet.type] { open(type); };
    }
}

} // namespace morva::confui
