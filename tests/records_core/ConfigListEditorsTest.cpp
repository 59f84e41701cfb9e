#include "records/ConfigListEditors.h"

#include "config/ConfigStore.h"
#include "config/Schema.h"
#include "platform/Clock.h"
#include "platform/ScratchDir.h"
#include "platform/SystemFileSystem.h"

#include <gtest/gtest.h>
#include <memory>

using namespace morva;
using namespace morva::records;
using Strings = std::vector<std::string>;

namespace {

class ConfigListEditorsTest : public ::testing::Test
{
protected:
    std::unique_ptr<config::ConfigStore> loaded(const std::string& bytes)
    {
        m_scratch.write("Morva.ini", bytes);
        auto store = std::make_unique<config::ConfigStore>(m_fs, m_clock, m_scratch.dir());
        config::registerSchema(*store);
        EXPECT_TRUE(store->load());
        return store;
    }

    test::ScratchDir m_scratch;
    std::unique_ptr<platform::FileSystem> m_fsOwner = platform::makeSystemFileSystem();
    platform::FileSystem& m_fs = *m_fsOwner;
    platform::FakeClock m_clock;
};

constexpr const char* kSource = "SMTPAddressTranslationDomainSource";
constexpr const char* kTarget = "SMTPAddressTranslationDomainTarget";

TEST_F(ConfigListEditorsTest, CommentsStayWithTheirPairsAfterDeletesAndAppends)
{
    auto store =
        loaded(std::string(kSource) + "=a.com ; first\r\n" + kSource + "=b.com ; second\r\n" +
               kSource + "=c.com ; third\r\n" + kTarget + "=x.com ; to x\r\n" + kTarget +
               "=y.com\r\n" + kTarget + "=z.com ; to z\r\n");
    PairedListEditor pairs(kSource, kTarget);
    pairs.load(*store);
    ASSERT_EQ(pairs.size(), 3u);
    pairs.remove(0);
    pairs.append("d.com", "w.com");
    pairs.store(*store);
    EXPECT_EQ(store->getList(kSource), (Strings{"b.com", "c.com", "d.com"}));
    EXPECT_EQ(store->getItemComments(kSource), (Strings{" second", " third", ""}));
    EXPECT_EQ(store->getList(kTarget), (Strings{"y.com", "z.com", "w.com"}));
    EXPECT_EQ(store->getItemComments(kTarget), (Strings{"", " to z", ""}));
}

TEST_F(ConfigListEditorsTest, UnpairedItemsAreKeptBehindThePairs)
{
    auto store =
        loaded(std::string(kSource) + "=a.com\r\n" + kSource + "=b.com\r\n" + kSource +
               "=orphan.com ; hand edited\r\n" + kTarget + "=x.com\r\n" + kTarget + "=y.com\r\n");
    PairedListEditor pairs(kSource, kTarget);
    pairs.load(*store);
    EXPECT_EQ(pairs.size(), 2u);
    pairs.append("new.com", "n.com");
    pairs.remove(0);
    pairs.replace(0, "B.com", "Y.com"); // the keys keep domains in lower case
    pairs.remove(7);                    // out of range: nothing
    pairs.store(*store);
    EXPECT_EQ(store->getList(kSource), (Strings{"b.com", "new.com", "orphan.com"}));
    EXPECT_EQ(store->getItemComments(kSource), (Strings{"", "", " hand edited"}));
    EXPECT_EQ(store->getList(kTarget), (Strings{"y.com", "n.com"}));
    EXPECT_EQ(pairs.entry(1), (std::pair<std::string, std::string>{"new.com", "n.com"}));
}

TEST_F(ConfigListEditorsTest, RoutesWithoutAHostAreDroppedAtTheNextStore)
{
    auto store = loaded("SMTPStaticRoute=a.com:h1:0\r\nSMTPStaticRoute=nohost.com\r\n"
                        "SMTPStaticRoute=b.com:\"fe80::2\":26\r\n");
    RouteListEditor routes("SMTPStaticRoute");
    routes.load(*store);
    EXPECT_EQ(routes.entries(),
              (std::vector<RouteEntry>{{"a.com", "h1", 25}, {"b.com", "fe80::2", 26}}));
    routes.append({"c.com", "h3", 2525});
    routes.remove(0);
    routes.store(*store);
    EXPECT_EQ(store->getList("SMTPStaticRoute"),
              (Strings{"b.com:\"fe80::2\":26", "c.com:h3:2525"}));
    EXPECT_TRUE(store->save());
    EXPECT_EQ(m_scratch.read("Morva.ini").find("nohost"), std::string::npos);
}

} // namespace
