#include "ConsoleHarness.h"
#include "app/LogColors.h"
#include "app/LogFilterBar.h"
#include "app/LogPanel.h"
#include "app/LogRowDelegate.h"
#include "app/LogTableModel.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using morva::app::Cwm_LogView;
using morva::app::LogPanel;
using morva::app::LogTableModel;
using morva::log::LogCategory;
using morva::log::LogFilter;
using morva::log::LogRow;
using morva::log::parseFilterText;
using morva::test::ConsoleHarness;

namespace {

std::string line(int n, int thread, const std::string& activity)
{
    char time[40];
    std::snprintf(time, sizeof time, "08.12.26 12:%02d:%02d %d: ", (n / 60) % 60, n % 60, thread);
    return time + activity + "\r\n";
}

const std::string kSession = line(1, 7, "Connection accepted from 198.51.100.7") +
                             line(2, 7, "554 5.7.1 Rejected: listed by rbl.example") +
                             line(3, 8, "Delivered 17 to Exchange 10.0.0.5") +
                             line(4, 9, "ClamAV: Eicar-Test-Signature FOUND") +
                             line(5, 8, "=cmd|' /C calc'!A0 \"quoted\"");

class LogFilterViewTest : public testing::Test
{
protected:
    ConsoleHarness h;
    Cwm_LogView* view = nullptr;
    LogPanel* panel = nullptr;
    morva::app::LogFilterBar* bar = nullptr;

