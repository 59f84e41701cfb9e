#include "confui/ConfigurationCommands.h"

#include "app/AppEnvironment.h"
#include "app/CommandRegistry.h"
#include "app/ConsoleApp.h"
#include "app/Cwm_MainWnd.h"
#include "confui/Cwm_BasePropSheet.h"
#include "confui/OptionsSheetBuilder.h"
#include "confui/sheets/AdvancedSheet.h"
#include "platform/AddOnProbe.h"
#include "platform/UrlOpener.h"
#include "resources/CommandIds.h"

namespace morva::confui {

namespace {
struct CommandSheet
{
    int commandId;
    int type;
};

constexpr CommandSheet kCommandSheets[] = {
    {command::OptionsGeneral, 2}, {command::OptionsBlocking, 3},
    {command::OptionsSpam, 4},    {command::OptionsClamAV, 5},
    {command::OptionsSystem, 6},  {command::OptionsSession, 7},
    {command::OptionsVirus, 8},   {command::OptionsTransit, 9},
    {command::OptionsSmime, 10},  {command::OptionsDkim, 11},
    {command::OptionsTls, 12},    {command::OptionsGlobalExclude, 13},
};
} // namespace

int optionsSheetTypeOf(int commandId)
{
    for (const CommandSheet& entry : kCommandSheets)
        if (entry.commandId == commandId)
            return entry.type;
    return 0;
}

SheetEnvironment consoleSheetEnvironment(app::ConsoleApp& console, const RouteEditor& editRoutes)
{
    app::AppEnvironment& env = console.environment();
    SheetEnvironment sheets;
    sheets.store = &env.configStore();
    sheets.language = env.languageIndex();
    sheets.programDir = env.programDir();
    const app::PlatformServices& services = env.services();
    sheets.addOnInstalled = [&probe = services.addOnProbe] {
        return probe.junkMailAddOnInstalled();
    };
    sheets.openUrl = [&opener = services.urlOpener](const QString& url) {
        return opener.openUrl(url.toStdString());
    };
    sheets.editRoutes = editRoutes;
    return withDesktopDefaults(std::move(sheets));
}

void registerConfigurationCommands(app::ConsoleApp& console, RouteEditor editRoutes)
{
    app::CommandRegistry& table = console.commands();
    app::ConsoleApp* app = &console;
    // The language may change after start-up, so the environment is made
    // when the command runs.
    for (const CommandSheet& entry : kCommandSheets)
        table.setHandler(entry.commandId, [app, type = entry.type, editRoutes] {
            openOptionsSheet(type, consoleSheetEnvironment(*app, editRoutes), app->mainWindow());
        });
    table.setHandler(command::JunkMailAddOn, [app] {
        const SheetEnvironment environment = consoleSheetEnvironment(*app);
        openAddOnSheet(environment, app->mainWindow());
    });
    table.setHandler(command::AdvancedConfiguration, [app] {
        const SheetEnvironment environment = consoleSheetEnvironment(*app);
        auto sheet = buildCatalogueSheet(kAdvancedSheetType, environment, app->mainWindow());
        sheet->environment().runDialog(*sheet);
    });
    console.firstRunSteps().optionsWizard = [app, editRoutes] {
        openOptionsSheet(1, consoleSheetEnvironment(*app, editRoutes), app->mainWindow());
    };
}

} // namespace morva::confui
