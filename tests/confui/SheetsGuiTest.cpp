#include "GuiFixture.h"
#include "confui/ConfigPage.h"
#include "confui/Cwm_BasePropSheet.h"
#include "confui/ListBox.h"
#include "confui/OptionsSheetBuilder.h"
#include "confui/SheetEditors.h"
#include "confui/policy/PolicyEntryDialog.h"
#include "confui/sheets/AdvancedSheet.h"
#include "platform/Clock.h"

#include <QComboBox>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace morva::confui;
using morva::config::ValueKind;

namespace {

QComboBox* comboOf(Cwm_BasePropSheet& sheet, const char* page, const char* key)
{
    ConfigPage* found = sheet.page(page);
    EXPECT_TRUE(found) << page;
    if (!found)
        return nullptr;
    found->ensureLoaded();
    return qobject_cast<QComboBox*>(found->widgetFor(key));
}

// A value of `key` that differs from its default and that the control can
// show: what a page loads must come back unchanged when it saves.
std::vector<std::string> nonDefaultList(const Control& control, const std::string& key)
{
    if (const PolicyList* policy = findPolicyList(key)) {
        PolicyFields fields;
        for (const PolicyField& field : policy->fields) {
            switch (field.kind) {
            case PolicyFieldKind::Certificate:
                fields.push_back("a, b.pem");
                break;
            case PolicyFieldKind::Flag:
                fields.push_back(field.defaultValue == std::string("1") ? "0" : "1");
                break;
            case PolicyFieldKind::Choice:
                fields.push_back(field.choices.back().value);
                break;
            case PolicyFieldKind::Domain:
            case PolicyFieldKind::Selector:
                fields.push_back("example.com");
                break;
            default:
                fields.push_back("*@example.com");
                break;
            }
        }
        return {encodePolicyEntry(fields)};
    }
    if (control.listKind == ListKind::Ip)
        return {"10.1.0.0/16", "192.0.2.7"};
    return {"first@example.com", "second@example.com"};
}

void setNonDefault(morva::config::ConfigStore& store, const Control& control)
{
    const std::string& key = control.key;
    const auto entry = store.find(key);
    ASSERT_TRUE(entry) << key;
    switch (control.kind) {
    case ControlKind::Check:
        store.setBool(key, !store.getBool(key));
        break;
    case ControlKind::Number: {
        const int minimum = static_cast<int>(morva::config::valueRule(key)->range->minimum);
        const int now = store.getInt(key);
        store.setInt(key, now == minimum ? minimum + 1 : minimum);
        break;
    }
    case ControlKind::ActionCombo:
        store.setInt(key, store.getInt(key) == 6 ? 8 : 6);
        break;
    case ControlKind::OutboundActionCombo:
        store.setInt(key, 1);
        break;
    case ControlKind::Combo: {
        const ComboItem& item = control.items.back();
        if (entry->kind == ValueKind::String)
            store.setString(key, item.stringValue);
        else if (entry->kind == ValueKind::Bool)
            store.setBool(key, !store.getBool(key));
        else
            store.setInt(key, store.getInt(key) == item.value ? control.items.front().value
                                                              : item.value);
        break;
    }
    case ControlKind::List:
        store.setList(key, nonDefaultList(control, key));
        break;
    default: {
        const FieldCheck check = morva::config::valueRule(key)->check;
        store.setString(key, check == FieldCheck::Email       ? "feed@example.com"
                             : check == FieldCheck::IpAddress ? "192.0.2.25"
                                                              : "value of " + key);
        break;
    }
    }
}

std::string valueText(const morva::config::ConfigStore& store, const std::string& key)
{
    const auto entry = store.find(key);
    switch (entry->kind) {
    case ValueKind::Bool:
        return store.getBool(key) ? "true" : "false";
    case ValueKind::Int:
        return std::to_string(store.getInt(key));
    case ValueKind::String:
        return store.getString(key);
    default: {
        std::string joined;
        for (const std::string& item : store.getList(key))
            joined += item + "|";
        return joined;
    }
    }
}

std::vector<int> ourSheets()
{
    return {5, 6, 7, 8, 9, 10, 11, 12, 13, kAdvancedSheetType};
}

} // namespace

