#include "app/ConsoleHarness.h"
#include "app/Cwm_AboutDlg.h"
#include "resources/CommandIds.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <gtest/gtest.h>

using morva::test::ConsoleHarness;

// The About box the Help menu opens names the version the build was
// configured with, the one `morvactl --version` prints, in every language.
TEST(AboutBox, ShowsTheProjectVersion)
{
    for (const char* language : {"ENG", "DEU", "FRA", "ITA", "ESP"}) {
        ConsoleHarness h;
        h.writeFile("Morva.ini", std::string("IniWizard=False\r\nLanguage=") + language + "\r\n");
        h.create();
        QString shown;
        bool plain = false;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            auto* box = qobject_cast<morva::app::Cwm_AboutDlg*>(modal);
            if (!box) { // something else opened: close it, the test fails below
                if (modal)
                    modal->close();
                return;
            }
            if (const auto* product = box->findChild<QLabel*>(QStringLiteral("product"))) {
                shown = product->text();
                plain = product->textFormat() == Qt::PlainText;
            }
            box->reject();
        });
        h.commands->run(morva::command::About);
        EXPECT_EQ(shown, QStringLiteral("Morva v" MORVA_PROJECT_VERSION)) << language;
        EXPECT_TRUE(plain) << language;
    }
}
