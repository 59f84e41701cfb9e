#include "config/ListChecks.h"

#include <gtest/gtest.h>

using namespace morva::config;

namespace {

std::vector<IpNetwork> networks(std::initializer_list<const char*> texts)
{
    std::vector<IpNetwork> out;
    for (const char* text : texts)
        out.push_back(IpNetwork::parse(text));
    return out;
}

ListFinding duplicate(std::size_t entry, std::size_t of)
{
    return {entry, ListProblem::Duplicate, of};
}
ListFinding covered(std::size_t entry, std::size_t by)
{
    return {entry, ListProblem::Covered, by};
}
ListFinding alone(std::size_t entry, ListProblem problem)
{
    return {entry, problem, entry};
}

using Findings = std::vector<ListFinding>;

} // namespace

namespace morva::config {
void PrintTo(const ListFinding& finding, std::ostream* out)
{
    *out << "{entry " << finding.entry << ", problem " << static_cast<int>(finding.problem)
         << ", other " << finding.otherEntry << "}";
}
} // namespace morva::config

TEST(AddressListChecks, FindsDuplicatesIgnoringCaseAndReportsThemOnce)
{
    const std::vector<std::string> list = {"User@Example.com", "other@example.com",
                                           "user@example.COM", "user@example.com"};
    EXPECT_EQ(checkPatternList(list, ListEntryKind::Address),
              (Findings{duplicate(2, 0), duplicate(3, 0)}));
}

TEST(AddressListChecks, DomainAndWildcardEntriesCoverAddresses)
{
    const std::vector<std::string> list = {
        "a@example.com",      // 0: covered by "@example.com"
        "@example.com",       // 1: covered by "example.com"
        "example.com",        // 2
        "b@mail.example.com", // 3: covered by "example.com" (subdomain)
        "c@badexample.com",   // 4: no label boundary, not covered
        "sales*@shop.test",   // 5
        "sales-eu@shop.test", // 6: covered by the pattern
        "support@shop.test",  // 7: the pattern does not match
        "x*y@shop.test",      // 8: pattern covering nothing
        "*@*.org",            // 9
        "a@b.c.org",          // 10: covered by the pattern
        "a@org",              // 11: "*.org" needs a label before
    };
    EXPECT_EQ(
        checkPatternList(list, ListEntryKind::Address),
        (Findings{covered(0, 1), covered(1, 2), covered(3, 2), covered(6, 5), covered(10, 9)}));
}

TEST(AddressListChecks, PatternWithAPlainTailIsCoveredByThatDomain)
{
    // "@example.com" stands for that domain only, "example.net" for its
    // subdomains too.
    const std::vector<std::string> list = {"a*@example.com", "@example.com", "*a@x.example.com",
                                           "*b@x.example.net", "example.net"};
    EXPECT_EQ(checkPatternList(list, ListEntryKind::Address),
              (Findings{covered(0, 1), covered(3, 4)}));
}

TEST(AddressListChecks, AnEntryMatchedByTwoPatternsNamesTheFirst)
{
    const std::vector<std::string> list = {"u*1@*",     "u11@x.test", "u*@x.test",
                                           "u2@x.test", "u3@y.test",  "v@x.test"};
    EXPECT_EQ(checkPatternList(list, ListEntryKind::Address),
              (Findings{covered(1, 0), covered(3, 2)}));
}

TEST(AddressListChecks, PatternsFoundThroughAnInnerPieceCoverExactlyWhatTheyMatch)
{
    // Head "u" and an open tail are shared by every address: the candidates
    // come from the inner pieces "234" and "123" (and "e.t" of ".test").
    std::vector<std::string> list = {"u*234*@*", "u*123*@*.test"};
    for (int i = 0; i < 40; ++i)
        list.push_back("user" + std::to_string(1000 + i * 37) + "@d.test");
    list.push_back("user12345@d.test");   // both patterns: the first names it
    list.push_back("user9123@d.example"); // "123", but not ".test"
    list.push_back("user12@3d.test");     // the piece split by "@"
    const Findings findings = checkPatternList(list, ListEntryKind::Address);
    Findings expected;
    for (std::size_t i = 2; i < list.size(); ++i) {
        const std::string& address = list[i];
        if (address.find("234") < address.find('@'))
            expected.push_back(covered(i, 0));
        else if (address.find("123") < address.find('@') && address.ends_with(".test"))
            expected.push_back(covered(i, 1));
    }
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(findings, expected);
    EXPECT_EQ(findings.back().entry, list.size() - 3) << "user12345 by the first pattern";
}

