// Wires the sheets' menu commands into the console's command registry.
#include "gui/AppEnvironment.h"
#include "gui/CommandRegistry.h"
#include "config/ConfigStore.h"
#include "confui/policy/CertificateSource.h"
#include "confui/sheets/SheetCommands.h"
#include "db/DataSet.h"
#include "platform/AddOnProbe.h"
#include "platform/UrlOpener.h"

namespace morva::confui {

void registerSheetCommands(gui::CommandRegistry& registry,
                           std::function<SheetEnvironment()> environment,
                           std::function<SheetServices()> services,
                           std::function<QWidget*()> parent)
{
    for (const SheetCommand& command : sheetCommands()) {
        const int id = command.commandId;
        registry.setHandler(id, [id, environment, services, parent] {
            const SheetEnvironment sheetEnvironment =
                withSheetEditors(environment(), services ? services() : SheetServices{});
            openSheetForCommand(id, sheetEnvironment, parent ? parent() : nullptr);
        });
    }
}

void registerSheetCommands(gui::CommandRegistry& registry, gui::AppEnvironment& console,
                           std::function<QWidget*()> parent)
{
    for (const SheetCommand& command : sheetCommands()) {
        const int id = command.commandId;
        registry.setHandler(id, [id, &console, parent] {
            const gui::PlatformServices& platform = console.services();
            config::ConfigStore& store = console.configStore();
            SheetEnvironment environment;
            environment.store = &store;
            environment.language = console.languageIndex();
            environment.programDir = console.programDir();
            environment.addOnInstalled = [&platform] {
                return platform.addOnProbe.junkMailAddOnInstalled();
            };
            environment.openUrl = [&platform](const QString& url) {
                return platform.urlOpener.openUrl(url.toStdString());
            };
            // The certificate folders as the configuration names them now.
            const db::CertificateSettings settings{store.getString("SMIMEPath"),
                                                   store.getString("SMIMECACert"),
                                                   store.getString("DKIMPath")};
            db::DataSet folders(platform.fileSystem, platform.clock, console.programDir(),
                                settings, nullptr, console.languageIndex());
            DataSetCertificates certificates(folders);
            SheetServices services{&certificates, &platform.fileSystem, &platform.clock};
            openSheetForCommand(id, withSheetEditors(withDesktopDefaults(environment), services),
                                parent ? parent() : nullptr);
        });
    }
}

} // namespace morva::confui
