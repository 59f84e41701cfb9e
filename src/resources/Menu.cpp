#include "resources/Menu.h"

#include "resources/CommandIds.h"
#include "resources/Texts.h"

namespace morva::menu {

namespace {

namespace c = morva::command;

// Label ids follow "app.label.<command id>"; written out so the tables stay
// constant data.
constexpr Entry cmd(int id, const char* textId, const char* shortcut = nullptr)
{
    return Entry{EntryKind::Command, id, textId, shortcut, {}};
}
constexpr Entry separator()
{
    return Entry{};
}
constexpr Entry submenu(const char* textId, std::span<const Entry> children)
{
    return Entry{EntryKind::Submenu, 0, textId, nullptr, children};
}

constexpr Entry kFile[] = {
    cmd(c::Print, "app.label.57607", "Ctrl+P"),
    cmd(c::PrintSetup, "app.label.57606"),
    separator(),
    cmd(c::Exit, "app.label.57665", "Alt+X"),
};

constexpr Entry kEdit[] = {
    cmd(c::Undo, "app.label.57643", "Ctrl+Z"),  separator(),
    cmd(c::Cut, "app.label.57635", "Ctrl+X"),   cmd(c::Copy, "app.label.57634", "Ctrl+C"),
    cmd(c::Paste, "app.label.57637", "Ctrl+V"), separator(),
    cmd(c::Find, "app.label.57636", "Ctrl+F"),  cmd(c::Refresh, "app.label.6002", "F5"),
};

constexpr Entry kView[] = {
    cmd(c::ToggleToolbar, "app.label.59392"),
    cmd(c::ToggleStatusBar, "app.label.59393"),
    separator(),
    cmd(c::Statistic, "app.label.6012"),
};

constexpr Entry kOptions[] = {
    cmd(c::OptionsGeneral, "app.label.6036"),       cmd(c::OptionsBlocking, "app.label.6037"),
    cmd(c::OptionsSpam, "app.label.6038"),          cmd(c::OptionsClamAV, "app.label.6042"),
    cmd(c::OptionsSession, "app.label.6039"),       cmd(c::OptionsSystem, "app.label.6040"),
    cmd(c::OptionsVirus, "app.label.6041"),         cmd(c::OptionsTransit, "app.label.6043"),
    cmd(c::OptionsSmime, "app.label.6045"),         cmd(c::OptionsDkim, "app.label.6046"),
    cmd(c::OptionsTls, "app.label.6047"),           separator(),
    cmd(c::OptionsGlobalExclude, "app.label.6044"),
};

constexpr Entry kConfiguration[] = {
    submenu("app.menu.options", kOptions),
    cmd(c::AdvancedConfiguration, "app.label.6006"),
    cmd(c::AllSettings, "app.label.6060", "Ctrl+Shift+A"),
    cmd(c::ConfigurationHistory, "app.label.6061"),
    separator(),
    cmd(c::JunkMailAddOn, "app.label.6031"),
    separator(),
    cmd(c::Service, "app.label.6035"),
};

constexpr Entry kExchange[] = {
    cmd(c::ExchangeDomains, "app.label.6011"),
    cmd(c::ExchangeAddresses, "app.label.6010"),
};

constexpr Entry kTranslation[] = {
    cmd(c::TranslateDomain, "app.label.6026"),
    cmd(c::TranslateMailbox, "app.label.6027"),
    cmd(c::TranslateDomainToAddress, "app.label.6028"),
};

constexpr Entry kRewrite[] = {
    cmd(c::RewriteDomain, "app.label.6029"),
    cmd(c::RewriteMailbox, "app.label.6030"),
};

constexpr Entry kData[] = {
    cmd(c::Forwarding, "app.label.6008"),
    cmd(c::SmtpBlocking, "app.label.6009"),
    separator(),
    submenu("app.menu.translation", kTranslation),
    submenu("app.menu.rewrite", kRewrite),
};

constexpr Entry kSignal[] = {
    cmd(c::SignalDeliver, "app.label.6013"),       cmd(c::SignalStatistics, "app.label.6014"),
    cmd(c::SignalQueue, "app.label.6015"),         cmd(c::SignalSendLog, "app.label.6016"),
    cmd(c::SignalPackWhiteList, "app.label.6018"), separator(),
    cmd(c::SignalRestart, "app.label.6017"),
};

constexpr Entry kHelp[] = {
    cmd(c::HelpDocumentation, "app.label.6019"),
    cmd(c::HelpAdminister, "app.label.6020"),
    cmd(c::HelpTroubleshooting, "app.label.6021"),
    cmd(c::HelpFightSpam, "app.label.6023"),
    cmd(c::HelpOperationsGuide, "app.label.6024"),
    cmd(c::HelpTightenSecurity, "app.label.6022"),
    separator(),
    cmd(c::SpamReportHomePage, "app.label.6032"),
    cmd(c::AddOnMakerHomePage, "app.label.6033"),
    separator(),
    cmd(c::SupportRequest, "app.label.6025"),
    cmd(c::HomePage, "app.label.6000"),
    cmd(c::OnlineOrder, "app.label.5099"),
    separator(),
    cmd(c::About, "app.label.57664"),
};

constexpr Entry kMenuBar[] = {
    submenu("app.menu.file", kFile),         submenu("app.menu.edit", kEdit),
    submenu("app.menu.view", kView),         submenu("app.menu.configuration", kConfiguration),
    submenu("app.menu.exchange", kExchange), submenu("app.menu.data", kData),
    submenu("app.menu.signal", kSignal),     submenu("app.menu.help", kHelp),
};

constexpr Accelerator kAccelerators[] = {
    {"Alt+X", c::Exit},         {"Ctrl+Z", c::Undo},        {"Ctrl+X", c::Cut},
    {"Ctrl+C", c::Copy},        {"Ctrl+V", c::Paste},       {"Ctrl+P", c::Print},
    {"Ctrl+F", c::Find},        {"Alt+Backspace", c::Undo}, {"Shift+Del", c::Cut},
    {"Ctrl+Ins", c::Copy},      {"Shift+Ins", c::Paste},    {"Del", c::ToolbarDelete},
    {"Return", c::ToolbarOpen}, {"F5", c::Refresh},         {"Ctrl+Shift+A", c::AllSettings},
};

constexpr int kToolbar[] = {
    c::ToolbarNew,
    c::ToolbarOpen,
    c::ToolbarDelete,
    0,
    c::OptionsGeneral,
    c::OptionsBlocking,
    c::OptionsSpam,
    c::OptionsSession,
    c::OptionsSystem,
    c::OptionsVirus,
    c::OptionsTransit,
    c::OptionsSmime,
    c::OptionsDkim,
    c::OptionsGlobalExclude,
    0,
    c::Cut,
    c::Copy,
    c::Paste,
    0,
    c::Refresh,
    0,
    c::Print,
    c::About,
};

void collect(std::span<const Entry> entries, std::vector<int>& ids)
{
    for (const Entry& entry : entries) {
        if (entry.kind == EntryKind::Command)
            ids.push_back(entry.commandId);
        else if (entry.kind == EntryKind::Submenu)
            collect(entry.children, ids);
    }
}

} // namespace

std::span<const Entry> mainMenu()
{
    return kMenuBar;
}

std::span<const Accelerator> accelerators()
{
    return kAccelerators;
}

std::span<const int> toolbarButtons()
{
    return kToolbar;
}

std::string labelTextId(int commandId)
{
    return "app.label." + std::to_string(commandId);
}

std::vector<int> menuCommands()
{
    std::vector<int> ids;
    collect(mainMenu(), ids);
    return ids;
}

std::string_view entryLabel(const Entry& entry, int languageIndex)
{
    return entry.textId ? text(entry.textId, languageIndex) : std::string_view();
}

std::string withoutAccessKey(std::string_view label)
{
    std::string plain;
    plain.reserve(label.size());
    for (std::size_t i = 0; i < label.size(); ++i) {
        if (label[i] == '&') {
            if (i + 1 < label.size() && label[i + 1] == '&')
                plain += '&', ++i;
            continue;
        }
        plain += label[i];
    }
    return plain;
}

bool isMenuResource(std::string_view resourceName, int* languageIndex)
{
    const auto parsed = parseResourceName(resourceName);
    if (!parsed || parsed->baseName != "MENU")
        return false;
    if (languageIndex)
        *languageIndex = parsed->languageIndex;
    return true;
}

} // namespace morva::menu
