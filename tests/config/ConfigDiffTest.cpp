#include "config/ConfigDiff.h"

#include "config/SecretValues.h"

#include <gtest/gtest.h>

using namespace morva::config;

namespace {

ConfigChange changed(std::string key, std::string from, std::string to)
{
    return {std::move(key), std::move(from), std::move(to), true, true};
}
ConfigChange added(std::string key, std::string text)
{
    return {std::move(key), {}, std::move(text), false, true};
}
ConfigChange removed(std::string key, std::string text)
{
    return {std::move(key), std::move(text), {}, true, false};
}

struct DiffCase
{
    const char* name;
    const char* before;
    const char* after;
    std::vector<ConfigChange> expected;
};

} // namespace

namespace morva::config {
void PrintTo(const ConfigChange& change, std::ostream* out)
{
    *out << "{" << change.key << ": " << (change.hasOld ? change.oldText : "-") << " -> "
         << (change.hasNew ? change.newText : "-") << "}";
}
} // namespace morva::config

TEST(ConfigDiff, ReportsKeysItemsAndLinesThatChanged)
{
    const std::vector<DiffCase> cases = {
        {"nothing", "Port=25\r\n", "Port=25\r\n", {}},
        {"blank lines, blanks and line ends do not count",
         "Port=25\r\n\r\n; note\r\n",
         "  Port = 25\n; note\n\n\n",
         {}},
        {"single value", "Port=25\r\n", "Port=587\r\n", {changed("Port", "25", "587")}},
        {"key added and removed",
         "Port=25\r\n",
         "Relay=True\r\n",
         {added("Relay", "True"), removed("Port", "25")}},
        {"the last of repeated single lines counts",
         "InboundSLSCacheTTL=1\r\nInboundSLSCacheTTL=25\r\n",
         "InboundSLSCacheTTL=25\r\n",
         {}},
        {"list items added and removed, not the order",
         "SMTPRelayAllowIP=10.0.0.1\r\nSMTPRelayAllowIP=10.0.0.2\r\n",
         "SMTPRelayAllowIP=10.0.0.3\r\nSMTPRelayAllowIP=10.0.0.2\r\n",
         {removed("SMTPRelayAllowIP", "10.0.0.1"), added("SMTPRelayAllowIP", "10.0.0.3")}},
        {"a list of one item is still a list",
         "SMTPRelayAllowIP=10.0.0.1\r\n",
         "SMTPRelayAllowIP=10.0.0.9\r\n",
         {removed("SMTPRelayAllowIP", "10.0.0.1"), added("SMTPRelayAllowIP", "10.0.0.9")}},
        {"a duplicate item removed",
         "SMTPRelayAllowIP=1.2.3.4\r\nSMTPRelayAllowIP=1.2.3.4\r\n",
         "SMTPRelayAllowIP=1.2.3.4\r\n",
         {removed("SMTPRelayAllowIP", "1.2.3.4")}},
        {"a changed comment of a value",
         "Port=25 ;smtp\r\n",
         "Port=25 ;submission\r\n",
         {changed("Port", "25 ;smtp", "25 ;submission")}},
        {"comment and unknown lines",
         "; old note\r\nGarbage line\r\nPort=25\r\n",
         "; new note\r\nPort=25\r\n",
         {removed("", "; old note"), removed("", "Garbage line"), added("", "; new note")}},
        {"unknown repeated keys are lists",
         "Custom=a\r\nCustom=b\r\n",
         "Custom=b\r\nCustom=c\r\n",
         {removed("Custom", "a"), added("Custom", "c")}},
    };
    const ListKeyTest lists = schemaListKeys();
    for (const auto& c : cases)
        EXPECT_EQ(diffConfigTexts(c.before, c.after, lists), c.expected) << c.name;
}

TEST(ConfigDiff, MasksSecretsAndCountsKeys)
{
    const auto changes = diffConfigTexts("OutboundSMTPAuthPassword=old\r\nPort=1\r\n",
                                         "OutboundSMTPAuthPassword=new\r\nPort=2\r\n"
                                         "InboundSMTPAuthUserPass=joe secret\r\n; note\r\n",
                                         schemaListKeys());
    ASSERT_EQ(changes.size(), 4u);
    EXPECT_EQ(changes[0], changed("OutboundSMTPAuthPassword", std::string(kMaskedSecret),
                                  std::string(kMaskedSecret)));
    EXPECT_EQ(changes[2].newText, maskSecret("InboundSMTPAuthUserPass", "joe secret"));
    EXPECT_EQ(changes[2].newText.find("secret"), std::string::npos);
    EXPECT_EQ(countChangedKeys(changes), 3u) << "the comment line is no key";
}
