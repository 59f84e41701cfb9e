// The settings browser window: search and filters, editing with the pages'
// checks, pending changes until one save, reset, the keyboard, and the ways
// between the browser and the pages.
#include "confui/browser/SettingsBrowser.h"

#include "GuiFixture.h"
#include "config/ValueRules.h"
#include "confui/ChangesDialog.h"
#include "confui/ConfigPage.h"
#include "confui/ConflictDialog.h"
#include "confui/EntryEditDialog.h"
#include "confui/ListBox.h"
#include "confui/OptionsSheetBuilder.h"
#include "confui/PageDefaults.h"
#include "confui/QtTexts.h"
#include "confui/browser/SettingEditDialogs.h"
#include "confui/browser/SettingsTableModel.h"

#include <QApplication>
#include <QCheckBox>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>

using namespace morva::confui;

namespace {

// Key events and menus leave input devices that must go before the
// application does: one application for the whole run, ended in order.
class QtApplicationEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        if (!QApplication::instance())
            m_app = std::make_unique<QApplication>(m_argc, m_argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    int m_argc = 1;
    char m_name[24] = "morva-confui-gui-tests";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QApplication> m_app;
};
[[maybe_unused]] ::testing::Environment* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

QString cell(const SettingsBrowser& browser, int row, int column)
{
    const SettingsTableModel* model = browser.model();
    return model->data(model->index(row, column)).toString();
}

// Answers the value dialog with `typed` (then OK) for every editor opened.
void answerWith(GuiFixture& fixture, std::vector<QString> typed)
{
    fixture.dialogs = [typed, next = std::size_t(0)](QDialog& dialog) mutable {
        auto* editor = qobject_cast<SettingValueDialog*>(&dialog);
        if (!editor || !editor->field())
            return 0;
        while (next < typed.size() && dialog.result() != QDialog::Accepted) {
            editor->field()->setText(typed[next++]);
            dialog.accept();
        }
        return dialog.result();
    };
}

void press(QWidget* widget, int key, const QString& text = {})
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &up);
}

void type(QWidget* widget, const QString& text)
{
    for (const QChar c : text)
        press(widget, c.toUpper().unicode(), QString(c));
}

constexpr const char* kGreyMin = "InboundGreyListMinTime";

} // namespace

TEST(SettingsBrowser, SearchAsYouTypeNearestKeysFiltersAndMaskedSecrets)
{
    GuiFixture fixture("InboundGreyListMinTime=600\r\nOutboundSMTPAuthPassword=hunter2\r\n");
    SettingsBrowser browser(fixture.environment());
    type(browser.searchField(), "grey min");
    ASSERT_GT(browser.model()->rowCount(), 0);
    EXPECT_EQ(cell(browser, 0, SettingsTableModel::KeyColumn), kGreyMin);
    EXPECT_TRUE(browser.nearestLabel()->isHidden());

    browser.setSearchText("InbondGreyListMinTme");
    EXPECT_EQ(browser.model()->rowCount(), 0);
    EXPECT_FALSE(browser.nearestLabel()->isHidden());
    EXPECT_TRUE(browser.nearestLabel()->text().contains(kGreyMin));

    // Keys the filters hide are found, not misspelt: no "did you mean".
    browser.listsFilter()->setChecked(true);
    browser.setSearchText("grey min");
    EXPECT_EQ(browser.model()->rowCount(), 0);
    EXPECT_TRUE(browser.nearestLabel()->isHidden());
    browser.listsFilter()->setChecked(false);

    browser.setSearchText("");
    browser.changedFilter()->setChecked(true);
    EXPECT_EQ(browser.model()->rowCount(), 2);
    browser.changedFilter()->setChecked(false);
    browser.listsFilter()->setChecked(true);
    browser.noPageFilter()->setChecked(true);
    for (int row = 0; row < browser.model()->rowCount(); ++row)
        ASSERT_TRUE(browser.model()->settingAt(row).places.empty());
    browser.listsFilter()->setChecked(false);
    browser.noPageFilter()->setChecked(false);

    // A password is neither shown nor found by its value.
    browser.setSearchText("OutboundSMTPAuthPassword");
    ASSERT_EQ(browser.model()->rowCount(), 1);
    EXPECT_EQ(cell(browser, 0, SettingsTableModel::ValueColumn), "********");
    browser.setSearchText("hunter2");
    EXPECT_EQ(browser.model()->rowCount(), 0);
}

