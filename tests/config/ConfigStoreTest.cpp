#include "config/ConfigStore.h"

#include "config/Schema.h"
#include "confui/SaveFailureText.h"
#include "platform/Clock.h"
#include "resources/Texts.h"
#include "support/MemoryFileSystem.h"

#include <gtest/gtest.h>

using namespace morva::config;

namespace {

// The full schema over files held in memory.
struct MemoryStore : ::testing::Test
{
    morva::test::MemoryFileSystem fs;
    morva::platform::FakeClock clock;
    std::unique_ptr<ConfigStore> store;
    const std::string path = "/gw/Morva.ini";

    void load(const std::string& bytes)
    {
        fs.files[path] = bytes;
        reload();
    }
    void reload()
    {
        store = std::make_unique<ConfigStore>(fs, clock, "/gw/");
        registerSchema(*store);
        store->load();
    }
    const std::string& saved()
    {
        EXPECT_TRUE(store->save());
        return fs.files[path];
    }
};

} // namespace

TEST_F(MemoryStore, MissingFileSavesOnlyChangedKeysInRegistrationOrder)
{
    reload();
    EXPECT_EQ(store->lastLoadStatus(), LoadStatus::Missing);
    store->setString("Language", "DEU");
    store->setBool("Verbose", false);
    store->setList("InboundGreyListExclFromAddress", {"*@bank.example", "\"*x*@y\""});
    EXPECT_EQ(saved(), "Verbose=False\r\n"
                       "InboundGreyListExclFromAddress=\"@bank.example\"\r\n"
                       "InboundGreyListExclFromAddress=\"*x*@y\"\r\n"
                       "Language=DEU\r\n");
}

