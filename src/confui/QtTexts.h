#pragma once

#include "gui/FileTextCodec.h"
#include "gui/Text.h"

#include <QString>
#include <string>
#include <string_view>

namespace morva::confui {

using gui::uiText;

// Configuration texts are 8-bit, read and written through the console's one
// file text codec (see FileTextCodec for the forms).
inline QString fromConfigBytes(const std::string& bytes)
{
    return gui::FileTextCodec::decode(bytes);
}

// The 8-bit form of a text for "Morva.ini" or a path; callers refuse what
// cannot be stored first, and keep the bytes of an unchanged text.
inline std::string toConfigBytes(const QString& text)
{
    return gui::FileTextCodec().encode(text);
}

// UTF-8: a lossless form for passing texts between the console's own parts
// (never written to a file as such).
inline std::string toStd(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

inline QString toQ(std::string_view text)
{
    return gui::toQString(text);
}

} // namespace morva::confui
