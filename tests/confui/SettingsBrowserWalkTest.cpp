// Every key of the schema through the settings browser: found by its key,
// changed with the browser's editor (value dialog or list dialog), and saved
// byte for byte as `morvactl config set` saves the same values.
#include "GuiFixture.h"
#include "cli/Commands.h"
#include "config/ConfigEntry.h"
#include "config/ValueRules.h"
#include "confui/Catalogue.h"
#include "confui/ListBox.h"
#include "confui/browser/SettingEditDialogs.h"
#include "confui/browser/SettingsBrowser.h"
#include "confui/browser/SettingsTableModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <gtest/gtest.h>
#include <sstream>

using namespace morva::confui;
using morva::config::TextCheck;
using morva::config::ValueKind;

namespace {

std::string sampleText(TextCheck check)
{
    switch (check) {
    case TextCheck::Email:
        return "walk@example.com";
    case TextCheck::IpAddress:
        return "192.0.2.7";
    case TextCheck::IpNetwork:
        return "192.0.2.0/24";
    case TextCheck::NoBlanks:
        return "walkuser";
    case TextCheck::UserPassword:
        return "walkuser secret";
    case TextCheck::CountryCode:
        return "DE";
    case TextCheck::Directory:
        return "C:\\Walk\\Folder";
    default:
        return "walk-value";
    }
}

const Control* comboOf(const std::string& key)
{
    for (const PageDef& page : catalogue().pages())
        for (const Control& control : page.controls)
            if (control.isBound() && control.key == key)
                return control.kind == ControlKind::Combo && !control.items.empty() ? &control
                                                                                    : nullptr;
    return nullptr;
}

// A value other than the default that the key's rule accepts, as typed.
std::vector<std::string> newValueOf(const morva::config::ConfigEntry& entry)
{
    const auto rule = morva::config::valueRule(entry.name);
    const std::string current = morva::config::displayText(entry.value);
    if (morva::config::isListKind(entry.kind))
        return {entry.kind == ValueKind::NetList ? "192.0.2.0/24" : sampleText(rule->check)};
    if (entry.kind == ValueKind::Bool)
        return {std::get<bool>(entry.value) ? "False" : "True"};
    if (const Control* combo = comboOf(entry.name)) {
        for (const ComboItem& item : combo->items) {
            const std::string stored =
                entry.kind == ValueKind::Int ? std::to_string(item.value) : item.stringValue;
            if (stored != current)
                return {stored};
        }
    }
    if (entry.kind == ValueKind::Int) {
        const std::string low = std::to_string(rule->range->minimum);
        return {low != current ? low : std::to_string(rule->range->maximum)};
    }
    const std::string text = sampleText(rule->check);
    return {text != current ? text : text + "2"};
}

// Fills whichever editor the browser opens with `values` and presses OK.
int answerEditor(QDialog& dialog, const std::vector<std::string>& values)
{
    if (auto* list = qobject_cast<SettingListDialog*>(&dialog)) {
        for (const std::string& item : values)
            list->listBox()->binding().append(item, {});
        list->listBox()->refill();
    } else if (auto* editor = qobject_cast<SettingValueDialog*>(&dialog)) {
        const QString value = QString::fromStdString(values.at(0));
        if (editor->checkBox())
            editor->checkBox()->setChecked(value == "True");
        else if (editor->choices())
            editor->choices()->setCurrentIndex(editor->choices()->findData(value));
        else
            editor->field()->setText(value);
    }
    dialog.accept();
    return dialog.result();
}

int morvactl(const std::string& programDir, std::vector<std::string> args, std::string& errors)
{
    std::ostringstream out, err;
    morva::cli::Context context{programDir, std::move(args), out, err};
    const int code = morva::cli::runConfigCommand(context);
    errors = err.str();
    return code;
}

} // namespace

TEST(SettingsBrowserWalk, EveryKeyIsFoundChangedAndSavedAsMorvactlSetSavesIt)
{
    GuiFixture browserSide;
    StoreFixture cliSide;
    std::vector<std::string> values;
    browserSide.dialogs = [&values](QDialog& dialog) { return answerEditor(dialog, values); };
    SettingsBrowser browser(browserSide.environment());
    const std::size_t count = browserSide.store->entryCount();
    ASSERT_GT(count, 1000u);
    for (std::size_t at = 0; at < count; ++at) {
        const morva::config::ConfigEntry entry = browserSide.store->entryAt(at);
        browser.setSearchText(QString::fromStdString(entry.name));
        ASSERT_GT(browser.model()->rowCount(), 0) << entry.name;
        ASSERT_EQ(browser.model()->settingAt(0).key, entry.name);

        values = newValueOf(entry);
        EXPECT_TRUE(browser.editKey(entry.name)) << entry.name;
        std::vector<std::string> args{"set", entry.name};
        args.insert(args.end(), values.begin(), values.end());
        std::string errors;
        EXPECT_EQ(morvactl(cliSide.dir.string() + "/", args, errors), 0)
            << entry.name << ": " << errors;
    }
    EXPECT_TRUE(browserSide.recorder.messages.empty())
        << browserSide.recorder.messages.front().text.toStdString();
    EXPECT_EQ(browser.pendingChanges().size(), count);
    ASSERT_TRUE(browser.save());

    const std::string saved = browserSide.fileText();
    const std::string expected = cliSide.fileText();
    if (saved != expected) {
        std::istringstream a(saved), b(expected);
        std::string lineA, lineB;
        int line = 1;
        while (std::getline(a, lineA) && std::getline(b, lineB) && lineA == lineB)
            ++line;
        ADD_FAILURE() << "line " << line << ": browser '" << lineA << "', morvactl '" << lineB
                      << "'";
    }
}
