#include "platform/UserSettings.h"

namespace morva::platform {

bool isValidSettingName(const std::string& name)
{
    if (name.empty() || name.front() == ' ' || name.back() == ' ')
        return false;
    for (unsigned char c : name)
        if (c < 0x20 || c == 0x7F || c == '=')
            return false;
    return true;
}

} // namespace morva::platform
