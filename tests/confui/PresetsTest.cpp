#include "StoreFixture.h"
#include "confui/ActionCodes.h"
#include "confui/EntryChecks.h"
#include "confui/OptionsPresets.h"

#include <gtest/gtest.h>

using namespace morva::confui;

TEST(WizardPresets, LevelsSwitchOnMoreChecks)
{
    StoreFixture none;
    applyWizardPresets(*none.store, SpamLevelNone);
    none.store->forEachEntry([](const morva::config::ConfigEntry& entry) {
        EXPECT_TRUE(entry.isDefault()) << entry.name;
    });

    StoreFixture fixture;
    auto& store = *fixture.store;
    applyWizardPresets(store, SpamLevelDefault);
    for (const char* key : {"OutboundAddressWhiteList", "InboundExclDNSWL", "InboundGreyList",
                            "InboundBlockSLS", "InboundSLSIPHeader", "InboundBlockHeur"})
        EXPECT_TRUE(store.getBool(key)) << key;
    EXPECT_FALSE(store.getBool("InboundBlockSPF"));
    EXPECT_EQ(store.getInt("InboundBlockCCSThreshold"), 0);
    EXPECT_EQ(store.getInt("InboundBlockHeurValue"), 50);
    EXPECT_EQ(store.getInt("InboundExclDNSWLTrust"), kWizardDnswlTrust);
    const auto zones = store.getList("SLS");
    ASSERT_EQ(zones.size(), 3u);
    for (const auto& zone : zones)
        EXPECT_TRUE(isValidHostName(zone)) << zone;
    EXPECT_EQ(store.getList("InboundExclBlockFromAddress").size(), 1u);

    applyWizardPresets(store, SpamLevelStrong);
    for (const char* key :
         {"InboundBlockSPF", "InboundSPFIPHeader", "InboundBlockNoTo", "InboundBlockNoFrom"})
        EXPECT_TRUE(store.getBool(key)) << key;
    EXPECT_EQ(store.getInt("InboundBlockCCSThreshold"), 2);
    EXPECT_EQ(store.getInt("InboundBlockHeurValue"), 30);
    // Running the presets again adds no duplicates.
    EXPECT_EQ(store.getList("SLS").size(), 3u);
    EXPECT_EQ(store.getList("InboundExclBlockFromAddress").size(), 1u);
}

TEST(AddOnStatus, PresentAddOnMovesJunkFolderActionsToMarkSubject)
{
    for (int status : {AddOnAbsent, AddOnInstalled, AddOnOutlookRule}) {
        StoreFixture fixture;
        auto& store = *fixture.store;
        for (const std::string& key : junkFolderActionKeys())
            store.setInt(key, kJunkFolderAction);
        store.setInt("InboundBlockCTYNDRTyp", kJunkFolderAction); // not one of the twelve
        store.setInt("AdminMVFQueryStatus", status);
        const int changed = applyAddOnStatus(store);
        const bool present = status != AddOnAbsent;
        EXPECT_EQ(changed, present ? 12 : 0);
        for (const std::string& key : junkFolderActionKeys())
            EXPECT_EQ(store.getInt(key), present ? kMarkSubjectAction : kJunkFolderAction) << key;
        EXPECT_EQ(store.getInt("InboundBlockCTYNDRTyp"), kJunkFolderAction);
    }
}
