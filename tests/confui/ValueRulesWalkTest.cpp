// Every key of the schema through both ways a value gets in: the field or
// entry dialog of the page that shows the key, and the check that
// `morvactl config set` and other editors apply. Both must accept and refuse
// the same texts with the same message.
#include "GuiFixture.h"
#include "config/ConfigEntry.h"
#include "config/ConfigStore.h"
#include "config/ValueRules.h"
#include "confui/ConfigPage.h"
#include "confui/Cwm_ExclPropSheet.h"
#include "confui/EntryEditDialog.h"
#include "confui/ListBox.h"
#include "resources/Texts.h"

#include <QCheckBox>
#include <QLineEdit>
#include <gtest/gtest.h>
#include <map>

using namespace morva::confui;
using morva::config::TextCheck;
using morva::config::ValueKind;
using morva::config::ValueRule;

namespace {

// A field of a page that takes typed text, or a list with its entry dialog.
struct TypedField
{
    PageDef page;
    ControlKind kind;
    std::string entryDialog;
};

bool takesTypedText(ControlKind kind)
{
    return kind == ControlKind::Number || kind == ControlKind::PurgeDays ||
           kind == ControlKind::Text || kind == ControlKind::Path ||
           kind == ControlKind::Password || kind == ControlKind::List;
}

std::map<std::string, TypedField> typedFields()
{
    std::map<std::string, TypedField> fields;
    for (const PageDef& page : catalogue().pages())
        for (const Control& control : page.controls) {
            if (control.kind == ControlKind::ExcludeButton) {
                for (const PageDef& list : Cwm_ExclPropSheet::pagesFor(control.stem, control.shape))
                    fields.emplace(
                        list.controls.front().key,
                        TypedField{list, ControlKind::List, list.controls.front().entryDialog});
            } else if (control.isBound() && takesTypedText(control.kind)) {
                fields.emplace(control.key, TypedField{page, control.kind, control.entryDialog});
            }
        }
    return fields;
}

// In-range, out-of-range and malformed texts for a key's rule.
std::vector<std::string> samples(const ValueRule& rule)
{
    if (rule.kind == ValueKind::Int) {
        const std::int64_t low = rule.range->minimum, high = rule.range->maximum;
        return {std::to_string(low),
                std::to_string(high),
                std::to_string((low + high) / 2),
                std::to_string(low - 1),
                std::to_string(high + 1),
                "0",
                "",
                "abc",
                "12x",
                " 7 ",
                "1 2",
                "99999999999999999999"};
    }
    switch (rule.check) {
    case TextCheck::Email:
        return {"pm@example.com", "", "pm@@example.com", "a b@example.com", "pm@.example.com"};
    case TextCheck::IpAddress:
        return {"192.0.2.1", "", "10.1.2", "256.1.1.1", "1.2.3.4.5"};
    case TextCheck::IpNetwork:
        return {"10.1.", "192.0.2.0/24", "192.0.2.7", "300.1.1.1", "", " ", "host.example"};
    case TextCheck::UserPassword:
        return {"alice secret", "alice secret words", "alice", " secret", ""};
    case TextCheck::CountryCode:
        return {"de", "FR", "zz", ""};
    default:
        return {"value", "C:\\Mail\\Log", "", " "};
    }
}

struct Outcome
{
    bool accepted = false;
    std::string message;
};

class Walk
{
public:
    Walk() : m_environment(m_fixture.environment())
    {
        m_fixture.addOn = true;
        m_fixture.dialogs = [this](QDialog& dialog) {
            auto& entry = dynamic_cast<EntryEditDialog&>(dialog);
            entry.setEntry(QString::fromStdString(m_entry));
            entry.accept();
            return entry.result();
        };
    }

    morva::config::ConfigStore& store() { return *m_fixture.store; }

