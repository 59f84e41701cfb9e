#include "GuiFixture.h"
#include "confui/ActionCodes.h"
#include "confui/CatalogueSchemaCheck.h"
#include "confui/Cwm_ExclPropSheet.h"
#include "confui/EntryEditDialog.h"
#include "confui/ListBox.h"
#include "confui/OptionsPresets.h"
#include "confui/OptionsSheetBuilder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <gtest/gtest.h>

using namespace morva::confui;

namespace {
int comboValue(ConfigPage* page, const char* key)
{
    return static_cast<QComboBox*>(page->widgetFor(key))->currentData().toInt();
}

void chooseValue(ConfigPage* page, const char* key, int value)
{
    auto* combo = static_cast<QComboBox*>(page->widgetFor(key));
    combo->setCurrentIndex(combo->findData(value));
}
} // namespace

TEST(PropertySheet, OkWritesEveryPageEvenWhenOnlyTheFirstWasViewed)
{
    // The unviewed pages must load and write back: the log purge period of a
    // switched-off log becomes 0, the old authentication switch becomes the type.
    GuiFixture fixture("Postmaster=admin@corp.example\r\n"
                       "WriteLogFile=False\r\nLogFilePurgeDays=15\r\n"
                       "InboundSMTPAuth=True\r\n"
                       "SmartHost=relay.corp.example\r\n");
    auto sheet = buildOptionsSheet(2, fixture.environment());
    sheet->show();
    ASSERT_EQ(sheet->activeIndex(), 0);
    for (int index = 1; index < sheet->pageCount(); ++index)
        EXPECT_FALSE(sheet->page(index)->isLoaded());
    ASSERT_TRUE(sheet->applyAll());
    EXPECT_TRUE(fixture.recorder.messages.empty());

    const auto disk = fixture.fromDisk();
    const auto& store = *disk;
    EXPECT_EQ(store.getInt("LogFilePurgeDays"), 0);
    EXPECT_EQ(store.getInt("InboundSMTPAuthType"), 1);
    EXPECT_EQ(store.getString("SmartHost"), "relay.corp.example");
    EXPECT_EQ(store.getString("Postmaster"), "admin@corp.example");
    for (int index = 0; index < sheet->pageCount(); ++index)
        EXPECT_FALSE(sheet->page(index)->isModified());
}

TEST(PropertySheet, JunkFolderActionWithoutAddOnBlocksOkOnThatPageOnly)
{
    GuiFixture fixture("BayesNDRTyp=5\r\nInboundBlockSLS=True\r\n");
    fixture.store->setInt("AdminMVFQueryStatus", AddOnAbsent);
    auto sheet = buildOptionsSheet(4, fixture.environment());
    sheet->show();
    ConfigPage* bayes = sheet->page("IniBay");
    const int bayesIndex = 3;
    ASSERT_EQ(sheet->page(bayesIndex), bayes);

    EXPECT_FALSE(sheet->applyAll());
    EXPECT_EQ(sheet->activeIndex(), bayesIndex);
    ASSERT_EQ(fixture.recorder.messages.size(), 1u);
    EXPECT_TRUE(fixture.recorder.saw("MORVAFilter Add-On is installed"));
    // The page shows the stored action.
    EXPECT_EQ(comboValue(bayes, "BayesNDRTyp"), kJunkFolderAction);
    // The pages before it were saved, the page itself was not.
    EXPECT_TRUE(fixture.fromDisk()->getBool("InboundBlockSLS"));
    EXPECT_EQ(fixture.fromDisk()->getInt("BayesNDRTyp"), kJunkFolderAction);

    chooseValue(bayes, "BayesNDRTyp", kMarkSubjectAction);
    fixture.recorder.messages.clear();
    EXPECT_TRUE(sheet->applyAll());
    EXPECT_TRUE(fixture.recorder.messages.empty());

    // With the add-on the same value is accepted.
    GuiFixture withAddOn("BayesNDRTyp=5\r\n");
    withAddOn.addOn = true;
    withAddOn.store->setInt("AdminMVFQueryStatus", AddOnInstalled);
    auto other = buildOptionsSheet(4, withAddOn.environment());
    other->show();
    EXPECT_TRUE(other->applyAll());
    EXPECT_EQ(withAddOn.fromDisk()->getInt("BayesNDRTyp"), kJunkFolderAction);
}

