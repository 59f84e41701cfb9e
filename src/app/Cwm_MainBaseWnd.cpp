#include "app/Cwm_MainBaseWnd.h"

#include "app/AdminSettings.h"
#include "app/ToolbarIcons.h"
#include "gui/CommandRegistry.h"
#include "gui/Cwm_WaitDlg.h"
#include "gui/Text.h"
#include "resources/CommandIds.h"
#include "resources/Menu.h"
#include "resources/Texts.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace morva::app {

namespace {

namespace c = morva::command;

constexpr int kProgressSteps = 6;
// How often the Caps Lock and Num Lock panes look at the keys.
constexpr int kLockKeyPollMs = 250;

// Show commands and flags as the placement keeps them.
constexpr int kShowNormal = 1;
constexpr int kShowMinimized = 2;
constexpr int kShowMaximized = 3;
constexpr int kRestoreToMaximized = 2;

const char* const kPlacementKeys[] = {"MainWndFlags",     "MainWndShowCmd",   "MainWndNPosLeft",
                                      "MainWndNPosTop",   "MainWndNPosRight", "MainWndNPosBottom",
                                      "MainWndTBVisible", "MainWndSBVisible"};
enum PlacementKey
{
    Flags,
    ShowCmd,
    Left,
    Top,
    Right,
    Bottom,
    TBVisible,
    SBVisible
};

// The toolbar's search field asks only for a small width, so the buttons
// keep their room on a narrow window; it grows with the window.
class SettingsSearchField : public QLineEdit
{
public:
    using QLineEdit::QLineEdit;
    QSize sizeHint() const override
    {
        QSize hint = QLineEdit::sizeHint();
        hint.setWidth(minimumWidth());
        return hint;
    }
};

// Swallows tool tips: the toolbar explains its buttons through the status
// bar's fly-by prompts.
class NoToolTips : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ToolTip)
            return true;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

Cwm_MainBaseWnd::Cwm_MainBaseWnd(gui::CommandRegistry& commands, AdminSettings& settings,
                                 QWidget* parent)
    : QMainWindow(parent), m_commands(commands), m_settings(settings)
{
    setObjectName(QStringLiteral("MainWnd"));
    setWindowTitle(gui::uiText("common.caption", English));
    setWindowIcon(applicationIcon());
    setContextMenuPolicy(Qt::NoContextMenu);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(defaultRect(screen->geometry()));

    m_client = new QWidget(this);
    m_clientLayout = new QVBoxLayout(m_client);
    m_clientLayout->setContentsMargins(0, kToolBarGap, 0, 0);
    setCentralWidget(m_client);

    auto* status = statusBar();
    status->setSizeGripEnabled(true);
    for (int i = 0; i < kPaneCount; ++i) {
        auto* pane = new QLabel(status);
        pane->setTextFormat(Qt::PlainText);
        pane->setObjectName(QStringLiteral("pane%1").arg(i));
        m_panes[static_cast<std::size_t>(i)] = pane;
        if (i == MessagePane)
            status->addWidget(pane, 1);
        else
            status->addPermanentWidget(pane);
    }
    const QFontMetrics metrics(m_panes[LockedPane]->font());
    m_lockKeyTimer = new QTimer(this);
    connect(m_lockKeyTimer, &QTimer::timeout, this, &Cwm_MainBaseWnd::updateLockKeyPanes);
    m_panes[ProgressPane]->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("XXXXXXXXXX")));

    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("AppToolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->toggleViewAction()->setVisible(false);
    addToolBar(Qt::TopToolBarArea, m_toolBar);

    m_commands.setHandler(c::ToggleToolbar, [this] { setToolBarShown(!isToolBarShown()); });
    m_commands.setChecked(c::ToggleToolbar, [this] { return isToolBarShown(); });
    m_commands.setHandler(c::ToggleStatusBar, [this] { setStatusBarShown(!isStatusBarShown()); });
    m_commands.setChecked(c::ToggleStatusBar, [this] { return isStatusBarShown(); });
    connect(&m_commands, &gui::CommandRegistry::stateChanged, this,
            &Cwm_MainBaseWnd::updateCommandStates);

    buildToolBar();
    applyAccelerators();
    setLockedPaneOn(false);
    setPaneTextId(MessagePane, c::ReadyPrompt);
    updateCommandStates();
    setLockKeyProbe(systemLockKeyProbe());
}

