#include "service/ServiceUi.h"

#include "gui/AppEnvironment.h"
#include "gui/CommandRegistry.h"
#include "gui/ConsoleHost.h"
#include "gui/FeatureSetup.h"
#include "gui/FirstRunSteps.h"
#include "resources/CommandIds.h"
#include "service/ServiceDialog.h"
#include "service/ServiceName.h"

#include <QApplication>

namespace morva::service {

void installServiceUi(const gui::FeatureSetup& setup, platform::ServiceManager& serviceManager)
{
    auto open = [&environment = setup.environment, &host = setup.host, &serviceManager] {
        QWidget* parent = QApplication::activeWindow();
        if (!parent)
            parent = host.parentWindow();
        runServiceDialog(
            parent, kDefaultServiceName, std::string(),
            ServiceDialogEnvironment{environment.services().fileSystem, serviceManager,
                                     environment.services().clock, environment.programDir(),
                                     environment.modulePath(), environment.languageIndex()});
    };
    setup.commands.setHandler(command::Service, open);
    setup.firstRunSteps.serviceDialog = open;
}

} // namespace morva::service
