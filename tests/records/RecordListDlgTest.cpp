#include "RecordFixture.h"
#include "app/AdminSettings.h"
#include "app/Cwm_MainBaseWnd.h"
#include "config/FileHistory.h"
#include "db/RecordBytes.h"
#include "gui/CommandRegistry.h"
#include "gui/ConsoleWait.h"
#include "gui/Cwm_WaitDlg.h"
#include "gui/EventPumpingClock.h"
#include "gui/ListFilterBar.h"
#include "gui/ListPanel.h"
#include "platform/FileHolderProcess.h"
#include "records/Cwm_AliasListDlg.h"
#include "records/Cwm_AliasPropSheet.h"
#include "records/Cwm_BlockListDlg.h"
#include "records/Cwm_BlockPropSheet.h"
#include "records/Cwm_UserListDlg.h"
#include "records/Cwm_UserPropSheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>

using namespace morva;
using namespace morva::records;
using namespace std::chrono_literals;
using Op = platform::FaultInjectingFileSystem::Operation;
using Records = std::vector<std::uint32_t>;

namespace {

class RecordListDlgTest : public test::RecordFixture
{
protected:
    Records listedRecords(const Cwm_RecordListDlg& list) const
    {
        Records records;
        for (const auto& row : list.model()->rows())
            records.push_back(row.record);
        return records;
    }
    std::string threeAliases(bool secondDeleted = false) const
    {
        return test::aliasRecord("a@one.com", "x@one.com", false) +
               test::aliasRecord("b@two.com", "y@two.com", true, secondDeleted) +
               test::aliasRecord("c@three.com", "z@three.com", false);
    }
};

TEST_F(RecordListDlgTest, EmptyFileShowsAnEmptyGridWithoutEditOrDelete)
{
    m_scratch.write("DataAlia.DAT", "");
    Cwm_AliasListDlg list(m_context);
    bool shown = false;
    answer = [&](QDialog&) {
        shown = true;
        EXPECT_EQ(list.model()->rowCount(), 0);
        EXPECT_FALSE(list.editButton()->isEnabled());
        EXPECT_FALSE(list.deleteButton()->isEnabled());
        EXPECT_TRUE(list.newButton()->isEnabled());
        list.editRecord(); // nothing to edit: no sheet
        return static_cast<int>(QDialog::Rejected);
    };
    EXPECT_EQ(list.run(), QDialog::Rejected);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(m_messages.messages().empty());
    EXPECT_FALSE(m_dataSet.isOpen()) << "the list releases the data set";
}

TEST_F(RecordListDlgTest, DeletingRecordTwoOfThreeLeavesOneAndThree)
{
    m_scratch.write("DataAlia.DAT", threeAliases());
    Cwm_AliasListDlg list(m_context);
    answer = [&](QDialog&) {
        EXPECT_EQ(listedRecords(list), (Records{1, 2, 3}));
        EXPECT_EQ(list.model()->rows()[1].first, QStringLiteral("b@two.com"));
        list.grid()->selectRow(1);
        list.deleteSelected();
        EXPECT_EQ(listedRecords(list), (Records{1, 3}));
        EXPECT_EQ(list.grid()->currentIndex().row(), 1) << "back at the earlier row";
        return static_cast<int>(QDialog::Rejected);
    };
    list.run();
    ASSERT_EQ(m_messages.messages().size(), 1u);
    EXPECT_EQ(m_messages.messages()[0].text, QStringLiteral("Delete record"));
    EXPECT_EQ(m_scratch.read("DataAlia.DAT"), threeAliases(true));
}

TEST_F(RecordListDlgTest, AHistoryThatCannotTakeItsCopyIsToldOnceAndTheEditsGoOn)
{
    m_scratch.write("DataAlia.DAT", threeAliases());
    config::FileHistory history(m_fs, m_clock, m_scratch.dir() + "History/", "ann", "gw1");
    m_dataSet.setHistory(&history);
    m_fs.injectFault(1, platform::FaultInjectingFileSystem::Fault::FailFromThen,
                     platform::FileError::AccessDenied, Op::CreateDirectory);
    auto deleteFirst = [&] {
        Cwm_AliasListDlg list(m_context);
        answer = [&](QDialog&) {
            list.grid()->selectRow(0);
            list.deleteSelected();
            QApplication::processEvents(); // the word comes once the write is over
            return static_cast<int>(QDialog::Rejected);
        };
        list.run();
    };
    deleteFirst();
    deleteFirst(); // a second session: not told again
    QApplication::processEvents();
    m_dataSet.setHistory(nullptr);
    const auto texts = messageTexts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[1], QString::fromStdString("The history in " + m_scratch.dir() +
                                               "History/ could not be written (access denied). "
                                               "DataAlia.DAT was changed without a copy of the "
                                               "former file."));
    EXPECT_EQ(m_scratch.read("DataAlia.DAT"),
              test::aliasRecord("a@one.com", "x@one.com", false, true) +
                  test::aliasRecord("b@two.com", "y@two.com", true, true) +
                  test::aliasRecord("c@three.com", "z@three.com", false));
}

