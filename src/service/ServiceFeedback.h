#pragma once

#include <string>

namespace morva::service {

// How the service operations talk to their user: message boxes, the wait
// dialog of the stop loop and the busy cursor. The dialog implements it with
// widgets, morvactl on its streams, tests with a recording fake.
class ServiceFeedback
{
public:
    enum class MessageKind
    {
        Failure,
        Information
    };

    virtual ~ServiceFeedback() = default;

    // A message box (caption "Morva Admin", OK) with the text already in the
    // user's language.
    virtual void showMessage(MessageKind kind, const std::string& text) = 0;
    // Opens the wait dialog (caption "Morva Admin") with `text`.
    virtual void openWait(const std::string& text) = 0;
    // Lets pending events run; true once the user has pressed Cancel in the
    // wait dialog.
    virtual bool waitCancelled() = 0;
    virtual void closeWait() = 0;
    virtual void beginBusy() {}
    virtual void endBusy() {}
};

} // namespace morva::service