TEST(PropertySheet, PurgeDaysZeroShowsClearedBoxWithThirtyAndWritesZero)
{
    GuiFixture fixture("KeepMessageFile=True\r\nHistPurgeDays=0\r\n"
                       "WriteStatisticFile=True\r\nStatisticPurgeDays=12\r\n");
    auto sheet = buildOptionsSheet(2, fixture.environment());
    sheet->show();
    ASSERT_TRUE(sheet->setActivePage(2));
    ConfigPage* history = sheet->page("IniHist");
    auto* box = static_cast<QCheckBox*>(history->widgetFor("HistPurgeDays"));
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(history->numberFieldFor("HistPurgeDays")->text(), "30");
    ASSERT_TRUE(sheet->setActivePage(3));
    ConfigPage* statistic = sheet->page("IniStat");
    EXPECT_TRUE(static_cast<QCheckBox*>(statistic->widgetFor("StatisticPurgeDays"))->isChecked());
    EXPECT_EQ(statistic->numberFieldFor("StatisticPurgeDays")->text(), "12");

    ASSERT_TRUE(sheet->applyAll());
    const auto disk = fixture.fromDisk();
    EXPECT_EQ(disk->getInt("HistPurgeDays"), 0);
    EXPECT_EQ(disk->getInt("StatisticPurgeDays"), 12);
    EXPECT_TRUE(disk->getBool("KeepMessageFile"));
}

TEST(PropertySheet, CancelAfterApplyKeepsWhatApplyWrote)
{
    GuiFixture fixture;
    Cwm_BasePropSheet* seen = nullptr;
    fixture.dialogs = [&](QDialog& dialog) {
        auto& sheet = static_cast<Cwm_BasePropSheet&>(dialog);
        seen = &sheet;
        sheet.show();
        ConfigPage* page = sheet.activePage();
        auto* host = static_cast<QLineEdit*>(page->widgetFor("ExchHost"));
        host->setText("exchange.corp.example");
        emit host->textEdited(host->text());
        EXPECT_TRUE(sheet.applyButton()->isEnabled());
        sheet.apply();
        EXPECT_FALSE(sheet.applyButton()->isEnabled());
        host->setText("other.corp.example");
        emit host->textEdited(host->text());
        sheet.reject();
        return sheet.result();
    };
    EXPECT_EQ(openSheet(2, fixture.environment()), kIdCancel);
    ASSERT_NE(seen, nullptr);
    fixture.reload();
    EXPECT_EQ(fixture.store->getString("ExchHost"), "exchange.corp.example");
    EXPECT_TRUE(fixture.store->getBool("IniWizard")); // not confirmed
}

TEST(PropertySheet, RoutingButtonsOpenTheirRouteListsWhoseSavesTheSheetKeeps)
{
    // The routing grid saves "Morva.ini" while the sheet is still open; the
    // sheet's own save afterwards must neither be refused nor undo it.
    GuiFixture fixture("ExchHost=old.example\r\n");
    std::vector<std::pair<std::string, QWidget*>> opened;
    morva::confui::SheetEnvironment environment = fixture.environment();
    environment.editRoutes = [&](QWidget* parent, const std::string& key) {
        opened.emplace_back(key, parent);
        fixture.store->setList(key, {"corp.example:mx." + key + ".example:25"});
        EXPECT_TRUE(fixture.store->save());
    };
    fixture.dialogs = [&](QDialog& dialog) {
        auto& sheet = static_cast<Cwm_BasePropSheet&>(dialog);
        sheet.show();
        for (const char* name : {"IniStd", "IniCon"}) {
            int index = 0;
            while (index < sheet.pageCount() && sheet.page(index)->name() != name)
                ++index;
            EXPECT_LT(index, sheet.pageCount()) << name;
            if (index == sheet.pageCount())
                continue;
            EXPECT_TRUE(sheet.setActivePage(index));
            ConfigPage* page = sheet.page(index);
            QPushButton* button = page->buttonFor(
                std::string(name) == "IniStd" ? "ExchStaticRoute" : "SMTPStaticRoute");
            EXPECT_TRUE(button) << name;
            if (!button)
                continue;
            EXPECT_EQ(button->text(), "Routing...");
            button->click();
            EXPECT_TRUE(page->isAncestorOf(opened.back().second));
        }
        auto* host =
            static_cast<QLineEdit*>(sheet.page(std::string_view("IniStd"))->widgetFor("ExchHost"));
        host->setText("new.example");
        emit host->textEdited(host->text());
        sheet.ok();
        return sheet.result();
    };
    EXPECT_EQ(openSheet(2, environment), kIdOk);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0].first, "ExchStaticRoute");
    EXPECT_EQ(opened[1].first, "SMTPStaticRoute");
    EXPECT_TRUE(fixture.recorder.messages.empty());
    const auto disk = fixture.fromDisk();
    EXPECT_EQ(disk->getString("ExchHost"), "new.example");
    EXPECT_EQ(disk->getList("ExchStaticRoute"),
              std::vector<std::string>{"corp.example:mx.ExchStaticRoute.example:25"});
    EXPECT_EQ(disk->getList("SMTPStaticRoute"),
              std::vector<std::string>{"corp.example:mx.SMTPStaticRoute.example:25"});
}

