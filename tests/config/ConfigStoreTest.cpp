#include "config/ConfigStore.h"

#include "support/MemoryFileSystem.h"
#include "config/Schema.h"
#include "platform/Clock.h"

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
                       "InboundBlockSubject=\"\xEF\xBF\xBD money\"\r\n"
                       "OutboundExclSubject=R\xC3\xA9sum\xC3\xA9\r\n"
                       "OutboundExclSubject=ab\r\n");
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
