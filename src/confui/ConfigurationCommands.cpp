#include "confui/ConfigurationCommands.h"

#include "confui/Cwm_BasePropSheet.h"
#include "confui/OptionsSheetBuilder.h"
#include "confui/sheets/AdvancedSheet.h"
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

SheetEnvironment consoleSheetEnvironment(gui::AppEnvironment& env, const RouteEditor& editRoutes)
{
    SheetEnvironment sheets;
    sheets.store = &env.configStore();
    sheets.language = env.languageIndex();
    sheets.programDir = env.programDir();
    const gui::PlatformServices& services = env.services();
    sheets.addOnInstalled = [&probe = services.addOnProbe] {
        return probe.junkMailAddOnInstalled();
    };
    sheets.openUrl = [&opener = services.urlOpener](const QString& url) {
        return opener.openUrl(url.toStdString());
    };
    sheets.editRoutes = editRoutes;
    return withDesktopDefaults(std::move(sheets));
}

void registerConfigurationCommands(const gui::FeatureSetup& console, RouteEditor editRoutes)
{
    gui::CommandRegistry& table = console.commands;
    gui::AppEnvironment* app = &console.environment;
    gui::ConsoleHost* host = &console.host;
    // The language may change after start-up, so the environment is made
    // when the command runs.
    for (const CommandSheet& entry : kCommandSheets)
        table.setHandler(entry.commandId, [app, host, type = entry.type, editRoutes] {
            openOptionsSheet(type, consoleSheetEnvironment(*app, editRoutes), host->parentWindow());
        });
    table.setHandler(command::JunkMailAddOn, [app, host] {
        const SheetEnvironment environment = consoleSheetEnvironment(*app);
        openAddOnSheet(environment, host->parentWindow());
    });
    table.setHandler(command::AdvancedConfiguration, [app, host] {
        const SheetEnvironment environment = consoleSheetEnvironment(*app);
        auto sheet = buildCatalogueSheet(kAdvancedSheetType, environment, host->parentWindow());
        sheet->environment().runDialog(*sheet);
    });
    console.firstRunSteps.optionsWizard = [app, host, editRoutes] {
        openOptionsSheet(1, consoleSheetEnvironment(*app, editRoutes), host->parentWindow());
    };
}

} // namespace morva::confui
