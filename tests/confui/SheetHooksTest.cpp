#include "config/ConfigStore.h"
#include "config/Schema.h"
#include "confui/Catalogue.h"
#include "confui/sheets/VirusScannerPresets.h"
#include "platform/Clock.h"
#include "platform/SystemFileSystem.h"

#include <gtest/gtest.h>
#include <map>

using namespace morva::confui;

namespace {

// A page as the hooks see it: values by key, nothing shown.
class FakePage : public PageContext
{
public:
    FakePage() { morva::config::registerSchema(m_store); }

    FieldValue value(std::string_view key) const override
    {
        auto it = values.find(std::string(key));
        return it == values.end() ? FieldValue{} : it->second;
    }
    void setValue(std::string_view key, const FieldValue& value) override
    {
        values[std::string(key)] = value;
    }
    std::vector<std::string> listValues(std::string_view) const override { return {}; }
    void setEnabled(std::string_view, bool) override {}
    void setCaption(std::string_view) override {}
    void message(MessageKind, const std::string&) override {}
    bool ask(const std::string&) override { return true; }
    int language() const override { return 0; }
    int sheetType() const override { return 0; }
    std::string programDir() const override { return "/nonexistent-morva-dir/"; }
    morva::config::ConfigStore& store() override { return m_store; }

    std::map<std::string, FieldValue> values;

private:
    std::unique_ptr<morva::platform::FileSystem> m_fs = morva::platform::makeSystemFileSystem();
    morva::platform::FakeClock m_clock;
    morva::config::ConfigStore m_store{*m_fs, m_clock, "/nonexistent-morva-dir/"};
};

const PageHooks& hooksOf(const char* pageName)
{
    const PageDef* page = catalogue().page(pageName);
    EXPECT_TRUE(page) << pageName;
    const PageHooks* hooks = page ? catalogue().pageHooks(page->hook) : nullptr;
    EXPECT_TRUE(hooks) << pageName;
    static const PageHooks none;
    return hooks ? *hooks : none;
}

FieldValue textValue(std::string text)
{
    FieldValue value;
    value.text = std::move(text);
    return value;
}

FieldValue numberValue(int number)
{
    FieldValue value;
    value.number = number;
    return value;
}

} // namespace

TEST(SheetHooks, ScannerPresetsFillProgramAndArguments)
{
    const PageHooks& hooks = hooksOf("IniViD");
    ASSERT_TRUE(hooks.changed);
    for (int position = 1; position < kVirusScannerPresetCount; ++position) {
        FakePage page;
        page.setValue("VirusScanner", textValue("old.exe"));
        page.setValue("VirusScannerPara", textValue("old args"));
        page.setValue("VirusScannerTyp", numberValue(position));
        hooks.changed(page, "VirusScannerTyp");
        const VirusScannerPreset& preset = virusScannerPresets()[position];
        EXPECT_EQ(page.value("VirusScanner").text, preset.program) << position;
        EXPECT_EQ(page.value("VirusScannerPara").text, preset.arguments) << position;
        EXPECT_NE(preset.arguments.find("<FILE>"), std::string_view::npos) << position;
    }
    EXPECT_EQ(virusScannerPresets()[13].arguments, "SCAN /i0 /fa /e:20 \"<FILE>\"");

    // "Custom", an unknown position and changes of other fields leave both
    // fields as they are.
    for (int position : {0, 16, -1}) {
        FakePage page;
        page.setValue("VirusScanner", textValue("mine.exe"));
        page.setValue("VirusScannerPara", textValue("<FILE> /mine"));
        page.setValue("VirusScannerTyp", numberValue(position));
        hooks.changed(page, "VirusScannerTyp");
        hooks.changed(page, "VirusScanner");
        EXPECT_EQ(page.value("VirusScanner").text, "mine.exe") << position;
        EXPECT_EQ(page.value("VirusScannerPara").text, "<FILE> /mine") << position;
    }
}

TEST(SheetHooks, LanguageCombosShowEveryCodeAsTheLanguageItSelects)
{
    for (const char* pageName : {"ConfAdv", "IniAdv"}) {
        const PageDef* page = catalogue().page(pageName);
        ASSERT_TRUE(page);
        const Control* language = nullptr;
        for (const Control& control : page->controls)
            if (control.key == "Language")
                language = &control;
        ASSERT_TRUE(language) << pageName;
        // "Auto Detect" and the five languages in this order.
        std::vector<std::string> values;
        for (const ComboItem& item : language->items)
            values.push_back(item.stringValue);
        EXPECT_EQ(values, (std::vector<std::string>{"", "ENG", "DEU", "FRA", "ITA", "SPA"}));
        ASSERT_TRUE(language->equivalentItem) << pageName;
        const std::pair<const char*, const char*> rows[] = {
            {"ESP", "SPA"}, {"esn", "SPA"}, {"DEA", "DEU"}, {"des", "DEU"},    {"FRS", "FRA"},
            {"ita", "ITA"}, {"eng", "ENG"}, {"XYZ", "ENG"}, {"ENGLISH", "ENG"}};
        for (const auto& [stored, item] : rows)
            EXPECT_EQ(language->equivalentItem(stored), item) << pageName << " " << stored;
    }
}

TEST(SheetHooks, RecipientCheckShowsTheOlderSwitches)
{
    const PageHooks& hooks = hooksOf("IniRcpt");
    ASSERT_TRUE(hooks.loaded);
    struct Row
    {
        int stored;
        bool staticList, query, internal;
        int shown;
    };
    const Row rows[] = {{0, false, false, false, 0},
                        {0, true, false, false, 1},
                        {0, false, true, false, 2},
                        {0, false, true, true, 3},
                        {2, true, false, false, 2}};
    for (const Row& row : rows) {
        FakePage page;
        page.store().setBool("ExchInboundEMailAddress", row.staticList);
        page.store().setBool("ExchInboundEMailAddressQuery", row.query);
        page.store().setBool("ExchInboundEMailAddressQueryInternal", row.internal);
        page.setValue("ExchInboundEMailAddressTyp", numberValue(row.stored));
        hooks.loaded(page);
        EXPECT_EQ(page.value("ExchInboundEMailAddressTyp").number, row.shown);
    }
}
