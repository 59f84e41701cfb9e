#include "confui/FieldChecks.h"

#include "confui/EntryChecks.h"
#include "confui/Messages.h"
#include "confui/QtTexts.h"
#include "db/EmailAddressCheck.h"

#include <QLineEdit>

namespace morva::confui {

QString languagePrefix(int language)
{
    static const char* const prefixes[] = {"ENG_", "DEU_", "FRA_", "ITA_", "SPA_"};
    return QString::fromLatin1(prefixes[language >= 0 && language < 5 ? language : 0]);
}

QString invalidEmailMessage(int language)
{
    return uiText("confui.invalidEmail", language) + QLatin1Char('\n') +
           uiText("confui.emailFormat", language) + uiText("confui.emailSample", language);
}

bool isValidEmail(const QString& address)
{
    return db::isValidEmailAddress(toStd(address));
}

QString checkFailure(const QString& value, FieldCheck check, int language)
{
    QString failure;
    switch (check) {
    case FieldCheck::NotBlank:
        if (value.trimmed().isEmpty())
            failure = uiText("confui.blankField", language);
        break;
    case FieldCheck::Email:
        if (!value.isEmpty() && !isValidEmail(value))
            failure = invalidEmailMessage(language);
        break;
    case FieldCheck::IpAddress:
        if (!isValidIpAddressField(toStd(value)))
            failure = uiText("confui.invalidIp", language);
        break;
    default:
        break;
    }
    return failure;
}

bool checkField(QWidget* parent, QLineEdit* edit, FieldCheck check, int language)
{
    const QString failure = checkFailure(edit->text(), check, language);
    if (failure.isEmpty())
        return true;
    showMessage(parent, MessageKind::Refused, failure);
    edit->setFocus();
    edit->selectAll();
    return false;
}

bool checkStorable(QWidget* parent, QLineEdit* edit, std::string_view original, int language)
{
    const QString refusal = gui::FileTextCodec().refusal(edit->text(), language, original);
    if (refusal.isEmpty())
        return true;
    showMessage(parent, MessageKind::Refused, refusal);
    edit->setFocus();
    edit->selectAll();
    return false;
}

} // namespace morva::confui
