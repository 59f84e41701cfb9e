#pragma once

#include "platform/FileSystem.h"

#include <optional>
#include <string>
#include <string_view>

namespace morva::platform {
class Clock;
}

namespace morva::confui {

// The plain-text disclaimer the gateway appends to outbound messages, kept
// next to "Morva.ini".
inline constexpr std::string_view kDisclaimerFileName = "odisc-pl.txt";

// The file's bytes; an empty text when the file does not exist; nothing
// when it exists but cannot be read (*error tells why).
std::optional<std::string> readTextFile(platform::FileSystem& fileSystem, const std::string& path,
                                        platform::FileError* error = nullptr);

// Replaces the file atomically; false (and the old file untouched) on failure.
bool writeTextFile(platform::FileSystem& fileSystem, platform::Clock& clock,
                   const std::string& path, std::string_view text,
                   platform::FileError* error = nullptr);

} // namespace morva::confui
