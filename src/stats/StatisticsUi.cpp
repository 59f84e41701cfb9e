#include "stats/StatisticsUi.h"

#include "app/AppEnvironment.h"
#include "app/CommandRegistry.h"
#include "app/ConsoleApp.h"
#include "app/Cwm_MainWnd.h"
#include "resources/CommandIds.h"
#include "stats/StatisticsDialog.h"

#include <QApplication>

namespace morva::stats {

void installStatisticsUi(app::ConsoleApp& app)
{
    app.commands().setHandler(command::Statistic, [&app] {
        app::AppEnvironment& environment = app.environment();
        QWidget* parent = QApplication::activeWindow();
        if (!parent)
            parent = app.mainWindow();
        runStatisticsDialog(parent, environment.services().fileSystem, environment.services().clock,
                            environment.programDir(), environment.languageIndex());
    });
}

} // namespace morva::stats
