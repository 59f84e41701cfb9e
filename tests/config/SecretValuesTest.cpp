#include "config/SecretValues.h"

#include <gtest/gtest.h>

namespace morva::config {
namespace {

TEST(SecretValues, MasksOnlyTheSecretPart)
{
    EXPECT_EQ(maskSecret("OutboundSMTPAuthPassword", "hunter2"), "********");
    EXPECT_EQ(maskSecret("OutboundSMTPAuthPassword", ""), "");
    EXPECT_EQ(maskSecret("InboundSMTPAuthUserPass", "alice s3cret word"), "alice ********");
    EXPECT_EQ(maskSecret("OutboundSMIMESign", R"(*@a.example,"b,c.pem",pass)"),
              R"(*@a.example,"b,c.pem",********)");
    EXPECT_EQ(maskSecret("InboundSMIMECrypt", "*@a.example,c.pem"), "*@a.example,c.pem");
    EXPECT_EQ(maskSecret("InboundBlockSubject", "hunter2"), "hunter2");
}

TEST(SecretValues, NamesTheKeysWithSecrets)
{
    EXPECT_TRUE(holdsSecret("OutboundSMTPAuthPassword"));
    EXPECT_TRUE(holdsSecret("InboundSMTPAuthUserPass"));
    EXPECT_FALSE(holdsSecret("InboundSMIMESign"));
}

} // namespace
} // namespace morva::config
