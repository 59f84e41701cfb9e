// How pages treat greyed fields, lists of particular keys, choices that
// grey fields, failed saves and the sheet's size, through the real widgets.
#include "GuiFixture.h"
#include "confui/EntryEditDialog.h"
#include "confui/ListBox.h"
#include "confui/OptionsSheetBuilder.h"
#include "confui/SheetEditors.h"
#include "confui/sheets/TextFileDialog.h"
#include "gui/ListFilterBar.h"
#include "gui/ListPanel.h"
#include "platform/Clock.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <fstream>
#include <gtest/gtest.h>

using namespace morva::confui;

namespace {
void type(ConfigPage* page, const char* key, const QString& text)
{
    auto* edit = page->numberFieldFor(key);
    ASSERT_NE(edit, nullptr) << key;
    edit->setText(text);
    emit edit->textEdited(text);
}

void untick(ConfigPage* page, const char* key)
{
    auto* box = static_cast<QCheckBox*>(page->widgetFor(key));
    ASSERT_TRUE(box->isChecked()) << key;
    box->click();
}

void choose(ConfigPage* page, const char* key, int storedValue)
{
    auto* combo = static_cast<QComboBox*>(page->widgetFor(key));
    const int index = combo->findData(storedValue);
    ASSERT_GE(index, 0) << key << " " << storedValue;
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

ConfigPage* shownPage(Cwm_BasePropSheet& sheet, const char* name)
{
    for (int index = 0; index < sheet.pageCount(); ++index)
        if (sheet.page(index)->name() == name) {
            EXPECT_TRUE(sheet.setActivePage(index, false));
            return sheet.page(index);
        }
    ADD_FAILURE() << name;
    return nullptr;
}

// Answers entry dialogs with `answer` (which accepts or rejects the dialog).
std::function<int(QDialog&)> entryDialogs(std::function<void(EntryEditDialog&)> answer)
{
    return [answer](QDialog& dialog) {
        auto& entry = dynamic_cast<EntryEditDialog&>(dialog);
        answer(entry);
        return entry.result();
    };
}
} // namespace

TEST(PageEngine, GreyedFieldsNeverWriteWhatTheirCheckWouldRefuse)
{
    GuiFixture fixture("InboundGreyList=True\r\nInboundGreyListMinTime=300\r\n"
                       "InboundBayes=True\r\nOutboundBayesFeedAddress=spam@corp.example\r\n");
    auto sheet = buildOptionsSheet(4, fixture.environment());
    sheet->show();
    ConfigPage* grey = shownPage(*sheet, "IniGrey");
    type(grey, "InboundGreyListMinTime", "99999999");
    type(grey, "InboundGreyListMidTime", "abc");
    type(grey, "InboundGreyListMaxTime", "7200"); // in range: kept
    untick(grey, "InboundGreyList");
    EXPECT_FALSE(grey->numberFieldFor("InboundGreyListMinTime")->isEnabled());

    ConfigPage* bayes = shownPage(*sheet, "IniBay");
    type(bayes, "OutboundBayesFeedAddress", "not an address");
    type(bayes, "OutboundBayesFeedAddressGood", "ham@corp.example");
    untick(bayes, "InboundBayes");

    ASSERT_TRUE(sheet->applyAll());
    EXPECT_TRUE(fixture.recorder.messages.empty());
    const auto disk = fixture.fromDisk();
    EXPECT_FALSE(disk->getBool("InboundGreyList"));
    EXPECT_EQ(disk->getInt("InboundGreyListMinTime"), 300);
    EXPECT_TRUE(disk->find("InboundGreyListMidTime")->isDefault());
    EXPECT_EQ(disk->getInt("InboundGreyListMaxTime"), 7200);
    EXPECT_EQ(disk->getString("OutboundBayesFeedAddress"), "spam@corp.example");
    EXPECT_EQ(disk->getString("OutboundBayesFeedAddressGood"), "ham@corp.example");
    // The field shows what was written.
    EXPECT_EQ(grey->numberFieldFor("InboundGreyListMinTime")->text(), "300");

    // The same values in enabled fields are refused.
    grey->numberFieldFor("InboundGreyListMinTime")->setText("99999999");
    static_cast<QCheckBox*>(grey->widgetFor("InboundGreyList"))->click();
    EXPECT_FALSE(grey->readBack());
    ASSERT_EQ(fixture.recorder.messages.size(), 1u);
    EXPECT_EQ(fixture.recorder.messages[0].kind, MessageKind::Refused);
}

TEST(PageEngine, ListsOfKeysReadWithoutCommentsOfferAndWriteNone)
{
    GuiFixture fixture("OutboundDisclaimer=*@example.com\r\n");
    bool commentOffered = true;
    fixture.dialogs = entryDialogs([&](EntryEditDialog& entry) {
        commentOffered = entry.commentEdit() && !entry.commentEdit()->isHidden();
        entry.fieldEdit(0)->setText("*@sales.example");
        if (entry.commentEdit())
            entry.commentEdit()->setText("sales team");
        entry.accept();
    });
    auto sheet = buildOptionsSheet(9, fixture.environment());
    sheet->show();
    ListBox* box = sheet->page(0)->listFor("OutboundDisclaimer");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->view()->model()->columnCount(), 1);
    box->newEntry();
    EXPECT_FALSE(commentOffered);
    ASSERT_TRUE(sheet->applyAll());
    EXPECT_EQ(fixture.fileText().find(";sales team"), std::string::npos) << fixture.fileText();
    EXPECT_EQ(fixture.fromDisk()->getList("OutboundDisclaimer"),
              (std::vector<std::string>{"*@example.com", "*@sales.example"}));

