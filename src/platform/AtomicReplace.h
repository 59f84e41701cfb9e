#pragma once

#include "platform/FileSystem.h"

#include <functional>
#include <string>
#include <string_view>

namespace morva::platform {

class Clock;

// Replaces the file at `path` with `contents` so that a reader sees either the
// old or the new bytes, never a mix:
//   when `path` is a symbolic link, its target is replaced (in the target's
//   directory), so the link keeps naming the file with the new bytes;
//   temporary file created exclusively and owner-only in the same directory,
//   every byte written, the old file's permissions, owner and extended
//   attributes (security descriptor on Windows) copied, synced (a failed sync
//   aborts: it is never retried), closed with its result checked, renamed
//   over `path`, directory synced.
// A rename refused because another program holds the target (access denied,
// sharing violation: the gateway reading the file on Windows) is retried for
// about ten seconds through `clock`.
// Replacing the same file from two processes at once is the caller's to
// prevent (see ReplaceLock.h).
enum class ReplaceResult
{
    Replaced,
    // The new bytes are in place, but the directory sync after the rename
    // failed: the rename is not known to survive a crash of the system.
    ReplacedNotDurable,
    // Nothing changed: the temporary file is removed, the old file is left
    // as it was and *error receives the cause.
    Failed,
};

// The contents produced piecewise: `produce` points its argument at the next
// bytes (left valid until its next call) and returns true, or returns false
// when all were given.
using ContentSource = std::function<bool(std::string_view* chunk)>;
// A source that gives `contents` (which must outlive it) in one piece.
ContentSource wholeContents(std::string_view contents);
// Called once the new bytes are complete and synced, right before the
// rename: the old file is about to be replaced whole.
using BeforeRename = std::function<void()>;
ReplaceResult replaceFile(FileSystem& fileSystem, Clock& clock, const std::string& path,
                          const ContentSource& produce, FileError* error = nullptr,
                          const BeforeRename& beforeRename = {});

// The same, true only for ReplaceResult::Replaced (a failed directory sync is
// reported as false with its error, the new bytes in place).
bool replaceFileAtomically(FileSystem& fileSystem, Clock& clock, const std::string& path,
                           std::string_view contents, FileError* error = nullptr);
bool replaceFileAtomically(FileSystem& fileSystem, Clock& clock, const std::string& path,
                           const ContentSource& produce, FileError* error = nullptr,
                           const BeforeRename& beforeRename = {});

// Removes the temporary files that replaces of `path` (links followed) left
// behind when their process was killed: only names of the form the replace
// gives them ("~" + file name + "." + eight lower-case letters or digits).
// Call it only while no replace of `path` can be running (under its
// ReplaceLock); a temporary still held open is left alone. Returns how many
// were removed.
std::size_t removeLeftoverTemporaries(FileSystem& fileSystem, const std::string& path);

// Whether `name` is a temporary file name that a replace of the file named
// `fileName` gives.
bool isTemporaryNameOf(std::string_view name, std::string_view fileName);

} // namespace morva::platform
