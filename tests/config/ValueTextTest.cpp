#include "config/ConfigLine.h"
#include "config/IntegerText.h"
#include "config/IpNetwork.h"
#include "config/TextListCodec.h"
#include "config/ValueFlag.h"

#include <gtest/gtest.h>

using namespace morva::config;

TEST(IntegerText, ReadsLikeTheGateway)
{
    const std::pair<const char*, std::int32_t> rows[] = {
        {"42", 42},  {"  -17x", -17},    {"+8", 8},         {"", 0},
        {"abc", 0},  {"4294967295", -1}, {"4294967296", 0}, {"-2147483648", INT32_MIN},
        {"0x1F", 0}, {"\t 12 34", 12},   {"- 5", 0},
    };
    for (const auto& [text, value] : rows)
        EXPECT_EQ(parseIntegerText(text), value) << text;
    EXPECT_EQ(formatIntegerText(-1), "4294967295");
    EXPECT_EQ(formatIntegerText(300), "300");
}

TEST(IpNetwork, ParsesAndWritesNetworkText)
{
    const std::pair<const char*, const char*> rows[] = {
        {"10.1.2.3", "10.1.2.3"},
        {"10.1.2.3/32", "10.1.2.3"},
        {"0.0.0.0/0", "0.0.0.0"}, // a prefix of 0 counts as not given
        {"10", "10.0.0.0/8"},
        {"10.", "10.0.0.0/8"},
        {"10.1", "10.1.0.0/16"},
        {"172.16.5", "172.16.5.0/24"},
        {"192.168.0.0/16", "192.168.0.0/16"},
        {"255.255.255.255", "255.255.255.255"},
        {"::1", "0:0:0:0:0:0:0:1"},
        {"2001:DB8::/32", "2001:db8:0:0:0:0:0:0/32"},
        {"ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff", "ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff"},
        {"1:2:3:4:5:6:7:8/128", "1:2:3:4:5:6:7:8"},
        {"::", "0:0:0:0:0:0:0:0"},
    };
    for (const auto& [text, written] : rows) {
        const IpNetwork net = IpNetwork::parse(text);
        EXPECT_TRUE(net.isValid()) << text;
        EXPECT_EQ(net.toString(), written) << text;
        EXPECT_EQ(IpNetwork::parse(net.toString()), net) << text;
    }
    for (const char* bad : {"", "256.1.1.1", "1.2.3.4.5", "1.2.3.4.", "10/8", "1::2::3", "a.b.c.d",
                            "1:2:3:4:5:6:7:8:9", "12345::", "host.example.com", "1.2.3.4 "}) {
        const IpNetwork net = IpNetwork::parse(bad);
        EXPECT_FALSE(net.isValid()) << bad;
        EXPECT_EQ(net.toString(), bad) << "kept as written";
    }
}

