#pragma once

#include "config/ConfigDiff.h"
#include "platform/FileSystem.h"

#include <span>
#include <string_view>
#include <vector>

namespace morva::db {

class DataSet;
struct RecordLayout;

// The record files the data set keeps in the history of saves: forwarding,
// blocking and Exchange users (the files the console edits).
std::span<const RecordLayout* const> keptRecordLayouts();
// The layout of the kept record file `fileName`; null for any other name.
const RecordLayout* keptRecordLayout(std::string_view fileName);

enum class RecordRestoreStatus
{
    Restored,
    UnknownFile,    // not a record file the history keeps, or the data set is not open
    UnknownVersion, // no such kept version (or its copy no longer matches its line)
    NotKept,        // the file as it is now could not be kept first: nothing replaced
    WriteFailed,    // the replace failed: the file keeps its bytes
};

struct RecordRestore
{
    RecordRestoreStatus status = RecordRestoreStatus::Restored;
    platform::FileError error = platform::FileError::None;
};

// Puts the kept version `id` of the record file `fileName` back. The data
// set must be acquired (its lock held) and have a history. The file as it
// is now (its pending record written) is kept first, with `source`; then
// the version replaces it atomically (temporary, sync, rename), so on any
// failure the file is left as it was.
RecordRestore restoreRecordFile(DataSet& data, std::string_view fileName, std::string_view id,
                                std::string_view source);

// What changed from one version of a record file to another, for a
// reader: one change without key per live record that only `before` holds
// (old text) or only `after` holds (new text), in the order of the files.
// A record reads as its fields joined by " | " (blanks trimmed, flags as
// "*", empty fields at the end and the gateway's own fields left out), as
// UTF-8.
std::vector<config::ConfigChange> recordChanges(const RecordLayout& layout, std::string_view before,
                                                std::string_view after);

} // namespace morva::db
