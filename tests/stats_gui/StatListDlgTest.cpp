#include "gui/Cwm_WaitDlg.h"
#include "platform/Clock.h"
#include "resources/Texts.h"
#include "service_gui/GuiTestApp.h"
#include "stats/Cwm_StatListDlg.h"
#include "stats/StatTableModel.h"
#include "stats/Statistics.h"
#include "stats/StatisticsFile.h"
#include "support/MemoryFileSystem.h"

#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <optional>

using namespace morva;
using morva::stats::Cwm_StatListDlg;

namespace {

// The gateway's part on the fake clock: after the first sleep of a refresh
// it writes the dump it was given; hooks run at given sleep counts.
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
        if (auto it = hooks.find(m_clock.sleeps()); it != hooks.end())
            it->second();
    }
    int sleeps() const { return m_clock.sleeps(); }

    std::optional<std::string> nextDump;
    std::map<int, std::function<void()>> hooks;

private:
    test::MemoryFileSystem& m_files;
    platform::FakeClock m_clock;
};

class StatListDlgTest : public ::testing::Test
{
protected:
    void SetUp() override { test::ensureGuiApp(); }
    std::unique_ptr<Cwm_StatListDlg> dialog(int language = English, QWidget* parent = nullptr)
    {
        return std::make_unique<Cwm_StatListDlg>(parent, statistics, language,
                                                 [this](QWidget* owner, const QString& text) {
                                                     failures.push_back(text);
                                                     failureOwners.push_back(owner);
                                                 });
    }
    static QString cell(const Cwm_StatListDlg& dlg, int row, int column, int role = Qt::DisplayRole)
    {
        return dlg.model()->data(dlg.model()->index(row, column), role).toString();
    }

    test::MemoryFileSystem files;
    GatewayClock clock{files};
    stats::Statistics statistics{files, clock, "/gw/"};
    std::vector<QString> failures;
    std::vector<QWidget*> failureOwners;
};

TEST_F(StatListDlgTest, RefreshFillsTheTwoColumnGrid)
{
    clock.nextDump = "Received: 1234\r\nStarted: 08:15:00\r\nfree text\r\n";
    auto dlg = dialog();
    EXPECT_EQ(dlg->windowTitle(), "Statistic");
    EXPECT_EQ(dlg->refreshButton()->text(), "&Refresh");
    EXPECT_EQ(dlg->closeButton()->text(), "Close");
    dlg->refresh();
    ASSERT_EQ(dlg->model()->rowCount(), 3);
    EXPECT_EQ(dlg->model()->columnCount(), 2);
    EXPECT_EQ(cell(*dlg, 0, 0), "Received");
    EXPECT_EQ(cell(*dlg, 0, 1), "1234");
    EXPECT_EQ(cell(*dlg, 1, 1), "08:15:00");
    EXPECT_EQ(cell(*dlg, 2, 0), "");
    EXPECT_EQ(cell(*dlg, 2, 1), "free text");
    // The headings show empty, as the gateway's grid has them, while a
    // screen reader hears the columns' names.
    EXPECT_EQ(dlg->model()->headerData(0, Qt::Horizontal).toString(), "Name");
    EXPECT_EQ(dlg->model()->headerData(1, Qt::Horizontal).toString(), "Value");
    dlg->show();
    QHeaderView* header = dlg->grid()->horizontalHeader();
    ASSERT_GT(header->width(), 0);
    const QImage named = header->grab().toImage();
    dlg->model()->setHeadings(QString(), QString());
    EXPECT_EQ(header->grab().toImage(), named);
    EXPECT_FALSE(dlg->truncatedNote()->isVisibleTo(dlg.get()));
    EXPECT_FALSE(dlg->staleNote()->isVisibleTo(dlg.get()));
    EXPECT_TRUE(failures.empty());
}

TEST_F(StatListDlgTest, HostileValuesAreShownAsTheyAre)
{
    clock.nextDump = (std::string("<b>Bold</b>: <img src=x>\n"
                                  "Bell\x07: a\x1b[31mb\x7f\n"
                                  "Bad \xff\xfe: \xc3\x28\n"));
    auto dlg = dialog();
    dlg->refresh();
    EXPECT_EQ(cell(*dlg, 0, 0), "<b>Bold</b>");
    EXPECT_EQ(cell(*dlg, 0, 1), "<img src=x>");
    EXPECT_EQ(cell(*dlg, 0, 1, Qt::ToolTipRole), "&lt;img src=x&gt;");
    EXPECT_EQ(cell(*dlg, 1, 0), QString("Bell") + QChar(0x2407));
    EXPECT_EQ(cell(*dlg, 1, 1), QString("a") + QChar(0x241B) + "[31mb" + QChar(0x2421));
    EXPECT_TRUE(cell(*dlg, 2, 0).startsWith("Bad "));
    EXPECT_TRUE(cell(*dlg, 2, 0).contains(QChar::ReplacementCharacter));
    EXPECT_TRUE(cell(*dlg, 2, 1).contains(QChar::ReplacementCharacter));
}