    // What the page does with `text` typed into the key's field.
    Outcome typeIntoPage(const std::string& key, const TypedField& field, const std::string& text)
    {
        ConfigPage page(field.page, PageHost{&m_environment, 0, &m_sheetValues, {}, {}});
        page.ensureLoaded();
        for (QWidget* widget : page.findChildren<QWidget*>())
            widget->setEnabled(true);
        m_fixture.recorder.messages.clear();
        Outcome outcome;
        if (field.kind == ControlKind::List) {
            ListBox* list = page.listFor(key);
            const std::size_t before = list->binding().values().size();
            m_entry = text;
            list->newEntry();
            outcome.accepted = list->binding().values().size() == before + 1;
        } else {
            auto* box = qobject_cast<QCheckBox*>(page.widgetFor(key));
            // A purge period of 0 is the unticked box.
            const bool off =
                field.kind == ControlKind::PurgeDays && morva::config::parseNumberField(text) == 0;
            if (box)
                box->setChecked(!off);
            page.numberFieldFor(key)->setText(QString::fromStdString(text));
            outcome.accepted = page.readBack();
        }
        if (!m_fixture.recorder.messages.empty())
            outcome.message = m_fixture.recorder.messages.front().text.toStdString();
        return outcome;
    }

private:
    GuiFixture m_fixture;
    SheetEnvironment m_environment;
    SheetValues m_sheetValues;
    std::string m_entry;
};

Outcome checkedByCore(const std::string& key, ValueKind kind, const std::string& text)
{
    const morva::config::ValueCheck check = morva::config::isListKind(kind)
                                                ? morva::config::checkListValue(key, {text})
                                                : morva::config::checkValue(key, text);
    return {check.ok(), morva::config::valueCheckMessage(check, morva::English)};
}

bool isPolicyDialog(const std::string& name)
{
    const EntryDialogDef* dialog = catalogue().entryDialog(name);
    return dialog && dialog->fields.size() > 1 && dialog->codec != "userPass";
}

} // namespace

TEST(ValueRulesWalk, PagesAndTheCoreAgreeOnEveryKey)
{
    Walk walk;
    const std::map<std::string, TypedField> fields = typedFields();
    int keys = 0, onPages = 0, policyLists = 0, withoutField = 0, texts = 0;
    std::vector<std::pair<std::string, ValueKind>> schema;
    walk.store().forEachEntry([&](const morva::config::ConfigEntry& entry) {
        schema.emplace_back(entry.name, entry.kind);
    });
    for (const auto& [key, kind] : schema) {
        ++keys;
        const auto rule = morva::config::valueRule(key);
        ASSERT_TRUE(rule) << key;
        const auto field = fields.find(key);
        if (field == fields.end()) {
            // Only a checkbox or combo shows it, or no page: its kind's rule.
            ++withoutField;
            EXPECT_FALSE(rule->declared) << key << " has a rule that no page field applies";
            continue;
        }
        if (field->second.kind == ControlKind::List && isPolicyDialog(field->second.entryDialog)) {
            ++policyLists; // entries of several fields, checked by their own dialog
            continue;
        }
        ++onPages;
        if (field->second.kind == ControlKind::Number ||
            field->second.kind == ControlKind::PurgeDays) {
            EXPECT_TRUE(rule->declared) << key << ": a number field without a declared range";
        }
        if (field->second.kind == ControlKind::Path) {
            EXPECT_EQ(rule->check, TextCheck::Directory) << key;
        }
        for (const std::string& text : samples(*rule)) {
            ++texts;
            const Outcome page = walk.typeIntoPage(key, field->second, text);
            const Outcome core = checkedByCore(key, kind, text);
            EXPECT_EQ(page.accepted, core.accepted) << key << " '" << text << "': " << page.message;
            if (!page.accepted && !core.accepted) {
                EXPECT_EQ(page.message, core.message) << key << " '" << text << "'";
            }
        }
    }
    EXPECT_EQ(keys, 1439);
    EXPECT_EQ(onPages + policyLists + withoutField, keys);
    std::cout << "[ walk ] " << keys << " keys: " << onPages << " through a page field (" << texts
              << " texts), " << policyLists << " policy lists, " << withoutField
              << " without a typed field\n";
}
