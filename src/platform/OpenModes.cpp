#include "platform/OpenModes.h"

namespace morva::platform {

namespace {

std::optional<OpenModeRule> numberedRule(OpenMode mode)
{
    using D = OpenDisposition;
    switch (mode) {
    case 1:
    case 7:
        return OpenModeRule{false, true, true, D::OpenExisting};
    case 2:
        return OpenModeRule{true, false, false, D::OpenExisting};
    case 3:
        return OpenModeRule{true, true, false, D::OpenExisting};
    case 4:
        return OpenModeRule{true, false, false, D::CreateAlways};
    case 5:
        return OpenModeRule{true, true, false, D::OpenAlways};
    case 9:
        return OpenModeRule{true, false, false, D::CreateNew};
    case 10:
        return OpenModeRule{true, true, false, D::CreateAlways};
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<OpenModeRule> openModeRule(OpenMode mode)
{
    if ((mode & ~(0xFF | kOpenNoFollow)) != 0)
        return std::nullopt;
    std::optional<OpenModeRule> rule = numberedRule(openModeNumber(mode));
    if (rule)
        rule->noFollow = (mode & kOpenNoFollow) != 0;
    return rule;
}

} // namespace morva::platform
