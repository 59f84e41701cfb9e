#pragma once

#include "platform/FileVersion.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace morva::platform {

// Reads the file version of a Windows executable from its version resource
// (RT_VERSION, the VS_FIXEDFILEINFO after the "VS_VERSION_INFO" key),
// without any Windows call, so the check works on every platform.
//
// The image is untrusted: every offset and size taken from it is checked
// against the bytes actually given before anything is read there, sums are
// checked for overflow, and the resource tree is walked only three levels
// deep (type, name, language), so a file that lies about its layout gives
// nullopt, never a read outside the image.
std::optional<FileVersion> readPeFileVersion(std::span<const std::uint8_t> image);

// Largest file readPeFileVersionFile reads; larger files give nullopt.
constexpr std::uint64_t kMaxPeImageSize = std::uint64_t{256} * 1024 * 1024;

// The file version of the executable at `path`; nullopt when the file is
// missing, unreadable, larger than kMaxPeImageSize, not a PE image or has
// no version resource.
std::optional<FileVersion> readPeFileVersionFile(const std::string& path);

} // namespace morva::platform
