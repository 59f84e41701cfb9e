#include "service/ServiceUi.h"

#include "app/AppEnvironment.h"
#include "app/CommandRegistry.h"
#include "app/ConsoleApp.h"
#include "app/Cwm_MainWnd.h"
#include "resources/CommandIds.h"
#include "service/ServiceDialog.h"
#include "service/ServiceName.h"

#include <QApplication>

namespace morva::service {

void installServiceUi(app::ConsoleApp& app, platform::ServiceManager& serviceManager)
{
    auto open = [&app, &serviceManager] {
        app::AppEnvironment& environment = app.environment();
        QWidget* parent = QApplication::activeWindow();
        if (!parent)
            parent = app.mainWindow();
        runServiceDialog(
            parent, kDefaultServiceName, std::string(),
            ServiceDialogEnvironment{environment.services().fileSystem, serviceManager,
                                     environment.services().clock, environment.programDir(),
                                     environment.modulePath(), environment.languageIndex()});
    };
    app.commands().setHandler(command::Service, open);
    app.firstRunSteps().serviceDialog = open;
}

} // namespace morva::service
