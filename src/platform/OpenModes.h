#pragma once

#include "platform/FileSystem.h"

#include <optional>

namespace morva::platform {

// What each numbered open mode of FileSystem.h means, for every backend to
// map onto its system: the access, what other opens may share, and what
// happens when the file exists or not.
enum class OpenDisposition
{
    OpenExisting, // fails when missing
    CreateAlways, // creates, or truncates what is there
    OpenAlways,   // creates when missing, keeps what is there
    CreateNew     // fails when present
};

struct OpenModeRule
{
    bool write = false;      // read/write, else read only
    bool shareRead = false;  // others may open for reading meanwhile
    bool shareWrite = false; // others may open for writing meanwhile
    OpenDisposition disposition = OpenDisposition::OpenExisting;
    bool noFollow = false; // kOpenNoFollow: a symbolic link is refused
};

// The rule of `mode` (with its added flags); nothing for a number that is
// no open mode.
std::optional<OpenModeRule> openModeRule(OpenMode mode);

} // namespace morva::platform
