#include "platform/FileVersion.h"

namespace morva::platform {

bool matchesConsoleVersion(const FileVersion& version)
{
    return version == kConsoleVersion;
}

std::string versionText(const FileVersion& version)
{
    std::string text = std::to_string(version.major) + "." + std::to_string(version.minor);
    if (version.third >= 1 && version.third <= 26)
        text += static_cast<char>(0x60 + version.third);
    else if (version.third > 26)
        text += "." + std::to_string(version.third);
    return text;
}

} // namespace morva::platform