Cwm_MainBaseWnd::~Cwm_MainBaseWnd()
{
    if (m_busyCursor)
        QApplication::restoreOverrideCursor();
}

QRect Cwm_MainBaseWnd::defaultRect(const QRect& screen)
{
    return QRect(QPoint(20, 20), QPoint(screen.width() - 20 - 1, screen.height() - 70 - 1));
}

QAction* Cwm_MainBaseWnd::ensureAction(int commandId)
{
    if (auto it = m_actions.find(commandId); it != m_actions.end())
        return it->second;
    auto* action = new QAction(this);
    action->setData(commandId);
    action->setObjectName(QStringLiteral("command%1").arg(commandId));
    action->setShortcutContext(Qt::WindowShortcut);
    action->setEnabled(false);
    connect(action, &QAction::triggered, this, [this, commandId] { m_commands.run(commandId); });
    addAction(action); // its accelerators work even when no menu shows it
    m_actions.emplace(commandId, action);
    return action;
}

QAction* Cwm_MainBaseWnd::action(int commandId) const
{
    auto it = m_actions.find(commandId);
    return it == m_actions.end() ? nullptr : it->second;
}

void Cwm_MainBaseWnd::buildToolBar()
{
    for (int id : menu::toolbarButtons()) {
        if (id == 0) {
            m_toolBar->addSeparator();
            continue;
        }
        m_toolBar->addAction(ensureAction(id));
    }
    updateToolBarIcons();
    addSettingsSearch();
    // Tool tips arrive at the buttons, not at the bar.
    auto* noToolTips = new NoToolTips(m_toolBar);
    for (QWidget* button : m_toolBar->findChildren<QWidget*>())
        button->installEventFilter(noToolTips);
}

void Cwm_MainBaseWnd::updateToolBarIcons()
{
    for (int id : menu::toolbarButtons())
        if (id != 0)
            ensureAction(id)->setIcon(toolbarIcon(id, palette()));
}

void Cwm_MainBaseWnd::addSettingsSearch()
{
    m_toolBar->addSeparator();
    m_settingsSearch = new SettingsSearchField(m_toolBar);
    m_settingsSearch->setObjectName(QStringLiteral("settingsSearch"));
    m_settingsSearch->setClearButtonEnabled(true);
    const int charWidth = m_settingsSearch->fontMetrics().averageCharWidth();
    m_settingsSearch->setMinimumWidth(charWidth * 10);
    m_settingsSearch->setMaximumWidth(charWidth * 32);
    m_settingsSearch->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_toolBar->addWidget(m_settingsSearch);
    connect(m_settingsSearch, &QLineEdit::returnPressed, this,
            [this] { m_commands.runWithText(c::AllSettings, m_settingsSearch->text()); });
    auto* focusSearch = new QAction(this);
    focusSearch->setObjectName(QStringLiteral("focusSettingsSearch"));
    focusSearch->setShortcut(QKeySequence(QStringLiteral("Ctrl+K")));
    focusSearch->setShortcutContext(Qt::WindowShortcut);
    connect(focusSearch, &QAction::triggered, this, [this] {
        if (!isToolBarShown())
            setToolBarShown(true);
        // A toolbar too narrow for the field: the browser opens at once.
        if (!m_settingsSearch->isVisible()) {
            m_commands.run(c::AllSettings);
            return;
        }
        m_settingsSearch->setFocus(Qt::ShortcutFocusReason);
        m_settingsSearch->selectAll();
    });
    addAction(focusSearch);
}

void Cwm_MainBaseWnd::applyAccelerators()
{
    std::map<int, QList<QKeySequence>> keys;
    for (const menu::Accelerator& accelerator : menu::accelerators())
        keys[accelerator.commandId].append(QKeySequence(QString::fromLatin1(accelerator.keys)));
    for (auto& [id, sequences] : keys)
        ensureAction(id)->setShortcuts(sequences);
}

