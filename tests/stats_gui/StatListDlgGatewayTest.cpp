// The statistics viewer against the gateway stand-in (tools/gwsim), waiting
// through the console's own clock.
#include "app/EventPumpingClock.h"
#include "platform/ScratchDir.h"
#include "platform/SystemFileSystem.h"
#include "resources/Texts.h"
#include "service_gui/GuiTestApp.h"
#include "stats/Cwm_StatListDlg.h"
#include "stats/GwsimProcess.h"
#include "stats/StatTableModel.h"
#include "stats/Statistics.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

using namespace morva;

namespace {

TEST(StatListDlgGatewayTest, RefreshShowsTheGatewaysCountersAndKeepsPaintingWhileItWaits)
{
    test::ensureGuiApp();
    test::ScratchDir scratch;
    test::GwsimProcess gateway(scratch.dir(), {"--poll-ms", "50", "--stat-delay-ms", "300",
                                               "--rate", "20", "--duration", "30"});
    ASSERT_TRUE(gateway.waitReady());
    auto files = platform::makeSystemFileSystem();
    app::EventPumpingClock clock;
    stats::Statistics statistics(*files, clock, scratch.dir());
    stats::Cwm_StatListDlg dialog(nullptr, statistics, English, {});
    dialog.show();

    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(100);
    QElapsedTimer elapsed;
    elapsed.start();
    dialog.refreshButton()->click();

    EXPECT_GE(elapsed.elapsed(), 2000);
    EXPECT_GE(ticks, 10); // timers ran during the wait
    ASSERT_GT(dialog.model()->rowCount(), 10);
    EXPECT_EQ(dialog.model()->data(dialog.model()->index(0, 0)).toString(), "Service");
}

} // namespace
