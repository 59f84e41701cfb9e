#include "stats/StatisticsUi.h"

#include "config/ConfigStore.h"
#include "gui/AppEnvironment.h"
#include "gui/CommandRegistry.h"
#include "gui/ConsoleHost.h"
#include "gui/FeatureSetup.h"
#include "resources/CommandIds.h"
#include "stats/Cwm_StatListDlg.h"
#include "stats/StatisticsDialog.h"

#include <QApplication>

namespace morva::stats {

void installStatisticsUi(const gui::FeatureSetup& setup)
{
    setup.commands.setHandler(
        command::Statistic, [&environment = setup.environment, &host = setup.host] {
            QWidget* parent = QApplication::activeWindow();
            if (!parent)
                parent = host.parentWindow();
            StatViewerOptions options;
            options.readSetting = [&host](const char* name, int defaultValue) {
                return host.readUserSetting(name, defaultValue);
            };
            options.writeSetting = [&host](const char* name, int value) {
                return host.writeUserSetting(name, value);
            };
            const config::ConfigStore& store = environment.configStore();
            options.statisticPath = store.getString("StatisticPath");
            options.statisticDelimiter = store.getInt("StatisticFileDelimiter");
            runStatisticsDialog(parent, environment.services().fileSystem,
                                environment.services().clock, environment.programDir(),
                                environment.languageIndex(), std::move(options));
        });
}

} // namespace morva::stats
