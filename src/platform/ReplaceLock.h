#pragma once

#include "platform/FileSystem.h"

#include <memory>
#include <string>

namespace morva::platform {

class Clock;

// Serialises the replaces of one file across threads and processes: every
// writer holds it from the moment it checks that the file is still the one
// it read until its new file is renamed into place and stamped, so a second
// writer that waited sees the first one's file when it checks.
//
// The lock is a file beside the replaced file (its name + ".lock", links
// followed), held exclusively through the file system's share rules and
// never removed. A lock on the replaced file itself would not do: the rename
// puts a new file under the name, and a writer waiting on the old one would
// then check and replace a file nobody holds.
class ReplaceLock
{
public:
    // Takes the lock of `path`, waiting through `clock` for about ten seconds
    // while another writer holds it. held() tells whether it was taken.
    ReplaceLock(FileSystem& fileSystem, Clock& clock, const std::string& path);
    ~ReplaceLock();
    ReplaceLock(const ReplaceLock&) = delete;
    ReplaceLock& operator=(const ReplaceLock&) = delete;

    bool held() const { return m_file != nullptr; }
    // Why the lock was not taken (SharingViolation: still held elsewhere).
    FileError error() const { return m_error; }
    // The path of the lock file.
    const std::string& path() const { return m_path; }
    void release();

private:
    std::unique_ptr<File> m_file;
    std::string m_path;
    FileError m_error = FileError::None;
};

// The lock file of `target` (a path with links already followed).
std::string replaceLockPath(const std::string& target);

} // namespace morva::platform
