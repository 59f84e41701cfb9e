#include "gui/FileTextCodec.h"

#include <gtest/gtest.h>

using morva::gui::FileTextCodec;
using Form = FileTextCodec::Form;

namespace {

QString q(const char16_t* text)
{
    return QString::fromUtf16(text);
}

} // namespace

TEST(FileTextCodec, EveryByteStringReadsAsATextThatWritesBackAsTheSameBytes)
{
    const FileTextCodec codec;
    for (int byte = 0; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        EXPECT_EQ(codec.encode(FileTextCodec::decode(one)), one) << byte;
        EXPECT_TRUE(codec.refusal(FileTextCodec::decode(one), 0).isEmpty()) << byte;
    }
    EXPECT_EQ(FileTextCodec::decode("\x80\x81\x9C\xFC"), q(u"\u20AC\u0081\u0153\u00FC"))
        << "Windows-1252, the open bytes as their control characters";
    EXPECT_EQ(FileTextCodec::decode("Z\xC3\xBCrich \xC5\x81"), q(u"Z\u00FCrich \u0141"))
        << "valid UTF-8 reads as UTF-8";
    for (const std::string bytes :
         {"\xC3(", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "a\xE2\x82"})
        EXPECT_EQ(codec.encode(FileTextCodec::decode(bytes)), bytes)
            << "not UTF-8: 8-bit, byte for byte";

    // Bytes in UTF-8 form write back as they are while the text is unchanged.
    const std::string utf8 = "\xC5\x81ukasz";
    EXPECT_EQ(codec.encode(FileTextCodec::decode(utf8), utf8), utf8);
    EXPECT_TRUE(codec.refusal(FileTextCodec::decode(utf8), 0, utf8).isEmpty());
    EXPECT_EQ(codec.encode(q(u"Anna"), utf8), "Anna");
}

TEST(FileTextCodec, RefusesWhatTheGatewayWouldNotReadBackInItsLanguage)
{
    const FileTextCodec codec;
    EXPECT_EQ(codec.encode(q(u"Gr\u00FC\u00DFe \u20AC \u0152")), "Gr\xFC\xDF"
                                                                 "e \x80 \x8C");
    EXPECT_TRUE(codec.refusal(q(u"Gr\u00FC\u00DFe \u20AC"), 0).isEmpty());

    EXPECT_EQ(codec.refusal(q(u"\u0141ukasz"), 0),
              q(u"The character \"\u0141\" cannot be stored: the gateway's files hold Western "
                u"European characters (Windows-1252) only!"));
    EXPECT_TRUE(codec.refusal(q(u"\u0141ukasz"), 1).startsWith(q(u"Das Zeichen \"\u0141\"")));
    EXPECT_EQ(codec.encode(q(u"\u0141ukasz")), "?ukasz") << "only after a refusal was ignored";
    EXPECT_TRUE(codec.refusal(q(u"\u0080"), 0).contains(q(u"\"\u0080\""))) << "0x80 is the euro";
    EXPECT_TRUE(codec.refusal(q(u"x\U0001F600"), 0).contains(q(u"\"\U0001F600\"")));
    EXPECT_EQ(codec.refusal(q(u"\u00C3\u00A9t"), 0),
              q(u"The text \"\u00C3\u00A9t\" cannot be stored: the gateway's files would read "
                u"it back as \"\u00E9t\"!"));
    EXPECT_TRUE(codec.refusal(q(u"\u00C3\u00A9t\u00E9"), 0).isEmpty())
        << "its bytes are no valid UTF-8, so they read back as typed";

    const FileTextCodec utf8(Form::Utf8);
    EXPECT_EQ(utf8.encode(q(u"\u0141\u00F3d\u017A")), "\xC5\x81\xC3\xB3"
                                                      "d\xC5\xBA");
    EXPECT_TRUE(utf8.refusal(q(u"\u00C3\u00A9 \u0141"), 0).isEmpty());
    EXPECT_EQ(utf8.refusal(q(u"\U0001F600"), 0),
              q(u"The character \"\U0001F600\" cannot be stored in this list!"));
}
