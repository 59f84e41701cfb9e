#include "stats/StatisticsUi.h"

#include "gui/AppEnvironment.h"
#include "gui/CommandRegistry.h"
#include "gui/ConsoleHost.h"
#include "gui/FeatureSetup.h"
#include "resources/CommandIds.h"
#include "stats/StatisticsDialog.h"

#include <QApplication>

namespace morva::stats {

void installStatisticsUi(const gui::FeatureSetup& setup)
{
    setup.commands.setHandler(command::Statistic, [&environment = setup.environment,
                                                   &host = setup.host] {
        QWidget* parent = QApplication::activeWindow();
        if (!parent)
            parent = host.parentWindow();
        runStatisticsDialog(parent, environment.services().fileSystem, environment.services().clock,
                            environment.programDir(), environment.languageIndex());
    });
}

} // namespace morva::stats