namespace {

void addEntries(QMenu* menu, std::span<const menu::Entry> entries, int language,
                const std::function<QAction*(int)>& actionFor,
                const std::function<void(QMenu*)>& onMenu)
{
    for (const menu::Entry& entry : entries) {
        switch (entry.kind) {
        case menu::EntryKind::Separator:
            menu->addSeparator();
            break;
        case menu::EntryKind::Submenu: {
            QMenu* sub = menu->addMenu(gui::toQString(menu::entryLabel(entry, language)));
            onMenu(sub);
            addEntries(sub, entry.children, language, actionFor, onMenu);
            break;
        }
        case menu::EntryKind::Command:
            menu->addAction(actionFor(entry.commandId));
            break;
        }
    }
}

} // namespace

void Cwm_MainBaseWnd::installMenu(int languageIndex)
{
    m_language = languageIndex;
    ++m_menuInstalls;
    QMenuBar* bar = menuBar();
    bar->clear();
    const auto actionFor = [this](int id) { return ensureAction(id); };
    const auto onMenu = [this](QMenu* menu) {
        connect(menu, &QMenu::aboutToShow, this, &Cwm_MainBaseWnd::updateCommandStates);
    };
    for (const menu::Entry& top : menu::mainMenu()) {
        QMenu* menu = bar->addMenu(gui::toQString(menu::entryLabel(top, languageIndex)));
        onMenu(menu);
        addEntries(menu, top.children, languageIndex, actionFor, onMenu);
    }
    for (int id : menu::menuCommands()) {
        QAction* action = ensureAction(id);
        action->setText(gui::toQString(text(menu::labelTextId(id), languageIndex)));
    }
    for (auto& [id, action] : m_actions) {
        const QString prompt = gui::toQString(commandPrompt(id, languageIndex));
        action->setStatusTip(prompt);
        if (action->text().isEmpty())
            action->setText(prompt);
        action->setIconText(gui::toQString(menu::withoutAccessKey(action->text().toStdString())));
    }
    m_settingsSearch->setPlaceholderText(gui::uiText("app.settingsSearch", languageIndex));
    m_settingsSearch->setAccessibleName(m_settingsSearch->placeholderText());
    // Qt's button for the tools a narrow (or scaled) window cannot show.
    if (auto* more = m_toolBar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(gui::uiText("app.toolbar.more", languageIndex));
    setPaneTextId(MessagePane, c::ReadyPrompt);
    updateLockKeyPanes();
    updateCommandStates();
}

void Cwm_MainBaseWnd::updateCommandStates()
{
    for (auto& [id, action] : m_actions) {
        action->setEnabled(m_commands.isEnabled(id));
        if (m_commands.hasLabel(id)) {
            const QString label = m_commands.label(id);
            action->setText(
                label.isEmpty() ? gui::toQString(text(menu::labelTextId(id), m_language)) : label);
        }
        const bool checkable = m_commands.isCheckable(id);
        action->setCheckable(checkable);
        if (checkable)
            action->setChecked(m_commands.isChecked(id));
    }
}

// --- status bar -------------------------------------------------------------

void Cwm_MainBaseWnd::setPaneText(int paneIndex, const QString& text)
{
    if (paneIndex < 0 || paneIndex >= kPaneCount)
        return;
    QLabel* pane = m_panes[static_cast<std::size_t>(paneIndex)];
    pane->setText(text);
    pane->repaint();
}

void Cwm_MainBaseWnd::setPaneTextId(int paneIndex, int stringId)
{
    setPaneText(paneIndex, gui::toQString(commandPrompt(stringId, m_language)));
}

QString Cwm_MainBaseWnd::paneText(int paneIndex) const
{
    if (paneIndex < 0 || paneIndex >= kPaneCount)
        return {};
    return m_panes[static_cast<std::size_t>(paneIndex)]->text();
}

void Cwm_MainBaseWnd::setLockedPaneOn(bool on)
{
    QLabel* pane = m_panes[LockedPane];
    const QString locked = gui::toQString(commandPrompt(c::PaneLocked, m_language));
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(locked) + 4);
    setPaneText(LockedPane, on ? locked : QString());
}

void Cwm_MainBaseWnd::showReady()
{
    setPaneTextId(MessagePane, c::ReadyPrompt);
}

void Cwm_MainBaseWnd::setLockKeyProbe(LockKeyProbe probe)
{
    m_lockKeyProbe = std::move(probe);
    const bool reported = m_lockKeyProbe && (m_lockKeyProbe(LockKey::CapsLock).has_value() ||
                                             m_lockKeyProbe(LockKey::NumLock).has_value());
    if (reported)
        m_lockKeyTimer->start(kLockKeyPollMs);
    else
        m_lockKeyTimer->stop();
    updateLockKeyPanes();
}