TEST(PropertySheet, SaveFailureShowsTheMessageAndKeepsTheValues)
{
    GuiFixture fixture("ExchHost=old.example\r\n");
    auto sheet = buildOptionsSheet(2, fixture.environment());
    sheet->show();
    ConfigPage* page = sheet->activePage();
    auto* host = static_cast<QLineEdit*>(page->widgetFor("ExchHost"));
    host->setText("new.example");
    emit host->textEdited(host->text());
    // Someone puts a folder where the file was: it can be neither merged
    // with nor replaced.
    std::filesystem::remove(fixture.dir / "Morva.ini");
    std::filesystem::create_directory(fixture.dir / "Morva.ini");

    // The page leaves the message to the sheet, which says it once.
    EXPECT_EQ(page->save(), ConfigPage::SaveResult::SaveFailed);
    EXPECT_TRUE(fixture.recorder.messages.empty());
    sheet->apply();
    EXPECT_TRUE(sheet->saveFailed());
    ASSERT_EQ(fixture.recorder.messages.size(), 1u);
    EXPECT_EQ(fixture.recorder.messages[0].kind, MessageKind::Failure);
    EXPECT_TRUE(fixture.recorder.saw("Unable to write morva.ini!\nEither the file"));
    EXPECT_EQ(fixture.store->getString("ExchHost"), "new.example");
    EXPECT_TRUE(std::filesystem::is_directory(fixture.dir / "Morva.ini"));
    EXPECT_FALSE(page->isModified());
}

TEST(PropertySheet, TextFieldsKeepTheirBytesAndRefuseWhatTheFileCannotHold)
{
    // A value written as UTF-8 by an earlier console.
    GuiFixture fixture("ExchHost=h\xC5\x82.example\r\n");
    auto sheet = buildOptionsSheet(2, fixture.environment());
    sheet->show();
    ConfigPage* page = sheet->activePage();
    auto* host = static_cast<QLineEdit*>(page->widgetFor("ExchHost"));
    EXPECT_EQ(host->text(), QStringLiteral("h\u0142.example"));
    EXPECT_EQ(page->save(), ConfigPage::SaveResult::Saved);
    EXPECT_EQ(fixture.fileText(), "ExchHost=h\xC5\x82.example\r\n") << "unchanged: same bytes";

    host->setText(QStringLiteral("\u0141\u00F3d\u017A.example"));
    emit host->textEdited(host->text());
    EXPECT_EQ(page->save(), ConfigPage::SaveResult::Refused);
    ASSERT_EQ(fixture.recorder.messages.size(), 1u);
    EXPECT_EQ(fixture.recorder.messages[0].kind, MessageKind::Refused);
    EXPECT_TRUE(fixture.recorder.saw(QStringLiteral("\"\u0141\" cannot be stored")));
    EXPECT_EQ(fixture.fileText(), "ExchHost=h\xC5\x82.example\r\n");

    host->setText(QStringLiteral("z\u00FCrich.example"));
    EXPECT_EQ(page->save(), ConfigPage::SaveResult::Saved);
    EXPECT_EQ(fixture.fileText(), "ExchHost=z\xFCrich.example\r\n")
        << "in the gateway's 8-bit character set";
}

