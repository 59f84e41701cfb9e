#pragma once

#include "app/AppBase.h"
#include "app/StartupChecks.h"
#include "gui/ConsoleHost.h"
#include "gui/FeatureSetup.h"
#include "gui/FirstRunSteps.h"

#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace morva::gui {
class AppEnvironment;
}

namespace morva::app {

class AdminSettings;
class Cwm_MainWnd;
class QtTranslations;

// The console's application object: it owns the command table, the main
// window and the flags that enable some commands, and runs the start-up
// checks on the first idle moment. It is the host of the features' dialogs:
// the calls reach the main window once it exists.
class ConsoleApp : public AppBase, public gui::ConsoleHost
{
    Q_OBJECT
public:
    ConsoleApp(gui::AppEnvironment& environment, AdminSettings& settings,
               gui::CommandRegistry& commands);
    ~ConsoleApp() override;

    // Creates and shows the main window and schedules the first idle pass.
    bool initInstance();
    // The first idle moment: start-up checks, then the log view (guarded
    // against the nested event loops of the dialogs it opens).
    void onFirstIdle();

    gui::AppEnvironment& environment() { return m_environment; }
    Cwm_MainWnd* mainWindow() const { return m_mainWnd.get(); }
    StartupChecks& startupChecks() { return m_startupChecks; }
    gui::FirstRunSteps& firstRunSteps() { return m_firstRunSteps; }
    // What the features are wired in with: this console as their host.
    gui::FeatureSetup featureSetup() { return {commands(), m_environment, *this, m_firstRunSteps}; }

    // Creating and closing the data set (set by the record database).
    void setDataSetLifecycle(std::function<void()> create, std::function<void()> close);
    void createDataSet();

    // Creates the log view when WriteLogFile and AdminShowLogFile are both
    // true; otherwise none, and NoLogView is set.
    void openLogView();
    // Installs the menu of the current language and Qt's own texts in it.
    void installMenu();
    // Where Qt's translation catalogues are looked for (tests); empty: Qt's.
    void setQtTranslationsDirectory(const QString& directory);
    // Creates a signal file for the gateway; says so when it cannot.
    bool sendSignal(const char* fileName);

    // Command-enable flags.
    bool lockedPaneOn() const { return m_lockedPaneOn; }
    bool noLogView() const { return m_noLogView; }
    bool exchAddrListOn() const { return m_exchAddrListOn; }
    bool serviceOn() const { return m_serviceOn; }
    void setLockedPaneOn(bool on);
    void setNoLogView(bool on);
    void setExchAddrListOn(bool on);
    void setServiceOn(bool on);

    // --- gui::ConsoleHost ---
    QWidget* parentWindow() const override;
    void setStatusText(const QString& text) override;
    void showReady() override;
    // Also the LockedPaneOn flag.
    void setLockedIndicator(bool on) override { setLockedPaneOn(on); }
    void beginProgress(int expectedCount) override;
    void stepProgress() override;
    void endProgress() override;
    void showWaitDialog(const QString& caption, const QString& text) override;
    bool waitDialogCancelled() override;
    void closeWaitDialog() override;
    int readUserSetting(const char* name, int defaultValue) const override;
    bool writeUserSetting(const char* name, int value) override;

protected:
    QWidget* dialogParent() const override;
    int currentLanguage() const override;

private:
    void registerCommands();
    void flagsChanged();
    // The settings the log view is built from, as texts.
    std::vector<std::string> logSettings() const;

    gui::AppEnvironment& m_environment;
    AdminSettings& m_settings;
    std::unique_ptr<Cwm_MainWnd> m_mainWnd;
    StartupChecks m_startupChecks;
    gui::FirstRunSteps m_firstRunSteps;
    std::function<void()> m_createDataSet;
    std::function<void()> m_closeDataSet;
    std::unique_ptr<QtTranslations> m_qtTranslations;
    std::vector<std::string> m_logSettings;
    bool m_logViewPending = false;
    bool m_started = false;
    bool m_inFirstIdle = false;
    bool m_lockedPaneOn = false;
    bool m_noLogView = false;
    bool m_exchAddrListOn = false;
    bool m_serviceOn = false;
};

} // namespace morva::app
