#pragma once

#include "platform/FileVersion.h"

#include <memory>
#include <optional>
#include <string>

namespace morva::platform {

// The file version of an executable, from its version resource. nullopt
// when the file is missing or carries no readable version resource.
class VersionResource
{
public:
    virtual ~VersionResource() = default;
    virtual std::optional<FileVersion> fileVersion(const std::string& path) = 0;
};

// The backend of this machine; each backend's source file defines it (the
// POSIX one reads the image with PeVersionReader).
std::unique_ptr<VersionResource> makeSystemVersionResource();

} // namespace morva::platform