TEST(ValueFlags, NormaliseInFixedOrder)
{
    namespace V = ValueFlag;
    struct Row
    {
        const char* in;
        ValueFlags flags;
        const char* out;
    };
    const Row rows[] = {
        {" keep  ", 0, " keep  "},
        {"MiXed", V::Upper, "MIXED"},
        {"MiXed\xC4", V::Lower, "mixed\xC4"},
        {"  a b  ", V::Trim, "a b"},
        {"\ta  ", V::Trim, "\ta"}, // only blanks
        {"  a  ", V::TrimRight, "  a"},
        {"  \"a;b\"  ", V::Quoted, "a;b"},
        {"\"", V::Quoted, "\""},
        {"\"a", V::Quoted, "\"a"},
        {"\" x \"", V::Quoted | V::Trim, "x"},
        {"***", V::StripStars, "*"},
        {"**ab**", V::StripStars, "ab"},
        {"*@example.com", V::Quoted | V::LeadStar, "@example.com"},
        {"\"*@example.com\"", V::Quoted | V::LeadStar, "@example.com"},
        {"*@*.example.com", V::LeadStar, "*@*.example.com"},
        {"*user?@x", V::LeadStar, "*user?@x"},
        {"*", V::LeadStar, ""},
        {"\"Spam\"", V::Quoted | V::Upper, "SPAM"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(normalizedValue(std::string_view(row.in), row.flags), row.out) << row.in;
        const std::u16string wide(row.in, row.in + std::char_traits<char>::length(row.in));
        EXPECT_EQ(normalizedValue(std::u16string_view(wide), row.flags).size(),
                  std::char_traits<char>::length(row.out))
            << row.in;
    }
    EXPECT_EQ(valueFlagsText(V::Quoted | V::LeadStar), "Quoted|LeadStar");
    EXPECT_EQ(valueFlagsText(0xFF),
              "Upper|Lower|Trim|TrimRight|Quoted|StripStars|LeadStar|NoComment");
    EXPECT_EQ(valueFlagsText(0), "");
}

TEST(ConfigLine, SplitsKeyValueAndComment)
{
    struct Row
    {
        const char* line;
        bool comments;
        bool hasKey;
        const char* key;
        const char* value;
        const char* comment;
    };
    const Row rows[] = {
        {"Key=Value", true, true, "Key", "Value", ""},
        {" Key \t= \tValue \t", true, true, "Key", "Value", ""},
        {"Key=a;b", true, true, "Key", "a", "b"},
        {"Key=a ; note ", true, true, "Key", "a", " note "},
        {"Key=a;b", false, true, "Key", "a;b", ""},
        {"Key=;x", true, true, "Key", ";x", ""},
        {"Key=\"a;b\";c", true, true, "Key", "\"a;b\"", "c"},
        {"Key= \"a;b\"", true, true, "Key", "\"a", "b\""},
        {"Key=\"unterminated;x", true, true, "Key", "\"unterminated;x", ""},
        {"Key=a=b", true, true, "Key", "a=b", ""},
        {"Key=a;b=c;d", true, true, "Key", "a", "b=c;d"},
        {"JustAKey", true, true, "JustAKey", "", ""},
        {"=x", true, false, "", "x", ""},
        {"; a comment", true, false, "", "", ""},
        {"", true, false, "", "", ""},
        {"[Section]", true, true, "[Section]", "", ""},
    };
    for (const Row& row : rows) {
        const ConfigLine parsed = parseConfigLine(row.line, row.comments);
        EXPECT_EQ(parsed.hasKey, row.hasKey) << row.line;
        if (!row.hasKey)
            continue;
        EXPECT_EQ(parsed.key, row.key) << row.line;
        EXPECT_EQ(parsed.value, row.value) << row.line;
        EXPECT_EQ(parsed.comment, row.comment) << row.line;
    }
}

TEST(TextListCodec, KeepsTheBasicPlaneOnly)
{
    EXPECT_EQ(decodeTextItem("Gr\xC3\xBC\xC3\x9F"), u"Grüß");
    EXPECT_EQ(decodeTextItem("\xE2\x82\xAC"), u"€");
    EXPECT_EQ(decodeTextItem("\xF0\x9F\x98\x80"), u"\uFFFD"); // above U+FFFF
    EXPECT_EQ(decodeTextItem("a\xFF"
                             "b"),
              u"a\uFFFD"
              "b");                                   // stray byte
    EXPECT_EQ(decodeTextItem("\xC3"), u"\uFFFD");     // truncated
    EXPECT_EQ(decodeTextItem("\xC0\xAF"), u"\uFFFD"); // overlong
    EXPECT_EQ(encodeTextItem(u"Grüß €"), "Gr\xC3\xBC\xC3\x9F \xE2\x82\xAC");
    EXPECT_EQ(encodeTextItem(u"a\xD83D\xDE00"
                             "b"),
              "ab"); // surrogates dropped
    EXPECT_EQ(encodeTextItem(decodeTextItem("plain ascii")), "plain ascii");
}
