#include "app/ConsoleApp.h"

#include "app/AdminSettings.h"
#include "app/Cwm_MainWnd.h"
#include "app/QtTranslations.h"
#include "app/WebPages.h"
#include "config/ConfigStore.h"
#include "gui/AppEnvironment.h"
#include "gui/CommandRegistry.h"
#include "gui/MessageBox.h"
#include "gui/Text.h"
#include "platform/FileSystem.h"
#include "platform/UrlOpener.h"
#include "resources/CommandIds.h"
#include "service/SignalFiles.h"

#include <QGuiApplication>
#include <QPointer>
#include <QTimer>

namespace morva::app {

namespace c = morva::command;

ConsoleApp::ConsoleApp(gui::AppEnvironment& environment, AdminSettings& settings,
                       gui::CommandRegistry& commands)
    : AppBase(commands, environment.services().urlOpener), m_environment(environment),
      m_settings(settings), m_startupChecks(*this),
      m_qtTranslations(std::make_unique<QtTranslations>())
{
    setEnglishOnly(false);
}

ConsoleApp::~ConsoleApp() = default;

bool ConsoleApp::initInstance()
{
    m_mainWnd =
        std::make_unique<Cwm_MainWnd>(commands(), m_settings, m_environment.services().fileSystem);
    m_mainWnd->setCloseHook([this] {
        if (m_closeDataSet)
            m_closeDataSet();
    });
    registerBaseCommands();
    registerCommands();
    // Logging off or shutting down ends the process without a close: keep
    // the placement then too.
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(gui, &QGuiApplication::commitDataRequest, m_mainWnd.get(),
                &Cwm_MainWnd::savePlacement);
    m_mainWnd->show();
    QTimer::singleShot(0, this, &ConsoleApp::onFirstIdle);
    return true;
}

void ConsoleApp::onFirstIdle()
{
    if (m_started || m_inFirstIdle)
        return;
    m_inFirstIdle = true;
    m_mainWnd->setPaneText(Cwm_MainBaseWnd::LockedPane, QString());
    m_startupChecks.run();
    openLogView();
    // A sheet that saves other log settings shows them at once.
    // (The store may outlive this application object.)
    m_environment.configStore().setSavedListener([self = QPointer<ConsoleApp>(this)] {
        if (!self || self->m_logViewPending || self->logSettings() == self->m_logSettings)
            return;
        self->m_logViewPending = true;
        QTimer::singleShot(0, self.data(), [app = self.data()] {
            app->m_logViewPending = false;
            app->openLogView();
        });
    });
    m_started = true;
    m_inFirstIdle = false;
}

void ConsoleApp::registerCommands()
{
    gui::CommandRegistry& table = commands();
    Cwm_MainWnd* wnd = m_mainWnd.get();
    const auto hasLogView = [wnd] { return wnd->logView() != nullptr; };

    table.setHandler(c::Print, [wnd] { wnd->printLog(); });
    table.setHandler(c::PrintSetup, [wnd] { wnd->printSetup(); });
    table.setHandler(c::Exit, [wnd] { wnd->close(); });
    table.setHandler(c::Copy, [wnd] { wnd->copySelection(); });
    table.setHandler(c::Find, [wnd] { wnd->findInLog(); });
    table.setHandler(c::Refresh, [wnd] { wnd->refreshLog(); });
    table.setHandler(c::RecreateLogView, [this] { openLogView(); });
    for (int id : {c::Print, c::Copy, c::Find, c::Refresh})
        table.setCondition(id, hasLogView);
    table.setCondition(c::RecreateLogView, [this] { return m_noLogView; });
    table.setCondition(c::ExchangeAddresses, [this] { return m_exchAddrListOn; });
    table.setCondition(c::Service, [this] { return m_serviceOn; });

    for (const service::SignalFile& signal : service::signalFiles())
        table.setHandler(signal.commandId, [this, name = signal.fileName] { sendSignal(name); });

    for (int id : {c::HelpDocumentation, c::HelpAdminister, c::HelpTroubleshooting,
                   c::HelpFightSpam, c::HelpOperationsGuide, c::HelpTightenSecurity,
                   c::SpamReportHomePage, c::AddOnMakerHomePage, c::SupportRequest})
        table.setHandler(id, [this, id] { openWebPage(webPageFor(id)); });
}

bool ConsoleApp::sendSignal(const char* fileName)
{
    platform::FileError error = platform::FileError::None;
    if (service::createSignalFile(m_environment.services().fileSystem, m_environment.programDir(),
                                  fileName, &error))
        return true;
    gui::MessageBox::show(
        m_mainWnd.get(), gui::MessageKind::Failure,
        gui::toQString(service::signalFailedText(
            m_environment.languageIndex(),
            service::signalFilePath(m_environment.programDir(), fileName), error)));
    return false;
}

void ConsoleApp::setDataSetLifecycle(std::function<void()> create, std::function<void()> close)
{
    m_createDataSet = std::move(create);
    m_closeDataSet = std::move(close);
}

void ConsoleApp::createDataSet()
{
    if (m_createDataSet)
        m_createDataSet();
}

void ConsoleApp::installMenu()
{
    const int language = englishOnly() ? English : m_environment.languageIndex();
    gui::MessageBox::setLanguage(m_environment.languageIndex());
    m_qtTranslations->apply(language);
    m_mainWnd->installMenu(language);
}

void ConsoleApp::setQtTranslationsDirectory(const QString& directory)
{
    m_qtTranslations = std::make_unique<QtTranslations>(directory);
}

std::vector<std::string> ConsoleApp::logSettings() const
{
    const config::ConfigStore& store = m_environment.configStore();
    return {store.getString("LogPath"),
            store.getString("AdminLogPath"),
            store.getBool("WriteLogFile") ? "1" : "0",
            store.getBool("AdminShowLogFile") ? "1" : "0",
            store.getString("AdminLogFont"),
            std::to_string(store.getInt("AdminLogFontSize"))};
}

void ConsoleApp::openLogView()
{
    config::ConfigStore& store = m_environment.configStore();
    m_logSettings = logSettings();
    if (!store.getBool("WriteLogFile") || !store.getBool("AdminShowLogFile")) {
        m_mainWnd->closeLogView();
        setNoLogView(true);
        return;
    }
    Cwm_LogView::Options options;
    options.path = log::logFilePath(store.getString("AdminLogPath"), store.getString("LogPath"),
                                    m_environment.programDir(),
                                    m_environment.services().fileSystem.separator());
    options.fontFace = QString::fromStdString(store.getString("AdminLogFont"));
    options.fontSize = store.getInt("AdminLogFontSize");
    options.languageIndex = m_environment.languageIndex();
    platform::UrlOpener& opener = m_environment.services().urlOpener;
    options.openWithDesktop = [&opener](const std::string& path) { return opener.openFile(path); };
    m_mainWnd->openLogView(std::move(options));
    setNoLogView(false);
}

QWidget* ConsoleApp::dialogParent() const
{
    return m_mainWnd.get();
}

int ConsoleApp::currentLanguage() const
{
    return m_environment.languageIndex();
}

void ConsoleApp::flagsChanged()
{
    commands().notifyStateChanged();
}

void ConsoleApp::setLockedPaneOn(bool on)
{
    m_lockedPaneOn = on;
    if (m_mainWnd)
        m_mainWnd->setLockedPaneOn(on);
    flagsChanged();
}

QWidget* ConsoleApp::parentWindow() const
{
    return m_mainWnd.get();
}

void ConsoleApp::setStatusText(const QString& text)
{
    if (m_mainWnd)
        m_mainWnd->setStatusText(text);
}

void ConsoleApp::showReady()
{
    if (m_mainWnd)
        m_mainWnd->showReady();
}

void ConsoleApp::beginProgress(int expectedCount)
{
    if (m_mainWnd)
        m_mainWnd->beginProgress(expectedCount);
}

void ConsoleApp::stepProgress()
{
    if (m_mainWnd)
        m_mainWnd->stepProgress();
}

void ConsoleApp::endProgress()
{
    if (m_mainWnd)
        m_mainWnd->endProgress();
}

void ConsoleApp::showWaitDialog(const QString& caption, const QString& text)
{
    if (m_mainWnd)
        m_mainWnd->showWaitDialog(caption, text);
}

bool ConsoleApp::waitDialogCancelled()
{
    if (m_mainWnd)
        return m_mainWnd->waitDialogCancelled();
    QCoreApplication::processEvents();
    return false;
}

void ConsoleApp::closeWaitDialog()
{
    if (m_mainWnd)
        m_mainWnd->closeWaitDialog();
}

int ConsoleApp::readUserSetting(const char* name, int defaultValue) const
{
    return m_settings.readInt(QString::fromLatin1(name), defaultValue);
}

bool ConsoleApp::writeUserSetting(const char* name, int value)
{
    return m_settings.writeInt(QString::fromLatin1(name), value);
}

void ConsoleApp::setNoLogView(bool on)
{
    m_noLogView = on;
    flagsChanged();
}

void ConsoleApp::setExchAddrListOn(bool on)
{
    m_exchAddrListOn = on;
    flagsChanged();
}

void ConsoleApp::setServiceOn(bool on)
{
    m_serviceOn = on;
    flagsChanged();
}

} // namespace morva::app