TEST(AddressListChecks, EntriesWithAnEmptyDomainNeverMatchAndCoverNothing)
{
    const std::vector<std::string> list = {"user@",    "@", "*@",         "a@.example.com",
                                           "a@x..com", "",  "user@x.com", "user@"};
    // The second "user@" is unmatchable, not a duplicate; "@" covers nothing.
    EXPECT_EQ(checkPatternList(list, ListEntryKind::Address),
              (Findings{alone(0, ListProblem::EmptyPart), alone(1, ListProblem::EmptyPart),
                        alone(2, ListProblem::EmptyPart), alone(3, ListProblem::EmptyPart),
                        alone(4, ListProblem::EmptyPart), alone(5, ListProblem::EmptyPart),
                        alone(7, ListProblem::EmptyPart)}));
}

TEST(AddressListChecks, HashPatternsAreOnlyCheckedForDuplicates)
{
    const std::vector<std::string> list = {"user#@example.com", "user1@example.com",
                                           "USER#@example.com"};
    EXPECT_EQ(checkPatternList(list, ListEntryKind::Address), (Findings{duplicate(2, 0)}));
}

TEST(HostListChecks, DomainEntriesCoverHostsOnLabelBoundaries)
{
    const std::vector<std::string> list = {
        "mail.example.com", // 0: covered by "example.com"
        "example.com",      // 1
        ".example.org",     // 2: covered by "example.org"
        "smtp.example.org", // 3: covered by ".example.org"
        "example.org",      // 4: ".example.org" does not cover the domain itself
        "notexample.com",   // 5
        "*.relay.test",     // 6
        "a.b.relay.test",   // 7: covered by the pattern
        "relay.test.evil",  // 8
        "MAIL.example.com", // 9: duplicate of 0
    };
    EXPECT_EQ(
        checkPatternList(list, ListEntryKind::Host),
        (Findings{covered(0, 1), covered(2, 4), covered(3, 2), covered(7, 6), duplicate(9, 0)}));
}

TEST(HostListChecks, EmptyLabelsNeverMatch)
{
    const std::vector<std::string> list = {"mail..example.com", ".", "..", "*..test",
                                           ".example.com"};
    EXPECT_EQ(checkPatternList(list, ListEntryKind::Host),
              (Findings{alone(0, ListProblem::EmptyPart), alone(1, ListProblem::EmptyPart),
                        alone(2, ListProblem::EmptyPart), alone(3, ListProblem::EmptyPart)}));
}

TEST(NetworkListChecks, FindsNestedAndRepeatedNetworksInAnyOrder)
{
    const auto list = networks({
        "10.1.2.0/24",     // 0: inside 10.0.0.0/8
        "10.0.0.0/8",      // 1
        "10.1.2.0/24",     // 2: repeats 0
        "10.255.255.255",  // 3: the last address of 10/8
        "11.0.0.1",        // 4: just outside
        "192.168.0.0/16",  // 5
        "192.168.1.",      // 6: partial form, inside 5
        "2001:db8::/32",   // 7
        "2001:db8:1::/48", // 8: inside 7
        "2001:db9::1",     // 9
        "::a00:0/104",     // 10: same bits as 10/8, but IPv6
    });
    EXPECT_EQ(checkNetworkList(list), (Findings{covered(0, 1), duplicate(2, 0), covered(3, 1),
                                                covered(6, 5), covered(8, 7)}));
}

TEST(NetworkListChecks, HostBitsAndTextsAreReportedAndCoverNothing)
{
    const auto list = networks(
        {"10.1.2.3/8", "10.1.0.0/16", "mail.example.com", "2001:db8::1/32", "2001:db8::1"});
    EXPECT_EQ(checkNetworkList(list),
              (Findings{alone(0, ListProblem::HostBitsSet), alone(2, ListProblem::NotANetwork),
                        alone(3, ListProblem::HostBitsSet)}));
}

TEST(ListEntryKind, FollowsTheKeysKindFlagsAndName)
{
    const ValueFlags pattern = ValueFlag::Quoted | ValueFlag::LeadStar;
    EXPECT_EQ(listEntryKindOfKey("SMTPRelayAllowIP", ValueKind::NetList, 0),
              ListEntryKind::Network);
    EXPECT_EQ(listEntryKindOfKey("SLSExclHost", ValueKind::StringList, pattern),
              ListEntryKind::Host);
    EXPECT_EQ(listEntryKindOfKey("SLSExclFromAddress", ValueKind::StringList, pattern),
              ListEntryKind::Address);
    EXPECT_EQ(listEntryKindOfKey("InboundBlockAtt", ValueKind::TextList, pattern), std::nullopt);
    EXPECT_EQ(listEntryKindOfKey("SendLogFileTo", ValueKind::StringList, ValueFlag::Trim),
              std::nullopt);
    EXPECT_EQ(listEntryKindOfKey("InboundExclBlockCCSReport", ValueKind::StringList, pattern),
              std::nullopt);
}
