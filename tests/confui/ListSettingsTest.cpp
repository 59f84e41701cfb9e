#include "StoreFixture.h"
#include "confui/EntryChecks.h"
#include "confui/ListBinding.h"

#include <gtest/gtest.h>

using namespace morva::confui;

TEST(IpEntry, PartialAddressesBecomeNetworksAndHostsStayBare)
{
    const struct
    {
        const char* typed;
        const char* stored;
    } rows[] = {
        {"10.1.", "10.1.0.0/16"},         {"10.", "10.0.0.0/8"},
        {"192.168.1.", "192.168.1.0/24"}, {"192.168.1.7", "192.168.1.7"},
        {"10.1.2.0/24", "10.1.2.0/24"},   {" 10.1.2.3/32 ", "10.1.2.3"},
        {"::1", "0:0:0:0:0:0:0:1"},       {"2001:db8::/32", "2001:db8:0:0:0:0:0:0/32"},
    };
    for (const auto& row : rows) {
        const auto stored = normalizeIpEntry(row.typed);
        ASSERT_TRUE(stored.has_value()) << row.typed;
        EXPECT_EQ(*stored, row.stored) << row.typed;
    }
    for (const char* bad : {"", "host.example", "10.1.2.3.4", "300.1.2.3", "10.1.2.3/40"})
        EXPECT_FALSE(normalizeIpEntry(bad).has_value()) << bad;
}

TEST(IpField, NeedsFourNumericParts)
{
    EXPECT_TRUE(isValidIpAddressField(""));
    EXPECT_FALSE(isValidIpAddressField("", false));
    EXPECT_TRUE(isValidIpAddressField("192.168.0.1"));
    for (const char* bad :
         {"192.168.0", "192.168.0.1.", "a.b.c.d", "1..2.3", "256.1.1.1", "1.2.3.4 "})
        EXPECT_FALSE(isValidIpAddressField(bad)) << bad;
}

TEST(HostName, AcceptsZonesAndRefusesJunk)
{
    EXPECT_TRUE(isValidHostName("zen.spamhaus.org"));
    EXPECT_TRUE(isValidHostName("b.barracudacentral.org"));
    for (const char* bad : {"", "localhost", "-a.org", "a-.org", "a..org", "a b.org", "a.org."})
        EXPECT_FALSE(isValidHostName(bad)) << bad;
}

TEST(ListBinding, DeletingSeveralRowsKeepsTheOthersWithTheirComments)
{
    ListBinding binding("SMTPRelayAllowHost", "EditHost", ListKind::Text);
    for (int i = 1; i <= 5; ++i)
        binding.append("host" + std::to_string(i), i % 2 ? "odd " + std::to_string(i) : "");
    binding.remove({1, 3, 4});
    EXPECT_EQ(binding.values(), (std::vector<std::string>{"host2", "host5"}));
    EXPECT_EQ(binding.comments(), (std::vector<std::string>{"", "odd 5"}));
    EXPECT_TRUE(binding.replace(2, "host9", "nine"));
    EXPECT_FALSE(binding.replace(3, "x", "y"));
    EXPECT_EQ(binding.appendMissing({"host2", "host10", "host10"}), 1u);
    EXPECT_EQ(binding.values(), (std::vector<std::string>{"host2", "host9", "host10"}));
}

TEST(ListBinding, LoadAndSaveKeepCommentsByPositionAndNormaliseIpLists)
{
    StoreFixture fixture("SMTPRelayAllowIP=10.1. ;office\r\n"
                         "SMTPRelayAllowIP=192.168.2.9\r\n"
                         "SMTPRelayAllowHost=mail.example.com ;relay\r\n");
    ListBinding ips("SMTPRelayAllowIP", "EditIP", ListKind::Ip);
    ips.load(*fixture.store);
    EXPECT_EQ(ips.values(), (std::vector<std::string>{"10.1.0.0/16", "192.168.2.9"}));
    EXPECT_EQ(ips.comments(), (std::vector<std::string>{"office", ""}));

    ips.append("172.16.", "lab");
    ips.remove({1});
    ips.save(*fixture.store);
    ASSERT_TRUE(fixture.store->save());
    fixture.reload();
    ListBinding again("SMTPRelayAllowIP", "EditIP", ListKind::Ip);
    again.load(*fixture.store);
    EXPECT_EQ(again.values(), (std::vector<std::string>{"192.168.2.9", "172.16.0.0/16"}));
    EXPECT_EQ(again.comments(), (std::vector<std::string>{"", "lab"}));

    ListBinding hosts("SMTPRelayAllowHost", "EditHost", ListKind::Text);
    hosts.load(*fixture.store);
    EXPECT_EQ(hosts.comments(), (std::vector<std::string>{"relay"}));
}
