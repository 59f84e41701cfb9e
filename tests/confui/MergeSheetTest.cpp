#include "GuiFixture.h"
#include "confui/ChangesDialog.h"
#include "confui/ConflictDialog.h"
#include "confui/OptionsSheetBuilder.h"
#include "confui/sheets/AdvancedSheet.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>

using namespace morva::confui;

namespace {

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

void type(ConfigPage* page, const char* key, const QString& text)
{
    auto* edit = page->numberFieldFor(key);
    ASSERT_NE(edit, nullptr) << key;
    edit->setText(text);
    emit edit->textEdited(text);
}

// Another program saves the file meanwhile.
void changeOnDisk(GuiFixture& fixture, const char* key, const char* value)
{
    auto other = fixture.fromDisk();
    other->setString(key, value);
    ASSERT_TRUE(other->save());
}

} // namespace

TEST(MergeSheet, ChangesOfAnotherProgramToOtherKeysAreMergedWithoutAsking)
{
    GuiFixture fixture("ExchHost=old.example\r\n");
    int dialogs = 0;
    fixture.dialogs = [&](QDialog&) { return ++dialogs, 0; };
    auto sheet = buildOptionsSheet(2, fixture.environment());
    sheet->show();
    type(shownPage(*sheet, "IniCon"), "SmartHost", "mine.example");
    changeOnDisk(fixture, "ExchHost", "disk.example");
    sheet->ok();
    EXPECT_EQ(sheet->result(), kIdOk);
    EXPECT_EQ(dialogs, 0);
    EXPECT_TRUE(fixture.recorder.messages.empty());
    auto disk = fixture.fromDisk();
    EXPECT_EQ(disk->getString("ExchHost"), "disk.example");
    EXPECT_EQ(disk->getString("SmartHost"), "mine.example");
    // The console goes on with the merged file.
    EXPECT_EQ(fixture.store->getString("ExchHost"), "disk.example");
    EXPECT_TRUE(fixture.store->save());
}

TEST(MergeSheet, AKeyChangedOnBothSidesIsDecidedSideBySide)
{
    struct Answer
    {
        const char* name;
        int choice; // a ConflictDialog::Choice, -1 for Cancel
        const char* entered;
        const char* saved; // nullptr: the file stays as on disk
    };
    const Answer answers[] = {
        {"keep the value on disk", ConflictDialog::KeepTheirs, "", "disk.example"},
        {"keep mine", ConflictDialog::KeepMine, "", "mine.example"},
        {"enter a value", ConflictDialog::EnterValue, "typed.example", "typed.example"},
        {"cancel", -1, "", nullptr},
    };
    for (const Answer& answer : answers) {
        SCOPED_TRACE(answer.name);
        GuiFixture fixture("SmartHost=old.example\r\nExchHost=old.example\r\n");
        int asked = 0;
        fixture.dialogs = [&](QDialog& dialog) {
            auto* conflicts = dynamic_cast<ConflictDialog*>(&dialog);
            if (!conflicts)
                return 0;
            ++asked;
            EXPECT_EQ(conflicts->conflictCount(), 1);
            if (answer.choice < 0)
                return int(QDialog::Rejected);
            conflicts->choose(0, static_cast<ConflictDialog::Choice>(answer.choice));
            conflicts->valueField(0)->setPlainText(answer.entered);
            conflicts->accept();
            return conflicts->result();
        };
        auto sheet = buildOptionsSheet(2, fixture.environment());
        sheet->show();
        type(shownPage(*sheet, "IniCon"), "SmartHost", "mine.example");
        type(shownPage(*sheet, "IniStd"), "Postmaster", "admin@example.com");
        changeOnDisk(fixture, "SmartHost", "disk.example");
        const std::string onDisk = fixture.fileText();
        sheet->ok();
        EXPECT_EQ(asked, 1) << "asked once for the whole sheet";
        EXPECT_TRUE(fixture.recorder.messages.empty());
        if (!answer.saved) {
            EXPECT_EQ(fixture.fileText(), onDisk);
            EXPECT_NE(sheet->result(), kIdOk) << "the sheet stays open";
            continue;
        }
        EXPECT_EQ(sheet->result(), kIdOk);
        auto disk = fixture.fromDisk();
        EXPECT_EQ(disk->getString("SmartHost"), answer.saved);
        EXPECT_EQ(disk->getString("Postmaster"), "admin@example.com");
    }
}

TEST(MergeSheet, AnEnteredValueIsCheckedLikeItsField)
{
    GuiFixture fixture("InboundSMTPMaxConnections=10\r\n");
    fixture.dialogs = [&](QDialog& dialog) {
        auto* conflicts = dynamic_cast<ConflictDialog*>(&dialog);
        if (!conflicts)
            return 0;
        conflicts->accept(); // nothing chosen
        EXPECT_EQ(conflicts->result(), 0);
        conflicts->choose(0, ConflictDialog::EnterValue);
        conflicts->valueField(0)->setPlainText("many");
        conflicts->accept();
        EXPECT_EQ(conflicts->result(), 0);
        conflicts->valueField(0)->setPlainText("42");
        conflicts->accept();
        return conflicts->result();
    };
    auto sheet = buildOptionsSheet(2, fixture.environment());
    sheet->show();
    type(shownPage(*sheet, "IniCon"), "InboundSMTPMaxConnections", "20");
    {
        auto other = fixture.fromDisk();
        other->setInt("InboundSMTPMaxConnections", 30);
        ASSERT_TRUE(other->save());
    }
    sheet->ok();
    EXPECT_EQ(sheet->result(), kIdOk);
    EXPECT_EQ(fixture.recorder.messages.size(), 2u) << "no choice, then a word for a number";
    EXPECT_EQ(fixture.fromDisk()->getInt("InboundSMTPMaxConnections"), 42);
}

TEST(MergeSheet, ChangesListsWhatOkWouldSaveWithSecretsMasked)
{
    for (int type : {2, kAdvancedSheetType}) {
        GuiFixture fixture("SmartHost=old.example\r\n");
        auto sheet = buildCatalogueSheet(type, fixture.environment());
        sheet->show();
        ASSERT_TRUE(sheet->changesButton()->isVisible()) << type;
        EXPECT_TRUE(sheet->pendingChangeRows().empty()) << "nothing edited yet";
        if (type != 2)
            continue;
        ConfigPage* connections = shownPage(*sheet, "IniCon");
        ::type(connections, "SmartHost", "mine.example");
        ::type(connections, "OutboundSMTPAuthPassword", "very secret");
        std::vector<QStringList> shown;
        fixture.dialogs = [&](QDialog& dialog) {
            auto* changes = dynamic_cast<ChangesDialog*>(&dialog);
            for (int row = 0; changes && row < changes->table()->rowCount(); ++row) {
                QStringList cells;
                for (int column = 0; column < 4; ++column)
                    cells << changes->table()->item(row, column)->text();
                shown.push_back(cells);
            }
            return 0;
        };
        sheet->changesButton()->click();
        ASSERT_EQ(shown.size(), 2u);
        EXPECT_EQ(shown[0], (QStringList{"SmartHost", "changed", "old.example", "mine.example"}));
        EXPECT_EQ(shown[1], (QStringList{"OutboundSMTPAuthPassword", "changed", "", "********"}));
        EXPECT_EQ(fixture.fileText(), "SmartHost=old.example\r\n") << "a review saves nothing";
    }
}
