#pragma once

#include "gui/FileTextCodec.h"
#include "gui/Text.h"

#include <QString>
#include <string>
#include <string_view>

namespace morva::records {

// Record fields and "Morva.ini" values are 8-bit texts, read and written
// through the console's one file text codec: one character is one byte of a
// field's width, and a text read from the file writes back as it stood.
inline QString fromBytes(std::string_view bytes)
{
    return gui::FileTextCodec::decode(bytes);
}

// The bytes of `text` (callers refuse what cannot be stored first), or
// `original` when the text is unchanged.
inline std::string toBytes(const QString& text, std::string_view original = {})
{
    return gui::FileTextCodec().encode(text, original);
}

using gui::uiText;

} // namespace morva::records