TEST_F(RecordListDlgTest, DeletingSeveralAsksOnceAndNoKeepsThem)
{
    m_scratch.write("DataAlia.DAT", threeAliases());
    Cwm_AliasListDlg list(m_context);
    answer = [&](QDialog&) {
        list.grid()->selectAll();
        m_messages.setAnswer(gui::MessageAnswer::No);
        list.deleteSelected();
        EXPECT_EQ(listedRecords(list), (Records{1, 2, 3}));
        m_messages.setAnswer(gui::MessageAnswer::Yes);
        list.grid()->selectAll();
        list.deleteSelected();
        EXPECT_EQ(list.model()->rowCount(), 0);
        return static_cast<int>(QDialog::Rejected);
    };
    list.run();
    EXPECT_EQ(messageTexts(), (std::vector<QString>{QStringLiteral("Delete 3 records?"),
                                                    QStringLiteral("Delete 3 records?")}));
    EXPECT_EQ(m_scratch.read("DataAlia.DAT"),
              test::aliasRecord("a@one.com", "x@one.com", false, true) +
                  test::aliasRecord("b@two.com", "y@two.com", true, true) +
                  test::aliasRecord("c@three.com", "z@three.com", false, true));
}

TEST_F(RecordListDlgTest, SortedAndFilteredRowsEditDeleteAndShowTheRightRecords)
{
    m_scratch.write("DataAlia.DAT", threeAliases());
    Cwm_AliasListDlg list(m_context);
    auto shownRecords = [&] {
        Records records;
        for (int row = 0; row < list.grid()->model()->rowCount(); ++row)
            records.push_back(list.grid()->model()->index(row, 1).data().toUInt());
        return records;
    };
    QLineEdit* filter = list.panel()->filterBar()->field();
    QLabel* count = list.panel()->filterBar()->countLabel();
    answer = [&](QDialog& dialog) {
        if (auto* sheet = dynamic_cast<Cwm_AliasPropSheet*>(&dialog)) {
            if (sheet->forwardEdit()->text().isEmpty()) { // New
                sheet->forwardEdit()->setText(QStringLiteral("new@four.com"));
                sheet->targetEdit()->setText(QStringLiteral("w@four.com"));
                sheet->deliverCheck()->setChecked(false);
            } else {
                EXPECT_EQ(sheet->forwardEdit()->text(), QStringLiteral("c@three.com"));
                sheet->forwardEdit()->setText(QStringLiteral("c2@three.com"));
            }
            return accept(dialog);
        }
        list.grid()->sortByColumn(2, Qt::DescendingOrder);
        EXPECT_EQ(shownRecords(), (Records{3, 2, 1}));
        filter->setText(QStringLiteral("T")); // case ignored; "two", "three"
        EXPECT_EQ(shownRecords(), (Records{3, 2}));
        EXPECT_EQ(count->text(), QStringLiteral("2 of 3"));

        list.grid()->selectRow(0);
        list.editRecord();
        EXPECT_EQ(list.model()->rows()[2].first, QStringLiteral("c2@three.com"));
        EXPECT_EQ(list.panel()->currentSourceRow(), 2) << "the edited record stays current";

        list.grid()->selectRow(1);
        EXPECT_EQ(list.selectedRecords(), (Records{2}));
        list.deleteSelected();
        EXPECT_EQ(listedRecords(list), (Records{1, 3}));
        EXPECT_EQ(shownRecords(), (Records{3}));
        EXPECT_EQ(count->text(), QStringLiteral("1 of 2"));

        // A new record the filter would hide clears the filter to show it.
        list.newRecord();
        EXPECT_TRUE(filter->text().isEmpty());
        EXPECT_EQ(shownRecords(), (Records{4, 3, 1})) << "still sorted, descending";
        EXPECT_EQ(list.selectedRecords(), (Records{4}));

        // Back to the stored order.
        list.grid()->sortByColumn(-1, Qt::AscendingOrder);
        EXPECT_EQ(shownRecords(), (Records{1, 3, 4}));
        return static_cast<int>(QDialog::Rejected);
    };
    list.run();
    EXPECT_EQ(m_scratch.read("DataAlia.DAT"),
              test::aliasRecord("a@one.com", "x@one.com", false) +
                  test::aliasRecord("b@two.com", "y@two.com", true, true) +
                  test::aliasRecord("c2@three.com", "z@three.com", false) +
                  test::aliasRecord("new@four.com", "w@four.com", false));
    EXPECT_EQ(messageTexts(), (std::vector<QString>{QStringLiteral("Delete record")}));
}

