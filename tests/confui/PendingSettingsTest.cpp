// The browser's pending changes: checked when made, dropped when they
// change nothing, reviewed with secrets masked, written as the pages write.
#include "confui/browser/PendingSettings.h"

#include "StoreFixture.h"
#include "config/ValueRules.h"
#include "resources/Texts.h"

#include <gtest/gtest.h>

using morva::confui::PendingSettings;
using morva::confui::SettingChange;

namespace {

struct PendingTest : ::testing::Test, StoreFixture
{
    PendingSettings pending;
};

TEST_F(PendingTest, RefusedValuesStageNothingAndCarryThePagesMessage)
{
    // Out of range, not a number, a list item the key's rule refuses.
    const auto range = pending.stageValue(*store, "InboundGreyListMinTime", "-5");
    EXPECT_FALSE(range.ok());
    EXPECT_EQ(morva::config::valueCheckMessage(range, morva::English),
              morva::config::valueCheckMessage(
                  morva::config::checkValue("InboundGreyListMinTime", "-5"), morva::English));
    EXPECT_FALSE(pending.stageValue(*store, "InboundGreyListMinTime", "12x").ok());
    const auto item = pending.stageList(*store, "SMTPRelayAllowIP", {"10.0.0.1", "not an ip"}, {});
    EXPECT_FALSE(item.ok());
    EXPECT_EQ(item.item, 1u);
    EXPECT_FALSE(pending.stageValue(*store, "NoSuchKey", "1").ok());
    EXPECT_FALSE(pending.stageValue(*store, "SMTPRelayAllowIP", "1").ok()); // a list, not a value
    EXPECT_TRUE(pending.empty());
}

TEST_F(PendingTest, AChangeBackToTheStoredValueIsNoLongerPending)
{
    const std::string stored = std::to_string(store->getInt("InboundGreyListMinTime"));
    ASSERT_TRUE(pending.stageValue(*store, "InboundGreyListMinTime", "17").ok());
    EXPECT_TRUE(pending.isPending("InboundGreyListMinTime"));
    ASSERT_TRUE(pending.stageValue(*store, "InboundGreyListMinTime", stored).ok());
    EXPECT_FALSE(pending.isPending("InboundGreyListMinTime"));

    ASSERT_TRUE(pending.stageList(*store, "SMTPRelayAllowIP", {"10.0.0.1"}, {"office"}).ok());
    ASSERT_TRUE(pending.stageList(*store, "SMTPRelayAllowIP", {}, {}).ok());
    EXPECT_TRUE(pending.empty());
    // A key at its default has nothing to reset.
    EXPECT_FALSE(pending.stageReset(*store, "InboundGreyListMinTime"));
    EXPECT_TRUE(pending.empty());
}

TEST_F(PendingTest, ChangesListOldAndNewTextsInKeyOrderWithSecretsMasked)
{
    store->setString("OutboundSMTPAuthPassword", "old-secret");
    ASSERT_TRUE(pending.stageValue(*store, "OutboundSMTPAuthPassword", "new-secret").ok());
    ASSERT_TRUE(
        pending.stageList(*store, "InboundSMTPAuthUserPass", {"alice pw1", "bob pw2"}, {}).ok());
    ASSERT_TRUE(pending.stageValue(*store, "InboundGreyListMinTime", "17").ok());
    const std::vector<SettingChange> changes = pending.changes(*store);
    ASSERT_EQ(changes.size(), 3u);
    for (const SettingChange& change : changes) {
        EXPECT_EQ(change.oldText.find("secret"), std::string::npos) << change.key;
        EXPECT_EQ(change.newText.find("secret"), std::string::npos) << change.key;
        EXPECT_EQ(change.newText.find("pw1"), std::string::npos) << change.key;
    }
    // Registration order, whatever order the changes were made in.
    std::size_t previous = 0;
    for (const SettingChange& change : changes) {
        std::size_t at = 0;
        while (store->entryAt(at).name != change.key)
            ++at;
        EXPECT_GE(at, previous);
        previous = at;
    }
    const auto users = std::find_if(changes.begin(), changes.end(), [](const SettingChange& c) {
        return c.key == "InboundSMTPAuthUserPass";
    });
    ASSERT_NE(users, changes.end());
    EXPECT_EQ(users->newText, "alice ********\nbob ********");
}

TEST_F(PendingTest, ApplyWritesValuesListsWithCommentsAndResets)
{
    store->setInt("InboundGreyListMinTime", 42);
    ASSERT_TRUE(pending.stageReset(*store, "InboundGreyListMinTime"));
    ASSERT_TRUE(
        pending.stageList(*store, "SMTPRelayAllowIP", {"10.0.0.1", "10.0.0.2"}, {"office"}).ok());
    ASSERT_TRUE(pending.stageValue(*store, "OutboundSMTPAuthPassword", "p;w").ok());
    pending.applyTo(*store);
    EXPECT_TRUE(store->isDefault("InboundGreyListMinTime"));
    EXPECT_EQ(store->getList("SMTPRelayAllowIP"),
              (std::vector<std::string>{"10.0.0.1", "10.0.0.2"}));
    EXPECT_EQ(store->getItemComments("SMTPRelayAllowIP"), (std::vector<std::string>{"office", ""}));
    EXPECT_EQ(store->getString("OutboundSMTPAuthPassword"), "p;w");
    ASSERT_TRUE(store->save());
    EXPECT_EQ(fromDisk()->getItemComments("SMTPRelayAllowIP").front(), "office");
}

} // namespace
