// Saves a picture of every page of the Options sheets 1 to 13, the Phishing
// page and the Advanced Configuration sheet, for looking at layouts:
//   morva_confui_sheet_shots <output dir> <language 0..4>
// Run it under Xvfb (or the offscreen platform) with a scratch program dir.
#include "config/ConfigStore.h"
#include "config/Schema.h"
#include "confui/Cwm_IniPropSheet.h"
#include "confui/OptionsSheetBuilder.h"
#include "confui/sheets/AdvancedSheet.h"
#include "platform/Clock.h"
#include "platform/SystemFileSystem.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <algorithm>
#include <cstdio>
#include <filesystem>

using namespace morva;

namespace {
void shoot(confui::Cwm_BasePropSheet& sheet, const QString& dir, const QString& prefix)
{
    sheet.show();
    QApplication::processEvents();
    // The size the sheet chose for itself, as a user sees it first.
    std::printf("%s hint %dx%d size %dx%d page %dx%d\n", prefix.toLocal8Bit().constData(),
                sheet.sizeHint().width(), sheet.sizeHint().height(), sheet.width(), sheet.height(),
                sheet.activePage() ? sheet.activePage()->sizeHint().width() : -1,
                sheet.activePage() ? sheet.activePage()->sizeHint().height() : -1);
    sheet.grab().save(dir + QStringLiteral("/%1-opened.png").arg(prefix));
    for (int i = 0; i < sheet.pageCount(); ++i) {
        sheet.setActivePage(i, false);
        QApplication::processEvents();
        // Large enough for the page (up to the screen) to show what clips.
        const QSize page = sheet.page(i)->sizeHint();
        sheet.resize(std::min(1260, std::max(600, page.width() + 40)),
                     std::min(1000, page.height() + 110));
        QApplication::processEvents();
        const QString name = QString::fromStdString(sheet.page(i)->definition().name);
        sheet.grab().save(
            dir +
            QStringLiteral("/%1-%2-%3.png").arg(prefix).arg(i, 2, 10, QLatin1Char('0')).arg(name));
    }
    sheet.hide();
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/shots");
    const int language = argc > 2 ? std::atoi(argv[2]) : 0;
    QDir().mkpath(dir);
    const std::string programDir =
        (std::filesystem::temp_directory_path() / "morva-shots/").string();
    std::filesystem::create_directories(programDir);
    auto fs = platform::makeSystemFileSystem();
    platform::FakeClock clock;
    config::ConfigStore store(*fs, clock, programDir);
    config::registerSchema(store);
    store.load();
    confui::SheetEnvironment environment;
    environment.store = &store;
    environment.language = language;
    environment.programDir = programDir;
    environment = confui::withDesktopDefaults(environment);
    for (int type = 1; type <= 13; ++type) {
        auto sheet = confui::buildOptionsSheet(type, environment);
        shoot(*sheet, dir, QStringLiteral("sheet%1").arg(type, 2, 10, QLatin1Char('0')));
    }
    auto advanced = confui::buildCatalogueSheet(confui::kAdvancedSheetType, environment);
    shoot(*advanced, dir, QStringLiteral("conf"));
    confui::Cwm_IniPropSheet phishing(environment, QStringLiteral("Phishing"), 0);
    phishing.addPage(*confui::catalogue().page("IniPhi"));
    shoot(phishing, dir, QStringLiteral("phi"));
    std::printf("pictures in %s\n", dir.toLocal8Bit().constData());
    return 0;
}
