#include "app/AdminSettings.h"
#include "app/ConsoleApp.h"
#include "app/Cwm_MainWnd.h"
#include "confui/DomainListCommand.h"
#include "confui/SheetCommands.h"
#include "confui/history/HistoryUi.h"
#include "gui/AppEnvironment.h"
#include "gui/CommandRegistry.h"
#include "gui/DarkPalette.h"
#include "gui/EventPumpingClock.h"
#include "platform/AddOnProbe.h"
#include "platform/Clock.h"
#include "platform/ProcessInfo.h"
#include "platform/RegionalLanguage.h"
#include "platform/ServiceManager.h"
#include "platform/SystemFileSystem.h"
#include "platform/UrlOpener.h"
#include "platform/VersionResource.h"
#include "records/RecordEditors.h"
#include "service/ServiceUi.h"
#include "stats/StatisticsUi.h"

#include <QApplication>
#include <QStatusBar>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

// MORVA_REPORT_STARTUP=1 prints the wall-clock time (ms since the epoch) of
// the main window's first paint on stderr, for start-up measurements;
// MORVA_REPORT_STARTUP=exit also ends the program then.
class FirstPaintReporter : public QObject
{
public:
    explicit FirstPaintReporter(bool exitAfter) : m_exitAfter(exitAfter) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_reported) {
            m_reported = true;
            const auto now = std::chrono::duration_cast<std::chrono::milliseconds>(
                std::chrono::system_clock::now().time_since_epoch());
            std::fprintf(stderr, "morva-admin: first paint at %lld\n",
                         static_cast<long long>(now.count()));
            if (m_exitAfter)
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_exitAfter;
    bool m_reported = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(
        QString::fromLatin1(morva::app::AdminSettings::kOrganization));
    QApplication::setApplicationName(QString::fromLatin1(morva::app::AdminSettings::kApplication));
    // The installed desktop entry, so the desktop shows its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.brentmoor.MorvaAdmin"));
    // The console follows the desktop's palette; MORVA_PALETTE=dark gives it
    // a dark one where the desktop's dark theme does not reach Qt programs.
    if (const char* palette = std::getenv("MORVA_PALETTE");
        palette && std::string_view(palette) == "dark") {
        QApplication::setStyle(QStringLiteral("Fusion"));
        QApplication::setPalette(morva::gui::darkPalette());
    }

    auto fileSystem = morva::platform::makeSystemFileSystem();
    // Every wait of the console (data lock, service stop, statistics,
    // configuration reads) keeps the windows alive through this clock.
    morva::gui::EventPumpingClock clock;
    auto regionalLanguage = morva::platform::makeSystemRegionalLanguage();
    auto addOnProbe = morva::platform::makeSystemAddOnProbe();
    auto urlOpener = morva::platform::makeSystemUrlOpener();
    auto versionResource = morva::platform::makeSystemVersionResource();
    morva::gui::PlatformServices services{*fileSystem, clock,      *regionalLanguage,
                                          *addOnProbe, *urlOpener, *versionResource};

    const std::string programDir = morva::platform::resolveProgramDir();
    morva::gui::AppEnvironment environment(
        services, programDir, morva::platform::executablePath(),
        morva::gui::AppEnvironment::tempDirFromEnvironment(programDir));
    auto settings = morva::app::AdminSettings::forCurrentUser();
    morva::gui::CommandRegistry commands;
    auto serviceManager = morva::platform::makeSystemServiceManager();
    morva::app::ConsoleApp app(environment, *settings, commands);
    const morva::gui::FeatureSetup features = app.featureSetup();
    morva::service::installServiceUi(features, *serviceManager);
    morva::stats::installStatisticsUi(features);
    morva::confui::installExchangeDomainList(features);
    morva::confui::installConfigHistory(features);
    if (!app.initInstance())
        return 1;
    // Record lists and sheets, the Exchange domain list, the translation and
    // rewrite grids; the data set opens at start-up and closes with the main
    // window.
    morva::records::RecordEditors recordEditors(features);
    app.setDataSetLifecycle([&recordEditors] { recordEditors.createDataSet(); },
                            [&recordEditors] { recordEditors.closeDataSet(); });
    // Options sheets, the add-on sheet, Advanced Configuration and the setup
    // wizard, with the routing grid behind their "Routing..." buttons.
    morva::confui::registerSheetCommands(features,
                                         [&recordEditors](QWidget* parent, const std::string& key) {
                                             recordEditors.openRouteList(parent, key);
                                         });

    std::unique_ptr<FirstPaintReporter> reporter;
    if (const char* report = std::getenv("MORVA_REPORT_STARTUP"); report && *report) {
        reporter = std::make_unique<FirstPaintReporter>(std::string_view(report) == "exit");
        app.mainWindow()->statusBar()->installEventFilter(reporter.get());
    }
    const int result = QApplication::exec();
    app.setDataSetLifecycle({}, {});
    return result;
}