TEST_F(RecordListDlgTest, NewForwardingIsAppendedAndTheSheetSharesTheOpenFiles)
{
    m_scratch.write("DataAlia.DAT", threeAliases(true));
    Cwm_AliasListDlg list(m_context);
    std::uint64_t opens = 0;
    std::uint64_t closes = 0;
    answer = [&](QDialog& dialog) {
        if (auto* sheet = dynamic_cast<Cwm_AliasPropSheet*>(&dialog)) {
            EXPECT_EQ(m_dataSet.useCount(), 2u);
            EXPECT_TRUE(sheet->forwardEdit()->text().isEmpty()) << "a new record starts blank";
            sheet->forwardEdit()->setText(QStringLiteral("new@four.com"));
            sheet->targetEdit()->setText(QStringLiteral("t@four.com"));
            sheet->deliverCheck()->setChecked(true);
            return accept(dialog);
        }
        EXPECT_EQ(listedRecords(list), (Records{1, 3}));
        opens = m_fs.count(Op::Open);
        closes = m_fs.count(Op::Close);
        list.newRecord();
        EXPECT_EQ(m_fs.count(Op::Open), opens) << "the sheet does not reopen the files";
        EXPECT_EQ(m_fs.count(Op::Close), closes) << "nor close them";
        EXPECT_EQ(listedRecords(list), (Records{1, 3, 4})) << "the deleted slot stays free";
        EXPECT_EQ(list.model()->rows().back().first, QStringLiteral("new@four.com"));
        return static_cast<int>(QDialog::Rejected);
    };
    list.run();
    EXPECT_EQ(m_scratch.read("DataAlia.DAT"),
              threeAliases(true) + test::aliasRecord("new@four.com", "t@four.com", true));
}

TEST_F(RecordListDlgTest, NewBlockIsAppendedAndNewUserTakesTheFirstDeletedSlot)
{
    m_scratch.write("DataBloc.DAT",
                    test::blockRecord(0, "10.0.0.1") + test::blockRecord(1, "gone.example", true));
    m_scratch.write("DataUser.DAT", test::userRecord("a@x.com", "Anna") +
                                        test::userRecord("b@x.com", "Bert", ' ', true) +
                                        test::userRecord("c@x.com", "Carl", ' ', true));
    answer = [&](QDialog& dialog) {
        if (auto* sheet = dynamic_cast<Cwm_BlockPropSheet*>(&dialog)) {
            sheet->typeCombo()->setCurrentIndex(2);
            sheet->valueEdit()->setText(QStringLiteral("spam@bad.example"));
            return accept(dialog);
        }
        if (auto* sheet = dynamic_cast<Cwm_UserPropSheet*>(&dialog)) {
            sheet->nameEdit()->setText(QStringLiteral("Dora"));
            sheet->addressEdit()->setText(QStringLiteral("d@x.com"));
            return accept(dialog);
        }
        auto& list = static_cast<Cwm_RecordListDlg&>(dialog);
        list.newRecord();
        const Records expected =
            dynamic_cast<Cwm_BlockListDlg*>(&dialog) ? Records{1, 3} : Records{1, 2};
        EXPECT_EQ(listedRecords(list), expected);
        return static_cast<int>(QDialog::Rejected);
    };
    Cwm_BlockListDlg blocks(m_context);
    blocks.run();
    Cwm_UserListDlg users(m_context);
    users.run();
    EXPECT_EQ(m_scratch.read("DataBloc.DAT"), test::blockRecord(0, "10.0.0.1") +
                                                  test::blockRecord(1, "gone.example", true) +
                                                  test::blockRecord(2, "spam@bad.example"));
    EXPECT_EQ(m_scratch.read("DataUser.DAT"), test::userRecord("a@x.com", "Anna") +
                                                  test::userRecord("d@x.com", "Dora") +
                                                  test::userRecord("c@x.com", "Carl", ' ', true));
    EXPECT_TRUE(m_messages.messages().empty());
}