TEST(PropertySheet, HelpOpensThePageReferenceAndReportsABrowserFailure)
{
    GuiFixture fixture;
    auto sheet = buildOptionsSheet(2, fixture.environment());
    sheet->show();
    sheet->help();
    ASSERT_EQ(fixture.openedUrls.size(), 1u);
    EXPECT_TRUE(fixture.openedUrls[0].endsWith("#exchange"));
    EXPECT_TRUE(fixture.recorder.messages.empty());

    fixture.urlOpens = false;
    sheet->help();
    ASSERT_EQ(fixture.recorder.messages.size(), 1u);
    EXPECT_TRUE(
        fixture.recorder.messages[0].text.startsWith("Unable to start your WWW browser!\n"));
    EXPECT_TRUE(fixture.recorder.messages[0].text.endsWith("#exchange"));
}

TEST(Wizard, ButtonsFollowThePageAndFinishAppliesThePresets)
{
    for (int level : {SpamLevelNone, SpamLevelDefault, SpamLevelStrong}) {
        GuiFixture fixture;
        fixture.dialogs = [&](QDialog& dialog) {
            auto& sheet = static_cast<Cwm_BasePropSheet&>(dialog);
            sheet.show();
            EXPECT_TRUE(sheet.isWizard());
            EXPECT_FALSE(sheet.backButton()->isEnabled());
            EXPECT_TRUE(sheet.nextButton()->isVisible());
            EXPECT_FALSE(sheet.finishButton()->isVisible());
            auto* postmaster = static_cast<QLineEdit*>(sheet.activePage()->widgetFor("Postmaster"));
            postmaster->setText("not an address");
            sheet.next();
            EXPECT_EQ(sheet.activeIndex(), 0); // refused by the address check
            postmaster->setText("postmaster@corp.example");
            sheet.next();
            EXPECT_EQ(sheet.activeIndex(), 1);
            EXPECT_TRUE(sheet.backButton()->isEnabled());
            EXPECT_TRUE(sheet.nextButton()->isVisible());
            sheet.next();
            EXPECT_EQ(sheet.activeIndex(), 2);
            EXPECT_TRUE(sheet.finishButton()->isVisible());
            EXPECT_FALSE(sheet.nextButton()->isVisible());
            ConfigPage* spam = sheet.activePage();
            EXPECT_EQ(comboValue(spam, "#SpamLevel"), SpamLevelDefault);
            chooseValue(spam, "#SpamLevel", level);
            sheet.back();
            EXPECT_EQ(sheet.activeIndex(), 1);
            sheet.next();
            sheet.finish();
            return sheet.result();
        };
        EXPECT_EQ(openSheet(1, fixture.environment()), kWizardFinish);
        fixture.reload();
        const auto& store = *fixture.store;
        EXPECT_FALSE(store.getBool("IniWizard")) << level;
        EXPECT_EQ(store.getString("Postmaster"), "postmaster@corp.example");
        EXPECT_EQ(store.getBool("InboundBlockSLS"), level >= SpamLevelDefault) << level;
        EXPECT_EQ(store.getList("SLS").size(), level >= SpamLevelDefault ? 3u : 0u) << level;
        EXPECT_EQ(store.getBool("InboundBlockSPF"), level >= SpamLevelStrong) << level;
        EXPECT_EQ(store.getInt("InboundBlockHeurValue"), level >= SpamLevelStrong ? 30 : 50);
    }
}