    void start(const std::string& log)
    {
        h.writeFile("Morva.ini", "IniWizard=False\r\n");
        h.writeFile("GW.log", log);
        h.create();
        view = h.window().logView();
        ASSERT_TRUE(view);
        panel = qobject_cast<LogPanel*>(view->parentWidget());
        ASSERT_TRUE(panel);
        bar = panel->filterBar();
    }
    // Types into the filter field and waits until the filter is applied.
    void type(const QString& text)
    {
        bar->textEdit()->setText(text);
        QTest::qWait(morva::app::LogFilterBar::kSettleMs + 50);
        view->logModel()->finishFilter();
    }
    QStringList activities() const
    {
        QStringList out;
        for (int row = 0; row < view->logModel()->rowCount(); ++row)
            out << view->logModel()->cell(row, 2);
        return out;
    }
};

TEST_F(LogFilterViewTest, TermsHideRowsEscapeClearsAndAThreadClickShowsTheSession)
{
    start(kSession);
    ASSERT_EQ(view->logModel()->rowCount(), 5);
    type(QStringLiteral("e -rbl \"to exchange\""));
    EXPECT_EQ(activities(), QStringList{QStringLiteral("Delivered 17 to Exchange 10.0.0.5")});
    EXPECT_EQ(bar->countText(), QStringLiteral("1 of 5 rows"));

    QTest::keyClick(bar->textEdit(), Qt::Key_Escape);
    view->logModel()->finishFilter();
    EXPECT_EQ(view->logModel()->rowCount(), 5);
    EXPECT_TRUE(bar->textEdit()->text().isEmpty());

    // A click on a thread number shows that session only.
    const QRect cell = view->visualRect(view->logModel()->index(2, LogTableModel::ThreadColumn));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    view->logModel()->finishFilter();
    EXPECT_EQ(bar->threadEdit()->text(), QStringLiteral("8"));
    EXPECT_EQ(view->logModel()->rowCount(), 2);

    // Highlighting keeps every row.
    bar->threadEdit()->clear();
    bar->modeBox()->setCurrentIndex(1);
    type(QStringLiteral("rejected"));
    EXPECT_EQ(view->logModel()->rowCount(), 5);
    ASSERT_TRUE(view->logModel()->filter());
    EXPECT_EQ(view->logModel()->filter()->spans("554 5.7.1 Rejected: x").size(), 1u);
}

TEST_F(LogFilterViewTest, AnInvalidExpressionIsReportedAndKeepsTheRows)
{
    start(kSession);
    bar->regexBox()->setChecked(true);
    type(QStringLiteral("(unclosed"));
    EXPECT_EQ(view->logModel()->rowCount(), 5);
    EXPECT_TRUE(bar->countText().startsWith(QStringLiteral("Invalid regular expression")));
    type(QStringLiteral("^55\\d 5\\.7"));
    EXPECT_EQ(activities(),
              QStringList{QStringLiteral("554 5.7.1 Rejected: listed by rbl.example")});
}

TEST_F(LogFilterViewTest, CategoriesColourTheRowsAndTheLegendFilters)
{
    start(kSession);
    const LogTableModel* model = view->logModel();
    EXPECT_EQ(model->category(0), morva::log::LogCategory::Connection);
    EXPECT_EQ(model->category(1), morva::log::LogCategory::Rejection);
    EXPECT_EQ(model->category(2), morva::log::LogCategory::Delivery);
    EXPECT_EQ(model->category(3), morva::log::LogCategory::Virus);
    for (bool dark : {false, true}) {
        QSet<QRgb> colours;
        for (int c = 1; c < morva::log::kLogCategoryCount; ++c)
            colours.insert(
                morva::app::categoryColor(static_cast<morva::log::LogCategory>(c), dark).rgb());
        EXPECT_EQ(colours.size(), morva::log::kLogCategoryCount - 1);
    }
    bar->legendButton(morva::log::LogCategory::Virus)->click();
    view->logModel()->finishFilter();
    EXPECT_EQ(activities(), QStringList{QStringLiteral("ClamAV: Eicar-Test-Signature FOUND")});
    bar->legendButton(morva::log::LogCategory::Virus)->click();
    view->logModel()->finishFilter();
    EXPECT_EQ(view->logModel()->rowCount(), 5);
}

TEST_F(LogFilterViewTest, ExportsTheRowsShownAsTextOrCsv)
{
    start(kSession);
    type(QStringLiteral("-rejected -connection -clamav"));
    EXPECT_EQ(view->visibleRowsText(false),
              QStringLiteral("12:00:03\t8\tDelivered 17 to Exchange 10.0.0.5\r\n"
                             "12:00:05\t8\t=cmd|' /C calc'!A0 \"quoted\"\r\n"));
    const QString csv = h.dir.filePath(QStringLiteral("rows.csv"));
    QString error;
    ASSERT_TRUE(view->exportVisibleRows(csv, &error)) << error.toStdString();
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    // A cell a spreadsheet would run as a formula is kept as text.
    EXPECT_EQ(QString::fromUtf8(file.readAll()),
              QStringLiteral("\"12:00:03\",\"8\",\"Delivered 17 to Exchange 10.0.0.5\"\r\n"
                             "\"12:00:05\",\"8\",\"'=cmd|' /C calc'!A0 \"\"quoted\"\"\"\r\n"));
    EXPECT_FALSE(view->exportVisibleRows(h.dir.filePath(QStringLiteral("none/rows.txt")), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(LogFilterViewTest, AnOlderLogIsReadWholeInTheBackgroundAndTheLiveLogGoesOn)
{
    start(kSession);
    std::string older;
    for (int i = 0; i < 3000; ++i)
        older +=
            line(i, 1 + i % 40, i % 100 == 0 ? "554 5.7.1 Rejected" : "Bayes spam probability");
    h.writeFile("GW-20261208-000000.log", older);
    type(QStringLiteral("rejected"));

    view->openOlderLog(h.programDir + "GW-20261208-000000.log");
    EXPECT_TRUE(view->isShowingOlderLog());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view->isLoadingOlderLog(); }, 10000));
    view->logModel()->finishFilter();
    EXPECT_EQ(view->logModel()->totalRows(), 3000); // not just the last 4000 bytes
    EXPECT_EQ(view->logModel()->rowCount(), 30);    // the same filter
    EXPECT_TRUE(panel->fileLabel()->isVisibleTo(panel));
    EXPECT_TRUE(panel->fileLabel()->text().contains(QStringLiteral("GW-20261208-000000.log")));

    std::ofstream(h.programDir + "GW.log", std::ios::binary | std::ios::app)
        << line(9, 3, "554 5.7.1 Rejected: late");
    view->readNewLines();
    EXPECT_EQ(view->logModel()->totalRows(), 3000);
    EXPECT_FALSE(view->isFollowing());
    EXPECT_EQ(view->unseenRows(), 1); // the live line that arrived meanwhile

    panel->backButton()->click();
    EXPECT_FALSE(view->isShowingOlderLog());
    EXPECT_TRUE(view->isFollowing());
    EXPECT_FALSE(panel->fileLabel()->isVisibleTo(panel));
    EXPECT_EQ(activities(),
              (QStringList{QStringLiteral("554 5.7.1 Rejected: listed by rbl.example"),
                           QStringLiteral("554 5.7.1 Rejected: late")}));
}

TEST(LogTableModelFilter, AppliesInSlicesAndFollowsAppendsAndDrops)
{
    LogTableModel model(0);
    model.setMaxRows(100000);
    std::vector<morva::log::LogRow> rows;
    for (int i = 0; i < 60000; ++i)
        rows.push_back({"12:00:00", std::to_string(i % 10), i % 3 == 0 ? "match" : "other"});
    model.appendRows(rows);
    std::string error;
    std::shared_ptr<const morva::log::LogFilter> filter =
        morva::log::LogFilter::compile(morva::log::parseFilterText("match", false), &error);
    model.setFilter(filter, true);
    // Nothing blocks: the rows stay until the slices are done.
    EXPECT_TRUE(model.isFilterPending());
    EXPECT_EQ(model.rowCount(), 60000);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !model.isFilterPending(); }, 5000));
    EXPECT_EQ(model.rowCount(), 20000);

    model.appendRows({{"12:00:01", "1", "a match"}, {"12:00:01", "1", "no"}});
    EXPECT_EQ(model.rowCount(), 20001);
    EXPECT_EQ(model.cell(20000, 2), QStringLiteral("a match"));
    model.setMaxRows(3);
    model.appendRows({{"12:00:02", "1", "last match"}});
    ASSERT_EQ(model.totalRows(), 3);
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.cell(0, 2), QStringLiteral("a match"));
    EXPECT_EQ(model.cell(1, 2), QStringLiteral("last match"));
}

TEST(LogRowDelegate, MarksLandOnTheCharactersAfterWideOnes)
{
    // "Grüße 😀 ok": ü and ß are 2 bytes / 1 unit, the emoji 4 bytes / 2 units.
    const std::string text = "Gr\xC3\xBC\xC3\x9F"
                             "e \xF0\x9F\x98\x80 ok";
    const auto ranges =
        morva::app::LogRowDelegate::markRanges(text, {{2, 4, 0}, {13, 2, 1}}, false);
    ASSERT_EQ(ranges.size(), 2);
    EXPECT_EQ(ranges[0].start, 2);
    EXPECT_EQ(ranges[0].length, 2);
    EXPECT_EQ(ranges[1].start, 9);
    EXPECT_EQ(ranges[1].length, 2);
    EXPECT_NE(ranges[0].format.background(), ranges[1].format.background());
}

} // namespace
