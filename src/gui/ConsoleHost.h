#pragma once

class QString;
class QWidget;

namespace morva::gui {

// What a feature's dialogs may ask of the console around them: the window
// they belong to, the status bar (message pane, "Locked" pane, progress pane)
// and the one wait dialog. The application implements it over its main
// window; before the window exists (and in tests without one) the calls do
// nothing and parentWindow() is null. GUI thread only.
class ConsoleHost
{
public:
    virtual ~ConsoleHost() = default;

    // The parent of the features' dialogs and message boxes; may be null.
    virtual QWidget* parentWindow() const = 0;

    // The message pane of the status bar.
    virtual void setStatusText(const QString& text) = 0;
    // Puts the idle text ("Ready") back into the message pane.
    virtual void showReady() = 0;
    // Shows "Locked" while the record data lock is held.
    virtual void setLockedIndicator(bool on) = 0;

    // A progress bar over the progress pane for `expectedCount` items, with a
    // busy cursor until endProgress (which also shows "Ready").
    virtual void beginProgress(int expectedCount) = 0;
    virtual void stepProgress() = 0;
    virtual void endProgress() = 0;

    // The modeless wait dialog (one at a time).
    virtual void showWaitDialog(const QString& caption, const QString& text) = 0;
    // Lets pending events run; true once Cancel was pressed on the dialog.
    virtual bool waitDialogCancelled() = 0;
    virtual void closeWaitDialog() = 0;

    // The administrator's own settings of the console (kept per user); a
    // host without them gives the default and keeps nothing.
    virtual int readUserSetting(const char* name, int defaultValue) const
    {
        (void)name;
        return defaultValue;
    }
    virtual bool writeUserSetting(const char* name, int value)
    {
        (void)name;
        (void)value;
        return false;
    }
};

} // namespace morva::gui