TEST(AddOnQuery, RunsOnceBeforeTheSpamSheetAndMovesTheActions)
{
    GuiFixture fixture("InboundBlockSLSNDRTyp=5\r\nBayesNDRTyp=5\r\n");
    ASSERT_EQ(fixture.store->getInt("AdminMVFQueryStatus"), AddOnNotQueried);
    int addOnSheets = 0, spamSheets = 0;
    fixture.dialogs = [&](QDialog& dialog) {
        auto& sheet = static_cast<Cwm_BasePropSheet&>(dialog);
        sheet.show();
        if (sheet.page("MVFQry")) {
            ++addOnSheets;
            EXPECT_EQ(sheet.page(0)->caption(), "Change of the default action");
            sheet.setActivePage(1);
            EXPECT_EQ(comboValue(sheet.page(1), "AdminMVFQueryStatus"), AddOnAbsent);
            chooseValue(sheet.page(1), "AdminMVFQueryStatus", AddOnOutlookRule);
            sheet.ok();
        } else {
            ++spamSheets;
            sheet.reject();
        }
        return sheet.result();
    };
    openSheet(4, fixture.environment());
    openSheet(4, fixture.environment());
    EXPECT_EQ(addOnSheets, 1);
    EXPECT_EQ(spamSheets, 2);
    fixture.reload();
    EXPECT_EQ(fixture.store->getInt("AdminMVFQueryStatus"), AddOnOutlookRule);
    EXPECT_EQ(fixture.store->getInt("InboundBlockSLSNDRTyp"), kMarkSubjectAction);
    EXPECT_EQ(fixture.store->getInt("BayesNDRTyp"), kMarkSubjectAction);
}

TEST(Exclusions, EveryHandlerOpensItsKeysInItsShape)
{
    // Stems whose sheet lacks the recipient list, or also the sender list.
    const std::set<std::string> withoutTo = {"InboundSMTPValidateDomainExcl",
                                             "InboundSMTPValidatePTRExcl",
                                             "InboundSMTPValidateFQDNExcl", "InboundExclBlockCABA"};
    const std::set<std::string> hostAndIpOnly = {"InboundExclBlockDRIP",
                                                 "InboundSMTPGreetDelayExcl"};
    GuiFixture fixture;
    int handlers = 0;
    for (const SheetDef& sheetDef : catalogue().sheets()) {
        auto sheet = buildOptionsSheet(sheetDef.type, fixture.environment());
        for (int index = 0; index < sheet->pageCount(); ++index) {
            ConfigPage* page = sheet->page(index);
            page->ensureLoaded();
            for (const Control& control : page->definition().controls) {
                if (control.kind != ControlKind::ExcludeButton)
                    continue;
                std::vector<std::string> opened;
                std::vector<QString> captions;
                fixture.dialogs = [&](QDialog& dialog) {
                    auto& exclusions = dynamic_cast<Cwm_ExclPropSheet&>(dialog);
                    opened = exclusions.keys();
                    for (int p = 0; p < exclusions.pageCount(); ++p)
                        captions.push_back(exclusions.page(p)->caption());
                    return int(kIdCancel);
                };
                QPushButton* button = page->buttonFor(control.stem);
                ASSERT_NE(button, nullptr) << control.stem;
                button->setEnabled(true);
                button->click();
                const ExclShape expected = hostAndIpOnly.count(control.stem) ? ExclShape::HostIp
                                           : withoutTo.count(control.stem)   ? ExclShape::FromHostIp
                                                                             : ExclShape::All;
                EXPECT_EQ(opened, exclusionKeys(control.stem, expected)) << control.stem;
                ASSERT_GE(captions.size(), 2u);
                EXPECT_EQ(captions[0], "IP Address");
                EXPECT_EQ(captions[1], "Host");
                ++handlers;
            }
        }
    }
    EXPECT_GE(handlers, 30);
}

