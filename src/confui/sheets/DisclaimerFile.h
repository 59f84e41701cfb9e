#pragma once

#include "platform/FileSystem.h"

#include <cstdint>
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

// A disclaimer is a few lines; a larger file is refused (TooLarge) rather
// than read into memory whole.
inline constexpr std::uint64_t kMaxTextFileBytes = std::uint64_t(16) << 20;

// The file's bytes; an empty text when the file does not exist; nothing
// when it exists but cannot be read (*error tells why). *stamp receives the
// file as it was before it was read (for writeTextFile's check).
std::optional<std::string> readTextFile(platform::FileSystem& fileSystem, const std::string& path,
                                        platform::FileError* error = nullptr,
                                        platform::FileStat* stamp = nullptr);

// Replaces the file atomically under its lock; false (and the old file
// untouched) on failure. Given the stamp of the read, the file is not
// replaced when another program changed it since (*changedOnDisk true).
bool writeTextFile(platform::FileSystem& fileSystem, platform::Clock& clock,
                   const std::string& path, std::string_view text,
                   platform::FileError* error = nullptr, const platform::FileStat* stamp = nullptr,
                   bool* changedOnDisk = nullptr);

} // namespace morva::confui