TEST(Sheets, EveryPageSavesBackWhatItLoaded)
{
    for (int type : ourSheets()) {
        GuiFixture fixture;
        const SheetDef* definition = catalogue().sheet(type);
        ASSERT_TRUE(definition);
        std::map<std::string, std::string> expected;
        for (const SheetPage& entry : definition->pages) {
            const PageDef* page = catalogue().page(entry.page);
            ASSERT_TRUE(page);
            for (const Control& control : page->controls) {
                if (!control.isBound() || expected.count(control.key))
                    continue;
                setNonDefault(*fixture.store, control);
                expected[control.key] = valueText(*fixture.store, control.key);
            }
        }
        ASSERT_TRUE(fixture.store->save());
        fixture.reload();
        auto sheet = buildCatalogueSheet(type, fixture.environment());
        sheet->show();
        EXPECT_TRUE(sheet->applyAll()) << "sheet " << type;
        for (const auto& message : fixture.recorder.messages)
            ADD_FAILURE() << "sheet " << type << ": " << message.text.toStdString();
        fixture.reload();
        for (const auto& [key, value] : expected)
            EXPECT_EQ(valueText(*fixture.store, key), value) << "sheet " << type << " " << key;
    }
}

TEST(Sheets, ProtocolCombosShowTheInverseOfTheUdpSwitches)
{
    GuiFixture fixture;
    fixture.store->setBool("InboundAWLUDP", true);
    fixture.store->setBool("OutboundAWLUDP", false);
    auto sheet = buildCatalogueSheet(kAdvancedSheetType, fixture.environment());
    QComboBox* in = comboOf(*sheet, "ConfAWL", "InboundAWLUDP");
    QComboBox* out = comboOf(*sheet, "ConfAWL", "OutboundAWLUDP");
    ASSERT_TRUE(in && out);
    EXPECT_EQ(in->currentIndex(), 0);
    EXPECT_EQ(in->currentText(), QStringLiteral("UDP"));
    EXPECT_EQ(out->currentIndex(), 1);
    in->setCurrentIndex(1);
    out->setCurrentIndex(0);
    ASSERT_TRUE(sheet->applyAll());
    fixture.reload();
    EXPECT_FALSE(fixture.store->getBool("InboundAWLUDP"));
    EXPECT_TRUE(fixture.store->getBool("OutboundAWLUDP"));
}

TEST(Sheets, LanguageComboShowsTheLanguageAndKeepsTheStoredCode)
{
    // Any code shows as the language the console picks for it; an unchanged
    // sheet writes the stored code back.
    const std::pair<const char*, int> rows[] = {{"ENG", 1}, {"DEU", 2}, {"FRA", 3}, {"ITA", 4},
                                                {"SPA", 5}, {"", 0},    {"ESP", 5}, {"DEA", 2},
                                                {"frs", 3}, {"XYZ", 1}};
    for (const auto& [stored, position] : rows) {
        GuiFixture fixture;
        fixture.store->setString("Language", stored);
        auto sheet = buildCatalogueSheet(kAdvancedSheetType, fixture.environment());
        QComboBox* combo = comboOf(*sheet, "ConfAdv", "Language");
        ASSERT_TRUE(combo);
        EXPECT_EQ(combo->currentIndex(), position) << stored;
        EXPECT_EQ(combo->count(), 6) << stored;
        ASSERT_TRUE(sheet->applyAll());
        fixture.reload();
        EXPECT_EQ(fixture.store->getString("Language"), stored);
    }
    GuiFixture fixture;
    fixture.store->setString("Language", "ESP");
    auto sheet = buildCatalogueSheet(kAdvancedSheetType, fixture.environment());
    QComboBox* combo = comboOf(*sheet, "ConfAdv", "Language");
    ASSERT_TRUE(combo);
    EXPECT_EQ(combo->itemText(0), QStringLiteral("Auto Detect"));
    combo->setCurrentIndex(4);
    ASSERT_TRUE(sheet->applyAll());
    fixture.reload();
    EXPECT_EQ(fixture.store->getString("Language"), "ITA");
}

