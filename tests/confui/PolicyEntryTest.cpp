#include "config/ConfigStore.h"
#include "config/Schema.h"
#include "confui/policy/PolicyEntryCodec.h"
#include "confui/policy/PolicyList.h"
#include "platform/Clock.h"
#include "platform/SystemFileSystem.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

using namespace morva::confui;

namespace {

// Field sets that stress the text form: separators, quotes, semicolons,
// blanks at the ends, empty fields.
const std::vector<PolicyFields> kAwkwardEntries = {
    {"*@example.com", "partner.pem"},
    {"a,b", "c"},
    {"say \"hi\"", "\""},
    {"\"quoted\"", "x"},
    {"pass;word", "ends with;"},
    {" lead", "trail ", "\t tab"},
    {"", "", ""},
    {"*@example.com", "key.pem", "p\"a,s;s w\"\"ord"},
};

std::string dataDir()
{
    static int counter = 0;
    auto dir = std::filesystem::temp_directory_path() /
               ("morva-policy-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(dir);
    return dir.string() + "/";
}

} // namespace

TEST(PolicyEntryCodec, EveryFieldSurvivesEncodeAndDecode)
{
    for (const PolicyFields& fields : kAwkwardEntries) {
        const std::string text = encodePolicyEntry(fields);
        const auto back = decodePolicyEntry(text);
        ASSERT_TRUE(back) << text;
        EXPECT_EQ(*back, fields) << text;
        // The store trims a value and cuts it at a trailing semicolon: the
        // encoded form never offers either.
        EXPECT_NE(text.front(), ' ');
        EXPECT_NE(text.back(), ' ');
        EXPECT_NE(text.back(), ';');
    }
}

TEST(PolicyEntryCodec, ReadsHandWrittenAndRefusesBrokenEntries)
{
    EXPECT_EQ(*decodePolicyEntry("a, b ,c"), (PolicyFields{"a", "b", "c"}));
    EXPECT_EQ(*decodePolicyEntry(" \"x, y\" , z"), (PolicyFields{"x, y", "z"}));
    EXPECT_EQ(*decodePolicyEntry("a,,"), (PolicyFields{"a", "", ""}));
    for (const char* broken : {"\"open", "\"a\"b,c", "a\"b,c", "x,\"y"})
        EXPECT_FALSE(decodePolicyEntry(broken)) << broken;
}

TEST(PolicyEntryCodec, EntriesRoundTripThroughTheConfigurationFile)
{
    auto fs = morva::platform::makeSystemFileSystem();
    morva::platform::FakeClock clock;
    const std::string dir = dataDir();
    // Both list flavours: read without comments (S/MIME) and with (DKIM).
    for (const char* key : {"OutboundSMIMESign", "OutboundDKIMSign"}) {
        std::vector<std::string> entries;
        for (const PolicyFields& fields : kAwkwardEntries) {
            // A semicolon would start a comment in the DKIM list; the
            // dialog refuses it there (see the field checks).
            const std::string text = encodePolicyEntry(fields);
            if (std::string_view(key) == "OutboundDKIMSign" && text.find(';') != text.npos)
                continue;
            entries.push_back(text);
        }
        {
            morva::config::ConfigStore store(*fs, clock, dir);
            morva::config::registerSchema(store);
            store.load();
            store.setList(key, entries);
            ASSERT_TRUE(store.save());
        }
        morva::config::ConfigStore reread(*fs, clock, dir);
        morva::config::registerSchema(reread);
        ASSERT_TRUE(reread.load());
        EXPECT_EQ(reread.getList(key), entries) << key;
        for (size_t i = 0; i < entries.size(); ++i)
            EXPECT_EQ(*decodePolicyEntry(reread.getList(key)[i]), *decodePolicyEntry(entries[i]));
    }
    std::filesystem::remove_all(dir);
}

TEST(PolicyList, EveryPolicyKeyIsAListOfTheSchema)
{
    auto fs = morva::platform::makeSystemFileSystem();
    morva::platform::FakeClock clock;
    morva::config::ConfigStore store(*fs, clock, "/nonexistent-morva-dir/");
    morva::config::registerSchema(store);
    for (const PolicyList& list : policyLists()) {
        auto entry = store.find(list.key);
        ASSERT_TRUE(entry) << list.key;
        EXPECT_EQ(entry->kind, morva::config::ValueKind::StringList) << list.key;
        // Comments are offered exactly where the file can keep them.
        const bool noComment = (entry->flags & morva::config::ValueFlag::NoComment) != 0;
        EXPECT_EQ(list.comments, !noComment) << list.key;
        // Defaults of new entries pass the checks of their fields.
        for (const PolicyField& field : list.fields) {
            if (field.kind == PolicyFieldKind::Flag || field.kind == PolicyFieldKind::Choice) {
                EXPECT_TRUE(checkPolicyField(list, field, field.defaultValue).ok()) << list.key;
            }
        }
    }
}

struct FieldCase
{
    const char* key;
    int field;
    const char* value;
    PolicyError expected;
};

TEST(PolicyList, FieldChecksNameTheFault)
{
    const FieldCase cases[] = {
        {"OutboundSMIMESign", 0, "*@example.com", PolicyError::None},
        {"OutboundSMIMESign", 0, "user@sub.example.com", PolicyError::None},
        {"OutboundSMIMESign", 0, "*", PolicyError::None},
        {"OutboundSMIMESign", 0, "", PolicyError::Blank},
        {"OutboundSMIMESign", 0, "user@", PolicyError::BadAddress},
        {"OutboundSMIMESign", 0, "us..er@example.com", PolicyError::BadAddress},
        {"OutboundSMIMESign", 0, "a b@example.com", PolicyError::BadAddress},
        {"OutboundSMIMESign", 0, "user@-example.com", PolicyError::BadAddress},
        {"OutboundSMIMESign", 1, "signer.pem", PolicyError::None},
        {"OutboundSMIMESign", 1, "SIGNER.PEM", PolicyError::None},
        {"OutboundSMIMESign", 1, "..\\other\\x.pem", PolicyError::BadCertificate},
        {"OutboundSMIMESign", 1, "signer.crt", PolicyError::BadCertificate},
        {"OutboundSMIMESign", 1, "!!void-certificate!!", PolicyError::VoidNotAllowed},
        {"OutboundSMIMECrypt", 1, "!!void-certificate!!", PolicyError::None},
        {"OutboundSMIMESign", 2, "", PolicyError::None},
        {"OutboundSMIMESign", 2, "line\nbreak", PolicyError::BadCharacter},
        {"InboundSMIMEPolicy", 1, "2", PolicyError::BadChoice},
        {"InboundSMIMEPolicy", 3, "9", PolicyError::BadChoice},
        {"OutboundSMIMEPolicy", 3, "2", PolicyError::None},
        {"OutboundSMIMEPolicy", 3, "4", PolicyError::BadChoice},
        {"InboundSMTPTLS", 0, "192.168.1.*", PolicyError::None},
        {"InboundSMTPTLS", 0, "mail.example.com", PolicyError::None},
        {"InboundSMTPTLS", 0, "bad host", PolicyError::BadHost},
        {"OutboundSMTPTLS", 1, "verify", PolicyError::None},
        {"OutboundSMTPTLS", 1, "always", PolicyError::BadChoice},
        {"OutboundDKIMSign", 0, "example.com", PolicyError::None},
        {"OutboundDKIMSign", 0, "*.example.com", PolicyError::BadDomain},
        {"OutboundDKIMSign", 1, "mail2024.eu", PolicyError::None},
        {"OutboundDKIMSign", 1, "-bad", PolicyError::BadSelector},
        {"OutboundDKIMSign", 2, "dkim;old.pem", PolicyError::BadCharacter},
    };
    for (const FieldCase& c : cases) {
        const PolicyList* list = findPolicyList(c.key);
        ASSERT_TRUE(list) << c.key;
        const PolicyCheck check = checkPolicyField(*list, list->fields[c.field], c.value);
        EXPECT_EQ(check.error, c.expected)
            << c.key << " field " << c.field << " '" << c.value << "'";
    }
}

TEST(PolicyList, ReadingPadsShortEntriesAndKeepsUnreadableOnesAside)
{
    const PolicyList* list = findPolicyList("InboundSMIMEPolicy");
    ASSERT_TRUE(list);
    EXPECT_EQ(*readPolicyEntry(*list, "*@bank.example"),
              (PolicyFields{"*@bank.example", "1", "0", "4"}));
    EXPECT_FALSE(readPolicyEntry(*list, "a,1,0,4,extra"));
    EXPECT_FALSE(readPolicyEntry(*list, "\"broken"));

    const PolicyCheck entry = checkPolicyEntry(*list, {"*@bank.example", "1", "x", "4"});
    EXPECT_EQ(entry.field, 2);
    EXPECT_EQ(entry.error, PolicyError::BadChoice);
    EXPECT_EQ(checkPolicyEntry(*list, {"*@bank.example"}).error, PolicyError::FieldCount);
}
