#pragma once

#include <string_view>

namespace morva::platform {

// What a message to the user is about; the console chooses icon and buttons
// by it, morvactl its stream.
enum class MessageKind
{
    Failure,  // an operation failed
    Refused,  // input refused
    Notice,   // information
    Question, // Yes or No (the console only)
};

// How the core's long operations (the data lock, the service stop loop) talk
// to their user while they wait: messages, the wait dialog with its Cancel,
// the busy cursor. The console implements it with widgets, morvactl on its
// streams, tests with recording fakes. Every call has a do-nothing default.
class WaitFeedback
{
public:
    virtual ~WaitFeedback() = default;

    // A message box (caption "Morva Admin") with the text already in the
    // user's language.
    virtual void showMessage(MessageKind kind, std::string_view text) {}
    // Opens the wait dialog (caption "Morva Admin") with `text`.
    virtual void openWait(std::string_view text) {}
    // Lets pending events run; true once the user pressed Cancel in the wait
    // dialog.
    virtual bool waitCancelled() { return false; }
    virtual void closeWait() {}
    // The busy cursor; the calls nest.
    virtual void beginBusy() {}
    virtual void endBusy() {}
    // Asked between the short sleeps of a wait (the console pumps its
    // messages here); true ends the wait early because the console is
    // closing.
    virtual bool shuttingDown() { return false; }
};

} // namespace morva::platform
