// The console's waits with a real event loop: what a sleep of the console's
// clock lets through, how fast Cancel ends it, and closing the main window.
#include "gui/ConsoleWait.h"

#include "ConsoleHarness.h"
#include "gui/Cwm_WaitDlg.h"
#include "gui/EventPumpingClock.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <gtest/gtest.h>

using namespace std::chrono_literals;
using morva::gui::ConsoleWait;
using morva::gui::Cwm_WaitDlg;
using morva::gui::EventPumpingClock;
using morva::test::ConsoleHarness;

namespace {

TEST(ConsoleWait, ASleepKeepsTimersRunningAndDiscardsInputOutsideTheWaitDialog)
{
    QPushButton refresh(QStringLiteral("Refresh"));
    int clicks = 0;
    QObject::connect(&refresh, &QPushButton::clicked, [&] { ++clicks; });
    refresh.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&refresh));

    EventPumpingClock clock;
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(20);
    // Three clicks on the button while the wait runs.
    QTimer clicker;
    QObject::connect(&clicker, &QTimer::timeout, [&] {
        QTest::mouseClick(&refresh, Qt::LeftButton);
        QTest::keyClick(&refresh, Qt::Key_Space);
    });
    clicker.start(60);
    clock.sleepFor(300ms);
    clicker.stop();
    ticker.stop();
    EXPECT_GE(ticks, 5);
    EXPECT_FALSE(ConsoleWait::instance().waiting());

    QTest::qWait(50); // nothing was kept for later either
    EXPECT_EQ(clicks, 0);
    QTest::mouseClick(&refresh, Qt::LeftButton);
    EXPECT_EQ(clicks, 1) << "outside a wait the button works";
}

TEST(ConsoleWait, CancelInTheWaitDialogEndsTheSleepAtOnce)
{
    Cwm_WaitDlg wait(nullptr, 0);
    wait.setText(QStringLiteral("Locking the data files..."));
    wait.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&wait));

    EventPumpingClock clock;
    QElapsedTimer sinceClick;
    QTimer::singleShot(300, [&] {
        sinceClick.start();
        QTest::mouseClick(wait.cancelButton(), Qt::LeftButton);
    });
    QElapsedTimer total;
    total.start();
    clock.sleepFor(3000ms);
    const qint64 latency = sinceClick.elapsed();
    std::printf("cancel latency of a sleep: %lld ms\n", static_cast<long long>(latency));
    EXPECT_TRUE(wait.isCancelled());
    EXPECT_LT(total.elapsed(), 1500) << "the sleep did not run its three seconds";
}

TEST(ConsoleWait, ClosingTheMainWindowEndsTheWaitAndClosesTheWindowAfterIt)
{
    ConsoleHarness h;
    h.create();
    h.window().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&h.window()));
    bool closedInsideTheWait = false;
    QTimer::singleShot(100, [&] {
        h.window().close();
        closedInsideTheWait = !h.window().isVisible();
    });
    EventPumpingClock clock;
    QElapsedTimer total;
    total.start();
    clock.sleepFor(5000ms);
    EXPECT_LT(total.elapsed(), 2000);
    EXPECT_TRUE(ConsoleWait::instance().shuttingDown());
    // Later sleeps of the same operation end at once.
    total.restart();
    clock.sleepFor(1000ms);
    EXPECT_LT(total.elapsed(), 500);
    EXPECT_FALSE(closedInsideTheWait);
    EXPECT_TRUE(h.window().isVisible()) << "nothing is torn down under a running wait";

    QTest::qWait(50);
    EXPECT_FALSE(h.window().isVisible());
    EXPECT_FALSE(ConsoleWait::instance().shuttingDown());
}

} // namespace