TEST(SettingsBrowser, EditsAreCheckedAsOnThePagesAndStayPendingUntilSaved)
{
    GuiFixture fixture;
    const std::string fileBefore = fixture.fileText();
    answerWith(fixture, {"0", "600"});
    SettingsBrowser browser(fixture.environment());
    browser.showKey(kGreyMin);
    ASSERT_EQ(browser.currentKey(), kGreyMin);
    EXPECT_TRUE(browser.editKey(kGreyMin));
    // The refused "0" came with the message the page shows.
    ASSERT_EQ(fixture.recorder.messages.size(), 1u);
    EXPECT_EQ(fixture.recorder.messages[0].text.toStdString(),
              morva::config::valueCheckMessage(morva::config::checkValue(kGreyMin, "0"), 0));

    EXPECT_EQ(cell(browser, 0, SettingsTableModel::KeyColumn), QString("* ") + kGreyMin);
    EXPECT_EQ(cell(browser, 0, SettingsTableModel::ValueColumn), "* 600");
    const QFont font =
        browser.model()->data(browser.model()->index(0, 0), Qt::FontRole).value<QFont>();
    EXPECT_TRUE(font.italic());
    const auto changes = browser.pendingChanges();
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].key, kGreyMin);
    EXPECT_EQ(changes[0].oldText, "300");
    EXPECT_EQ(changes[0].newText, "600");
    EXPECT_EQ(fixture.store->getInt(kGreyMin), 300) << "pending, not in the store";
    EXPECT_EQ(fixture.fileText(), fileBefore);

    // Cancel drops what is pending.
    press(browser.table(), Qt::Key_Escape);
    EXPECT_EQ(browser.result(), QDialog::Rejected);
    EXPECT_EQ(fixture.store->getInt(kGreyMin), 300);
    EXPECT_EQ(fixture.fileText(), fileBefore);
}

TEST(SettingsBrowser, OkSavesEveryPendingChangeWithOneSave)
{
    GuiFixture fixture("InboundGreyListMinTime=600\r\n");
    int saves = 0;
    fixture.store->setSavedListener([&] { ++saves; });
    SettingsBrowser browser(fixture.environment());
    ASSERT_TRUE(browser.stageTypedValue("InboundGreyList", "True"));
    ASSERT_TRUE(browser.stageTypedValue("OutboundSMTPAuthPassword", "n3w-secret"));
    EXPECT_FALSE(browser.stageTypedValue("InboundGreyListMaxTime", "abc"));
    browser.showKey(kGreyMin);
    browser.resetSelected();
    EXPECT_EQ(browser.pendingChanges().size(), 3u);

    // "Changes..." lists what Save would write, the password masked.
    QStringList reviewed;
    fixture.dialogs = [&](QDialog& dialog) {
        if (auto* changes = qobject_cast<morva::confui::ChangesDialog*>(&dialog)) {
            const QTableWidget* table = changes->table();
            for (int row = 0; row < table->rowCount(); ++row)
                for (int column = 0; column < table->columnCount(); ++column)
                    if (const QTableWidgetItem* item = table->item(row, column))
                        reviewed << item->text();
        }
        return 0;
    };
    browser.changesButton()->click();
    EXPECT_TRUE(reviewed.contains("InboundGreyList")) << reviewed.join('|').toStdString();
    EXPECT_FALSE(reviewed.join('|').contains("n3w-secret"));
    EXPECT_TRUE(browser.hasPendingChanges()) << "a review changes nothing";

    browser.okButton()->click();
    EXPECT_EQ(browser.result(), QDialog::Accepted);
    EXPECT_EQ(saves, 1);
    EXPECT_FALSE(browser.hasPendingChanges());
    const auto disk = fixture.fromDisk();
    EXPECT_TRUE(disk->getBool("InboundGreyList"));
    EXPECT_EQ(disk->getString("OutboundSMTPAuthPassword"), "n3w-secret");
    EXPECT_TRUE(disk->isDefault(kGreyMin));
}

