#pragma once

#include "platform/VersionResource.h"

#include <map>
#include <optional>
#include <string>

namespace morva::platform {

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
