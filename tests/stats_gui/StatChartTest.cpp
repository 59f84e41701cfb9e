// The statistics viewer's history, chart, automatic refresh and exports.
#include "platform/Clock.h"
#include "resources/Texts.h"
#include "service_gui/GuiTestApp.h"
#include "stats/Cwm_StatListDlg.h"
#include "stats/StatChartPanel.h"
#include "stats/StatHistoryLocation.h"
#include "stats/StatTableModel.h"
#include "stats/Statistics.h"
#include "support/MemoryFileSystem.h"

#include <QChart>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <map>
#include <optional>

using namespace morva;
using morva::stats::Cwm_StatListDlg;

namespace {

// Answers "Stat.sig" with the dump it was given at the first sleep of a
// refresh.
class GatewayClock final : public platform::Clock
{
public:
    explicit GatewayClock(test::MemoryFileSystem& files) : m_files(files) {}
    std::chrono::steady_clock::time_point now() override { return m_clock.now(); }
    void sleepFor(std::chrono::milliseconds duration) override
    {
        m_clock.sleepFor(duration);
        if (nextDump) {
            m_files.put("/gw/CONST-A.dat", *nextDump);
            nextDump.reset();
        }
    }
    std::optional<std::string> nextDump;

private:
    test::MemoryFileSystem& m_files;
    platform::FakeClock m_clock;
};

class StatChartTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        test::ensureGuiApp();
        // The user's data directory on POSIX and on Windows.
        qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
        qputenv("LOCALAPPDATA", QDir::toNativeSeparators(dataHome.path()).toLocal8Bit());
    }

    std::unique_ptr<Cwm_StatListDlg> dialog()
    {
        stats::StatViewerOptions options;
        options.fileSystem = &files;
        options.clock = &clock;
        options.programDir = "/gw/";
        options.statisticPath = "/stat";
        options.statisticDelimiter = ';';
        options.readSetting = [this](const char* name, int defaultValue) {
            const auto it = settings.find(name);
            return it == settings.end() ? defaultValue : it->second;
        };
        options.writeSetting = [this](const char* name, int value) {
            settings[name] = value;
            return true;
        };
        options.chooseSaveFile = [this](QWidget*, const QString&, const QString&) {
            return saveAnswer;
        };
        options.chooseOpenFiles = [this](QWidget*, const QString&, const QString& directory,
                                         const QString&) {
            openedIn = directory;
            return openAnswer;
        };
        return std::make_unique<Cwm_StatListDlg>(
            nullptr, statistics, English,
            [this](QWidget*, const QString& text) { failures.push_back(text); },
            std::move(options));
    }
    static QStringList listed(const Cwm_StatListDlg& dlg)
    {
        QStringList names;
        for (int i = 0; i < dlg.chartPanel()->counterList()->count(); ++i)
            names << dlg.chartPanel()->counterList()->item(i)->text();
        return names;
    }
    // All points drawn (a line breaks where a counter started again, so one
    // counter may be drawn as several series).
    static int plottedPoints(const Cwm_StatListDlg& dlg)
    {
        int count = 0;
        for (QAbstractSeries* series : dlg.chartPanel()->chart()->series())
            count += static_cast<int>(static_cast<QLineSeries*>(series)->count());
        return count;
    }

    QTemporaryDir dataHome;
    test::MemoryFileSystem files;
    GatewayClock clock{files};
    stats::Statistics statistics{files, clock, "/gw/"};
    std::map<std::string, int> settings;
    std::vector<QString> failures;
    QString saveAnswer;
    QStringList openAnswer;
    QString openedIn;
};

TEST_F(StatChartTest, EveryDumpIsKeptAcrossSessionsAndChartedWithRates)
{
    {
        auto dlg = dialog();
        clock.nextDump = "Received: 10\r\nQueue: 2\r\nStarted: 2026-12-09 08:00\r\n";
        dlg->refresh();
        clock.nextDump = "Received: 30\r\nQueue: 1\r\nStarted: 2026-12-09 08:00\r\n";
        dlg->refresh();
        ASSERT_EQ(dlg->history().size(), 2u);
        EXPECT_EQ(dlg->historyPath().rfind(dataHome.path().toStdString(), 0), 0u);
        EXPECT_EQ(listed(*dlg), (QStringList{"Received", "Queue"})); // dates are no counters
        EXPECT_EQ(dlg->chartPanel()->tickedNames(), QStringList{"Received"});
        EXPECT_EQ(plottedPoints(*dlg), 2);
        dlg->chartPanel()->counterList()->item(1)->setCheckState(Qt::Checked);
        EXPECT_EQ(plottedPoints(*dlg), 4);
        dlg->chartPanel()->ratesBox()->setChecked(true);
        // One counter rose, the other fell (a restart: no rate). Which is
        // which depends on the fake file times, which are not in order.
        EXPECT_EQ(plottedPoints(*dlg), 1);
        EXPECT_TRUE(dlg->chartPanel()->sourceLabel()->text().contains("Dumps kept: 2"));
        // A refresh that brings nothing new keeps nothing.
        dlg->refresh();
        EXPECT_EQ(dlg->history().size(), 2u);
    }
    auto again = dialog();
    EXPECT_EQ(again->history().size(), 2u);
    EXPECT_FALSE(again->historyNote()->isVisibleTo(again.get()));
}