TEST(SettingsBrowser, AFileChangedOnDiskIsMergedAndAKeyChangedOnBothSidesIsAskedFirst)
{
    GuiFixture fixture("InboundGreyListMinTime=600\r\n");
    SettingsBrowser browser(fixture.environment());
    ASSERT_TRUE(browser.stageTypedValue(kGreyMin, "700"));
    // Someone else writes the file meanwhile, the same key and another one.
    {
        std::ofstream(fixture.dir / "Morva.ini", std::ios::binary)
            << "InboundGreyListMinTime=900\r\nInboundGreyList=True\r\n";
    }
    std::filesystem::last_write_time(fixture.dir / "Morva.ini",
                                     std::filesystem::file_time_type::clock::now() +
                                         std::chrono::seconds(10));
    int asked = 0;
    int choice = -1; // Cancel
    fixture.dialogs = [&](QDialog& dialog) {
        auto* conflicts = qobject_cast<morva::confui::ConflictDialog*>(&dialog);
        if (!conflicts)
            return 0;
        ++asked;
        EXPECT_EQ(conflicts->conflictCount(), 1);
        if (choice < 0)
            return 0;
        conflicts->choose(0, static_cast<morva::confui::ConflictDialog::Choice>(choice));
        conflicts->accept();
        return conflicts->result();
    };
    EXPECT_FALSE(browser.save()) << "Cancel in the conflict dialog saves nothing";
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(fixture.recorder.messages.empty());
    EXPECT_TRUE(browser.hasPendingChanges());
    EXPECT_EQ(fixture.fromDisk()->getInt(kGreyMin), 900) << "the other writer's file stays";

    choice = morva::confui::ConflictDialog::KeepMine;
    EXPECT_TRUE(browser.save());
    EXPECT_EQ(asked, 2);
    EXPECT_FALSE(browser.hasPendingChanges());
    const auto disk = fixture.fromDisk();
    EXPECT_EQ(disk->getInt(kGreyMin), 700);
    EXPECT_TRUE(disk->getBool("InboundGreyList")) << "the other writer's change is kept";
}

TEST(SettingsBrowser, ListsAreEditedWithTheirEntryDialogAndComments)
{
    GuiFixture fixture;
    fixture.dialogs = [](QDialog& dialog) {
        if (auto* entry = qobject_cast<EntryEditDialog*>(&dialog)) {
            entry->setEntry("10.9.0.0/16");
            entry->setComment("branch office");
            return int(QDialog::Accepted);
        }
        if (auto* list = qobject_cast<SettingListDialog*>(&dialog)) {
            list->listBox()->newEntry();
            dialog.accept();
            return dialog.result();
        }
        return 0;
    };
    SettingsBrowser browser(fixture.environment());
    EXPECT_TRUE(browser.editKey("SMTPRelayAllowIP"));
    ASSERT_TRUE(browser.save());
    const auto disk = fixture.fromDisk();
    EXPECT_EQ(disk->getList("SMTPRelayAllowIP"), std::vector<std::string>{"10.9.0.0/16"});
    EXPECT_EQ(disk->getItemComments("SMTPRelayAllowIP"), std::vector<std::string>{"branch office"});
}