    // Lists of other keys keep their comment column and comments.
    auto general = buildOptionsSheet(2, fixture.environment());
    general->show();
    ListBox* relay = shownPage(*general, "IniRel")->listFor("SMTPRelayAllowHost");
    EXPECT_EQ(relay->view()->model()->columnCount(), 2);
}

TEST(PageEngine, UserListShowsUsersButNeverTheirPasswords)
{
    GuiFixture fixture("InboundSMTPAuthType=1\r\n"
                       "InboundSMTPAuthUserPass=alice s3cret ;front desk\r\n");
    std::vector<std::function<void(EntryEditDialog&)>> answers;
    fixture.dialogs = entryDialogs([&](EntryEditDialog& entry) {
        answers.front()(entry);
        answers.erase(answers.begin());
    });
    auto sheet = buildOptionsSheet(2, fixture.environment());
    sheet->show();
    ListBox* box = shownPage(*sheet, "IniAuth")->listFor("InboundSMTPAuthUserPass");
    ASSERT_NE(box, nullptr);
    QAbstractItemModel* view = box->view()->model();
    EXPECT_EQ(view->headerData(0, Qt::Horizontal).toString(), "User");
    EXPECT_EQ(view->headerData(1, Qt::Horizontal).toString(), "Comment");
    ASSERT_EQ(view->rowCount(), 1);
    EXPECT_EQ(view->index(0, 0).data().toString(), "alice");
    EXPECT_EQ(view->index(0, 1).data().toString(), "front desk");

    answers.push_back([](EntryEditDialog& entry) {
        EXPECT_EQ(entry.fieldEdit(0)->text(), "alice");
        EXPECT_EQ(entry.fieldEdit(1)->text(), "s3cret");
        EXPECT_EQ(entry.fieldEdit(1)->echoMode(), QLineEdit::Password);
        entry.fieldEdit(1)->setText("n3w pass");
        entry.accept();
    });
    answers.push_back([&](EntryEditDialog& entry) {
        entry.fieldEdit(0)->setText("bob smith");
        entry.fieldEdit(1)->setText("pw");
        entry.accept(); // a blank would end the user
        EXPECT_TRUE(fixture.recorder.saw("Blanks are not allowed"));
        entry.fieldEdit(0)->setText("bob");
        entry.accept();
    });
    box->view()->selectRow(0);
    box->editEntry();
    box->newEntry();
    EXPECT_TRUE(answers.empty());
    for (int row = 0; row < view->rowCount(); ++row)
        for (int column = 0; column < view->columnCount(); ++column)
            EXPECT_FALSE(view->index(row, column).data().toString().contains("pw") ||
                         view->index(row, column).data().toString().contains("n3w"));
    ASSERT_TRUE(sheet->applyAll());
    EXPECT_EQ(fixture.fromDisk()->getList("InboundSMTPAuthUserPass"),
              (std::vector<std::string>{"alice n3w pass", "bob pw"}));
}

