#include "gui/Text.h"

#include <string>
#include <vector>

namespace morva::gui {

QString uiText(std::string_view id, int language)
{
    return toQString(morva::text(id, language));
}

QString uiText(std::string_view id, int language, std::initializer_list<QString> arguments)
{
    std::vector<std::string> utf8;
    for (const QString& argument : arguments)
        utf8.push_back(argument.toStdString());
    // Placeholders past the arguments stay as they are (formatText), so
    // unused slots are filled with the placeholders themselves.
    while (utf8.size() < 4)
        utf8.push_back("%" + std::to_string(utf8.size() + 1));
    const std::string_view text = morva::text(id, language);
    return toQString(formatText(text, {utf8[0], utf8[1], utf8[2], utf8[3]}));
}

} // namespace morva::gui
