#pragma once

#include "platform/UserFeedback.h"

#include <QString>
#include <functional>
#include <string_view>
#include <vector>

class QWidget;

namespace morva::gui {

// What a message is about; it chooses the icon (Failure: stop, Refused:
// exclamation, Notice: information, Question: question) and the buttons
// (Yes and No for a question, else OK).
using platform::MessageKind;

enum class MessageAnswer
{
    Ok,
    Yes,
    No
};

struct MessageRequest
{
    QWidget* parent = nullptr;
    MessageKind kind = MessageKind::Notice;
    QString text;
};

// Every message box of the console goes through here: caption "Morva Admin",
// icon and buttons by kind, button texts in the current language, and the
// text always as plain text (messages often quote file contents or names).
// GUI thread only.
class MessageBox
{
public:
    using Handler = std::function<MessageAnswer(const MessageRequest&)>;

    static MessageAnswer show(QWidget* parent, MessageKind kind, const QString& text);
    // The catalogue text `textId` in the current language.
    static MessageAnswer showText(QWidget* parent, MessageKind kind, std::string_view textId);

    // The language of the button texts and of showText (LanguageIndex).
    static void setLanguage(int languageIndex);
    static int language();

    // Replaces the real boxes (tests); an empty handler restores them.
    static void setHandler(Handler handler);

    static QString caption();
};

// Test helper: while it lives, message boxes are recorded instead of shown
// and answered with `answer` (OK for kinds without Yes/No).
class ScopedMessageCatcher
{
public:
    explicit ScopedMessageCatcher(MessageAnswer answer = MessageAnswer::Yes);
    ~ScopedMessageCatcher();
    ScopedMessageCatcher(const ScopedMessageCatcher&) = delete;
    ScopedMessageCatcher& operator=(const ScopedMessageCatcher&) = delete;

    const std::vector<MessageRequest>& messages() const { return m_messages; }
    void setAnswer(MessageAnswer answer) { m_answer = answer; }

private:
    std::vector<MessageRequest> m_messages;
    MessageAnswer m_answer;
};

} // namespace morva::gui