TEST(PageEngine, CountriesAreChosenFromTheKnownCodesAndShownWithNames)
{
    GuiFixture fixture("InboundBlockCTYCountry=KP\r\nInboundBlockCTYCountry=Germany\r\n");
    auto sheet = buildOptionsSheet(3, fixture.environment());
    sheet->show();
    ListBox* box = shownPage(*sheet, "IniCTY")->listFor("InboundBlockCTYCountry");
    ASSERT_NE(box, nullptr);
    QAbstractItemModel* view = box->view()->model();
    ASSERT_EQ(view->rowCount(), 2);
    EXPECT_TRUE(view->index(0, 0).data().toString().startsWith("kp - Korea"))
        << view->index(0, 0).data().toString().toStdString();
    EXPECT_EQ(view->index(1, 0).data().toString(), "germany"); // no such code

    fixture.dialogs = entryDialogs([](EntryEditDialog& entry) {
        QComboBox* countries = entry.choiceBox(0);
        ASSERT_NE(countries, nullptr);
        EXPECT_EQ(countries->count(), 256);
        countries->setCurrentIndex(countries->findData("de"));
        EXPECT_EQ(countries->currentText(), "de - Germany");
        entry.accept();
    });
    box->newEntry();

    fixture.dialogs = entryDialogs([&](EntryEditDialog& entry) {
        QComboBox* countries = entry.choiceBox(0);
        EXPECT_EQ(countries->currentText(), "germany");
        entry.accept();
        EXPECT_EQ(entry.result(), QDialog::Rejected);
        EXPECT_TRUE(fixture.recorder.saw("Please choose a value from the list!"));
        countries->setCurrentIndex(countries->findData("at"));
        entry.accept();
    });
    box->view()->selectRow(1);
    box->editEntry();

    ASSERT_TRUE(sheet->applyAll());
    EXPECT_EQ(fixture.fromDisk()->getList("InboundBlockCTYCountry"),
              (std::vector<std::string>{"kp", "at", "de"}));
}

TEST(PageEngine, ListProblemsAreMarkedFilteredAndNeverBlockTheSave)
{
    GuiFixture fixture("SMTPRelayAllowHost=example.com\r\n"
                       "SMTPRelayAllowHost=mail.example.com\r\n"
                       "SMTPRelayAllowHost=other.example\r\n"
                       "SMTPRelayAllowHost=EXAMPLE.com\r\n"
                       "SMTPRelayAllowIP=10.0.0.0/8\r\n"
                       "SMTPRelayAllowIP=10.1.2.0/24\r\n");
    auto sheet = buildOptionsSheet(2, fixture.environment());
    sheet->show();
    ConfigPage* relay = shownPage(*sheet, "IniRel");
    ListBox* hosts = relay->listFor("SMTPRelayAllowHost");
    ListBox* networks = relay->listFor("SMTPRelayAllowIP");
    ASSERT_TRUE(hosts && networks);
    EXPECT_EQ(hosts->problemCount(), 2);
    QAbstractItemModel* rows = hosts->view()->model();
    auto tip = [](QAbstractItemModel* model, int row) {
        return model->index(row, 0).data(Qt::ToolTipRole).toString();
    };
    EXPECT_TRUE(tip(rows, 0).isEmpty());
    EXPECT_TRUE(tip(rows, 1).contains("covered by entry 1 (example.com)"))
        << tip(rows, 1).toStdString();
    EXPECT_TRUE(tip(rows, 3).contains("Repeats entry 1")) << tip(rows, 3).toStdString();
    EXPECT_FALSE(rows->index(1, 0).data(Qt::DecorationRole).isNull());
    EXPECT_TRUE(networks->problemCount() == 1 &&
                tip(networks->view()->model(), 1).contains("covered by entry 1 (10.0.0.0/8)"));

    QCheckBox* problemsOnly = hosts->panel()->filterBar()->problemsSwitch();
    EXPECT_TRUE(problemsOnly->isVisibleTo(hosts));
    problemsOnly->setChecked(true);
    ASSERT_EQ(rows->rowCount(), 2);
    EXPECT_EQ(rows->index(1, 0).data().toString(), "EXAMPLE.com");
    // Delete acts on the entry of the shown row.
    hosts->view()->selectRow(1);
    hosts->deleteEntries();
    EXPECT_EQ(hosts->binding().values(),
              (std::vector<std::string>{"example.com", "mail.example.com", "other.example"}));
    EXPECT_EQ(hosts->problemCount(), 1);
    EXPECT_EQ(rows->rowCount(), 1) << "still only the problems";

    ASSERT_TRUE(sheet->applyAll()) << "warnings never block a save";
    EXPECT_EQ(fixture.fromDisk()->getList("SMTPRelayAllowIP"),
              (std::vector<std::string>{"10.0.0.0/8", "10.1.2.0/24"}));
}

