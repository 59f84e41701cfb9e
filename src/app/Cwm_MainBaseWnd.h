#pragma once

#include "app/LockKeys.h"
#include "gui/ConsoleHost.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <map>

class QLabel;
class QLineEdit;
class QProgressBar;
class QTimer;
class QToolBar;
class QVBoxLayout;

namespace morva::gui {
class CommandRegistry;
class Cwm_WaitDlg;
} // namespace morva::gui

namespace morva::app {

class AdminSettings;

// The console's frame: language menu, toolbar, status bar with five panes,
// the progress pane, the wait dialog and the placement kept per user.
// Commands are only named by id; gui::CommandRegistry runs them and decides
// whether they are enabled. GUI thread only.
class Cwm_MainBaseWnd : public QMainWindow, public gui::ConsoleHost
{
    Q_OBJECT
public:
    // Status bar panes by index (the numbers of CommandIds.h are their ids).
    enum Pane
    {
        MessagePane = 0,
        LockedPane = 1,
        CapsPane = 2,
        NumPane = 3,
        ProgressPane = 4
    };
    static constexpr int kPaneCount = 5;
    // Gap between the toolbar and the client area.
    static constexpr int kToolBarGap = 6;

    Cwm_MainBaseWnd(gui::CommandRegistry& commands, AdminSettings& settings,
                    QWidget* parent = nullptr);
    ~Cwm_MainBaseWnd() override;

    gui::CommandRegistry& commands() { return m_commands; }
    int languageIndex() const { return m_language; }

    // Builds the menu bar of a language from the menu data and gives every
    // command its label and prompt in that language.
    void installMenu(int languageIndex);
    QAction* action(int commandId) const;
    // How often a menu was installed (the language reload rule).
    int menuInstallCount() const { return m_menuInstalls; }
    // Re-reads enabled states and check marks from the registry.
    void updateCommandStates();

    // --- status bar ---
    void setPaneText(int paneIndex, const QString& text);
    // Loads string resource `stringId` (a command prompt; 57345 is "Ready").
    void setPaneTextId(int paneIndex, int stringId);
    QString paneText(int paneIndex) const;
    // Shows "Locked" while the data lock is held.
    void setLockedPaneOn(bool on);

    // --- the console host of the features' dialogs ---
    QWidget* parentWindow() const override { return const_cast<Cwm_MainBaseWnd*>(this); }
    void setStatusText(const QString& text) override { setPaneText(MessagePane, text); }
    void showReady() override;
    void setLockedIndicator(bool on) override { setLockedPaneOn(on); }
    // The Caps Lock and Num Lock panes show their texts while the key is on
    // and stay blank where `probe` has no answer.
    void setLockKeyProbe(LockKeyProbe probe);
    void updateLockKeyPanes();

    // A progress bar over the progress pane for `expectedCount` items: six
    // steps, one per expectedCount / 6 items (at least 1); busy cursor until
    // endProgress, which also shows "Ready".
    void beginProgress(int expectedCount) override;
    void stepProgress() override;
    void endProgress() override;
    QProgressBar* progressBar() const { return m_progress; }

    // --- wait dialog (one instance) ---
    void showWaitDialog(const QString& caption, const QString& text) override;
    void closeWaitDialog() override;
    // Pumps pending events and the idle work, then tells whether Cancel was
    // pressed on the current (or last) wait dialog.
    bool waitDialogCancelled() override;
    gui::Cwm_WaitDlg* waitDialog() const;
    // Work done on every idle pass (the log refresh); also run while a wait
    // dialog pumps events.
    void setIdleWork(std::function<void()> work) { m_idleWork = std::move(work); }
    void runIdleWork();

    // --- bars and client area ---
    QToolBar* toolBar() const { return m_toolBar; }
    // The toolbar's settings search (Ctrl+K): Enter opens "All Settings"
    // with what was typed.
    QLineEdit* settingsSearchField() const { return m_settingsSearch; }
    void setToolBarShown(bool shown);
    void setStatusBarShown(bool shown);
    bool isToolBarShown() const;
    bool isStatusBarShown() const;
    // The widget in the client area (the log view), or null; the frame owns it.
    void setClientWidget(QWidget* widget);
    QWidget* clientWidget() const { return m_clientWidget; }

    // --- placement ---
    // The rectangle of a first start: (20, 20) to (width - 20, height - 70).
    static QRect defaultRect(const QRect& screen);
    void restorePlacement();
    void savePlacement();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QAction* ensureAction(int commandId);
    void buildToolBar();
    void updateToolBarIcons();
    void addSettingsSearch();
    void applyAccelerators();
    void fitClientArea();

    gui::CommandRegistry& m_commands;
    AdminSettings& m_settings;
    int m_language = 0;
    int m_menuInstalls = 0;
    std::map<int, QAction*> m_actions;
    QToolBar* m_toolBar = nullptr;
    QLineEdit* m_settingsSearch = nullptr;
    std::array<QLabel*, kPaneCount> m_panes{};
    QProgressBar* m_progress = nullptr;
    LockKeyProbe m_lockKeyProbe;
    QTimer* m_lockKeyTimer = nullptr;
    int m_itemsPerStep = 1;
    int m_itemsInStep = 0;
    bool m_busyCursor = false;
    QPointer<gui::Cwm_WaitDlg> m_waitDlg;
    bool m_waitCancelled = false;
    std::function<void()> m_idleWork;
    QWidget* m_client = nullptr;
    QVBoxLayout* m_clientLayout = nullptr;
    QWidget* m_clientWidget = nullptr;
    bool m_firstShow = true;
    bool m_placementSaved = false;
};

} // namespace morva::app
