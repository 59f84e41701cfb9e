#include "gui/ConsoleWait.h"

#include "gui/Cwm_WaitDlg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMainWindow>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>

namespace morva::gui {

namespace {

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}

// The widget a window-system window belongs to (input and close requests
// reach the window before its widget).
QWidget* widgetOf(QObject* receiver)
{
    if (auto* widget = qobject_cast<QWidget*>(receiver))
        return widget;
    if (auto* window = qobject_cast<QWindow*>(receiver)) {
        for (QWidget* topLevel : QApplication::topLevelWidgets()) {
            if (topLevel->windowHandle() == window)
                return topLevel;
        }
    }
    return nullptr;
}

} // namespace

ConsoleWait& ConsoleWait::instance()
{
    static ConsoleWait* wait = new ConsoleWait; // lives as long as the process
    return *wait;
}

ConsoleWait::Scope::Scope()
{
    instance().enter();
}

ConsoleWait::Scope::~Scope()
{
    instance().leave();
}

void ConsoleWait::interrupt()
{
    emit interrupted();
}

void ConsoleWait::enter()
{
    if (!m_filterInstalled && QCoreApplication::instance()) {
        QCoreApplication::instance()->installEventFilter(this);
        m_filterInstalled = true;
    }
    ++m_depth;
}

void ConsoleWait::leave()
{
    if (--m_depth > 0 || !m_closePending)
        return;
    // The close the user asked for during the wait, now that it is over.
    QTimer::singleShot(0, this, [this] {
        QPointer<QWidget> window = m_closePending;
        m_closePending = nullptr;
        m_shuttingDown = false;
        if (window)
            window->close();
    });
}

bool ConsoleWait::acceptsInput(QObject* receiver) const
{
    QWidget* widget = widgetOf(receiver);
    if (!widget)
        return false;
    QWidget* window = widget->window();
    return qobject_cast<Cwm_WaitDlg*>(window) || qobject_cast<QMessageBox*>(window);
}

QWidget* ConsoleWait::mainWindowOf(QObject* receiver) const
{
    QWidget* widget = widgetOf(receiver);
    return widget && widget->isWindow() ? qobject_cast<QMainWindow*>(widget) : nullptr;
}

bool ConsoleWait::eventFilter(QObject* watched, QEvent* event)
{
    if (m_depth == 0)
        return false;
    if (event->type() == QEvent::Close) {
        QWidget* mainWindow = mainWindowOf(watched);
        if (!mainWindow)
            return false;
        m_closePending = mainWindow;
        m_shuttingDown = true;
        event->ignore();
        emit interrupted();
        return true;
    }
    return isUserInput(event->type()) && !acceptsInput(watched);
}

} // namespace morva::gui