TEST_F(StatListDlgTest, ASignalThatCannotBeCreatedShowsTheMessageOverTheVisibleWindow)
{
    QWidget mainWindow;
    mainWindow.setGeometry(100, 100, 800, 600);
    mainWindow.show();
    clock.nextDump = "Received: 1\n";
    auto dlg = dialog(French, &mainWindow);
    dlg->refresh();
    files.failOpen("/gw/Stat.sig", platform::FileError::AccessDenied);
    const int sleeps = clock.sleeps();
    dlg->refresh(); // before the dialog is shown: over the main window
    dlg->show();
    dlg->refresh();
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_EQ(failures[0], QString::fromUtf8(text("service.signalFailed", French).data()));
    EXPECT_EQ(failureOwners[0], &mainWindow);
    EXPECT_EQ(failureOwners[1], dlg.get());
    EXPECT_EQ(clock.sleeps(), sleeps);
    EXPECT_EQ(dlg->waitDialog(), nullptr);
    EXPECT_EQ(cell(*dlg, 0, 1), "1");
}

TEST_F(StatListDlgTest, ARefreshThatReadsNothingKeepsThePreviousRowsMarkedWithTheirTime)
{
    clock.nextDump = "Received: 1\n";
    auto dlg = dialog();
    dlg->refresh();
    const std::string written = stats::localTimeText(files.stat("/gw/CONST-A.dat").lastWriteNs);
    clock.nextDump = "";
    dlg->refresh();
    files.remove("/gw/CONST-A.dat");
    dlg->refresh();
    ASSERT_EQ(dlg->model()->rowCount(), 1);
    EXPECT_EQ(cell(*dlg, 0, 1), "1");
    EXPECT_TRUE(dlg->staleNote()->isVisibleTo(dlg.get()));
    EXPECT_EQ(dlg->staleNote()->text(),
              QString("No new statistics arrived from the gateway. The figures shown were "
                      "written at %1.")
                  .arg(QString::fromStdString(written)));
    EXPECT_TRUE(dlg->refreshButton()->isEnabled());
    EXPECT_TRUE(dlg->closeButton()->isEnabled());
}

TEST_F(StatListDlgTest, AnOldDumpIsShownOnlyWithItsTimeAndNoneAtAllIsSaid)
{
    auto empty = dialog(German);
    empty->refresh();
    EXPECT_EQ(empty->model()->rowCount(), 0);
    EXPECT_EQ(empty->staleNote()->text(), "Vom Gateway ist keine Statistik eingetroffen.");
    EXPECT_TRUE(empty->staleNote()->isVisibleTo(empty.get()));

    files.put("/gw/CONST-A.dat", "Received: 9\n"); // a dump from before
    stats::Statistics fresh{files, clock, "/gw/"};
    Cwm_StatListDlg dlg(nullptr, fresh, German, {});
    dlg.refresh();
    ASSERT_EQ(dlg.model()->rowCount(), 1);
    EXPECT_EQ(cell(dlg, 0, 1), "9");
    EXPECT_TRUE(dlg.staleNote()->text().startsWith("Vom Gateway ist keine neue Statistik"));
    EXPECT_TRUE(dlg.staleNote()->text().contains(
        QString::fromStdString(stats::localTimeText(files.stat("/gw/CONST-A.dat").lastWriteNs))));
}

TEST_F(StatListDlgTest, TheWaitDialogOffersCancelWhileTheGatewayIsAwaited)
{
    QWidget mainWindow;
    mainWindow.show();
    auto dlg = dialog(English, &mainWindow);
    bool visible = false;
    QString waitText;
    QWidget* owner = nullptr;
    clock.hooks[3] = [&] {
        gui::Cwm_WaitDlg* wait = dlg->waitDialog();
        ASSERT_NE(wait, nullptr);
        visible = wait->isVisible();
        waitText = wait->text();
        owner = wait->parentWidget();
        wait->cancelButton()->click();
    };
    dlg->refresh();
    EXPECT_TRUE(visible);
    EXPECT_EQ(waitText, "Waiting for the statistics of the gateway...");
    EXPECT_EQ(owner, &mainWindow) << "the viewer itself is not shown yet";
    EXPECT_EQ(clock.sleeps(), 3) << "ended at the poll it was pressed in";
    EXPECT_EQ(dlg->waitDialog(), nullptr);
    EXPECT_TRUE(dlg->staleNote()->isVisibleTo(dlg.get()));
}

TEST_F(StatListDlgTest, AnOversizedFileSaysThatOnlyItsBeginningIsShown)
{
    std::string big;
    while (big.size() <= stats::kMaxStatisticsBytes)
        big += "Counter: 1234567890\n";
    clock.nextDump = big;
    auto dlg = dialog();
    dlg->refresh();
    EXPECT_TRUE(dlg->truncatedNote()->isVisibleTo(dlg.get()));
    EXPECT_EQ(dlg->truncatedNote()->textFormat(), Qt::PlainText);
    EXPECT_LT(static_cast<std::size_t>(dlg->model()->rowCount()) * 20, big.size());

    const std::string longValue(10000, 'v');
    EXPECT_EQ(stats::StatTableModel::displayText(longValue).size(), 4097);
}

} // namespace
