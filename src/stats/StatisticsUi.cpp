#include "stats/StatisticsUi.h"

#include "app/AdminSettings.h"
#include "app/AppEnvironment.h"
#include "app/CommandRegistry.h"
#include "app/ConsoleApp.h"
#include "app/Cwm_MainWnd.h"
#include "config/ConfigStore.h"
#include "resources/CommandIds.h"
#include "stats/Cwm_StatListDlg.h"
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
        StatViewerOptions options;
        options.readSetting = [&app](const char* name, int defaultValue) {
            return app.settings().readInt(QString::fromLatin1(name), defaultValue);
        };
        options.writeSetting = [&app](const char* name, int value) {
            return app.settings().writeInt(QString::fromLatin1(name), value);
        };
        const config::ConfigStore& store = environment.configStore();
        options.statisticPath = store.getString("StatisticPath");
        options.statisticDelimiter = store.getInt("StatisticFileDelimiter");
        runStatisticsDialog(parent, environment.services().fileSystem, environment.services().clock,
                            environment.programDir(), environment.languageIndex(),
                            std::move(options));
    });
}

} // namespace morva::stats