TEST_F(RecordListDlgTest, CancelAfterNewAndFailedChecksChangeNothing)
{
    m_scratch.write("DataAlia.DAT", threeAliases());
    Cwm_AliasListDlg list(m_context);
    answer = [&](QDialog& dialog) {
        if (auto* sheet = dynamic_cast<Cwm_AliasPropSheet*>(&dialog)) {
            sheet->forwardEdit()->setText(QStringLiteral("not an address"));
            EXPECT_EQ(accept(dialog), QDialog::Rejected) << "the check keeps the sheet open";
            return static_cast<int>(QDialog::Rejected); // then Cancel
        }
        list.newRecord();
        EXPECT_EQ(list.model()->rowCount(), 3);
        return static_cast<int>(QDialog::Rejected);
    };
    list.run();
    EXPECT_EQ(m_messages.messages().size(), 1u) << "the failed check was shown";
    EXPECT_EQ(m_scratch.read("DataAlia.DAT"), threeAliases());
}

TEST_F(RecordListDlgTest, RecordRemovedBehindTheListsBackIsNotFound)
{
    m_scratch.write("DataAlia.DAT", threeAliases());
    Cwm_AliasListDlg list(m_context);
    int sheets = 0;
    answer = [&](QDialog& dialog) -> int {
        if (dynamic_cast<Cwm_AliasPropSheet*>(&dialog)) {
            ++sheets;
            return accept(dialog);
        }
        EXPECT_TRUE(m_dataSet.deleteAliaRecord(2));
        Cwm_AliasPropSheet deleted(m_context, &list);
        EXPECT_EQ(deleted.run(2), kSheetFailed);
        Cwm_AliasPropSheet pastTheEnd(m_context, &list);
        EXPECT_EQ(pastTheEnd.run(9), kSheetFailed);
        return static_cast<int>(QDialog::Rejected);
    };
    list.run();
    EXPECT_EQ(sheets, 0) << "no sheet over a missing record";
    EXPECT_EQ(messageTexts(),
              (std::vector<QString>{QStringLiteral("Unable to find record in DataAlia!"),
                                    QStringLiteral("Unable to find record in DataAlia!")}));
    EXPECT_EQ(m_scratch.read("DataAlia.DAT"), threeAliases(true));
}

TEST_F(RecordListDlgTest, ValuesOfTheFullWidthFillTheirFieldsExactly)
{
    const std::string domain = "@example.com";
    const std::string full = std::string(128 - domain.size(), 'a') + domain;
    // 8-bit bytes go through unchanged.
    const std::string latin = "j\xF6rg@example.com";
    m_scratch.write("DataAlia.DAT", test::aliasRecord(latin, "x@y.com", false));
    answer = [&](QDialog& dialog) {
        auto& sheet = dynamic_cast<Cwm_AliasPropSheet&>(dialog);
        EXPECT_EQ(sheet.forwardEdit()->text(), QString::fromLatin1(latin.c_str()));
        // Not a valid SMTP address: OK refuses it until it is corrected.
        sheet.forwardEdit()->setText(QStringLiteral("jorg@example.com"));
        sheet.targetEdit()->setText(QString::fromStdString(full + "overflow"));
        EXPECT_EQ(sheet.targetEdit()->text().size(), 128) << "the field takes no more";
        return accept(dialog);
    };
    Cwm_AliasPropSheet sheet(m_context);
    EXPECT_EQ(sheet.run(1), kSheetWritten);
    EXPECT_FALSE(m_dataSet.isOpen());
    EXPECT_EQ(m_scratch.read("DataAlia.DAT"), test::aliasRecord("jorg@example.com", full, false));
}

