#pragma once

#include "config/FileHistory.h"
#include "platform/UserFeedback.h"

#include <string_view>

namespace morva::db {

// How the data set talks to its user while it takes the lock: beside the
// wait (messages, wait dialog, busy cursor), the main window's status bar
// (text, progress pane, "Locked" indicator). The GUI implements it over its
// widgets, morvactl on stderr, tests with a recording fake. Every call has a
// do-nothing default.
class DataSetFeedback : public platform::WaitFeedback
{
public:
    // Lets pending idle work run before a long operation starts.
    virtual void processPendingWork() {}
    virtual void setStatusText(std::string_view text) {}
    // Puts the idle text ("Ready") back into the status bar.
    virtual void restoreIdleStatus() {}
    virtual void setLockedIndicator(bool shown) {}
    virtual void beginProgress(int low, int high, int step) {}
    virtual void stepProgress() {}
    // Sets the progress bar to its end and removes it.
    virtual void endProgress() {}
    // No copy of record file `fileName` could be kept in the history in
    // `directory` before it changed (the change went on). Told once per file
    // until a copy of it is kept again.
    virtual void historyNotKept(std::string_view fileName, config::HistoryProblem problem,
                                platform::FileError error, std::string_view directory)
    {
    }
};

} // namespace morva::db
