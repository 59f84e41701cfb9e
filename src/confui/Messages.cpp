#include "confui/Messages.h"

#include "gui/MessageBox.h"

namespace morva::confui {

void showMessage(QWidget* parent, MessageKind kind, const QString& text)
{
    gui::MessageBox::show(parent, kind, text);
}

bool askYesNo(QWidget* parent, const QString& text)
{
    return gui::MessageBox::show(parent, MessageKind::Question, text) == gui::MessageAnswer::Yes;
}

} // namespace morva::confui
