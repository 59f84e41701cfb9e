#include "config/MergeSave.h"

namespace morva::config {
namespace {

// Rounds of read, merge and save before giving up on a file that keeps
// changing under us.
constexpr int kMergeRounds = 5;

// Applies the known decisions to `merged`; returns the conflicts still open.
std::vector<KeyMerge> openConflicts(std::vector<KeyMerge>& merged, const MergeDecisions& decisions)
{
    std::vector<KeyMerge> open;
    for (KeyMerge& merge : merged) {
        if (merge.outcome != MergeOutcome::Conflict)
            continue;
        if (const KeyValue* known = decisions.resultFor(merge))
            merge.result = *known;
        else
            open.push_back(merge);
    }
    return open;
}

// Asks for the open conflicts and puts the answers into `merged`.
bool resolveOpen(std::vector<KeyMerge>& merged, const ConflictResolver& resolve,
                 MergeDecisions& decisions)
{
    std::vector<KeyMerge> open = openConflicts(merged, decisions);
    if (open.empty())
        return true;
    if (!resolve(open))
        return false;
    for (const KeyMerge& decided : open) {
        decisions.record(decided);
        for (KeyMerge& merge : merged)
            if (merge.key == decided.key)
                merge.result = decided.result;
    }
    return true;
}

} // namespace

const KeyValue* MergeDecisions::resultFor(const KeyMerge& conflict) const
{
    const auto known = m_decisions.find(conflict.key);
    if (known == m_decisions.end() || known->second.theirs != conflict.theirs ||
        known->second.mine != conflict.mine)
        return nullptr;
    return &known->second.result;
}

void MergeDecisions::record(const KeyMerge& decided)
{
    m_decisions[decided.key] = {decided.theirs, decided.mine, decided.result};
}

bool changedSinceRead(const ConfigStore& store)
{
    for (const FileStamp& stamp : store.fileStamps()) {
        const platform::FileStat now = store.fileSystem().stat(stamp.path);
        if (now.exists && (now.lastWriteNs != stamp.lastWriteNs || now.size != stamp.size))
            return true;
    }
    return false;
}

bool decideConflicts(const ConfigStore& store, const ConfigSnapshot& base,
                     const ConfigSnapshot& mine, const ConflictResolver& resolve,
                     MergeDecisions& decisions)
{
    auto disk = storeLike(store);
    disk->load();
    if (!disk->loadedOk())
        return true;
    std::vector<KeyMerge> merged = mergeSnapshots(base, snapshotOf(*disk), mine);
    return resolveOpen(merged, resolve, decisions);
}

MergeSaveResult saveMerging(ConfigStore& store, const ConfigSnapshot& base,
                            const ConflictResolver& resolve)
{
    MergeDecisions decisions;
    return saveMerging(store, base, resolve, decisions);
}

MergeSaveResult saveMerging(ConfigStore& store, const ConfigSnapshot& base,
                            const ConflictResolver& resolve, MergeDecisions& decisions,
                            const SaveOrigin& origin)
{
    MergeSaveResult outcome;
    if (store.save(origin))
        return outcome;
    outcome.saveStatus = store.lastSaveStatus();
    if (outcome.saveStatus != SaveStatus::RefusedChanged) {
        outcome.status = MergeSaveStatus::Failed;
        return outcome;
    }
    const ConfigSnapshot mine = snapshotOf(store);
    for (int round = 0; round < kMergeRounds; ++round) {
        auto disk = storeLike(store);
        disk->load();
        if (!disk->loadedOk()) {
            outcome.status = MergeSaveStatus::Failed;
            outcome.saveStatus = SaveStatus::RefusedUnread;
            return outcome;
        }
        std::vector<KeyMerge> merged = mergeSnapshots(base, snapshotOf(*disk), mine);
        if (!resolveOpen(merged, resolve, decisions)) {
            outcome.status = MergeSaveStatus::Cancelled;
            return outcome;
        }
        for (const KeyMerge& merge : merged)
            applyValue(*disk, merge.key, merge.result);
        if (disk->save(origin)) {
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
