#include "gui/FileTextCodec.h"

#include "gui/Text.h"

#include <array>
#include <cstdint>

namespace morva::gui {

namespace {

// Windows-1252 from 0x80 to 0x9F; the five bytes the code page leaves open
// keep their own number (as the system's conversion does).
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool isAscii(std::string_view bytes)
{
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

// Well-formed UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    const std::size_t n = bytes.size();
    auto at = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    while (i < n) {
        const unsigned char lead = at(i);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t extra = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
            if (lead == 0xE0)
                low = 0xA0;
            else if (lead == 0xED)
                high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
            if (lead == 0xF0)
                low = 0x90;
            else if (lead == 0xF4)
                high = 0x8F;
        } else {
            return false;
        }
        if (n - i <= extra)
            return false;
        if (at(i + 1) < low || at(i + 1) > high)
            return false;
        for (std::size_t k = 2; k <= extra; ++k)
            if ((at(i + k) & 0xC0) != 0x80)
                return false;
        i += extra + 1;
    }
    return true;
}

QString fromWindows1252(std::string_view bytes)
{
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = QChar(byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : char16_t(byte));
    }
    return text;
}

// The Windows-1252 byte of `unit`, or -1 when the code page has none.
int windows1252Byte(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return unit;
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == unit)
            return static_cast<int>(0x80 + i);
    return -1;
}

} // namespace

QString FileTextCodec::decode(std::string_view bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    if (isUtf8(bytes))
        return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return fromWindows1252(bytes);
}

std::string FileTextCodec::encode(const QString& text, std::string_view original) const
{
    if (!original.empty() && decode(original) == text)
        return std::string(original);
    if (m_form == Form::Utf8) {
        // Characters beyond the Basic Multilingual Plane are not kept there.
        QString kept;
        kept.reserve(text.size());
        for (QChar c : text)
            kept.append(c.isSurrogate() ? QChar(u'?') : c);
        return kept.toUtf8().toStdString();
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text.at(i).unicode();
        const int byte = windows1252Byte(unit);
        bytes.push_back(byte < 0 ? '?' : static_cast<char>(byte));
        if (QChar::isHighSurrogate(unit) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
    }
    return bytes;
}

QString FileTextCodec::unstorable(const QString& text, bool* readsBackOtherwise) const
{
    *readsBackOtherwise = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool pair =
            c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        if (c.isSurrogate())
            return text.mid(i, pair ? 2 : 1);
        if (m_form == Form::EightBit && windows1252Byte(c.unicode()) < 0)
            return QString(c);
    }
    if (m_form == Form::EightBit) {
        const std::string bytes = encode(text);
        if (!isAscii(bytes) && isUtf8(bytes)) {
            *readsBackOtherwise = true;
            return text;
        }
    }
    return {};
}

QString FileTextCodec::refusal(const QString& text, int language, std::string_view original) const
{
    if (!original.empty() && decode(original) == text)
        return {};
    bool readsBackOtherwise = false;
    const QString offending = unstorable(text, &readsBackOtherwise);
    if (offending.isEmpty())
        return {};
    if (readsBackOtherwise)
        return uiText("text.readsBackOtherwise", language).arg(text, decode(encode(text)));
    return uiText(m_form == Form::Utf8 ? "text.notStorableInList" : "text.notStorable", language)
        .arg(offending);
}

} // namespace morva::gui
