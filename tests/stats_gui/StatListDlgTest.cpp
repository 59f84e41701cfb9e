#include "platform/Clock.h"
#include "resources/Texts.h"
#include "support/MemoryFileSystem.h"
#include "service_gui/GuiTestApp.h"
#include "stats/Cwm_StatListDlg.h"
#include "stats/StatTableModel.h"
#include "stats/Statistics.h"
#include "stats/StatisticsFile.h"

#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <gtest/gtest.h>

using namespace morva;
using morva::stats::Cwm_StatListDlg;

namespace {

class StatListDlgTest : public ::testing::Test
{
protected:
    void SetUp() override { test::ensureGuiApp(); }
    std::unique_ptr<Cwm_StatListDlg> dialog(int language = English)
    {
        return std::make_unique<Cwm_StatListDlg>(
            nullptr, statistics, language,
            [this](QWidget*, const QString& text) { failures.push_back(text); });
    }
    static QString cell(const Cwm_StatListDlg& dlg, int row, int column, int role = Qt::DisplayRole)
    {
        return dlg.model()->data(dlg.model()->index(row, column), role).toString();
    }

    test::MemoryFileSystem files;
    platform::FakeClock clock;
    stats::Statistics statistics{files, clock, "/gw/"};
    std::vector<QString> failures;
};

TEST_F(StatListDlgTest, RefreshFillsTheTwoColumnGrid)
{
    files.put("/gw/CONST-A.dat", "Received: 1234\r\nStarted: 08:15:00\r\nfree text\r\n");
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
    EXPECT_EQ(dlg->model()->headerData(0, Qt::Horizontal).toString(), "");
    EXPECT_EQ(dlg->model()->headerData(1, Qt::Horizontal).toString(), "");
    EXPECT_FALSE(dlg->truncatedNote()->isVisibleTo(dlg.get()));
    EXPECT_TRUE(failures.empty());
}

TEST_F(StatListDlgTest, HostileValuesAreShownAsTheyAre)
{
    files.put("/gw/CONST-A.dat", std::string("<b>Bold</b>: <img src=x>\n"
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

TEST_F(StatListDlgTest, ASignalThatCannotBeCreatedShowsTheMessageAndKeepsTheGrid)
{
    files.put("/gw/CONST-A.dat", "Received: 1\n");
    auto dlg = dialog(French);
    dlg->refresh();
    files.put("/gw/CONST-A.dat", "Received: 2\n");
    files.failOpen("/gw/Stat.sig", platform::FileError::AccessDenied);
    const int sleeps = clock.sleeps();
    dlg->refresh();
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0], QString::fromUtf8(text("service.signalFailed", French).data()));
    EXPECT_EQ(clock.sleeps(), sleeps);
    EXPECT_EQ(cell(*dlg, 0, 1), "1");
}

TEST_F(StatListDlgTest, ARefreshThatReadsNothingKeepsThePreviousRows)
{
    files.put("/gw/CONST-A.dat", "Received: 1\n");
    auto dlg = dialog();
    dlg->refresh();
    files.put("/gw/CONST-A.dat", "");
    dlg->refresh();
    files.remove("/gw/CONST-A.dat");
    dlg->refresh();
    ASSERT_EQ(dlg->model()->rowCount(), 1);
    EXPECT_EQ(cell(*dlg, 0, 1), "1");
    EXPECT_TRUE(dlg->refreshButton()->isEnabled());
    EXPECT_TRUE(dlg->closeButton()->isEnabled());
}

TEST_F(StatListDlgTest, AnOversizedFileSaysThatOnlyItsBeginningIsShown)
{
    std::string big;
    while (big.size() <= stats::kMaxStatisticsBytes)
        big += "Counter: 1234567890\n";
    files.put("/gw/CONST-A.dat", big);
    auto dlg = dialog();
    dlg->refresh();
    EXPECT_TRUE(dlg->truncatedNote()->isVisibleTo(dlg.get()));
    EXPECT_EQ(dlg->truncatedNote()->textFormat(), Qt::PlainText);
    EXPECT_LT(static_cast<std::size_t>(dlg->model()->rowCount()) * 20, big.size());

    const std::string longValue(10000, 'v');
    EXPECT_EQ(stats::StatTableModel::displayText(longValue).size(), 4097);
}

} // namespace
