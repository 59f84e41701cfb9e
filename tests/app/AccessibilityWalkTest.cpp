// Every window the console's commands open, as a keyboard or screen reader
// user meets it: the main window with its log view, and each dialog and
// sheet behind the menu (every page of a sheet). New windows are found
// through the command table, so a window wired there later is walked too.
#include "ConsoleHarness.h"
#include "app/ToolbarIcons.h"
#include "confui/Cwm_BasePropSheet.h"
#include "confui/DomainListCommand.h"
#include "confui/SheetCommands.h"
#include "gui/Contrast.h"
#include "gui/DarkPalette.h"
#include "platform/testing/FakeServiceManager.h"
#include "records/RecordEditors.h"
#include "records/RecordIcons.h"
#include "resources/CommandIds.h"
#include "resources/Menu.h"
#include "service/ServiceUi.h"
#include "stats/StatisticsUi.h"
#include "support/AccessibilityAudit.h"

#include <QDialog>
#include <QTimer>
#include <gtest/gtest.h>

namespace c = morva::command;
using morva::test::AuditFindings;
using morva::test::auditWindow;
using morva::test::ConsoleHarness;
using morva::test::describe;

namespace {

// Walks the modal window of a command, page by page, then closes it.
void walkModal(QWidget* modal, AuditFindings& findings)
{
    const QString name = QStringLiteral("window ") + modal->windowTitle();
    if (auto* sheet = qobject_cast<morva::confui::Cwm_BasePropSheet*>(modal)) {
        for (int index = 0; index < sheet->pageCount(); ++index) {
            sheet->setActivePage(index, false);
            QApplication::processEvents();
            findings.add(auditWindow(
                sheet, name + QStringLiteral(" / ") +
                           QString::fromStdString(sheet->page(index)->definition().name)));
        }
    } else if (!QString::fromLatin1(modal->metaObject()->className())
                    .startsWith(QLatin1Char('Q'))) {
        // Qt's own dialogs (files, printing) are Qt's to name.
        findings.add(auditWindow(modal, name));
    }
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}

} // namespace

class AccessibilityWalk : public testing::TestWithParam<const char*>
{
};

TEST_P(AccessibilityWalk, EveryWindowOfTheConsoleHasNamedControlsHeadersAndUniqueAccessKeys)
{
    ConsoleHarness h;
    h.writeFile("Morva.ini", std::string("IniWizard=False\r\nLanguage=") + GetParam() + "\r\n");
    h.writeFile("GW.log", "08.12.26 12:00:00 1: started\r\n");
    h.create();
    morva::platform::FakeServiceManager serviceManager;
    const morva::gui::FeatureSetup features = h.app->featureSetup();
    morva::service::installServiceUi(features, serviceManager);
    morva::stats::installStatisticsUi(features);
    morva::confui::installExchangeDomainList(features);
    morva::records::RecordEditors records(features);
    records.createDataSet();
    morva::confui::registerSheetCommands(features, [](QWidget*, const std::string&) {});

    AuditFindings findings;
    h.window().show();
    QApplication::processEvents();
    findings.add(auditWindow(&h.window(), QStringLiteral("main window")));

    std::vector<int> walked;
    QTimer watcher;
    watcher.setInterval(5);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget())
            walkModal(modal, findings);
    });
    watcher.start();
    // Commands that end the console, print or change the gateway's state
    // open nothing to walk.
    const std::set<int> skipped{c::Exit, c::Print, c::PrintSetup, c::ToggleToolbar,
                                c::ToggleStatusBar};
    for (int command : morva::menu::menuCommands()) {
        if (skipped.count(command) || !h.commands->isEnabled(command))
            continue;
        h.commands->run(command);
        QApplication::processEvents();
        walked.push_back(command);
    }
    watcher.stop();
    records.closeDataSet();

    EXPECT_GE(walked.size(), 20u) << "the walk reaches the console's windows";
    EXPECT_TRUE(findings.unnamed.empty()) << findings.unnamed.size() << " unnamed\n"
                                          << describe(findings.unnamed);
    EXPECT_TRUE(findings.headerless.empty()) << describe(findings.headerless);
    EXPECT_TRUE(findings.duplicateKeys.empty()) << describe(findings.duplicateKeys);
    EXPECT_TRUE(findings.cutTexts.empty()) << describe(findings.cutTexts);
}

INSTANTIATE_TEST_SUITE_P(Language, AccessibilityWalk,
                         testing::Values("ENG", "DEU", "FRA", "ITA", "SPA"));

TEST(ScaledIcons, ToolbarAndRecordIconsHaveTwiceSizedPicturesForScaledScreens)
{
    for (const QIcon& icon : {morva::app::toolbarIcon(c::Service, QPalette()),
                              morva::records::mailRecordIcon(), morva::records::userRecordIcon()}) {
        const QList<QSize> sizes = icon.availableSizes();
        ASSERT_FALSE(sizes.isEmpty());
        const QSize smallest = *std::min_element(
            sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
        EXPECT_TRUE(sizes.contains(smallest * 2)) << "no picture at 200% of " << smallest.width();
        // At 200% the icon draws from the large picture, not an enlarged small one.
        EXPECT_EQ(icon.pixmap(smallest, 2.0).size(), smallest * 2);
    }
}

// The glyphs' edges stand out from the toolbar on a dark palette too (3:1,
// as graphics need): what shows where the glyph meets the background is
// measured against the window colour the bar is painted in.
TEST(ScaledIcons, ToolbarIconsStandOutOnADarkPalette)
{
    const QPalette dark = morva::gui::darkPalette();
    const QColor background = dark.color(QPalette::Window);
    for (int id : morva::menu::toolbarButtons()) {
        if (id == 0)
            continue;
        const QImage image =
            morva::app::toolbarIcon(id, dark).pixmap(24, 24).toImage().convertToFormat(
                QImage::Format_ARGB32);
        double edgeContrast = 0;
        int edgePixels = 0;
        for (int y = 1; y < image.height() - 1; ++y)
            for (int x = 1; x < image.width() - 1; ++x) {
                const QRgb pixel = image.pixel(x, y);
                const bool nextToBackground =
                    qAlpha(image.pixel(x - 1, y)) == 0 || qAlpha(image.pixel(x + 1, y)) == 0 ||
                    qAlpha(image.pixel(x, y - 1)) == 0 || qAlpha(image.pixel(x, y + 1)) == 0;
                if (qAlpha(pixel) == 0 || !nextToBackground)
                    continue;
                // The pixel as it shows over the window colour.
                const double a = qAlpha(pixel) / 255.0;
                const QColor shown(
                    static_cast<int>(qRed(pixel) * a + background.red() * (1 - a)),
                    static_cast<int>(qGreen(pixel) * a + background.green() * (1 - a)),
                    static_cast<int>(qBlue(pixel) * a + background.blue() * (1 - a)));
                edgeContrast += morva::gui::contrastRatio(shown, background);
                ++edgePixels;
            }
        ASSERT_GT(edgePixels, 0) << "command " << id;
        EXPECT_GE(edgeContrast / edgePixels, 3.0) << "command " << id;
    }
}