TEST(SheetLayout, ListsTakeTheHeightTheSheetGains)
{
    GuiFixture fixture;
    auto sheet = buildOptionsSheet(2, fixture.environment());
    sheet->show();
    ConfigPage* relay = shownPage(*sheet, "IniRel");
    QApplication::processEvents();
    QWidget* list = relay->listFor("SMTPRelayAllowHost")->view();
    const int before = list->height();
    sheet->resize(sheet->width(), sheet->height() + 200);
    QApplication::processEvents();
    EXPECT_GE(list->height(), before + 60) << "the lists share the extra height";
}

TEST(PageEngine, OutboundVirusActionShowsEveryStoredActionCode)
{
    struct Row
    {
        const char* file;
        int stored;
        const char* shown;
    };
    const Row rows[] = {
        {"", 4, "Send a non-delivery report to the sender"}, // the default
        {"OutboundVirusNDRTyp=1\r\n", 1, "Encapsulate and forward to postmaster"},
        {"OutboundVirusNDRTyp=2\r\n", 2, "Encapsulate and send to recipient"},
        {"OutboundVirusNDRTyp=8\r\n", 8, "Forward to recipient"},
    };
    for (const Row& row : rows) {
        GuiFixture fixture(row.file);
        auto sheet = buildOptionsSheet(8, fixture.environment());
        sheet->show();
        ConfigPage* options = shownPage(*sheet, "IniViO");
        auto* combo = static_cast<QComboBox*>(options->widgetFor("OutboundVirusNDRTyp"));
        EXPECT_EQ(combo->currentText(), row.shown);
        EXPECT_EQ(combo->currentData().toInt(), row.stored);
        ASSERT_TRUE(sheet->applyAll());
        EXPECT_EQ(fixture.fromDisk()->getInt("OutboundVirusNDRTyp"), row.stored);
        choose(options, "OutboundVirusNDRTyp", 0);
        ASSERT_TRUE(sheet->applyAll());
        EXPECT_EQ(fixture.fromDisk()->getInt("OutboundVirusNDRTyp"), 0);
    }
}

TEST(PageEngine, FileChangedOnDiskIsMergedOnOkAndApply)
{
    // Pages write every key they show; keys nobody changed here keep the
    // value another program saved meanwhile.
    for (int type : {2, 3}) {
        GuiFixture fixture("ExchHost=old.example\r\n");
        fixture.store->setInt("AdminMVFQueryStatus", 0);
        fixture.dialogs = [&](QDialog& dialog) {
            auto& sheet = static_cast<Cwm_BasePropSheet&>(dialog);
            sheet.show();
            std::ofstream(fixture.dir / "Morva.ini", std::ios::binary)
                << "ExchHost=changed.example\r\n";
            sheet.apply();
            std::ofstream(fixture.dir / "Morva.ini", std::ios::binary)
                << "ExchHost=changed.again\r\n";
            sheet.ok();
            return sheet.result();
        };
        EXPECT_EQ(openSheet(type, fixture.environment()), kIdOk);
        EXPECT_TRUE(fixture.recorder.messages.empty()) << type;
        EXPECT_EQ(fixture.fromDisk()->getString("ExchHost"), "changed.again") << type;
    }
}

TEST(PageEngine, ChoicesGreyTheFieldsTheyMakeMeaningless)
{
    GuiFixture fixture;
    auto general = buildOptionsSheet(2, fixture.environment());
    general->show();
    ConfigPage* auth = shownPage(*general, "IniAuth");
    auto enabled = [](ConfigPage* page, const char* key) {
        return page->widgetFor(key)->isEnabled();
    };
    const char* authFields[] = {"InboundSMTPAuthAppExe",        "InboundSMTPAuthAppArg",
                                "InboundSMTPAuthAppExeVerbose", "InboundSMTPAuthUserPass",
                                "InboundSMTPAuthUser",          "InboundSMTPAuthPassword"};
    const std::pair<int, std::vector<bool>> authRows[] = {
        {0, {false, false, false, false, false, false}},
        {1, {false, false, false, true, false, false}},
        {2, {false, false, false, false, false, false}},
        {3, {false, false, false, false, true, true}},
        {4, {true, true, true, false, false, false}},
    };
    for (const auto& [value, expected] : authRows) {
        if (value != 0)
            choose(auth, "InboundSMTPAuthType", value);
        for (std::size_t i = 0; i < expected.size(); ++i)
            EXPECT_EQ(enabled(auth, authFields[i]), expected[i]) << value << " " << authFields[i];
    }

    auto session = buildOptionsSheet(7, fixture.environment());
    session->show();
    ConfigPage* recipient = shownPage(*session, "IniRcpt");
    const char* queryFields[] = {
        "ExchInboundEMailAddressQueryCache", "ExchInboundEMailAddressQueryExeVerbose",
        "ExchInboundEMailAddressQueryExe", "ExchInboundEMailAddressQueryArg",
        "ExchInboundEMailAddressQueryValidate"};
    const std::pair<int, std::vector<bool>> recipientRows[] = {
        {0, {false, false, false, false, false}},
        {1, {false, false, false, false, false}},
        {2, {true, true, true, true, true}},
        {3, {true, false, false, false, true}},
    };
    for (const auto& [value, expected] : recipientRows) {
        if (value != 0)
            choose(recipient, "ExchInboundEMailAddressTyp", value);
        for (std::size_t i = 0; i < expected.size(); ++i)
            EXPECT_EQ(enabled(recipient, queryFields[i]), expected[i])
                << value << " " << queryFields[i];
    }
}