TEST_F(RecordListDlgTest, TextsTheFileCannotHoldAreRefusedAndUnchangedOnesKeepTheirBytes)
{
    // A name written as UTF-8 (by morvactl from a UTF-8 terminal) and one in
    // the gateway's 8-bit character set.
    const std::string utf8Name = "\xC5\x81ukasz";
    const std::string users =
        test::userRecord("l@x.com", utf8Name) + test::userRecord("j@x.com", "J\xFCrgen \x80");
    m_scratch.write("DataUser.DAT", users);
    answer = [&](QDialog& dialog) {
        auto& list = dynamic_cast<Cwm_UserListDlg&>(dialog);
        EXPECT_EQ(list.model()->rows().at(0).first, QStringLiteral("\u0141ukasz"));
        EXPECT_EQ(list.model()->rows().at(1).first, QStringLiteral("J\u00FCrgen \u20AC"));
        return static_cast<int>(QDialog::Rejected);
    };
    Cwm_UserListDlg(m_context).run();

    answer = [&](QDialog& dialog) { return accept(dialog); };
    EXPECT_EQ(Cwm_UserPropSheet(m_context).run(1), kSheetWritten);
    EXPECT_EQ(Cwm_UserPropSheet(m_context).run(2), kSheetWritten);
    EXPECT_EQ(m_scratch.read("DataUser.DAT"), users) << "unchanged fields keep their bytes";

    int refused = 0;
    answer = [&](QDialog& dialog) {
        auto& sheet = dynamic_cast<Cwm_UserPropSheet&>(dialog);
        for (const QString& name : {QStringLiteral("\u0141ukasz"), QStringLiteral("A\u00C3\u00A9"),
                                    QStringLiteral("Anna \U0001F600")}) {
            sheet.nameEdit()->setText(name);
            refused += accept(dialog) == QDialog::Rejected;
        }
        sheet.nameEdit()->setText(QStringLiteral("Gr\u00FC\u00DFe \u20AC\u0153"));
        return accept(dialog);
    };
    EXPECT_EQ(Cwm_UserPropSheet(m_context).run(2), kSheetWritten);
    EXPECT_EQ(refused, 3);
    const std::vector<QString> texts = messageTexts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_TRUE(texts[0].contains(QStringLiteral("\"\u0141\"")) &&
                texts[0].contains(QStringLiteral("Windows-1252")))
        << texts[0].toStdString();
    EXPECT_TRUE(texts[1].contains(QStringLiteral("\"A\u00E9\"")))
        << "the 8-bit bytes would read back as UTF-8: " << texts[1].toStdString();
    EXPECT_EQ(m_scratch.read("DataUser.DAT"),
              test::userRecord("l@x.com", utf8Name) +
                  test::userRecord("j@x.com", std::string("Gr\xFC\xDF") + "e \x80\x9C"));
}

TEST_F(RecordListDlgTest, UnofferedBlockTypesShowTheirNameAndAreKept)
{
    const std::string stored = test::blockRecord(3, "bad.example") + test::blockRecord(999, "odd") +
                               test::blockRecord(1, "h.example");
    m_scratch.write("DataBloc.DAT", stored);
    Cwm_BlockListDlg list(m_context);
    answer = [&](QDialog& dialog) {
        if (auto* sheet = dynamic_cast<Cwm_BlockPropSheet*>(&dialog)) {
            if (sheet->chosenType() == 999) {
                EXPECT_TRUE(
                    sheet->typeCombo()->currentText().startsWith(QStringLiteral("Unknown")));
                sheet->typeCombo()->setCurrentIndex(1); // the user picks Hostname
            } else {
                EXPECT_EQ(sheet->typeCombo()->currentText(),
                          QStringLiteral("MAIL FROM: e-mail domain"));
                EXPECT_EQ(sheet->typeCombo()->count(), 4);
            }
            return accept(dialog);
        }
        EXPECT_EQ(list.model()->rows()[0].first, QStringLiteral("MAIL FROM: e-mail domain"));
        EXPECT_EQ(list.model()->rows()[1].first, QStringLiteral("Unknown"));
        for (int row : {0, 1}) {
            list.grid()->setCurrentIndex(list.model()->index(row, 1));
            list.editRecord();
        }
        return static_cast<int>(QDialog::Rejected);
    };
    list.run();
    EXPECT_EQ(m_scratch.read("DataBloc.DAT"), test::blockRecord(3, "bad.example") +
                                                  test::blockRecord(1, "odd") +
                                                  test::blockRecord(1, "h.example"));
}

class LockedDataSetTest : public test::RecordFixture
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_gateway.start(m_scratch.path("MORVADTB.LCK"), 4)) << m_gateway.status();
    }
    test::FileHolderProcess m_gateway;
};

