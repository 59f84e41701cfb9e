#include "resources/Menu.h"

#include "resources/CommandIds.h"
#include "resources/Texts.h"

#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <string_view>
#include <vector>

using namespace morva;
using namespace morva::menu;

namespace {
void forEachEntry(std::span<const Entry> entries, const std::function<void(const Entry&)>& visit)
{
    for (const Entry& entry : entries) {
        visit(entry);
        if (entry.kind == EntryKind::Submenu)
            forEachEntry(entry.children, visit);
    }
}
} // namespace

TEST(Menu, EveryLabelAndPromptExistsInEveryLanguage)
{
    forEachEntry(mainMenu(), [](const Entry& entry) {
        if (entry.kind == EntryKind::Separator)
            return;
        ASSERT_NE(entry.textId, nullptr);
        for (int language = 0; language < kLanguageCount; ++language) {
            bool found = false;
            for (const TextEntry& t : languageTexts(language))
                found = found || std::string_view(t.id) == entry.textId;
            EXPECT_TRUE(found) << entry.textId << " missing in language " << language;
        }
        if (entry.kind == EntryKind::Command && entry.commandId != command::SignalRestart) {
            for (int language = 0; language < kLanguageCount; ++language)
                EXPECT_FALSE(commandPrompt(entry.commandId, language).empty())
                    << "no prompt for " << entry.commandId << " in language " << language;
        }
    });
}

TEST(Menu, HoldsEveryCommandOnceAndNoToolbarOnlyCommand)
{
    const auto commands = menuCommands();
    const std::set<int> unique(commands.begin(), commands.end());
    EXPECT_EQ(unique.size(), commands.size());
    for (int id : {command::Print,
                   command::PrintSetup,
                   command::Exit,
                   command::Undo,
                   command::Cut,
                   command::Copy,
                   command::Paste,
                   command::Find,
                   command::Refresh,
                   command::ExchangeDomains,
                   command::ExchangeAddresses,
                   command::JunkMailAddOn,
                   command::Service,
                   command::Forwarding,
                   command::SmtpBlocking,
                   command::TranslateDomain,
                   command::TranslateMailbox,
                   command::TranslateDomainToAddress,
                   command::RewriteDomain,
                   command::RewriteMailbox,
                   command::AdvancedConfiguration,
                   command::Statistic,
                   command::ToggleToolbar,
                   command::ToggleStatusBar,
                   command::OptionsGeneral,
                   command::OptionsBlocking,
                   command::OptionsSpam,
                   command::OptionsClamAV,
                   command::OptionsSession,
                   command::OptionsSystem,
                   command::OptionsVirus,
                   command::OptionsTransit,
                   command::OptionsSmime,
                   command::OptionsDkim,
                   command::OptionsTls,
                   command::OptionsGlobalExclude,
                   command::SignalDeliver,
                   command::SignalStatistics,
                   command::SignalQueue,
                   command::SignalSendLog,
                   command::SignalRestart,
                   command::SignalPackWhiteList,
                   command::HelpDocumentation,
                   command::HelpAdminister,
                   command::HelpTroubleshooting,
                   command::HelpFightSpam,
                   command::HelpOperationsGuide,
                   command::HelpTightenSecurity,
                   command::SpamReportHomePage,
                   command::AddOnMakerHomePage,
                   command::SupportRequest,
                   command::HomePage,
                   command::OnlineOrder,
                   command::About})
        EXPECT_TRUE(unique.count(id)) << "menu lacks command " << id;
    for (int id : {command::RecreateLogView, command::ToolbarNew, command::ToolbarOpen,
                   command::ToolbarDelete})
        EXPECT_FALSE(unique.count(id)) << id;
}

TEST(Menu, ToolbarButtonsHaveToolTipsInEveryLanguage)
{
    int separators = 0;
    for (int id : toolbarButtons()) {
        if (id == 0) {
            ++separators;
            continue;
        }
        for (int language = 0; language < kLanguageCount; ++language)
            EXPECT_FALSE(commandToolTip(id, language).empty())
                << "button " << id << " has no tool tip in language " << language;
    }
    EXPECT_EQ(toolbarButtons().size(), 23u);
    EXPECT_EQ(separators, 4);
}

TEST(Menu, AcceleratorsAndMenuShortcutsAgree)
{
    std::set<std::string> keys;
    for (const Accelerator& accelerator : accelerators())
        EXPECT_TRUE(keys.insert(accelerator.keys).second)
            << "key bound twice: " << accelerator.keys;
    EXPECT_EQ(keys.size(), 15u);
    forEachEntry(mainMenu(), [&](const Entry& entry) {
        if (entry.kind != EntryKind::Command || !entry.shortcut)
            return;
        bool bound = false;
        for (const Accelerator& accelerator : accelerators())
            bound = bound || (accelerator.commandId == entry.commandId &&
                              std::string_view(accelerator.keys) == entry.shortcut);
        EXPECT_TRUE(bound) << "shortcut " << entry.shortcut << " of " << entry.commandId
                           << " is not an accelerator";
    });
}

TEST(Menu, LabelsAndResourceNames)
{
    EXPECT_EQ(withoutAccessKey("E&xit"), "Exit");
    EXPECT_EQ(withoutAccessKey("Save && &close"), "Save & close");
    EXPECT_EQ(withoutAccessKey("trailing&"), "trailing");
    EXPECT_EQ(text(labelTextId(command::Exit), German), "&Beenden");

    int language = -1;
    EXPECT_TRUE(isMenuResource("DEU_MENU", &language));
    EXPECT_EQ(language, German);
    EXPECT_FALSE(isMenuResource("DEU_Wait", &language));
    EXPECT_FALSE(isMenuResource("MENU", &language));
}

TEST(Menu, TextsOfCommandsExistInEveryLanguage)
{
    // Labels and prompts are looked up by ids built from command numbers.
    std::vector<std::string> ids;
    for (int id : menuCommands()) {
        ids.push_back(labelTextId(id));
        if (id != command::SignalRestart) // shows no prompt
            ids.push_back(promptTextId(id));
    }
    for (int button : toolbarButtons())
        if (button != 0)
            ids.push_back(promptTextId(button));
    for (int pane : {command::ReadyPrompt, command::PaneLocked, command::RecreateLogView})
        ids.push_back(promptTextId(pane));
    for (int language = English; language < kLanguageCount; ++language) {
        std::set<std::string_view> own;
        for (const TextEntry& entry : languageTexts(language))
            own.insert(entry.id);
        for (const std::string& id : ids)
            EXPECT_TRUE(own.count(id)) << id << " is missing in language " << language;
    }
}
