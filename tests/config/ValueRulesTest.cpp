#include "config/ValueRules.h"

#include "config/ConfigEntry.h"
#include "config/ConfigStore.h"
#include "config/Schema.h"
#include "platform/Clock.h"
#include "platform/SystemFileSystem.h"
#include "resources/Texts.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

using namespace morva::config;

namespace {

std::vector<std::string> namesOf(const char* names)
{
    std::vector<std::string> keys;
    std::string all = names;
    std::size_t start = 0;
    while (start < all.size()) {
        const std::size_t blank = all.find(' ', start);
        keys.push_back(all.substr(start, blank == std::string::npos ? blank : blank - start));
        start = blank == std::string::npos ? all.size() : blank + 1;
    }
    return keys;
}

bool fitsKind(TextCheck check, ValueKind kind)
{
    switch (check) {
    case TextCheck::None:
        return true;
    case TextCheck::IpNetwork:
    case TextCheck::UserPassword:
    case TextCheck::CountryCode:
        return isListKind(kind);
    default:
        return kind == ValueKind::String;
    }
}

std::string message(std::string_view key, std::string_view text)
{
    return valueCheckMessage(checkValue(key, text), morva::English);
}

} // namespace

TEST(ValueRules, EveryRowNamesSchemaKeysOnceWithARuleTheirKindCanHave)
{
    std::size_t count = 0;
    const ValueRuleRow* rows = valueRuleRows(&count);
    std::set<std::string> seen;
    for (std::size_t r = 0; r < count; ++r) {
        for (const std::string& key : namesOf(rows[r].names)) {
            EXPECT_TRUE(seen.insert(key).second) << key << " has two rows";
            const auto rule = valueRule(key);
            ASSERT_TRUE(rule) << key << " is not in the schema";
            EXPECT_TRUE(rule->declared) << key;
            if (rows[r].minimum <= rows[r].maximum) {
                EXPECT_EQ(rule->kind, ValueKind::Int) << key << " has a range";
            }
            EXPECT_TRUE(fitsKind(rows[r].check, rule->kind)) << key;
        }
    }
    EXPECT_FALSE(valueRule("NoSuchKey"));
}

TEST(ValueRules, EveryDefaultPassesItsKeysRule)
{
    auto fileSystem = morva::platform::makeSystemFileSystem();
    morva::platform::SystemClock clock;
    ConfigStore store(*fileSystem, clock, "/nonexistent/");
    registerSchema(store);
    int checked = 0;
    store.forEachEntry([&](const ConfigEntry& entry) {
        if (isListKind(entry.kind))
            return;
        ++checked;
        const ValueCheck check = checkValue(entry.name, displayText(entry.defaultValue));
        EXPECT_TRUE(check.ok()) << entry.name << " default " << displayText(entry.defaultValue)
                                << ": " << check.messageId;
    });
    EXPECT_GT(checked, 900);
}

TEST(ValueRules, NumbersAreCheckedAgainstTheDeclaredRangeWithThePagesMessage)
{
    EXPECT_EQ(message("InboundBayesSpam", "1000"), "Please enter a number between 1 and 100!");
    EXPECT_TRUE(checkValue("InboundBayesSpam", "100").ok());
    EXPECT_TRUE(checkValue("InboundBayesSpam", " +1 ").ok());
    EXPECT_FALSE(checkValue("InboundBayesSpam", "0").ok());
    EXPECT_EQ(message("InboundGreyListMinTime", "-5"),
              "Please enter a number between 1 and 86400!");
    // A purge period of 0 turns purging off; other numbers keep to the range.
    EXPECT_TRUE(checkValue("LogFilePurgeDays", "0").ok());
    EXPECT_FALSE(checkValue("LogFilePurgeDays", "10000").ok());
    // A key without a range takes what the file can hold, -1 written unsigned too.
    EXPECT_TRUE(checkValue("InboundSMTPFlags", "4294967295").ok());
    EXPECT_TRUE(checkValue("InboundSMTPFlags", "-2147483648").ok());
    EXPECT_EQ(message("InboundSMTPFlags", "4294967296"),
              "Please enter a number between -2147483648 and 4294967295!");
    for (const char* malformed :
         {"", " ", "-", "+", "12a", "1e3", "0x10", "1 2", "9223372036854775808"})
        EXPECT_FALSE(checkValue("InboundBayesSpam", malformed).ok()) << malformed;
}

TEST(ValueRules, NumberFieldsParseLikeTheConsoleFields)
{
    EXPECT_EQ(parseNumberField("\t42\r\n"), 42);
    EXPECT_EQ(parseNumberField("-0"), 0);
    EXPECT_EQ(parseNumberField("007"), 7);
    EXPECT_EQ(parseNumberField("-9223372036854775808"), INT64_MIN);
    EXPECT_EQ(parseNumberField("9223372036854775807"), INT64_MAX);
    EXPECT_FALSE(parseNumberField("99999999999999999999"));
    EXPECT_FALSE(parseNumberField("--1"));
}

TEST(ValueRules, TextsAndListItemsAreCheckedWithThePagesMessages)
{
    EXPECT_EQ(message("Postmaster", "not an address"),
              "Please enter a valid SMTP address!\nFormat is user@domain.com");
    EXPECT_TRUE(checkValue("Postmaster", "").ok());
    EXPECT_TRUE(checkValue("Postmaster", "postmaster@example.com").ok());
    EXPECT_EQ(message("SMTPIPAddress", "10.1.2"),
              "Please enter a valid IP address!\nFormat is xxx.xxx.xxx.xxx");
    EXPECT_EQ(message("AdminLogFont", " \t"), "Blank field is not allowed!");
    // Whether a folder exists is the editor's question, never a refusal.
    EXPECT_TRUE(checkValue("LogPath", "Z:\\nowhere").ok());
    EXPECT_TRUE(checkValue("Verbose", "anything").ok());

    ValueCheck list = checkListValue("SMTPRelayAllowIP", {"10.1.", "192.168.1.0/24", "300.1.1.1"});
    EXPECT_EQ(list.messageId, "confui.invalidNetwork");
    EXPECT_EQ(list.item, 2u);
    EXPECT_TRUE(checkListValue("SMTPRelayAllowIP", {}).ok());
    EXPECT_EQ(checkListValue("SLS", {"zen.example.org", " "}).messageId, "confui.blankField");
    EXPECT_TRUE(checkListValue("InboundSMTPAuthUserPass", {"alice secret words"}).ok());
    EXPECT_FALSE(checkListValue("InboundSMTPAuthUserPass", {"alice"}).ok());
    EXPECT_FALSE(checkListValue("InboundSMTPAuthUserPass", {" secret"}).ok());
    EXPECT_TRUE(checkListValue("InboundBlockCTYCountry", {"de", "FR"}).ok());
    EXPECT_EQ(checkListValue("InboundBlockCTYCountry", {"zz"}).messageId, "confui.edit.notAChoice");
}
