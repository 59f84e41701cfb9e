#include "records/RouteEntry.h"

#include <gtest/gtest.h>

using namespace morva::records;

namespace {

struct ParseCase
{
    const char* text;
    const char* domain;
    const char* host;
    std::uint32_t port;
};

class RouteParse : public ::testing::TestWithParam<ParseCase>
{
};

TEST_P(RouteParse, ReadsLikeTheGateway)
{
    const ParseCase& c = GetParam();
    const auto entry = parseRouteEntry(c.text);
    ASSERT_TRUE(entry) << c.text;
    EXPECT_EQ(entry->domain, c.domain) << c.text;
    EXPECT_EQ(entry->host, c.host) << c.text;
    EXPECT_EQ(entry->port, c.port) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RouteParse,
    ::testing::Values(
        ParseCase{"example.com:mx.example.com:2525", "example.com", "mx.example.com", 2525},
        ParseCase{" example.com : mx.example.com : 26 ", "example.com", "mx.example.com", 26},
        ParseCase{"a.com:h:2", "a.com", "h", 2}, ParseCase{"a.com:h:1", "a.com", "h", 25},
        ParseCase{"a.com:h:0", "a.com", "h", 25}, ParseCase{"a.com:h", "a.com", "h", 25},
        ParseCase{"a.com:h:", "a.com", "h", 25}, ParseCase{"a.com:h:abc", "a.com", "h", 25},
        ParseCase{"a.com:h:99999999999", "a.com", "h", 25},
        ParseCase{"a.com:h:587x", "a.com", "h", 587},
        ParseCase{"a.com:\"fe80::1\":587", "a.com", "fe80::1", 587},
        ParseCase{"a.com:h:587:extra:more", "a.com", "h", 587},
        ParseCase{"\"a:b\":h:30", "a:b", "h", 30}));

TEST(RouteEntry, EntriesWithoutAHostAreSkipped)
{
    for (const char* text : {"", "a.com", "a.com:", "a.com:  :587", "a.com:\"\":26"})
        EXPECT_FALSE(parseRouteEntry(text)) << text;
    EXPECT_EQ(parseRouteList({"a.com:h1:26", "b.com::27", "c.com:h3"}),
              (std::vector<RouteEntry>{{"a.com", "h1", 26}, {"c.com", "h3", 25}}));
}

TEST(RouteEntry, WritesHostsWithAColonInQuotesAndReadsThemBack)
{
    EXPECT_EQ(formatRouteEntry({"a.com", "mx.a.com", 25}), "a.com:mx.a.com:25");
    EXPECT_EQ(formatRouteEntry({" a.com ", " 2001:db8::5 ", 587}), "a.com:\"2001:db8::5\":587");
    EXPECT_EQ(formatRouteEntry({"a.com", "  ", 25}), "");
    EXPECT_EQ(formatRouteEntry({"", "h", 25}), "");
    // Texts that would read back as another entry are not written.
    EXPECT_EQ(formatRouteEntry({"a.com:mx", "h", 25}), "");
    EXPECT_EQ(formatRouteEntry({"\"a.com\"", "h", 25}), "");
    EXPECT_EQ(formatRouteEntry({"a.com", "h\"x", 25}), "");
    for (const RouteEntry& entry :
         {RouteEntry{"a.com", "2001:db8::5", 587}, RouteEntry{"b.org", "10.0.0.1", 65535}})
        EXPECT_EQ(parseRouteEntry(formatRouteEntry(entry)), entry);
    EXPECT_EQ(formatRouteList({{"a.com", "h", 26}, {"b.com", "", 25}}),
              std::vector<std::string>{"a.com:h:26"});
}

} // namespace