TEST(SheetLayout, SheetTakesItsSizeOnceFromItsLargestPage)
{
    GuiFixture fixture;
    fixture.store->setInt("AdminMVFQueryStatus", 0);
    for (int type : {2, 3, 4, 13}) {
        auto sheet = buildOptionsSheet(type, fixture.environment());
        sheet->show();
        QApplication::processEvents();
        const QRect first = sheet->geometry();
        for (int index = 0; index < sheet->pageCount(); ++index) {
            ASSERT_TRUE(sheet->setActivePage(index, false));
            QApplication::processEvents();
            EXPECT_EQ(sheet->geometry(), first) << type << " " << sheet->page(index)->name();
        }
    }

    // The wizard's buttons keep their places; Finish takes Next's.
    fixture.dialogs = [&](QDialog& dialog) {
        auto& wizard = static_cast<Cwm_BasePropSheet&>(dialog);
        wizard.show();
        QApplication::processEvents();
        const QRect back = wizard.backButton()->geometry();
        const QRect next = wizard.nextButton()->geometry();
        const QRect cancel = wizard.cancelButton()->geometry();
        for (int index = 1; index < wizard.pageCount(); ++index) {
            wizard.setActivePage(index, false);
            QApplication::processEvents();
            EXPECT_EQ(wizard.backButton()->geometry(), back) << index;
            EXPECT_EQ(wizard.cancelButton()->geometry(), cancel) << index;
        }
        EXPECT_EQ(wizard.finishButton()->geometry(), next);
        wizard.reject();
        return wizard.result();
    };
    openSheet(1, fixture.environment());
}

TEST(SheetLayout, ButtonsOfOneRowKeepTheirOwnWidth)
{
    GuiFixture fixture;
    auto sheet = buildOptionsSheet(8, fixture.environment());
    sheet->show();
    ConfigPage* options = shownPage(*sheet, "IniViO");
    QApplication::processEvents();
    QPushButton* inbound = options->buttonFor("InboundExclVirusScan");
    QPushButton* outbound = options->buttonFor("OutboundExclVirusScan");
    ASSERT_TRUE(inbound && outbound);
    EXPECT_EQ(inbound->geometry().top(), outbound->geometry().top());
    EXPECT_LT(inbound->geometry().right(), outbound->geometry().left());
    for (QPushButton* button : {inbound, outbound})
        EXPECT_LE(button->width(), button->sizeHint().width() + 8) << button->text().toStdString();
}

TEST(SheetLayout, DisclaimerEditorLooksLikeTheOtherDialogs)
{
    GuiFixture fixture;
    morva::platform::FakeClock clock;
    QString title;
    QList<QPushButton*> buttons;
    fixture.dialogs = [&](QDialog& dialog) {
        title = dialog.windowTitle();
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            EXPECT_TRUE(button->icon().isNull()) << button->text().toStdString();
        buttons = dialog.findChildren<QPushButton*>();
        return int(QDialog::Rejected);
    };
    auto sheet = buildOptionsSheet(
        9, withSheetEditors(fixture.environment(), *fixture.fs, clock, RouteEditor()));
    sheet->show();
    QPushButton* edit = sheet->page(0)->buttonFor("odisc-pl.txt");
    ASSERT_NE(edit, nullptr);
    edit->click();
    EXPECT_FALSE(title.isEmpty());
    EXPECT_FALSE(title.endsWith(':')) << title.toStdString();
    EXPECT_EQ(buttons.size(), 2);
}
