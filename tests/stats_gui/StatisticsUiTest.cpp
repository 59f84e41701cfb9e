// The statistics viewer inside the console: command 6012 and its failure
// message through the console's helper.
#include "stats/StatisticsUi.h"

#include "app/ConsoleHarness.h"
#include "resources/CommandIds.h"
#include "service_gui/GuiTestApp.h"
#include "stats/Cwm_StatListDlg.h"
#include "stats/StatTableModel.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>

using namespace morva;

namespace {

TEST(StatisticsUiTest, StatisticCommandReportsAnUncreatableSignalAndStillOpensTheViewer)
{
    test::ensureGuiApp();
    test::ConsoleHarness console;
    // The viewer keeps its history in the user's data directory.
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(console.programDir + "data"));
    qputenv("LOCALAPPDATA", QByteArray::fromStdString(console.programDir + "data"));
    app::ConsoleApp& app = console.create();
    stats::installStatisticsUi(app.featureSetup());
    // A directory in the signal file's place: it cannot be created.
    std::filesystem::create_directory(console.programDir + "Stat.sig");
    console.writeFile("CONST-A.dat", "Received: 1\r\n");

    QString caption;
    int rows = -1;
    const std::size_t messagesBefore = console.messages.messages().size();
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (auto* dialog = qobject_cast<stats::Cwm_StatListDlg*>(modal)) {
            caption = dialog->windowTitle();
            rows = dialog->model()->rowCount();
        }
        if (modal)
            modal->reject();
    });
    closer.start(20);
    EXPECT_TRUE(app.commands().isEnabled(command::Statistic));
    EXPECT_TRUE(app.commands().run(command::Statistic));
    closer.stop();

    EXPECT_EQ(caption, "Statistic");
    EXPECT_EQ(rows, 0); // nothing was waited for or read
    ASSERT_EQ(console.messages.messages().size(), messagesBefore + 1);
    EXPECT_EQ(console.messages.messages().back().kind, gui::MessageKind::Failure);
    EXPECT_EQ(console.messages.messages().back().text, "Unable to create signal file");
}

} // namespace
