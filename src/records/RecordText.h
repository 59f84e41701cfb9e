#pragma once

#include "app/QtText.h"

#include <QString>
#include <string>
#include <string_view>

namespace morva::records {

// Record fields and "Morva.ini" values are 8-bit texts. The editors map
// them byte for byte to and from Latin-1, so a value reads back exactly as
// it stood and one character is one byte of the field's width.
inline QString fromBytes(std::string_view bytes)
{
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string toBytes(const QString& text)
{
    return text.toLatin1().toStdString();
}

inline QString uiText(std::string_view id, int language)
{
    return app::qtText(id, language);
}

} // namespace morva::records