TEST(Sheets, AdvancedSheetReadsEveryPageBeforeItShows)
{
    GuiFixture fixture;
    auto sheet = buildCatalogueSheet(kAdvancedSheetType, fixture.environment());
    EXPECT_EQ(sheet->windowTitle(), QStringLiteral("Configuration"));
    ASSERT_EQ(sheet->pageCount(), 14);
    for (int i = 0; i < sheet->pageCount(); ++i)
        EXPECT_TRUE(sheet->page(i)->isLoaded()) << sheet->page(i)->name();
    const std::string help = sheet->page("ConfIP")->helpRef();
    EXPECT_EQ(help.substr(help.size() - 10), "#IPAddress");
}

TEST(Sheets, DkimVerifyKeepsItsTitleOnlyOnTheDkimSheet)
{
    GuiFixture fixture;
    auto dkim = buildOptionsSheet(11, fixture.environment());
    ASSERT_TRUE(dkim->page("IniDKIMVrfy"));
    EXPECT_EQ(dkim->page("IniDKIMVrfy")->caption(), QStringLiteral("DKIM Verify"));
    auto spam = buildOptionsSheet(4, fixture.environment());
    ASSERT_TRUE(spam->page("IniDKIMVrfy"));
    EXPECT_EQ(spam->page("IniDKIMVrfy")->caption(), QStringLiteral("DKIM"));
}

TEST(Sheets, PolicyEntriesAreEditedWithTheirOwnDialogAndKeepNoComment)
{
    GuiFixture fixture;
    // The certificate folders follow SMIMEPath as the store holds it when
    // the sheet opens.
    const std::filesystem::path smime = fixture.dir / "smime";
    std::filesystem::create_directories(smime / "CERT" / "PRIV");
    std::ofstream(smime / "CERT" / "PRIV" / "k.pem") << "key";
    fixture.store->setString("SMIMEPath", smime.string());
    std::string seenDialog;
    QStringList offered;
    fixture.dialogs = [&](QDialog& dialog) {
        auto* policy = qobject_cast<PolicyEntryDialog*>(&dialog);
        if (!policy)
            return 0;
        seenDialog = dialog.objectName().toStdString();
        if (auto* certificate = qobject_cast<QComboBox*>(policy->fieldWidget(1)))
            for (int index = 0; index < certificate->count(); ++index)
                offered << certificate->itemText(index);
        policy->setFields({"*@example.com", "k.pem", "a,b;c"});
        policy->accept();
        return policy->result();
    };
    morva::platform::FakeClock clock;
    auto sheet = buildOptionsSheet(
        10, withSheetEditors(fixture.environment(), *fixture.fs, clock, RouteEditor()));
    ConfigPage* page = sheet->page("IniSMIMESign");
    ASSERT_TRUE(page);
    page->ensureLoaded();
    auto* list = qobject_cast<ListBox*>(page->widgetFor("OutboundSMIMESign"));
    ASSERT_TRUE(list);
    list->newEntry();
    EXPECT_EQ(seenDialog, "Cwm_SMIMECertEditDlg");
    EXPECT_TRUE(offered.contains(QStringLiteral("k.pem"))) << offered.join(',').toStdString();
    ASSERT_TRUE(sheet->applyAll());
    fixture.reload();
    const auto stored = fixture.store->getList("OutboundSMIMESign");
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(*decodePolicyEntry(stored[0]), (PolicyFields{"*@example.com", "k.pem", "a,b;c"}));
    for (const std::string& comment : fixture.store->getItemComments("OutboundSMIMESign"))
        EXPECT_TRUE(comment.empty());
}
