#include "gui/FileTextCodec.h"

#include "config/EightBitText.h"
#include "gui/Text.h"

namespace morva::gui {

QString FileTextCodec::decode(std::string_view bytes)
{
    const auto size = static_cast<qsizetype>(bytes.size());
    if (config::isAsciiText(bytes))
        return QString::fromLatin1(bytes.data(), size);
    if (config::isWellFormedUtf8(bytes))
        return QString::fromUtf8(bytes.data(), size);
    // One character per byte, all of them in the Basic Multilingual Plane.
    QString text(size, Qt::Uninitialized);
    QChar* out = text.data();
    for (char c : bytes)
        *out++ =
            QChar(static_cast<char16_t>(config::eightBitCharacter(static_cast<unsigned char>(c))));
    return text;
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
        const int byte = config::eightBitByte(unit);
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
        if (m_form == Form::EightBit && config::eightBitByte(c.unicode()) < 0)
            return QString(c);
    }
    if (m_form == Form::EightBit) {
        if (config::readsBackAsOtherText(encode(text))) {
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