TEST(SettingsBrowser, KeyboardAloneEditsResetsAndCloses)
{
    GuiFixture fixture("InboundGreyListMinTime=600\r\nInboundGreyListMaxTime=900\r\n");
    int editors = 0;
    fixture.dialogs = [&](QDialog& dialog) {
        editors += qobject_cast<SettingValueDialog*>(&dialog) ? 1 : 0;
        return 0;
    };
    SettingsBrowser browser(fixture.environment());
    browser.show();
    type(browser.searchField(), "InboundGreyListM");
    press(browser.searchField(), Qt::Key_Down);
    ASSERT_EQ(browser.focusWidget(), browser.table());
    press(browser.table(), Qt::Key_F2);
    press(browser.table(), Qt::Key_Return);
    EXPECT_EQ(editors, 2);
    // Both rows selected, Delete sets both back to their defaults.
    browser.table()->selectAll();
    press(browser.table(), Qt::Key_Delete);
    EXPECT_TRUE(browser.pendingChanges().size() >= 2u);
    press(browser.table(), Qt::Key_Escape);
    EXPECT_EQ(browser.result(), QDialog::Rejected);
    EXPECT_EQ(fixture.store->getInt(kGreyMin), 600);
}

TEST(SettingsBrowser, GoToPageOpensTheSheetAtThePageWithTheControlFocused)
{
    GuiFixture fixture("InboundGreyList=True\r\n");
    SettingsBrowser browser(fixture.environment());
    int sheetType = 0;
    std::string page, key;
    browser.setPageOpener([&](QWidget*, int type, const std::string& name, const std::string& k) {
        sheetType = type;
        page = name;
        key = k;
    });
    browser.showKey(kGreyMin);
    ASSERT_TRUE(browser.goToPageButton()->isEnabled());
    browser.goToPage();
    EXPECT_EQ(page, "IniGrey");
    EXPECT_EQ(key, kGreyMin);

    auto sheet = buildCatalogueSheet(sheetType, fixture.environment());
    ASSERT_TRUE(showSheetStart(*sheet, SheetStart{page, key}));
    sheet->show();
    QApplication::setActiveWindow(sheet.get());
    for (int pass = 0; pass < 5; ++pass)
        QApplication::processEvents();
    EXPECT_EQ(sheet->activePage()->name(), "IniGrey");
    EXPECT_EQ(sheet->focusWidget(), sheet->activePage()->widgetFor(kGreyMin))
        << sheet->focusWidget()->metaObject()->className() << " "
        << sheet->activePage()->widgetFor(kGreyMin)->metaObject()->className();
    EXPECT_FALSE(showSheetStart(*sheet, SheetStart{"NoSuchPage", {}}));

    // A key on no page has no page to go to.
    browser.showKey("NAGIOSAllowIP");
    EXPECT_FALSE(browser.goToPageButton()->isEnabled());
}

TEST(SettingsBrowser, EveryControlOffersShowInAllSettings)
{
    GuiFixture fixture;
    SheetEnvironment environment = fixture.environment();
    std::string shown;
    environment.showInAllSettings = [&](QWidget*, const std::string& key) { shown = key; };
    auto sheet = buildOptionsSheet(4, environment);
    sheet->show();
    ConfigPage* grey = nullptr;
    for (int index = 0; index < sheet->pageCount(); ++index)
        if (sheet->page(index)->name() == "IniGrey" && sheet->setActivePage(index, false))
            grey = sheet->page(index);
    ASSERT_TRUE(grey);
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* action : menu->actions())
            if (action->text() == uiText(PageDefaults::kShowInBrowserTextId, 0))
                action->trigger();
        menu->close();
    });
    QWidget* field = grey->numberFieldFor(kGreyMin);
    emit field->customContextMenuRequested(QPoint(2, 2));
    EXPECT_EQ(shown, kGreyMin);
}

TEST(SettingsBrowser, OpenedFromASheetItOnlyShows)
{
    // The sheet's OK writes every control again: a change saved from here
    // would be lost there, so nothing can be changed.
    GuiFixture fixture;
    int editors = 0;
    fixture.dialogs = [&](QDialog&) { return ++editors, 0; };
    SettingsBrowser browser(fixture.environment());
    browser.setReadOnly(true);
    browser.showKey(kGreyMin);
    EXPECT_FALSE(browser.editKey(kGreyMin));
    EXPECT_FALSE(browser.stageTypedValue(kGreyMin, "600"));
    press(browser.table(), Qt::Key_Delete);
    EXPECT_EQ(editors, 0);
    EXPECT_FALSE(browser.hasPendingChanges());
    EXPECT_TRUE(browser.saveButton()->isHidden());
}
