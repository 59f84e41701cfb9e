#include "confui/Messages.h"

#include <QMessageBox>

namespace morva::confui {

namespace {
QMessageBox::Icon iconOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Failure:
        return QMessageBox::Critical;
    case MessageKind::Refused:
        return QMessageBox::Warning;
    case MessageKind::Notice:
        break;
    }
    return QMessageBox::Information;
}

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
    QMessageBox box(iconOf(kind), QStringLiteral("Morva Admin"), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool askYesNo(QWidget* parent, const QString& text)
{
    if (handler())
        return handler()(MessageKind::Notice, text, true);
    QMessageBox box(QMessageBox::Question, QStringLiteral("Morva Admin"), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Yes;
}

} // namespace morva::confui