void Cwm_MainBaseWnd::updateLockKeyPanes()
{
    const std::pair<int, LockKey> panes[] = {{CapsPane, LockKey::CapsLock},
                                             {NumPane, LockKey::NumLock}};
    for (const auto& [pane, key] : panes) {
        const QString on = gui::toQString(
            commandPrompt(key == LockKey::CapsLock ? c::PaneCapsLock : c::PaneNumLock, m_language));
        QLabel* label = m_panes[static_cast<std::size_t>(pane)];
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(on) + 4);
        // A key whose state the platform does not report leaves its pane blank.
        const std::optional<bool> state =
            m_lockKeyProbe ? m_lockKeyProbe(key) : std::optional<bool>();
        const QString text = state.value_or(false) ? on : QString();
        if (label->text() != text)
            label->setText(text);
    }
}

void Cwm_MainBaseWnd::beginProgress(int expectedCount)
{
    if (!m_progress) {
        m_progress = new QProgressBar(m_panes[ProgressPane]);
        m_progress->setTextVisible(false);
    }
    m_progress->setRange(1, kProgressSteps);
    m_progress->setValue(1);
    m_progress->setGeometry(m_panes[ProgressPane]->rect());
    m_progress->show();
    m_itemsPerStep = std::max(1, expectedCount / kProgressSteps);
    m_itemsInStep = 0;
    if (!m_busyCursor) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_busyCursor = true;
    }
}

void Cwm_MainBaseWnd::stepProgress()
{
    if (!m_progress)
        return;
    if (++m_itemsInStep >= m_itemsPerStep) {
        m_itemsInStep = 0;
        m_progress->setValue(std::min(m_progress->value() + 1, kProgressSteps));
        m_progress->repaint();
    }
}

void Cwm_MainBaseWnd::endProgress()
{
    delete m_progress;
    m_progress = nullptr;
    setPaneTextId(MessagePane, c::ReadyPrompt);
    if (m_busyCursor) {
        QApplication::restoreOverrideCursor();
        m_busyCursor = false;
    }
}

// --- wait dialog --------------------------------------------------------------

void Cwm_MainBaseWnd::showWaitDialog(const QString& caption, const QString& text)
{
    if (!m_waitDlg) {
        m_waitDlg = new gui::Cwm_WaitDlg(this, m_language);
        m_waitDlg->setAttribute(Qt::WA_DeleteOnClose);
        m_waitCancelled = false;
        connect(m_waitDlg, &gui::Cwm_WaitDlg::cancelled, this, [this] { m_waitCancelled = true; });
        m_waitDlg->setWindowTitle(caption);
        m_waitDlg->setText(text);
        m_waitDlg->adjustSize();
        m_waitDlg->move(geometry().center() - m_waitDlg->rect().center());
    } else {
        // A caller that moves on to the next stage keeps one dialog but
        // should not keep the old text.
        m_waitDlg->setWindowTitle(caption);
        m_waitDlg->setText(text);
    }
    m_waitDlg->show();
    m_waitDlg->raise();
    m_waitDlg->activateWindow();
    m_waitDlg->repaint();
}

void Cwm_MainBaseWnd::closeWaitDialog()
{
    if (m_waitDlg) {
        m_waitDlg->close();
        delete m_waitDlg.data();
    }
}

bool Cwm_MainBaseWnd::waitDialogCancelled()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    runIdleWork();
    return m_waitCancelled;
}

gui::Cwm_WaitDlg* Cwm_MainBaseWnd::waitDialog() const
{
    return m_waitDlg.data();
}

void Cwm_MainBaseWnd::runIdleWork()
{
    if (m_idleWork)
        m_idleWork();
}

// --- bars and client area -------------------------------------------------------

bool Cwm_MainBaseWnd::isToolBarShown() const
{
    return !m_toolBar->isHidden();
}

bool Cwm_MainBaseWnd::isStatusBarShown() const
{
    return !statusBar()->isHidden();
}

void Cwm_MainBaseWnd::setToolBarShown(bool shown)
{
    m_toolBar->setVisible(shown);
    fitClientArea();
    updateCommandStates();
}

