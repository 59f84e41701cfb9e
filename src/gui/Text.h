#pragma once

#include "resources/Texts.h"

#include <QString>
#include <initializer_list>
#include <string_view>

namespace morva::gui {

inline QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The catalogue text `id` in a language, as a QString.
QString uiText(std::string_view id, int language);

// The same with its placeholders %1, %2, ... filled from `arguments` in one
// pass (an argument that holds "%2" itself stays as it is).
QString uiText(std::string_view id, int language, std::initializer_list<QString> arguments);

} // namespace morva::gui