TEST(ListEditing, NewEditDeleteWithMessagesAndNormalisedAddresses)
{
    GuiFixture fixture("SMTPRelay=True\r\nSMTPRelayAllowIP=10.0.0.1 ;first\r\n");
    std::vector<QString> answers;
    fixture.dialogs = [&](QDialog& dialog) {
        auto& entry = dynamic_cast<EntryEditDialog&>(dialog);
        EXPECT_EQ(entry.templateName(), "ENG_EDITIP");
        entry.fieldEdit(0)->setText(answers.front());
        entry.commentEdit()->setText("typed");
        answers.erase(answers.begin());
        entry.accept();
        return entry.result();
    };
    auto sheet = buildOptionsSheet(2, fixture.environment());
    sheet->show();
    ASSERT_TRUE(sheet->setActivePage(5));
    ConfigPage* relay = sheet->page("IniRel");
    ListBox* box = relay->listFor("SMTPRelayAllowIP");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->editButton()->isEnabled());
    EXPECT_FALSE(relay->listFor("SMTPRelayAllowHost")->editButton()->isEnabled());

    box->view()->clearSelection();
    box->editEntry();
    EXPECT_TRUE(fixture.recorder.saw("No item selected!"));

    answers = {"", "10.1.", "192.168.7.7"}; // blank is refused, then accepted
    box->newEntry();
    EXPECT_TRUE(fixture.recorder.saw("Blank field is not allowed!"));
    EXPECT_EQ(box->binding().size(), 1u);
    box->newEntry();
    box->newEntry();
    EXPECT_EQ(box->binding().values(),
              (std::vector<std::string>{"10.0.0.1", "10.1.0.0/16", "192.168.7.7"}));
    EXPECT_EQ(box->binding().comments(), (std::vector<std::string>{"first", "typed", "typed"}));

    fixture.recorder.answer = false;
    box->view()->selectRow(0);
    box->deleteEntries();
    EXPECT_EQ(box->binding().size(), 3u); // No keeps everything
    fixture.recorder.answer = true;
    box->view()->selectionModel()->select(box->view()->model()->index(1, 0),
                                          QItemSelectionModel::Select |
                                              QItemSelectionModel::Rows); // rows 1 and 2 now
    box->deleteEntries();
    EXPECT_EQ(box->binding().values(), (std::vector<std::string>{"192.168.7.7"}));
    EXPECT_EQ(box->binding().comments(), (std::vector<std::string>{"typed"}));

    ASSERT_EQ(relay->save(), ConfigPage::SaveResult::Saved);
    const auto disk = fixture.fromDisk();
    EXPECT_EQ(disk->getList("SMTPRelayAllowIP"), (std::vector<std::string>{"192.168.7.7"}));
    EXPECT_EQ(disk->getItemComments("SMTPRelayAllowIP"), (std::vector<std::string>{"typed"}));
}

TEST(Catalogue, EveryPageOfEverySheetLoadsShowsAndSavesItsKeys)
{
    GuiFixture fixture;
    fixture.store->setInt("AdminMVFQueryStatus", AddOnAbsent);
    for (const std::string& problem : schemaProblems(catalogue(), *fixture.store))
        ADD_FAILURE() << problem;
    int pages = 0;
    for (const SheetDef& sheetDef : catalogue().sheets()) {
        auto sheet = buildCatalogueSheet(sheetDef.type, fixture.environment());
        sheet->show();
        ASSERT_EQ(sheet->pageCount(), static_cast<int>(sheetDef.pages.size())) << sheetDef.type;
        EXPECT_TRUE(sheet->applyAll()) << "sheet " << sheetDef.type;
        for (int index = 0; index < sheet->pageCount(); ++index) {
            ConfigPage* page = sheet->page(index);
            ++pages;
            EXPECT_TRUE(page->isLoaded()) << page->name();
            EXPECT_FALSE(page->caption().isEmpty()) << page->name();
            for (const Control& control : page->definition().controls) {
                if (!control.isBound())
                    continue;
                QWidget* widget = page->widgetFor(control.key);
                ASSERT_NE(widget, nullptr) << page->name() << " " << control.key;
                EXPECT_TRUE(widget->toolTip().contains(QString::fromStdString(control.key)))
                    << page->name() << " " << control.key;
            }
        }
    }
    EXPECT_GT(pages, 40);
    for (const auto& message : fixture.recorder.messages)
        ADD_FAILURE() << message.text.toStdString();
    // Confirming pages with default values leaves the defaults in place.
    fixture.fromDisk()->forEachEntry([](const morva::config::ConfigEntry& entry) {
        if (entry.name != "AdminMVFQueryStatus" && entry.name != "InboundSMTPAuthType") {
            EXPECT_TRUE(entry.isDefault()) << entry.name;
        }
    });
}
