#pragma once

#include "platform/FileVersion.h"

#include <map>
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

// For tests: versions by path.
class FakeVersionResource final : public VersionResource
{
public:
    std::optional<FileVersion> fileVersion(const std::string& path) override
    {
        auto it = m_versions.find(path);
        if (it == m_versions.end())
            return std::nullopt;
        return it->second;
    }
    void setVersion(const std::string& path, FileVersion version) { m_versions[path] = version; }

private:
    std::map<std::string, FileVersion> m_versions;
};

} // namespace morva::platform
