#include "confui/DomainListCommand.h"

#include "confui/Cwm_DomainListDialogDlg.h"
#include "gui/AppEnvironment.h"
#include "gui/CommandRegistry.h"
#include "gui/ConsoleHost.h"
#include "gui/FeatureSetup.h"
#include "gui/FirstRunSteps.h"
#include "resources/CommandIds.h"

namespace morva::confui {

void installExchangeDomainList(const gui::FeatureSetup& setup)
{
    auto open = [&environment = setup.environment, &host = setup.host] {
        Cwm_DomainListDialogDlg dialog(environment.configStore(), environment.languageIndex(), {},
                                       host.parentWindow());
        dialog.run();
    };
    setup.commands.setHandler(command::ExchangeDomains, open);
    setup.firstRunSteps.exchangeDomainList = open;
}

} // namespace morva::confui
