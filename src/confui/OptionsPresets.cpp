#include "confui/OptionsPresets.h"

#include "config/ConfigStore.h"
#include "config/ValueFlag.h"
#include "confui/DefaultLists.h"
#include "confui/EntryChecks.h"
#include "resources/Maker.h"

#include <algorithm>

namespace morva::confui {

namespace {
void appendMissing(config::ConfigStore& store, const std::string& key,
                   const std::vector<std::string>& items)
{
    std::vector<std::string> list = store.getList(key);
    std::vector<std::string> comments = store.getItemComments(key);
    comments.resize(list.size());
    const auto entry = store.find(key);
    bool changed = false;
    for (const std::string& item : items) {
        // Compare in the form the store keeps ("*@x" may be kept as "@x").
        std::string kept = item;
        if (entry)
            kept = config::normalizedValue(kept, entry->flags);
        if (std::find(list.begin(), list.end(), kept) != list.end())
            continue;
        list.push_back(item);
        comments.emplace_back();
        changed = true;
    }
    if (changed) {
        store.setList(key, list);
        store.setItemComments(key, comments);
    }
}
} // namespace

void applyWizardPresets(config::ConfigStore& store, int spamLevel)
{
    if (spamLevel < SpamLevelDefault)
        return;
    for (const char* key :
         {"OutboundAddressWhiteList", "InboundExclDNSWL", "InboundSMTPValidateDomain",
          "InboundGreyList", "InboundBlockSURBL", "InboundBlockEMP", "InboundBlockMBP",
          "InboundBlockAPD", "InboundBlockRRZ", "InboundBlockCCS", "InboundBlockHeur",
          "InboundBlockSLS", "InboundSLSIPHeader"})
        store.setBool(key, true);
    store.setInt("InboundBlockCCSThreshold", 0);
    store.setInt("InboundBlockHeurValue", 50);
    appendMissing(store, "InboundExclBlockFromAddress", {"*@" + std::string(maker::kMailDomain)});
    store.setInt("InboundExclDNSWLTrust", kWizardDnswlTrust);

    std::vector<std::string> zones;
    for (std::size_t i = 0; i < kWizardBlocklistZoneCount; ++i)
        if (isValidHostName(kDefaultBlocklistZones[i]))
            zones.emplace_back(kDefaultBlocklistZones[i]);
    appendMissing(store, "SLS", zones);

    if (spamLevel < SpamLevelStrong)
        return;
    store.setInt("InboundBlockCCSThreshold", 2);
    store.setInt("InboundBlockHeurValue", 30);
    for (const char* key :
         {"InboundBlockSPF", "InboundSPFIPHeader", "InboundBlockNoTo", "InboundBlockNoFrom"})
        store.setBool(key, true);
}

const std::vector<std::string>& junkFolderActionKeys()
{
    static const std::vector<std::string> keys = {
        "InboundBlockSLSNDRTyp",    "BayesNDRTyp",
        "InboundBlockSPFNDRTyp",    "InboundBlockSURBLNDRTyp",
        "InboundBlockEMPNDRTyp",    "InboundBlockUDMNDRTyp",
        "InboundBlockHeurNDRTyp",   "InboundBlockNoToNDRTyp",
        "InboundBlockNoMxNDRTyp",   "InboundBlockNoFromNDRTyp",
        "InboundBlockFromUsNDRTyp", "InboundBlockAbsNDRTyp"};
    return keys;
}

int applyAddOnStatus(config::ConfigStore& store)
{
    const int status = store.getInt("AdminMVFQueryStatus");
    if (status != AddOnInstalled && status != AddOnOutlookRule)
        return 0;
    int changed = 0;
    for (const std::string& key : junkFolderActionKeys()) {
        if (store.getInt(key) == 5) {
            store.setInt(key, 7);
            ++changed;
        }
    }
    return changed;
}

} // namespace morva::confui
