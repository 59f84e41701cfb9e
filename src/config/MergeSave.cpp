#include "config/MergeSave.h"

#include <map>

namespace morva::config {
namespace {

// Rounds of read, merge and save before giving up on a file that keeps
// changing under us.
constexpr int kMergeRounds = 5;

struct Decision
{
    KeyValue theirs;
    KeyValue mine;
    KeyValue result;
};

} // namespace

MergeSaveResult saveMerging(ConfigStore& store, const ConfigSnapshot& base,
                            const ConflictResolver& resolve)
{
    MergeSaveResult outcome;
    if (store.save())
        return outcome;
    outcome.saveStatus = store.lastSaveStatus();
    if (outcome.saveStatus != SaveStatus::RefusedChanged) {
        outcome.status = MergeSaveStatus::Failed;
        return outcome;
    }
    const ConfigSnapshot mine = snapshotOf(store);
    std::map<std::string, Decision> decisions;
    for (int round = 0; round < kMergeRounds; ++round) {
        auto disk = storeLike(store);
        disk->load();
        if (!disk->loadedOk()) {
            outcome.status = MergeSaveStatus::Failed;
            outcome.saveStatus = SaveStatus::RefusedUnread;
            return outcome;
        }
        std::vector<KeyMerge> merged = mergeSnapshots(base, snapshotOf(*disk), mine);
        std::vector<KeyMerge> open;
        for (KeyMerge& merge : merged) {
            if (merge.outcome != MergeOutcome::Conflict)
                continue;
            const auto known = decisions.find(merge.key);
            if (known != decisions.end() && known->second.theirs == merge.theirs &&
                known->second.mine == merge.mine)
                merge.result = known->second.result;
            else
                open.push_back(merge);
        }
        if (!open.empty()) {
            if (!resolve(open)) {
                outcome.status = MergeSaveStatus::Cancelled;
                return outcome;
            }
            for (const KeyMerge& decided : open) {
                decisions[decided.key] = {decided.theirs, decided.mine, decided.result};
                for (KeyMerge& merge : merged)
                    if (merge.key == decided.key)
                        merge.result = decided.result;
            }
        }
        for (const KeyMerge& merge : merged)
            applyValue(*disk, merge.key, merge.result);
        if (disk->save()) {
            outcome.status = MergeSaveStatus::Saved;
            outcome.saveStatus = disk->lastSaveStatus();
            outcome.mergedWithDisk = true;
            for (const KeyMerge& merge : merged)
                applyValue(store, merge.key, merge.result);
            outcome.merged = std::move(merged);
            return outcome;
        }
        outcome.saveStatus = disk->lastSaveStatus();
        if (outcome.saveStatus != SaveStatus::RefusedChanged)
            break;
    }
    outcome.status = MergeSaveStatus::Failed;
    return outcome;
}

} // namespace morva::config
