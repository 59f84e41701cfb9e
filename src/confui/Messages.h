#pragma once

#include "confui/Catalogue.h"

#include <QString>
#include <functional>

class QWidget;

namespace morva::confui {

// The sheets' message boxes (caption "Morva Admin", icon by kind, plain text).
void showMessage(QWidget* parent, MessageKind kind, const QString& text);
// A Yes/No question; true for Yes.
bool askYesNo(QWidget* parent, const QString& text);

// Tests answer the boxes here: the handler gets every message (question
// true for Yes/No) and returns the answer (true = Yes). Empty: real boxes.
using MessageHandler = std::function<bool(MessageKind kind, const QString& text, bool question)>;
void setMessageHandler(MessageHandler handler);

} // namespace morva::confui
