#include "gui/MessageBox.h"

#include "gui/Text.h"
#include "resources/Texts.h"

#include <QMessageBox>
#include <QPushButton>

namespace morva::gui {

namespace {

int g_language = English;
MessageBox::Handler g_handler;

QString localised(std::string_view id)
{
    return uiText(id, g_language);
}

QMessageBox::Icon iconFor(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Failure:
        return QMessageBox::Critical;
    case MessageKind::Refused:
        return QMessageBox::Warning;
    case MessageKind::Question:
        return QMessageBox::Question;
    case MessageKind::Notice:
        break;
    }
    return QMessageBox::Information;
}

} // namespace

QString MessageBox::caption()
{
    return localised("common.caption");
}

void MessageBox::setLanguage(int languageIndex)
{
    g_language = languageIndex;
}

int MessageBox::language()
{
    return g_language;
}

void MessageBox::setHandler(Handler handler)
{
    g_handler = std::move(handler);
}

MessageAnswer MessageBox::showText(QWidget* parent, MessageKind kind, std::string_view textId)
{
    return show(parent, kind, localised(textId));
}

MessageAnswer MessageBox::show(QWidget* parent, MessageKind kind, const QString& text)
{
    if (g_handler)
        return g_handler(MessageRequest{parent, kind, text});

    QMessageBox box(iconFor(kind), caption(), text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    if (kind == MessageKind::Question) {
        QPushButton* yes = box.addButton(localised("app.button.yes"), QMessageBox::YesRole);
        box.addButton(localised("app.button.no"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.exec();
        return box.clickedButton() == yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    QPushButton* ok = box.addButton(localised("app.button.ok"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return MessageAnswer::Ok;
}

ScopedMessageCatcher::ScopedMessageCatcher(MessageAnswer answer) : m_answer(answer)
{
    MessageBox::setHandler([this](const MessageRequest& request) {
        m_messages.push_back(request);
        if (request.kind != MessageKind::Question)
            return MessageAnswer::Ok;
        return m_answer == MessageAnswer::No ? MessageAnswer::No : MessageAnswer::Yes;
    });
}

ScopedMessageCatcher::~ScopedMessageCatcher()
{
    MessageBox::setHandler({});
}

} // namespace morva::gui
