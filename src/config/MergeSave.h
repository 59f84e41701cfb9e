#pragma once

#include "config/ConfigMerge.h"
#include "config/ConfigStore.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace morva::config {

// Asked for the keys both sides changed differently: sets the result of
// every one and returns true, or returns false to save nothing.
using ConflictResolver = std::function<bool(std::vector<KeyMerge>& conflicts)>;

enum class MergeSaveStatus
{
    Saved,     // saved as it stood, or merged with the file on disk
    Cancelled, // the resolver gave up: the file is as it was on disk
    Failed,    // see saveStatus
};

struct MergeSaveResult
{
    MergeSaveStatus status = MergeSaveStatus::Saved;
    SaveStatus saveStatus = SaveStatus::Ok; // of the save that decided it
    std::vector<KeyMerge> merged;           // the keys not simply taken from the file
    // Saved through a merge: the store still holds the stamp of its own
    // read (reload it when the editor is done).
    bool mergedWithDisk = false;
};

// The choices made for keys changed on both sides, kept across the saves of
// one editor: a choice holds while the file and the editor still hold the
// values it was made for.
class MergeDecisions
{
public:
    const KeyValue* resultFor(const KeyMerge& conflict) const;
    void record(const KeyMerge& decided);

private:
    struct Decision
    {
        KeyValue theirs;
        KeyValue mine;
        KeyValue result;
    };
    std::map<std::string, Decision> m_decisions;
};

// Whether the main file changed on disk since `store` read or saved it.
bool changedSinceRead(const ConfigStore& store);

// Reads the file as it is now and has every key that `mine` (all values the
// editor is about to save, possibly over several saves) and the file changed
// differently decided, before anything is saved. False when the resolver
// gave up; true also when the file cannot be read (the save reports that).
bool decideConflicts(const ConfigStore& store, const ConfigSnapshot& base,
                     const ConfigSnapshot& mine, const ConflictResolver& resolve,
                     MergeDecisions& decisions);

// Saves `store`; when the file changed on disk since the store read it, the
// file is read again and merged key by key with `base` (what the store held
// before this editor changed it) and the store's values (mine): changes to
// different keys are combined, the resolver decides the keys changed on both
// sides. The merged file is written through a second store over the same
// file, under the file's lock with its stamp checked again; when another
// writer came in between, the file is read and merged again (a decision is
// kept while the file holds the same value for that key). Afterwards the
// store holds the merged values of the keys mine changed, but still the
// stamp of its own read: its next save merges again, so values the editor
// wrote without changing them never undo a change made on disk.
MergeSaveResult saveMerging(ConfigStore& store, const ConfigSnapshot& base,
                            const ConflictResolver& resolve, MergeDecisions& decisions,
                            const SaveOrigin& origin = {});
MergeSaveResult saveMerging(ConfigStore& store, const ConfigSnapshot& base,
                            const ConflictResolver& resolve);

} // namespace morva::config
