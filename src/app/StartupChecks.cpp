#include "app/StartupChecks.h"

#include "app/ConsoleApp.h"
#include "app/Cwm_MainWnd.h"
#include "app/WebPages.h"
#include "config/ConfigStore.h"
#include "config/DerivedSettings.h"
#include "config/Schema.h"
#include "config/ValueFlag.h"
#include "gui/AppEnvironment.h"
#include "gui/MessageBox.h"
#include "gui/Text.h"
#include "platform/AddOnProbe.h"
#include "platform/FileVersion.h"
#include "platform/VersionResource.h"

#include <algorithm>
#include <cctype>

namespace morva::app {

namespace {

bool sameAddress(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// Appends `item` unless the list holds it already: a first run that is
// cancelled comes again at the next start and must not add it twice.
// The comparison is on the text as the list stores it ("*@domain" is kept
// as "@domain" in address pattern lists).
bool appendOnce(config::ConfigStore& store, std::string_view key, const std::string& item)
{
    const auto entry = store.find(key);
    const std::string stored = config::normalizedValue(item, entry ? entry->flags : 0);
    std::vector<std::string> items = store.getList(key);
    for (const std::string& existing : items)
        if (sameAddress(existing, stored))
            return false;
    items.push_back(item);
    store.setList(key, items);
    return true;
}

} // namespace

void StartupChecks::run()
{
    if (m_done)
        return;
    m_done = true;
    gui::AppEnvironment& env = m_app.environment();

    env.setLanguage({});
    m_app.installMenu();

    config::ConfigStore& store = env.configStore();
    config::registerSchema(store);
    store.load(); // a missing file means every default; no message here
    // A file that exists but cannot be read is no first run: the store
    // refuses every save, so nothing of it is overwritten.
    const bool unreadable = store.lastLoadStatus() == config::LoadStatus::Unreadable;

    const int regionalLanguage = env.languageIndex();
    env.setLanguage(store.getString("Language"));
    if (env.languageIndex() != regionalLanguage)
        m_app.installMenu();

    m_app.createDataSet();
    m_app.setServiceOn(store.getBool("ServiceControl"));
    m_app.setExchAddrListOn(config::effectiveExchInboundEMailAddressTyp(store) == 1);

    if (unreadable)
        reportUnreadableConfiguration();

    if (store.getBool("AdminCheckExeVersion"))
        checkVersion();

    if (unreadable)
        return;
    if (store.getBool("IniWizard"))
        firstRun();
    else if (env.services().addOnProbe.junkMailAddOnInstalled())
        store.setInt("AdminMVFQueryStatus", 1);
}

void StartupChecks::reportUnreadableConfiguration()
{
    gui::AppEnvironment& env = m_app.environment();
    const config::ConfigStore& store = env.configStore();
    const char* reason = "app.fileError.other";
    switch (store.lastLoadError()) {
    case platform::FileError::AccessDenied:
        reason = "app.fileError.accessDenied";
        break;
    case platform::FileError::SharingViolation:
        reason = "app.fileError.inUse";
        break;
    case platform::FileError::IsDirectory:
        reason = "app.fileError.isDirectory";
        break;
    default:
        break;
    }
    const int language = env.languageIndex();
    const std::string message =
        formatText(text("app.iniUnreadable", language), {store.fileName(), text(reason, language)});
    gui::MessageBox::show(m_app.mainWindow(), gui::MessageKind::Failure,
                          QString::fromStdString(message));
}

void StartupChecks::checkVersion()
{
    gui::AppEnvironment& env = m_app.environment();
    const auto version =
        env.services().versionResource.fileVersion(env.programDir() + "gwcored.exe");
    if (!version || platform::matchesConsoleVersion(*version))
        return;
    const std::string message =
        formatText(text("app.versionMismatch", env.languageIndex()),
                   {platform::kConsoleVersionText, platform::versionText(*version)});
    gui::MessageBox::show(m_app.mainWindow(), gui::MessageKind::Failure,
                          QString::fromStdString(message));
}

void StartupChecks::firstRun()
{
    gui::AppEnvironment& env = m_app.environment();
    config::ConfigStore& store = env.configStore();
    appendWildcardExclusions();
    store.setInt("AdminMVFQueryStatus", env.services().addOnProbe.junkMailAddOnInstalled() ? 1 : 0);

    gui::FirstRunSteps& steps = m_app.firstRunSteps();
    if (steps.optionsWizard)
        steps.optionsWizard();
    addPostmasterDomain();
    if (steps.exchangeDomainList)
        steps.exchangeDomainList();
    if (steps.serviceDialog)
        steps.serviceDialog();
}

void StartupChecks::appendWildcardExclusions()
{
    config::ConfigStore& store = m_app.environment().configStore();
    const std::string wildcard = std::string("*@") + maker::kMailDomain;
    appendOnce(store, "InboundExclBlockFromAddress", wildcard);
    appendOnce(store, "OutboundExclBlockToAddress", wildcard);
}

void StartupChecks::addPostmasterDomain()
{
    config::ConfigStore& store = m_app.environment().configStore();
    const std::string postmaster = store.getString("Postmaster");
    const std::size_t at = postmaster.rfind('@');
    if (at == std::string::npos || at + 1 >= postmaster.size())
        return;
    appendOnce(store, "ExchInboundDomain", postmaster.substr(at + 1));
    store.save();
}

} // namespace morva::app
