#pragma once

#include "resources/Version.h"

#include <cstdint>
#include <string>

namespace morva::platform {

// The four fields of a file version (VS_FIXEDFILEINFO's dwFileVersionMS
// high and low word, dwFileVersionLS high and low word).
struct FileVersion
{
    std::uint16_t major = 0;
    std::uint16_t minor = 0;
    std::uint16_t third = 0;
    std::uint16_t fourth = 0;

    friend bool operator==(const FileVersion&, const FileVersion&) = default;
};

// The gateway version this console belongs to (the project's version), and
// the console's own product-and-version text ("Morva v3.53").
constexpr FileVersion kConsoleVersion{version::kMajor, version::kMinor, version::kPatch, 0};
constexpr const char* kConsoleVersionText = version::kProductText;

// True when `version` is exactly the console's (all four fields).
bool matchesConsoleVersion(const FileVersion& version);

// The gateway's way of writing a version: major "." minor, and for a
// non-zero third field a letter (1 "a", 2 "b", ... 26 "z"): 3.53.2.0 gives
// "3.53b", 3.53.0.1 gives "3.53" (the fourth field is never shown). A third
// field beyond 26 has no letter and is written as ".<number>".
std::string versionText(const FileVersion& version);

} // namespace morva::platform
