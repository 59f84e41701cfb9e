#pragma once

#include <string_view>

namespace morva::db {

// How the data set talks to its user while it takes the lock: the main
// window's status bar (text, progress pane, "Locked" indicator), the
// modeless wait dialog and message boxes. The GUI implements it over its
// widgets, morvactl on stderr, tests with a recording fake. Every call has a
// do-nothing default.
class DataSetFeedback
{
public:
    enum class MessageKind
    {
        Error,
        Warning,
        Information
    };

    virtual ~DataSetFeedback() = default;

    // Lets pending idle work run before a long operation starts.
    virtual void processPendingWork() {}
    virtual void setWaitCursor(bool shown) {}
    virtual void setStatusText(std::string_view text) {}
    // Puts the idle text ("Ready") back into the status bar.
    virtual void restoreIdleStatus() {}
    virtual void setLockedIndicator(bool shown) {}
    virtual void beginProgress(int low, int high, int step) {}
    virtual void stepProgress() {}
    // Sets the progress bar to its end and removes it.
    virtual void endProgress() {}
    virtual void showWaitDialog(std::string_view caption, std::string_view text) {}
    // Lets the wait dialog process its messages; true once Cancel was pressed.
    virtual bool waitDialogCancelled() { return false; }
    virtual void closeWaitDialog() {}
    // Asked between the short sleeps of a wait (the GUI pumps its messages
    // here); true ends the wait early because the application is closing.
    virtual bool shuttingDown() { return false; }
    virtual void showMessage(MessageKind kind, std::string_view text) {}
};

} // namespace morva::db
