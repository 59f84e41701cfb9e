#include "confui/FieldChecks.h"

#include "config/EmailAddressCheck.h"
#include "config/ValueRules.h"
#include "confui/Messages.h"
#include "confui/QtTexts.h"

#include <QLineEdit>

namespace morva::confui {

QString languagePrefix(int language)
{
    static const char* const prefixes[] = {"ENG_", "DEU_", "FRA_", "ITA_", "SPA_"};
    return QString::fromLatin1(prefixes[language >= 0 && language < 5 ? language : 0]);
}

QString invalidEmailMessage(int language)
{
    return toQ(config::valueCheckMessage({"confui.invalidEmail", {}}, language));
}

bool isValidEmail(const QString& address)
{
    return config::isValidEmailAddress(toStd(address));
}

QString checkFailure(const QString& value, FieldCheck check, int language)
{
    // Entry dialogs check networks and user names themselves (they also
    // normalise what was typed); every other check is the configuration's.
    if (check == FieldCheck::IpNetwork || check == FieldCheck::NoBlanks ||
        check == FieldCheck::UserPassword || check == FieldCheck::CountryCode)
        return {};
    return toQ(config::valueCheckMessage(config::checkText(check, toStd(value)), language));
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
