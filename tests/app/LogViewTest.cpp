#include "ConsoleHarness.h"
#include "app/LogFindDlg.h"
#include "app/LogTableModel.h"
#include "resources/CommandIds.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFont>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace c = morva::command;
using morva::app::Cwm_LogView;
using morva::app::LogTableModel;
using morva::app::MessageKind;
using morva::test::ConsoleHarness;

namespace {

std::string line(int n, const std::string& activity)
{
    char time[32];
    std::snprintf(time, sizeof time, "08.12.26 12:%02d:%02d %d: ", (n / 60) % 60, n % 60, n % 10);
    return time + activity + "\r\n";
}

class LogViewTest : public testing::Test
{
protected:
    ConsoleHarness h;
    Cwm_LogView* view = nullptr;
    LogTableModel* model = nullptr;

    void start(const std::string& log, const std::string& ini = "IniWizard=False\r\n")
    {
        h.writeFile("Morva.ini", ini);
        h.writeFile("GW.log", log);
        h.create();
        view = h.window().logView();
        ASSERT_TRUE(view);
        model = view->logModel();
    }
    QString cell(int row, int column) { return model->cell(row, column); }
};

TEST_F(LogViewTest, ShowsTheSplitLinesWithLocalisedHeaders)
{
    start(line(1, "Service started") + "08.12.26 12:00:02 <b>bold</b> & co\r\n",
          "IniWizard=False\r\nLanguage=ESP\r\n");
    ASSERT_EQ(model->rowCount(), 2);
    EXPECT_EQ(cell(0, 1), QStringLiteral("1"));
    EXPECT_EQ(cell(0, 2), QStringLiteral("Service started"));
    EXPECT_EQ(cell(1, 2), QStringLiteral("<b>bold</b> & co"));
    EXPECT_EQ(model->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
              QStringLiteral("Tiempo"));
    EXPECT_EQ(model->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
              QStringLiteral("Hilo"));
    EXPECT_EQ(model->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(),
              QStringLiteral("Actividad"));
}

TEST_F(LogViewTest, FontComesFromTheConfiguration)
{
    start(line(1, "x"),
          "IniWizard=False\r\nAdminLogFont=DejaVu Sans Mono\r\nAdminLogFontSize=17\r\n");
    EXPECT_EQ(view->font().family(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_EQ(view->font().pixelSize(), 17);
}

TEST_F(LogViewTest, LogPathFollowsAdminLogPath)
{
    QTemporaryDir logs;
    h.writeFile("Morva.ini", "IniWizard=False\r\nAdminLogPath=" + logs.path().toStdString() +
                                 "\r\nLogPath=/nonexistent\r\n");
    std::ofstream(logs.filePath("GW.log").toStdString()) << line(3, "elsewhere");
    h.create();
    ASSERT_TRUE(h.window().logView());
    EXPECT_EQ(h.window().logView()->path(), logs.filePath("GW.log").toStdString());
    EXPECT_EQ(h.window().logView()->logModel()->cell(0, 2), QStringLiteral("elsewhere"));
}

TEST_F(LogViewTest, LargeLogShowsOnlyTheTailAndAShortenedLogReloads)
{
    std::string log;
    for (int n = 0; log.size() < 1024 * 1024; ++n)
        log += line(n, "entry " + std::to_string(n));
    start(log);
    EXPECT_LE(model->rowCount(), 4000 / 28 + 1);
    EXPECT_GT(model->rowCount(), 100);
    const QString last = cell(model->rowCount() - 1, 2);

    h.writeFile("GW.log", line(1, "new file"));
    EXPECT_TRUE(view->readNewLines());
    ASSERT_EQ(model->rowCount(), 1);
    EXPECT_EQ(cell(0, 2), QStringLiteral("new file"));
    EXPECT_NE(last, cell(0, 2));

    std::ofstream(h.programDir + "GW.log", std::ios::app) << line(2, "appended");
    h.commands->run(c::Refresh);
    ASSERT_EQ(model->rowCount(), 2);
    EXPECT_EQ(cell(1, 2), QStringLiteral("appended"));
}

TEST_F(LogViewTest, MissingLogFillsOnceTheFileAppears)
{
    h.writeFile("Morva.ini", "IniWizard=False\r\n");
    h.create();
    ASSERT_TRUE(h.window().logView());
    EXPECT_EQ(h.window().logView()->logModel()->rowCount(), 0);
    h.writeFile("GW.log", line(1, "late"));
    h.commands->run(c::Refresh);
    EXPECT_EQ(h.window().logView()->logModel()->rowCount(), 1);
}

TEST_F(LogViewTest, LogPathThatIsADirectoryStaysEmpty)
{
    QTemporaryDir logs;
    QDir(logs.path()).mkdir(QStringLiteral("GW.log"));
    h.writeFile("Morva.ini",
                "IniWizard=False\r\nAdminLogPath=" + logs.path().toStdString() + "\r\n");
    h.create();
    ASSERT_TRUE(h.window().logView());
    h.commands->run(c::Refresh);
    EXPECT_EQ(h.window().logView()->logModel()->rowCount(), 0);
}

TEST_F(LogViewTest, FindStartsWithTheCurrentCellSearchesDownAndWraps)
{
    start(line(1, "alpha") + line(2, "Beta one") + line(3, "gamma") + line(4, "beta two"));
    view->setCurrentIndex(model->index(1, 2));
    h.commands->run(c::Find);
    auto* dialog = view->findDialog();
    ASSERT_TRUE(dialog);
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->textEdit()->text(), QStringLiteral("Beta one"));

    dialog->textEdit()->setText(QStringLiteral("BETA"));
    dialog->findNext();
    EXPECT_EQ(view->currentIndex().row(), 3);
    EXPECT_TRUE(dialog->notice().isEmpty());
    dialog->findNext();
    EXPECT_EQ(view->currentIndex().row(), 1);
    EXPECT_FALSE(dialog->notice().isEmpty()); // went on from the top

    dialog->textEdit()->setText(QStringLiteral("delta"));
    dialog->findNext();
    EXPECT_EQ(view->currentIndex().row(), 1);
    EXPECT_FALSE(dialog->notice().isEmpty());

    // The search stays in its column: "1" is a thread, not an activity.
    dialog->textEdit()->setText(QStringLiteral("12:00:0"));
    dialog->findNext();
    EXPECT_EQ(view->currentIndex().row(), 1);
}

TEST_F(LogViewTest, FindWithoutDataSaysSo)
{
    start("");
    h.commands->run(c::Find);
    EXPECT_EQ(view->findDialog(), nullptr);
    ASSERT_EQ(h.messages.messages().size(), 1u);
    EXPECT_EQ(h.messages.messages()[0].kind, MessageKind::Failure);
    EXPECT_EQ(h.messages.messages()[0].text,
              QStringLiteral("Unable to find valid data in this column!"));
}

TEST_F(LogViewTest, CopyPutsSelectedRowsOnTheClipboard)
{
    start(line(1, "first") + line(2, "second") + line(3, "third"));
    view->clearSelection();
    view->selectionModel()->select(model->index(2, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    view->selectionModel()->select(model->index(0, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    h.commands->run(c::Copy);
    EXPECT_EQ(QApplication::clipboard()->text(),
              QStringLiteral("12:00:01\t1\tfirst\r\n12:00:03\t3\tthird"));
}

TEST_F(LogViewTest, PrintToPdfContainsTheRows)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    std::string log;
    for (int n = 0; n < 150; ++n) // more than one page
        log += line(n, "printed row " + std::to_string(n));
    start(log);
    const QString pdf = h.dir.filePath(QStringLiteral("log.pdf"));
    h.window().setPrintDialog([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    h.commands->run(c::Print);
    EXPECT_TRUE(h.messages.messages().empty());
    EXPECT_EQ(h.window().waitDialog(), nullptr);
    EXPECT_EQ(h.window().paneText(0), QStringLiteral("Ready"));

    QProcess process;
    process.start(pdftotext, {pdf, QStringLiteral("-")});
    ASSERT_TRUE(process.waitForFinished(20000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    ASSERT_GT(model->rowCount(), 100); // more than one page
    EXPECT_TRUE(text.contains(cell(0, 2))) << cell(0, 2).toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("printed row 149")));
    EXPECT_TRUE(text.contains(QStringLiteral("\f"))); // a page break
    EXPECT_TRUE(text.contains(QStringLiteral("Activity")));
}

TEST_F(LogViewTest, OpenWithTheDesktopProgram)
{
    start(line(1, "x"));
    view->openWithDesktop();
    ASSERT_EQ(h.urls.files().size(), 1u);
    EXPECT_EQ(h.urls.files()[0], h.programDir + "GW.log");
    h.urls.setSucceed(false);
    view->openWithDesktop();
    ASSERT_EQ(h.messages.messages().size(), 1u);
    EXPECT_TRUE(h.messages.messages()[0].text.endsWith(QStringLiteral("GW.log")));
}

TEST_F(LogViewTest, RecreatingTheViewStartsAgainWithTheTail)
{
    start(line(1, "one"));
    std::ofstream(h.programDir + "GW.log", std::ios::app) << line(2, "two");
    h.app->openLogView();
    ASSERT_TRUE(h.window().logView());
    EXPECT_EQ(h.window().logView()->logModel()->rowCount(), 2);
}

TEST(LogTableModel, DropsTheOldestRowsBeyondItsLimit)
{
    LogTableModel model(0);
    model.setMaxRows(3);
    model.appendRows({{"1", "", "a"}, {"2", "", "b"}});
    model.appendRows({{"3", "", "c"}, {"4", "", "d"}});
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.cell(0, 2), QStringLiteral("b"));
    model.appendRows({{"5", "", "e"}, {"6", "", "f"}, {"7", "", "g"}, {"8", "", "h"}});
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.cell(0, 2), QStringLiteral("f"));
    EXPECT_EQ(model.cell(2, 2), QStringLiteral("h"));
}

} // namespace
