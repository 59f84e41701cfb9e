#include "platform/PeVersionReader.h"
#include "platform/VersionResource.h"

namespace morva::platform {

namespace {

class PeFileVersionResource final : public VersionResource
{
public:
    std::optional<FileVersion> fileVersion(const std::string& path) override
    {
        return readPeFileVersionFile(path);
    }
};

} // namespace

std::unique_ptr<VersionResource> makeSystemVersionResource()
{
    return std::make_unique<PeFileVersionResource>();
}

} // namespace morva::platform
