#pragma once

#include "resources/Texts.h"

#include <QString>
#include <string>
#include <string_view>

namespace morva::confui {

inline QString uiText(std::string_view id, int language)
{
    const std::string_view found = morva::text(id, language);
    return QString::fromUtf8(found.data(), static_cast<qsizetype>(found.size()));
}

// Configuration texts are 8-bit: valid UTF-8 is shown as such, anything
// else as Latin-1, so no byte is lost in either direction.
inline QString fromConfigBytes(const std::string& bytes)
{
    const QString utf8 = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    if (utf8.toUtf8() == QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())))
        return utf8;
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string toConfigBytes(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

inline std::string toStd(const QString& text)
{
    return toConfigBytes(text);
}

inline QString toQ(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace morva::confui