TEST_F(MemoryStore, SavedFileReadsBackToTheSameValues)
{
    struct Row
    {
        const char* key;
        std::vector<std::string> items;
    };
    // Texts that are awkward to write: quotes, semicolons, an unterminated
    // quote, blanks at the ends.
    const Row rows[] = {
        {"InboundExclBlockSPFFromAddress", {"\"open;quote@x", "a\"b@c", "plain@d"}},
        {"InboundBlockSubject", {"\"half", "x;y", " padded "}},
        {"OutboundHeader", {"X-A: 1;2", "\"q\";r"}},
        {"SMTPRelayAllowIP", {"10.1", "not-a-network", "::ffff:1/96"}},
    };
    reload();
    for (const Row& row : rows)
        store->setList(row.key, row.items);
    store->setString("InboundSPFDefTXT", "\"v=spf1 -all");
    const std::string first = saved();
    std::vector<std::vector<std::string>> before;
    for (const Row& row : rows)
        before.push_back(store->getList(row.key));
    reload();
    for (std::size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(store->getList(rows[i].key), before[i]) << rows[i].key;
    EXPECT_EQ(store->getString("InboundSPFDefTXT"), "\"v=spf1 -all");
    EXPECT_EQ(saved(), first);
}

// An unterminated quote whose trailing asterisk leaves a blank at the end:
// no line reads back to exactly that value. It is written as the reader
// takes it, so the second save writes the first one's line.
TEST_F(MemoryStore, AValueNoLineCanHoldSettlesAfterOneSave)
{
    load("InboundBlockSubject=\"; *");
    const std::string first = saved();
    EXPECT_EQ(first, "InboundBlockSubject=\";\r\n");
    reload();
    EXPECT_EQ(store->getList("InboundBlockSubject"), std::vector<std::string>{"\";"});
    EXPECT_EQ(saved(), first);
}

TEST_F(MemoryStore, LineFeedsFromSettersCannotAddLines)
{
    reload();
    store->setString("Postmaster", "pm@example.org\nInclude=evil.ini");
    store->setList("SendStartupTo", {"a@b\r\nWriteLogFile=False"});
    store->setItemComments("SendStartupTo", {"note\nIniWizard=True"});
    store->setTextList("InboundBlockSubject", {u"win\nVerbose=True"});
    store->setList("SMTPRelayAllowIP", {"host\nVerboseTLS=True"});
    const std::string written = saved();
    EXPECT_EQ(written, "SMTPRelayAllowIP=host VerboseTLS=True\r\n"
                       "Postmaster=pm@example.org Include=evil.ini\r\n"
                       "SendStartupTo=a@b\r WriteLogFile=False ;note IniWizard=True\r\n"
                       "InboundBlockSubject=\"win Verbose=True\"\r\n");
    reload();
    EXPECT_TRUE(store->includesOk());
    EXPECT_TRUE(store->getBool("WriteLogFile"));
    EXPECT_TRUE(store->getBool("IniWizard"));
    EXPECT_FALSE(store->getBool("VerboseTLS"));
}

TEST_F(MemoryStore, FirstLineThatLooksLikeAByteOrderMarkKeepsItsBytes)
{
    load("Verbose=False\r\n\xEF\xBB\xBFnot a key\r\nVerboseTLS=True\r\n");
    const std::string first = saved();
    EXPECT_EQ(first, "Verbose=False\r\n\xEF\xBB\xBFnot a key\r\nVerboseTLS=True\r\n");
    store->setBool("Verbose", true); // now the odd line comes first
    const std::string second = saved();
    EXPECT_EQ(second, "\r\n\xEF\xBB\xBFnot a key\r\nVerboseTLS=True\r\n");
    reload();
    EXPECT_EQ(saved(), second);
}

TEST_F(MemoryStore, TextListsAreUtf8InTheFile)
{
    load("InboundBlockSubject=\"**Gewinnspiel f\xC3\xBCr Sie**\" ; de\r\n"
         "InboundBlockSubject=\xF0\x9F\x92\xB0 money\r\n");
    EXPECT_EQ(store->getTextList("InboundBlockSubject"),
              (TextList{u"Gewinnspiel für Sie", u"\uFFFD money"}));
    store->setTextList("OutboundExclSubject", {u"Résumé", u"a\xD800"
                                                          "b"});
    EXPECT_EQ(saved(), "InboundBlockSubject=\"Gewinnspiel f\xC3\xBCr Sie\" ; de\r\n"
                       "InboundBlockSubject=\"\xF0\x9F\x92\xB0 money\"\r\n"
                       "OutboundExclSubject=R\xC3\xA9sum\xC3\xA9\r\n"
                       "OutboundExclSubject=ab\r\n");
}

TEST_F(MemoryStore, TextItemsThatAreNotUtf8AreWrittenBackByteForByte)
{
    // Written by an older editor in an 8-bit code page.
    load("InboundBlockAtt=\"*.r\xE9sum\xE9\"\r\n"
         "InboundBlockAtt=\"*.exe\"\r\n"
         "InboundBlockAtt=\"*.r\xE8sum\xE8\" ; decodes like the first\r\n");
    const TextList items = store->getTextList("InboundBlockAtt");
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0], u".r\uFFFDsum\uFFFD");
    store->setBool("Verbose", false); // an unrelated change
    EXPECT_EQ(saved(), "Verbose=False\r\n"
                       "InboundBlockAtt=\".r\xE9sum\xE9\"\r\n"
                       "InboundBlockAtt=\".exe\"\r\n"
                       "InboundBlockAtt=\".r\xE8sum\xE8\" ; decodes like the first\r\n");

    // The list edited around them: untouched items keep their bytes, a new
    // or changed item is UTF-8.
    store->setTextList("InboundBlockAtt",
                       {u".r\uFFFDsum\uFFFD", u".r\uFFFDsum\uFFFD!", u"*.d\u00E9f"});
    store->setItemComments("InboundBlockAtt", {});
    EXPECT_EQ(saved(), "Verbose=False\r\n"
                       "InboundBlockAtt=\".r\xE9sum\xE9\"\r\n"
                       "InboundBlockAtt=\".r\xEF\xBF\xBDsum\xEF\xBF\xBD!\"\r\n"
                       "InboundBlockAtt=\".d\xC3\xA9"
                       "f\"\r\n");
    reload();
    EXPECT_EQ(store->getTextList("InboundBlockAtt")[2], u".d\u00E9f");
}

