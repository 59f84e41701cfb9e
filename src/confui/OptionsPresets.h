#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace morva::config {
class ConfigStore;
}

namespace morva::confui {

// Spam levels of the setup wizard's "Default Spam Blocking" choice.
enum SpamLevel : int
{
    SpamLevelNone = 0,
    SpamLevelDefault = 1,
    SpamLevelStrong = 2
};

// The settings the wizard applies after Finish for the chosen level: level 1
// and above switch on the usual spam checks and fill `SLS` with the default
// blocklist zones; level 2 and above make them stricter. Level 0 changes
// nothing. Values are set in the store only; the caller saves.
void applyWizardPresets(config::ConfigStore& store, int spamLevel);

// The value the wizard writes to `InboundExclDNSWLTrust` (the "Low" level
// and above are trusted).
constexpr std::int32_t kWizardDnswlTrust = 1;

// The action keys whose default moved from "Mark subject and move to
// Junk-E-Mail folder" to "Mark subject".
const std::vector<std::string>& junkFolderActionKeys();

// After the add-on sheet: when `AdminMVFQueryStatus` is 1 or 2, every one of
// those keys that still holds 5 is set to 7. Returns how many changed.
int applyAddOnStatus(config::ConfigStore& store);

// AdminMVFQueryStatus values (combo 800 of the add-on page, position = value).
enum AddOnStatus : int
{
    AddOnAbsent = 0,      // Exchange without MORVAFilter installed
    AddOnInstalled = 1,   // Exchange with MORVAFilter installed
    AddOnOutlookRule = 2, // an Outlook rule on the "X-MORVA-Spam" header line
    AddOnNotQueried = 99,
};

} // namespace morva::confui