void Cwm_MainBaseWnd::setStatusBarShown(bool shown)
{
    statusBar()->setVisible(shown);
    fitClientArea();
    updateCommandStates();
}

void Cwm_MainBaseWnd::fitClientArea()
{
    m_clientLayout->setContentsMargins(0, isToolBarShown() ? kToolBarGap : 0, 0, 0);
    // Lay out now, not on the next event loop pass: callers look at the
    // client area right after a bar was toggled.
    if (layout())
        layout()->activate();
    m_clientLayout->activate();
}

void Cwm_MainBaseWnd::setClientWidget(QWidget* widget)
{
    if (m_clientWidget) {
        m_clientLayout->removeWidget(m_clientWidget);
        delete m_clientWidget;
    }
    m_clientWidget = widget;
    if (widget) {
        widget->setParent(m_client);
        m_clientLayout->addWidget(widget);
        widget->show();
    }
}

// --- events and placement ----------------------------------------------------------

bool Cwm_MainBaseWnd::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        // Fly-by prompts go to the message pane; leaving an item shows
        // "Ready" again.
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        if (tip.isEmpty())
            setPaneTextId(MessagePane, c::ReadyPrompt);
        else
            setPaneText(MessagePane, tip);
        return true;
    }
    // The desktop switched between a light and a dark palette.
    if (event->type() == QEvent::PaletteChange)
        updateToolBarIcons();
    return QMainWindow::event(event);
}

void Cwm_MainBaseWnd::showEvent(QShowEvent* event)
{
    if (m_firstShow) {
        m_firstShow = false;
        restorePlacement();
    }
    QMainWindow::showEvent(event);
}

void Cwm_MainBaseWnd::closeEvent(QCloseEvent* event)
{
    savePlacement();
    QMainWindow::closeEvent(event);
}

void Cwm_MainBaseWnd::restorePlacement()
{
    int values[8];
    for (int i = 0; i < 8; ++i) {
        values[i] = m_settings.readInt(QString::fromLatin1(kPlacementKeys[i]), -1);
        if (values[i] == -1)
            return;
    }
    QRect screen(0, 0, 1024, 768);
    if (QScreen* primary = QGuiApplication::primaryScreen())
        screen = primary->geometry();
    const int icon = style()->pixelMetric(QStyle::PM_LargeIconSize);
    const bool onScreen =
        values[Left] <= screen.width() - icon && values[Top] <= screen.height() - icon;
    // An empty rectangle would make the window vanish: keep the default.
    const bool usable = values[Right] > values[Left] && values[Bottom] > values[Top];
    if (onScreen && usable) {
        setGeometry(QRect(QPoint(values[Left], values[Top]),
                          QPoint(values[Right] - 1, values[Bottom] - 1)));
        Qt::WindowStates state = Qt::WindowNoState;
        if (values[ShowCmd] == kShowMaximized)
            state = Qt::WindowMaximized;
        else if (values[ShowCmd] == kShowMinimized)
            state = (values[Flags] & kRestoreToMaximized)
                        ? Qt::WindowMinimized | Qt::WindowMaximized
                        : Qt::WindowMinimized;
        setWindowState(state);
    }
    m_toolBar->setVisible(values[TBVisible] != 0);
    statusBar()->setVisible(values[SBVisible] != 0);
    fitClientArea();
    updateCommandStates();
}

void Cwm_MainBaseWnd::savePlacement()
{
    const Qt::WindowStates state = windowState();
    int showCmd = kShowNormal;
    int flags = 0;
    if (state & Qt::WindowMinimized) {
        showCmd = kShowMinimized;
        if (state & Qt::WindowMaximized)
            flags = kRestoreToMaximized;
    } else if (state & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
        showCmd = kShowMaximized;
    }
    QRect normal = geometry();
    if (state & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) {
        if (normalGeometry().isValid())
            normal = normalGeometry();
    }
    const int values[8] = {flags,
                           showCmd,
                           normal.left(),
                           normal.top(),
                           normal.left() + normal.width(),
                           normal.top() + normal.height(),
                           isToolBarShown() ? 1 : 0,
                           isStatusBarShown() ? 1 : 0};
    for (int i = 0; i < 8; ++i)
        m_settings.writeInt(QString::fromLatin1(kPlacementKeys[i]), values[i]);
}

} // namespace morva::app
