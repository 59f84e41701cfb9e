#pragma once

#include "confui/Catalogue.h"

#include <QString>

class QWidget;

namespace morva::confui {

// The sheets' message boxes (caption "Morva Admin", icon by kind, plain
// text), through the console's one message-box helper.
void showMessage(QWidget* parent, MessageKind kind, const QString& text);
// A Yes/No question; true for Yes.
bool askYesNo(QWidget* parent, const QString& text);

} // namespace morva::confui
