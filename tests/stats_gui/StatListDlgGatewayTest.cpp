// The statistics viewer against the gateway stand-in (tools/gwsim), waiting
// through the console's own clock.
#include "gui/Cwm_WaitDlg.h"
#include "gui/EventPumpingClock.h"
#include "platform/ScratchDir.h"
#include "platform/SystemFileSystem.h"
#include "resources/Texts.h"
#include "service_gui/GuiTestApp.h"
#include "stats/Cwm_StatListDlg.h"
#include "stats/GwsimProcess.h"
#include "stats/StatTableModel.h"
#include "stats/Statistics.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

using namespace morva;

namespace {

TEST(StatListDlgGatewayTest, RefreshShowsTheGatewaysCountersAndKeepsPaintingWhileItWaits)
{
    test::ensureGuiApp();
    test::ScratchDir scratch;
    test::GwsimProcess gateway(scratch.dir(), {"--poll-ms", "50", "--stat-delay-ms", "1500",
                                               "--rate", "20", "--duration", "30"});
    ASSERT_TRUE(gateway.waitReady());
    auto files = platform::makeSystemFileSystem();
    gui::EventPumpingClock clock;
    stats::Statistics statistics(*files, clock, scratch.dir());
    stats::Cwm_StatListDlg dialog(nullptr, statistics, English, {});
    dialog.show();
    scratch.write("CONST-A.dat", "Service: old dump\r\n");

    int ticks = 0;
    QTimer ticker;
    bool waitShown = false;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        ++ticks;
        waitShown = waitShown || (dialog.waitDialog() && dialog.waitDialog()->isVisible());
    });
    ticker.start(100);
    QElapsedTimer elapsed;
    elapsed.start();
    dialog.refreshButton()->click();

    EXPECT_GE(elapsed.elapsed(), 1500); // the dump written before the signal was not taken
    EXPECT_GE(ticks, 10);               // timers ran during the wait
    EXPECT_TRUE(waitShown);
    EXPECT_FALSE(dialog.staleNote()->isVisibleTo(&dialog));
    ASSERT_GT(dialog.model()->rowCount(), 10);
    EXPECT_EQ(dialog.model()->data(dialog.model()->index(0, 0)).toString(), "Service");
}

} // namespace
