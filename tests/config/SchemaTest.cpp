#include "config/Schema.h"

#include "config/ConfigStore.h"
#include "config/DerivedSettings.h"
#include "platform/Clock.h"
#include "support/MemoryFileSystem.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace morva::config;

namespace {

struct SchemaFixture : ::testing::Test
{
    morva::test::MemoryFileSystem fs;
    morva::platform::FakeClock clock;
    ConfigStore store{fs, clock, "/gateway/"};
    SchemaFixture() { registerSchema(store); }
};

} // namespace

TEST_F(SchemaFixture, CountsPerKindAndFlagSet)
{
    std::map<std::pair<ValueKind, ValueFlags>, int> counts;
    std::set<std::string> names;
    store.forEachEntry([&](const ConfigEntry& entry) {
        ++counts[{entry.kind, entry.flags}];
        EXPECT_TRUE(names.insert(entry.name).second) << entry.name;
        EXPECT_TRUE(entry.isDefault()) << entry.name;
    });
    EXPECT_EQ(store.entryCount(), 1439u);
    using F = ValueKind;
    namespace V = ValueFlag;
    const std::map<std::pair<ValueKind, ValueFlags>, int> expected = {
        {{F::Bool, 0}, 546},
        {{F::Int, 0}, 279},
        {{F::String, 0}, 115},
        {{F::String, V::Trim}, 10},
        {{F::String, V::TrimRight}, 10},
        {{F::StringList, V::Quoted | V::LeadStar}, 268},
        {{F::StringList, V::Trim}, 36},
        {{F::StringList, V::NoComment}, 28},
        {{F::StringList, V::Lower | V::Trim}, 14},
        {{F::StringList, V::TrimRight}, 6},
        {{F::StringList, 0}, 4},
        {{F::StringList, V::Quoted}, 1},
        {{F::StringList, V::Quoted | V::Trim}, 1},
        {{F::TextList, V::Quoted | V::StripStars}, 11},
        {{F::TextList, V::NoComment}, 6},
        {{F::TextList, V::Quoted | V::LeadStar}, 5},
        {{F::TextList, 0}, 4},
        {{F::TextList, V::TrimRight}, 1},
        {{F::NetList, 0}, 94},
    };
    EXPECT_EQ(counts, expected);
}

TEST_F(SchemaFixture, RegistrationOrderAndSampleDefaults)
{
    EXPECT_EQ(store.entryAt(0).name, "Verbose");
    EXPECT_EQ(store.entryAt(store.entryCount() - 1).name, "Language");
    EXPECT_TRUE(store.getBool("Verbose"));
    EXPECT_EQ(store.getString("AdminLogFont"), "Lucida Console");
    EXPECT_EQ(store.getInt("InboundExclDNSWLCategory"), -1);
    EXPECT_EQ(store.getInt("OutboundSMTPTimeout_DATA_After"), 600);
    EXPECT_EQ(store.getString("InboundBlockMSVBAMarkSubj"), "[macro]");
    EXPECT_FALSE(store.getString("OutboundCCSIP").empty());
    // Misspelt and correct forms are distinct keys.
    EXPECT_TRUE(store.contains("OutboundSMTPTLSReqired"));
    EXPECT_TRUE(store.contains("OutboundSMTPTLSRequired"));
    EXPECT_FALSE(store.contains("writelogfile"));
}

TEST_F(SchemaFixture, DerivedAddressTypeFallsBackToOldSwitches)
{
    struct Row
    {
        int stored;
        bool address, query, internal;
        int expected;
    };
    const Row rows[] = {
        {0, false, false, false, 0}, {0, true, false, false, 1}, {0, true, true, true, 1},
        {0, false, true, false, 2},  {0, false, true, true, 3},  {5, true, true, true, 5},
    };
    for (const Row& row : rows) {
        store.setInt("ExchInboundEMailAddressTyp", row.stored);
        store.setBool("ExchInboundEMailAddress", row.address);
        store.setBool("ExchInboundEMailAddressQuery", row.query);
        store.setBool("ExchInboundEMailAddressQueryInternal", row.internal);
        EXPECT_EQ(effectiveExchInboundEMailAddressTyp(store), row.expected)
            << row.stored << row.address << row.query << row.internal;
    }
}

TEST_F(SchemaFixture, DerivedAuthTypeTakesSwitchesInPrecedence)
{
    struct Row
    {
        int stored;
        bool plain, ntlm, app, proxy;
        int expected;
    };
    const Row rows[] = {
        {0, false, false, false, false, 0}, {0, true, true, true, true, 1},
        {0, false, true, true, true, 2},    {0, false, false, true, true, 4},
        {0, false, false, false, true, 3},  {7, true, false, false, false, 7},
    };
    for (const Row& row : rows) {
        store.setInt("InboundSMTPAuthType", row.stored);
        store.setBool("InboundSMTPAuth", row.plain);
        store.setBool("InboundSMTPAuthNTLM", row.ntlm);
        store.setBool("InboundSMTPAuthApp", row.app);
        store.setBool("InboundSMTPAuthProxy", row.proxy);
        EXPECT_EQ(effectiveInboundSMTPAuthType(store), row.expected);
    }
}
