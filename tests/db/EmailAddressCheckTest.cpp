#include "db/EmailAddressCheck.h"

#include "db/RecordFieldChecks.h"

#include <gtest/gtest.h>
#include <string>

using namespace morva::db;

namespace {

struct Row
{
    std::string address;
    EmailCheck expected;
};

class EmailAddress : public ::testing::TestWithParam<Row>
{
};

const Row kRows[] = {
    {"user@domain.com", EmailCheck::Valid},
    {"first.last+tag@sub.example.org", EmailCheck::Valid},
    {"!#$%&'*+-/=?^_`{|}~@x", EmailCheck::Valid},
    {"\"john doe\"@example.com", EmailCheck::Valid},
    {"\"a@b (c) <d>\"@example.com", EmailCheck::Valid},
    {"\"quote\\\"inside\"@example.com", EmailCheck::Valid},
    {"user(comment (nested))@example.com", EmailCheck::Valid},
    {"user@(comment)example.com", EmailCheck::Valid},
    {"user@[192.168.1.1]", EmailCheck::Valid},
    {"user@example.com  ", EmailCheck::Valid},
    {"\"..\"@example.com", EmailCheck::Valid},
    {"", EmailCheck::EmptyLocalPart},
    {"@example.com", EmailCheck::EmptyLocalPart},
    {"(only a comment)@example.com", EmailCheck::EmptyLocalPart},
    {".user@example.com", EmailCheck::LeadingDot},
    {"user.@example.com", EmailCheck::TrailingDot},
    {"us er@example.com", EmailCheck::BadLocalCharacter},
    {"us,er@example.com", EmailCheck::BadLocalCharacter},
    {"\xc3\xa9t\xc3\xa9@example.com", EmailCheck::BadLocalCharacter},
    {"\"tab\tinside\"@example.com", EmailCheck::BadLocalCharacter},
    {"us..er@example.com", EmailCheck::DoubleDotInLocalPart},
    {"user", EmailCheck::EmptyDomain},
    {"user@", EmailCheck::EmptyDomain},
    {"user@  ", EmailCheck::EmptyDomain},
    {"user@.example.com", EmailCheck::DomainStartsWithDot},
    {"user@:example.com", EmailCheck::BadFirstDomainCharacter},
    {"user@example.com.", EmailCheck::DomainEndsWithDot},
    {"user@example-", EmailCheck::DomainEndsWithHyphen},
    {"user@exa_mple.com", EmailCheck::BadDomainCharacter},
    {"user@example.com@other", EmailCheck::BadDomainCharacter},
    {"user@exa mple.com", EmailCheck::BadDomainCharacter},
    {"user@example..com", EmailCheck::DoubleDotInDomain},
    {"user@-example.com", EmailCheck::DomainStartsWithHyphen},
    {"user@" + std::string(256, 'a'), EmailCheck::TooLong},
    {std::string(200, 'a') + "@" + std::string(55, 'b'), EmailCheck::TooLong},
    {std::string(199, 'a') + "@" + std::string(55, 'b'), EmailCheck::Valid},
};

} // namespace

TEST_P(EmailAddress, EachRuleHasItsCode)
{
    const Row& row = GetParam();
    EXPECT_EQ(static_cast<int>(checkEmailAddress(row.address)), static_cast<int>(row.expected))
        << row.address;
}

INSTANTIATE_TEST_SUITE_P(Rows, EmailAddress, ::testing::ValuesIn(kRows));

// Every byte in each place: the local part, a quoted string and the domain
// take exactly the characters their rules name.
TEST(EmailAddress, EachPlaceTakesTheCharactersItsRuleNames)
{
    const std::string letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    const std::string local = letters + "!#$%&'*+-/=?^_`{|}~.";
    const std::string quoted = local + "()<>[]:;,@ ";
    const std::string domain = letters + "-:[].";
    for (int byte = 1; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        const bool isLocal = local.find(c) != std::string::npos;
        EXPECT_EQ(isValidEmailAddress(std::string("a") + c + "b@example.com"), isLocal) << byte;
        if (c != '"' && c != '\\') {
            EXPECT_EQ(isValidEmailAddress(std::string("\"a") + c + "b\"@example.com"),
                      quoted.find(c) != std::string::npos)
                << byte;
        }
        if (c != '(') {
            EXPECT_EQ(isValidEmailAddress(std::string("a@b") + c + "c.com"),
                      domain.find(c) != std::string::npos)
                << byte;
        }
    }
}

TEST(EmailAddress, UnterminatedQuotesAndCommentsAreRefused)
{
    EXPECT_EQ(checkEmailAddress("\"open@example.com"), EmailCheck::BadLocalCharacter);
    EXPECT_EQ(checkEmailAddress("user(open@example.com"), EmailCheck::BadLocalCharacter);
    EXPECT_EQ(checkEmailAddress("\"ends with backslash\\"), EmailCheck::BadLocalCharacter);
    EXPECT_EQ(checkEmailAddress("user@example.com(open"), EmailCheck::BadDomainCharacter);
    EXPECT_EQ(checkEmailAddress(std::string(100000, '(')), EmailCheck::BadLocalCharacter);
}

TEST(RecordFieldChecks, BlankLongControlAndAddressValues)
{
    EXPECT_EQ(checkTextValue("", 30).messageId, "db.blankField");
    EXPECT_EQ(checkTextValue("   ", 30).messageId, "db.blankField");
    EXPECT_TRUE(checkTextValue(std::string(30, 'n'), 30).ok());
    EXPECT_EQ(checkTextValue(std::string(31, 'n'), 30).messageId, "db.tooLong");
    EXPECT_EQ(checkTextValue("two\r\nlines", 128).messageId, "db.controlCharacter");
    EXPECT_EQ(checkAddressValue("not an address").messageId, "db.invalidAddress");
    EXPECT_TRUE(checkAddressValue(std::string(64, 'a') + "@" + std::string(63, 'b')).ok());
    EXPECT_EQ(checkAddressValue(std::string(64, 'a') + "@" + std::string(64, 'b')).messageId,
              "db.tooLong");
    EXPECT_EQ(fieldCheckMessage(checkAddressValue("x"), 0),
              "Please enter a valid SMTP address!\nFormat is user@domain.com");
    EXPECT_EQ(fieldCheckMessage(checkTextValue(std::string(31, 'n'), 30), 0),
              "The value is too long! At most 30 characters are allowed.");
    EXPECT_FALSE(checkBlockType(3).ok());
    EXPECT_TRUE(checkBlockType(2).ok());
}
