#pragma once

#include "resources/Texts.h"

#include <QString>
#include <string_view>

namespace morva::app {

inline QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The catalogue text `id` in a language, as a QString.
inline QString qtText(std::string_view id, int languageIndex)
{
    return toQString(morva::text(id, languageIndex));
}

} // namespace morva::app
