#include "confui/Messages.h"

#include "app/MessageBox.h"

namespace morva::confui {

namespace {
MessageHandler& handler()
{
    static MessageHandler current;
    return current;
}
} // namespace

void setMessageHandler(MessageHandler newHandler)
{
    handler() = std::move(newHandler);
}

void showMessage(QWidget* parent, MessageKind kind, const QString& text)
{
    if (handler()) {
        handler()(kind, text, false);
        return;
    }
    const app::MessageKind shown = kind == MessageKind::Failure   ? app::MessageKind::Failure
                                   : kind == MessageKind::Refused ? app::MessageKind::Refused
                                                                  : app::MessageKind::Notice;
    app::MessageBox::show(parent, shown, text);
}

bool askYesNo(QWidget* parent, const QString& text)
{
    if (handler())
        return handler()(MessageKind::Notice, text, true);
    return app::MessageBox::show(parent, app::MessageKind::Question, text) ==
           app::MessageAnswer::Yes;
}

} // namespace morva::confui
