#include "ConsoleHarness.h"
#include "app/LogFindDlg.h"
#include "app/LogTableModel.h"
#include "config/ConfigStore.h"
#include "resources/CommandIds.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFont>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

namespace c = morva::command;
using morva::app::Cwm_LogView;
using morva::app::LogTableModel;
using morva::gui::MessageKind;
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

void append(const std::string& path, int from, int count)
{
    std::ofstream out(path, std::ios::app | std::ios::binary);
    for (int n = from; n < from + count; ++n)
        out << line(n, "entry " + std::to_string(n));
}

TEST_F(LogViewTest, FollowsNewLinesUntilTheReaderLooksElsewhere)
{
    std::string log;
    for (int n = 0; n < 100; ++n)
        log += line(n, "entry " + std::to_string(n));
    start(log);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&h.window()));
    QScrollBar* bar = view->verticalScrollBar();
    const std::string path = h.programDir + "GW.log";
    const auto atBottom = [&] { return bar->maximum() > 0 && bar->value() == bar->maximum(); };
    const auto rowsReach = [&](int rows) {
        return QTest::qWaitFor([&] { return model->rowCount() == rows; }, 5000);
    };
    ASSERT_TRUE(QTest::qWaitFor(atBottom, 2000));
    EXPECT_EQ(h.window().followPaneText(), QStringLiteral("Following"));
    append(path, 100, 5); // the view finds them by itself
    ASSERT_TRUE(rowsReach(105));
    EXPECT_TRUE(QTest::qWaitFor(atBottom, 2000));

    // Scrolling up: new lines leave the reader where he is.
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    const int readingAt = bar->value();
    EXPECT_FALSE(view->isFollowing());
    append(path, 105, 3);
    ASSERT_TRUE(rowsReach(108));
    QTest::qWait(50);
    EXPECT_EQ(bar->value(), readingAt);
    EXPECT_EQ(h.window().followPaneText(), QStringLiteral("Paused, 3 new lines"));

    // Back at the bottom it follows again.
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_TRUE(view->isFollowing());
    EXPECT_EQ(h.window().followPaneText(), QStringLiteral("Following"));

    // Selecting a row pauses too; End follows again.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(model->index(104, 2)).center());
    EXPECT_FALSE(view->isFollowing());
    append(path, 108, 30);
    ASSERT_TRUE(rowsReach(138));
    QTest::qWait(50);
    EXPECT_FALSE(atBottom());
    QTest::keyClick(view, Qt::Key_End);
    EXPECT_TRUE(view->isFollowing());
    EXPECT_TRUE(QTest::qWaitFor(atBottom, 2000));

    // A find hit stays in sight while lines arrive.
    bool wrapped = false;
    const int hit = view->findNext(QStringLiteral("entry 7"), 2, -1, &wrapped);
    ASSERT_EQ(cell(hit, 2), QStringLiteral("entry 7"));
    EXPECT_FALSE(view->isFollowing());
    append(path, 138, 30);
    ASSERT_TRUE(rowsReach(168));
    QTest::qWait(50);
    EXPECT_TRUE(view->viewport()->rect().intersects(view->visualRect(model->index(hit, 2))));
    EXPECT_EQ(h.window().followPaneText(), QStringLiteral("Paused, 30 new lines"));

    // A rotated log leaves nothing to read where the reader was.
    h.writeFile("GW.log", line(1, "new file"));
    ASSERT_TRUE(rowsReach(1));
    EXPECT_TRUE(view->isFollowing());
    EXPECT_EQ(h.window().followPaneText(), QStringLiteral("Following"));
}

TEST_F(LogViewTest, CutCellShowsItsWholeTextAsPlainTextToolTip)
{
    const std::string tail = "<b>not bold</b> & END-OF-LINE";
    start(line(1, "short") + line(2, std::string(400, 'x') + " " + tail));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&h.window()));
    const auto toolTipAt = [&](int row) {
        const QRect rect = view->visualRect(model->index(row, 2));
        QHelpEvent help(QEvent::ToolTip, rect.center(),
                        view->viewport()->mapToGlobal(rect.center()));
        QApplication::sendEvent(view->viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_FALSE(toolTipAt(0).contains(QStringLiteral("short"))); // nothing is cut
    const QString tip = toolTipAt(1);
    EXPECT_TRUE(tip.contains(QStringLiteral("&lt;b&gt;not bold&lt;/b&gt; &amp; END-OF-LINE")))
        << tip.toStdString();
    EXPECT_FALSE(tip.contains(QStringLiteral("<b>")));
    QToolTip::hideText();
}

TEST_F(LogViewTest, PrintWrapsLongActivities)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    std::string words;
    for (int n = 0; n < 80; ++n)
        words += "word" + std::to_string(n) + " ";
    start(line(1, words + "LASTWORD") + line(2, std::string(300, 'y') + "TAIL") + line(3, "after"));
    const QString pdf = h.dir.filePath(QStringLiteral("long.pdf"));
    h.window().setPrintDialog([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    h.commands->run(c::Print);
    QProcess process;
    process.start(pdftotext, {pdf, QStringLiteral("-")});
    ASSERT_TRUE(process.waitForFinished(20000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QStringLiteral("word40"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("LASTWORD"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("TAIL"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("after")));
    EXPECT_FALSE(text.contains(QChar(0x2026)));
}

TEST(LogViewPrint, WrappedPiecesKeepEveryCharacterAndFitTheWidth)
{
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(12);
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(QStringLiteral("0123456789")) * 4;
    const QString text = QStringLiteral("short words here ") + QString(150, QLatin1Char('z')) +
                         QStringLiteral(" end");
    const QStringList pieces = Cwm_LogView::wrapForPrint(text, font, nullptr, width);
    EXPECT_GT(pieces.size(), 3);
    EXPECT_EQ(pieces.join(QString()), text);
    for (const QString& piece : pieces)
        EXPECT_LE(metrics.horizontalAdvance(piece.trimmed()), width) << piece.toStdString();
    EXPECT_EQ(Cwm_LogView::wrapForPrint(QString(), font, nullptr, width), QStringList{QString()});
}

TEST_F(LogViewTest, SavedLogSettingsShowAtOnce)
{
    start(line(1, "x"));
    auto& store = h.environment->configStore();
    store.setString("AdminLogFont", "DejaVu Sans Mono");
    store.setInt("AdminLogFontSize", 17);
    ASSERT_TRUE(store.save());
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return h.window().logView() && h.window().logView()->font().pixelSize() == 17; },
        2000));

    store.setBool("AdminShowLogFile", false);
    ASSERT_TRUE(store.save());
    ASSERT_TRUE(QTest::qWaitFor([&] { return h.window().logView() == nullptr; }, 2000));
    EXPECT_TRUE(h.app->noLogView());
    EXPECT_TRUE(h.window().followPaneText().isEmpty());

    store.setBool("AdminShowLogFile", true);
    ASSERT_TRUE(store.save());
    ASSERT_TRUE(QTest::qWaitFor([&] { return h.window().logView() != nullptr; }, 2000));

    // Saving other settings leaves the view, and the reader's place, alone.
    QPointer<Cwm_LogView> current = h.window().logView();
    store.setString("Postmaster", "pm@example.org");
    ASSERT_TRUE(store.save());
    QTest::qWait(50);
    EXPECT_EQ(h.window().logView(), current.data());
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
