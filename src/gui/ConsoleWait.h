#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace morva::gui {

// What the console does while one of its waits runs (data lock, service
// stop, statistics, a configuration file held by another program). A wait
// lasts while a Scope exists: every sleep of the console's clock holds one,
// and so does every wait dialog. Meanwhile the event loop keeps running
// (windows repaint, timers fire), but user input reaches only the wait
// dialogs and message boxes; input anywhere else is discarded, not kept for
// later, so a click on a greyed button cannot start the operation again once
// the wait is over. Closing the main window during a wait ends the wait: the
// console is then shutting down, and the window closes as soon as no wait
// runs any more. GUI thread only.
class ConsoleWait final : public QObject
{
    Q_OBJECT
public:
    static ConsoleWait& instance();

    class Scope
    {
    public:
        Scope();
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
    };

    bool waiting() const { return m_depth > 0; }
    // The main window was closed during a wait; waits end at once until the
    // deferred close has run.
    bool shuttingDown() const { return m_shuttingDown; }
    // The wait dialog's Cancel: ends the running sleep at once.
    void interrupt();

signals:
    void interrupted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ConsoleWait() = default;
    void enter();
    void leave();
    bool acceptsInput(QObject* receiver) const;
    QWidget* mainWindowOf(QObject* receiver) const;

    int m_depth = 0;
    bool m_filterInstalled = false;
    bool m_shuttingDown = false;
    QPointer<QWidget> m_closePending;
};

} // namespace morva::gui
