#pragma once

#include "confui/Catalogue.h"

#include <QString>
#include <string_view>

class QLineEdit;
class QWidget;

namespace morva::confui {

// "ENG_", "DEU_", ... : the template prefix of a language.
QString languagePrefix(int language);

// Checks a text field on read-back: NotBlank, Email (empty passes) and
// IpAddress (empty passes). On failure shows the check's message, puts the
// focus on the field and returns false. Other checks pass here.
bool checkField(QWidget* parent, QLineEdit* edit, FieldCheck check, int language);
// The message checkField would show for `value`; empty when it passes.
QString checkFailure(const QString& value, FieldCheck check, int language);

// Checks that a text field can be written to "Morva.ini": a text changed
// from the one `original` reads as must hold only characters the file can.
// On failure shows why, puts the focus on the field and returns false.
bool checkStorable(QWidget* parent, QLineEdit* edit, std::string_view original, int language);

// "Please enter a valid SMTP address!" with the sample format line.
QString invalidEmailMessage(int language);

bool isValidEmail(const QString& address);

} // namespace morva::confui
