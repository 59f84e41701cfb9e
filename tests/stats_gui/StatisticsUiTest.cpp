// The statistics viewer inside the console: command 6012 and its failure
// message through the console's helper.
#include "stats/StatisticsUi.h"

#include "app/ConsoleHarness.h"
#include "resources/CommandIds.h"
#include "service_gui/GuiTestApp.h"
#include "stats/Cwm_StatListDlg.h"
#include "stats/StatTableModel.h"

#include <QApplication>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>

using namespace morva;

namespace {

TEST(StatisticsUiTest, StatisticCommandReportsAnUncreatableSignalAndStillOpensTheViewer)
{
    test::ensureGuiApp();
    test::ConsoleHarness console;
    app::ConsoleApp& app = console.create(false);
    stats::installStatisticsUi(app);
    // A directory in the signal file's place: it cannot be created.
    std::filesystem::create_directory(console.programDir + "Stat.sig");
    console.writeFile("CONST-A.dat", "Received: 1\r\n");

    QString caption;
    int rows = -1;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<stats::Cwm_StatListDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        caption = dialog->windowTitle();
        rows = dialog->model()->rowCount();
        dialog->reject();
    });
    EXPECT_TRUE(app.commands().isEnabled(command::Statistic));
    EXPECT_TRUE(app.commands().run(command::Statistic));

    EXPECT_EQ(caption, "Statistic");
    EXPECT_EQ(rows, 0); // nothing was waited for or read
    ASSERT_EQ(console.messages.messages().size(), 1u);
    EXPECT_EQ(console.messages.messages()[0].kind, app::MessageKind::Failure);
    EXPECT_EQ(console.messages.messages()[0].text, "Unable to create signal file");
}

} // namespace
