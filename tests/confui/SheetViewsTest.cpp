// Pictures and timings for people, not checks: with MORVA_CONFUI_SHOTS set
// to a directory every page of the General, Blocking and Spam sheets and the
// wizard is saved there as PNG in English and German; with
// MORVA_CONFUI_TIMING set to a "Morva.ini" the Blocking sheet's open and OK
// times are printed. Both skip otherwise.
#include "GuiFixture.h"
#include "confui/OptionsSheetBuilder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace morva::confui;

TEST(SheetViews, Screenshots)
{
    const char* target = std::getenv("MORVA_CONFUI_SHOTS");
    if (!target || !*target)
        GTEST_SKIP() << "MORVA_CONFUI_SHOTS not set";
    QDir().mkpath(target);
    GuiFixture fixture;
    for (int language : {0, 1, 2}) {
        for (int type : {1, 2, 3, 4}) {
            auto env = fixture.environment();
            env.language = language;
            auto sheet = buildOptionsSheet(type, env);
            sheet->show();
            for (int index = 0; index < sheet->pageCount(); ++index) {
                sheet->setActivePage(index, false);
                sheet->adjustSize();
                QApplication::processEvents();
                const QString name = QStringLiteral("%1/%2-%3-%4-%5.png")
                                         .arg(QString::fromUtf8(target))
                                         .arg(language)
                                         .arg(type)
                                         .arg(index, 2, 10, QLatin1Char('0'))
                                         .arg(QString::fromStdString(sheet->page(index)->name()));
                sheet->grab().save(name);
            }
        }
    }
}

TEST(SheetViews, BlockingSheetTiming)
{
    const char* source = std::getenv("MORVA_CONFUI_TIMING");
    if (!source || !*source)
        GTEST_SKIP() << "MORVA_CONFUI_TIMING not set";
    std::ifstream in(source, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    GuiFixture fixture(content.str());
    fixture.store->setInt("AdminMVFQueryStatus", 1);
    fixture.addOn = true;
    for (int round = 0; round < 3; ++round) {
        QElapsedTimer timer;
        timer.start();
        auto sheet = buildOptionsSheet(3, fixture.environment());
        sheet->show();
        QApplication::processEvents();
        const qint64 open = timer.nsecsElapsed();
        timer.restart();
        const bool ok = sheet->applyAll();
        const qint64 apply = timer.nsecsElapsed();
        std::printf("Blocking sheet: open %.1f ms, OK with %d saves %.1f ms (%s)\n", open / 1e6,
                    sheet->pageCount(), apply / 1e6, ok ? "saved" : "refused");
    }
}
