#pragma once

#include "platform/FileSystem.h"

#include <functional>
#include <string>
#include <string_view>

namespace morva::platform {

class Clock;

// Replaces the file at `path` with `contents` so that a reader sees either the
// old or the new bytes, never a mix:
//   temporary file created exclusively in the same directory, every byte
//   written, the old file's permissions and owner (security descriptor on
//   Windows) copied, synced (a failed sync aborts: it is never retried),
//   closed with its result checked, renamed over `path`, directory synced.
// A rename refused because another program holds the target (access denied,
// sharing violation: the gateway reading the file on Windows) is retried for
// about ten seconds through `clock`.
// On any failure the temporary file is removed, the old file is left as it
// was, *error receives the cause and false is returned. A failure to sync the
// directory after the rename is also reported as false: the new bytes are in
// place but not known to be durable.
bool replaceFileAtomically(FileSystem& fileSystem, Clock& clock, const std::string& path,
                           std::string_view contents, FileError* error = nullptr);

// The same with the contents produced piecewise: `produce` points its
// argument at the next bytes (left valid until its next call) and returns
// true, or returns false when all were given.
using ContentSource = std::function<bool(std::string_view* chunk)>;
bool replaceFileAtomically(FileSystem& fileSystem, Clock& clock, const std::string& path,
                           const ContentSource& produce, FileError* error = nullptr);

} // namespace morva::platform
