#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace morva::gui {

// The one mapping between the 8-bit texts of the gateway's files (record
// fields, "Morva.ini" values and comments) and the texts the editors show:
// the rules of config/EightBitText.h applied to QString.
//
// Reading: bytes that are valid UTF-8 and hold a multi-byte character are
// shown as UTF-8 (values written that way keep showing as they did); all
// other bytes are Windows-1252, one character per byte, the five bytes that
// code page leaves open showing as the control characters of their number.
// So every byte string reads as some text.
//
// Writing, eight-bit form: one Windows-1252 byte per character, the 8-bit
// character set the gateway reads for the five languages. A character
// outside it cannot be stored, nor a text whose bytes would read back as
// UTF-8, that is as another text. UTF-8 form (lists the configuration keeps
// as UTF-8): every character of the Basic Multilingual Plane.
//
// An unchanged text keeps its bytes: given the bytes it was read from,
// encode() returns them as they are, so reading and writing back is
// byte-exact whatever form the bytes had.
class FileTextCodec
{
public:
    enum class Form
    {
        EightBit,
        Utf8,
    };

    FileTextCodec() = default;
    explicit FileTextCodec(Form form) : m_form(form) {}

    Form form() const { return m_form; }

    static QString decode(std::string_view bytes);

    // The bytes of `text`, or `original` when that reads as `text`. A
    // character that cannot be stored becomes "?": refuse it first.
    std::string encode(const QString& text, std::string_view original = {}) const;

    // Why `text` cannot be stored, in the language; empty when it can (or
    // when `original` reads as `text`).
    QString refusal(const QString& text, int language, std::string_view original = {}) const;

private:
    // The first character (or, for an ambiguous text, the whole text) that
    // cannot be stored; empty when everything can.
    QString unstorable(const QString& text, bool* readsBackOtherwise) const;

    Form m_form = Form::EightBit;
};

} // namespace morva::gui