TEST_F(MemoryStore, FilesThatAreNotEightBitTextAreReadButNeverSavedOver)
{
    auto utf16 = [](std::u16string_view text, bool bigEndian) {
        std::string bytes;
        for (const char16_t unit : text) {
            const char low = static_cast<char>(unit & 0xFF), high = static_cast<char>(unit >> 8);
            bytes += bigEndian ? high : low;
            bytes += bigEndian ? low : high;
        }
        return bytes;
    };
    std::string junk, junkWithoutNul;
    std::uint32_t seed = 11;
    for (int i = 0; i < 20000; ++i) {
        seed = seed * 1103515245 + 12345;
        junk.push_back(static_cast<char>((seed >> 16) % 8 == 0 ? 0 : seed >> 8));
        junkWithoutNul.push_back(static_cast<char>((seed >> 16) % 255 + 1));
    }
    const std::pair<std::string, TextEncoding> rows[] = {
        {utf16(u"\uFEFFVerbose=False\r\nSmartHostPort=587\r\n", false), TextEncoding::Utf16},
        {utf16(u"\uFEFFVerbose=False\r\n", true), TextEncoding::Utf16},
        {utf16(u"Verbose=False\r\nSmartHostPort=587\r\n", false), TextEncoding::Utf16},
        {junk, TextEncoding::Binary},
        {junkWithoutNul, TextEncoding::Binary},
        {std::string("Verbose=False\r\nPostmaster=a") + '\0' + "b\r\nSmartHostPort=2\r\n",
         TextEncoding::EightBit},
    };
    for (const auto& [bytes, encoding] : rows) {
        load(bytes);
        EXPECT_EQ(store->textEncoding(), encoding) << bytes.substr(0, 12);
        store->setInt("SmartHostPort", 25);
        EXPECT_EQ(store->save(), encoding == TextEncoding::EightBit);
        if (encoding == TextEncoding::EightBit)
            continue;
        EXPECT_EQ(store->lastSaveStatus(), SaveStatus::RefusedEncoding);
        EXPECT_EQ(fs.files[path], bytes) << "the file was not shrunk";
    }
    // The store still reads what it can of such a file, as before.
    load("\xFF\xFEVerbose=False\r\n");
    EXPECT_FALSE(store->getBool("Verbose"));
    EXPECT_EQ(store->textEncoding(), TextEncoding::Utf16);

    // The console's message names what the file holds, in every language.
    EXPECT_FALSE(store->save());
    for (int language = morva::English; language <= morva::Spanish; ++language) {
        const std::string message = morva::confui::saveFailureText(*store, language);
        EXPECT_EQ(message.rfind("Morva.ini ", 0), 0u) << message;
        EXPECT_NE(message.find("UTF-16"), std::string::npos) << message;
    }
    load("Verbose=False\r\n");
    store->setInt("SmartHostPort", -1);
    EXPECT_TRUE(store->save());
    EXPECT_EQ(store->textEncoding(), TextEncoding::EightBit);
}

TEST_F(MemoryStore, LinesAfterTheLastKnownKeyAreListedAsTrailing)
{
    load("; settings\r\nVerbose=False\r\n; newer gateway\r\nwritelogfile=False\r\n");
    EXPECT_EQ(store->trailingLines(),
              (std::vector<std::string>{"; newer gateway", "writelogfile=False"}));
    load("Verbose=False\r\n");
    EXPECT_TRUE(store->trailingLines().empty());
}

TEST_F(MemoryStore, SetListKeepsTheKindOfTheList)
{
    reload();
    store->setList("InboundBlockSubject", {"\"*Gr\xC3\xBC\xC3\x9F*\""});
    EXPECT_EQ(store->getTextList("InboundBlockSubject"), TextList{u"Grüß"});
    store->setList("SMTPRelayAllowIP", {"10", "bogus"});
    const NetList nets = store->getNetList("SMTPRelayAllowIP");
    ASSERT_EQ(nets.size(), 2u);
    EXPECT_EQ(nets[0].prefixLength, 8);
    EXPECT_FALSE(nets[1].isValid());
    EXPECT_EQ(store->find("InboundBlockSubject")->kind, ValueKind::TextList);
}