TEST_F(StatChartTest, AHistoryThatCannotBeWrittenIsSaidAndTheFiguresStillShown)
{
    auto dlg = dialog();
    files.failOpen(dlg->historyPath(), platform::FileError::AccessDenied);
    clock.nextDump = "Received: 10\r\n";
    dlg->refresh();
    EXPECT_EQ(dlg->model()->rowCount(), 1);
    EXPECT_TRUE(dlg->historyNote()->isVisibleTo(dlg.get()));
    EXPECT_TRUE(dlg->historyNote()->text().contains("could not be kept"));
    EXPECT_TRUE(dlg->historyNote()->text().contains("access denied"));

    // Kept in the program directory instead, by the user's choice.
    dlg->besideProgramBox()->setChecked(true);
    EXPECT_EQ(settings[stats::kHistoryBesideProgramSetting], 1);
    EXPECT_EQ(dlg->historyPath(), "/gw/MorvaAdminStat.hist");
    clock.nextDump = "Received: 20\r\n";
    dlg->refresh();
    EXPECT_NE(files.contents("/gw/MorvaAdminStat.hist").find("Received\t20"), std::string::npos);
}

TEST_F(StatChartTest, AutomaticRefreshIsOffByDefaultAndItsIntervalKeptPerUser)
{
    {
        auto dlg = dialog();
        EXPECT_EQ(dlg->autoRefreshBox()->value(), 0);
        EXPECT_EQ(dlg->autoRefreshBox()->text(), "Off");
        EXPECT_FALSE(dlg->autoRefreshTimer()->isActive());
        dlg->autoRefreshBox()->setValue(5);
        EXPECT_EQ(settings[stats::kAutoRefreshMinutesSetting], 5);
    }
    auto dlg = dialog();
    EXPECT_EQ(dlg->autoRefreshBox()->value(), 5);
    EXPECT_TRUE(dlg->autoRefreshTimer()->isActive());
    EXPECT_EQ(dlg->autoRefreshTimer()->interval(), 5 * 60 * 1000);
    // Not while the viewer is not the window the user works in.
    clock.nextDump = "Received: 10\r\n";
    QMetaObject::invokeMethod(dlg->autoRefreshTimer(), "timeout", Qt::DirectConnection);
    EXPECT_EQ(dlg->model()->rowCount(), 0);
    dlg->autoRefreshBox()->setValue(0);
    EXPECT_FALSE(dlg->autoRefreshTimer()->isActive());
}

TEST_F(StatChartTest, ExportsTheTableAndTheHistoryAsCsv)
{
    auto dlg = dialog();
    clock.nextDump = "Received: 10\r\nNote: a,b\r\n";
    dlg->refresh();
    clock.nextDump = "Received: 12\r\nNote: =1+1\r\n";
    dlg->refresh();
    saveAnswer = "/out/table.csv";
    dlg->exportTableButton()->click();
    EXPECT_EQ(files.contents("/out/table.csv"), "Name,Value\r\nReceived,12\r\nNote,'=1+1\r\n");
    saveAnswer = "/out/history.csv";
    dlg->exportHistoryButton()->click();
    const std::string history = files.contents("/out/history.csv");
    EXPECT_EQ(history.substr(0, history.find("\r\n")), "Time,Received,Note");
    EXPECT_NE(history.find(",10,\"a,b\"\r\n"), std::string::npos) << history;
    saveAnswer.clear(); // cancelled: nothing written
    files.files.erase("/out/table.csv");
    dlg->exportTableButton()->click();
    EXPECT_FALSE(files.has("/out/table.csv"));
    EXPECT_TRUE(failures.empty());
}

TEST_F(StatChartTest, ChartsTheGatewaysStatisticsFilesPerHourAndReturnsToTheHistory)
{
    clock.nextDump = "Received: 10\r\n";
    files.put("/stat/day.csv", "Date;Time;<b>Size</b>;Sender\r\n"
                               "2026-12-09;10:05;100;a@example.com\r\n"
                               "2026-12-09;10:55;50;b@example.com\r\n"
                               "2026-12-09;11:10;25;c@example.com\r\n");
    auto dlg = dialog();
    dlg->refresh();
    openAnswer = {"/stat/day.csv", "/stat/gone.csv"};
    dlg->gatewayFilesButton()->click();
    EXPECT_EQ(openedIn, QString("/gw/")); // the configured directory does not exist here
    EXPECT_EQ(listed(*dlg), (QStringList{"Records", "<b>Size</b>"}));
    EXPECT_FALSE(dlg->chartPanel()->ratesBox()->isEnabled());
    EXPECT_EQ(plottedPoints(*dlg), 2); // two hours
    const QString source = dlg->chartPanel()->sourceLabel()->text();
    EXPECT_TRUE(source.contains("3 records")) << source.toStdString();
    EXPECT_TRUE(source.contains("/stat/gone.csv could not be read")) << source.toStdString();
    EXPECT_TRUE(dlg->backToHistoryButton()->isVisibleTo(dlg.get()));

    dlg->backToHistoryButton()->click();
    EXPECT_EQ(listed(*dlg), QStringList{"Received"});
    EXPECT_TRUE(dlg->chartPanel()->ratesBox()->isEnabled());
    EXPECT_FALSE(dlg->backToHistoryButton()->isVisibleTo(dlg.get()));
}

} // namespace