TEST_F(LockedDataSetTest, ListRefusesAfterTheRetries)
{
    Cwm_AliasListDlg list(m_context);
    bool shown = false;
    answer = [&](QDialog&) {
        shown = true;
        return 0;
    };
    EXPECT_EQ(list.run(), -1);
    EXPECT_FALSE(shown);
    EXPECT_EQ(m_clock.slept(), 4 * 3000ms);
    EXPECT_EQ(messageTexts(),
              std::vector<QString>{QStringLiteral("Unable to lock the data files!")});
}

TEST_F(LockedDataSetTest, CancelInTheWaitDialogEndsTheWaitingEarly)
{
    QTemporaryDir dir;
    gui::CommandRegistry commands;
    auto settings = app::AdminSettings::inFile(dir.filePath(QStringLiteral("settings.ini")));
    app::Cwm_MainBaseWnd window(commands, *settings);
    m_feedback.setHost(&window);
    m_context.host = &window;
    QTimer pressCancel;
    QObject::connect(&pressCancel, &QTimer::timeout, [&] {
        if (window.waitDialog() && window.waitDialog()->isVisible() && m_clock.slept() >= 3000ms)
            window.waitDialog()->cancelButton()->click();
    });
    pressCancel.start(0);
    Cwm_BlockListDlg list(m_context);
    EXPECT_EQ(list.run(), -1);
    EXPECT_LT(m_clock.slept(), 4 * 3000ms);
    EXPECT_GE(m_clock.slept(), 3000ms);
    EXPECT_EQ(messageTexts(),
              std::vector<QString>{QStringLiteral("Unable to lock the data files!")});
    m_feedback.setHost(nullptr);
}

// The same wait on the console's own clock and a real event loop.
class LockWaitInTheConsoleTest : public LockedDataSetTest
{
protected:
    void SetUp() override
    {
        LockedDataSetTest::SetUp();
        m_window.show();
        m_feedback.setHost(&m_window);
    }
    void TearDown() override { m_feedback.setHost(nullptr); }

    QTemporaryDir m_dir;
    gui::CommandRegistry m_commands;
    std::unique_ptr<app::AdminSettings> m_settings =
        app::AdminSettings::inFile(m_dir.filePath(QStringLiteral("settings.ini")));
    app::Cwm_MainBaseWnd m_window{m_commands, *m_settings};
    gui::EventPumpingClock m_realClock;
    db::DataSet m_realDataSet{m_fs, m_realClock, m_scratch.dir(), db::CertificateSettings{},
                              &m_feedback};
};

TEST_F(LockWaitInTheConsoleTest, TheWaitDialogIsDrawnAndCancelEndsTheWaitAtOnce)
{
    QString shownText;
    bool painted = false;
    QElapsedTimer sinceClick;
    QTimer::singleShot(700, [&] {
        gui::Cwm_WaitDlg* wait = m_window.waitDialog();
        ASSERT_NE(wait, nullptr);
        shownText = wait->text();
        painted = wait->isVisible() && !wait->findChild<QLabel*>()->visibleRegion().isEmpty();
        sinceClick.start();
        QTest::mouseClick(wait->cancelButton(), Qt::LeftButton);
    });
    QElapsedTimer total;
    total.start();
    EXPECT_FALSE(m_realDataSet.acquire());
    const qint64 latency = sinceClick.elapsed();
    std::printf("cancel latency of the lock wait: %lld ms\n", static_cast<long long>(latency));
    EXPECT_LT(total.elapsed(), 2000) << "the first three-second wait was cut short";
    EXPECT_EQ(shownText, QStringLiteral("Locking the data files..."));
    EXPECT_TRUE(painted);
    EXPECT_EQ(messageTexts(),
              std::vector<QString>{QStringLiteral("Unable to lock the data files!")});
}

TEST_F(LockWaitInTheConsoleTest, ClosingTheMainWindowEndsTheWaitWithoutAMessage)
{
    QTimer::singleShot(500, [&] { m_window.close(); });
    QElapsedTimer total;
    total.start();
    EXPECT_FALSE(m_realDataSet.acquire());
    EXPECT_LT(total.elapsed(), 2000);
    EXPECT_TRUE(messageTexts().empty());
    EXPECT_EQ(m_window.waitDialog(), nullptr);
    QTest::qWait(50);
    EXPECT_FALSE(m_window.isVisible()) << "the close ran once the wait was over";
    EXPECT_FALSE(gui::ConsoleWait::instance().shuttingDown());
}

} // namespace
