// Per-user settings in the registry, as REG_DWORD values under the user's key.
#include "platform/UserSettings.h"
#include "platform/WindowsRegistry.h"

namespace morva::platform {

namespace {

constexpr const char* kSettingsKey = "Software\\Brentmoor\\MorvaAdmin";

class WindowsUserSettings final : public UserSettings
{
public:
    std::int32_t readInt(const std::string& name, std::int32_t defaultValue) override
    {
        if (!isValidSettingName(name))
            return defaultValue;
        const auto value = readRegistryDword(HKEY_CURRENT_USER, kSettingsKey, name);
        return value ? static_cast<std::int32_t>(*value) : defaultValue;
    }
    bool writeInt(const std::string& name, std::int32_t value) override
    {
        return isValidSettingName(name) &&
               writeRegistryDword(HKEY_CURRENT_USER, kSettingsKey, name, static_cast<DWORD>(value));
    }
};

} // namespace

std::unique_ptr<UserSettings> makeSystemUserSettings()
{
    return std::make_unique<WindowsUserSettings>();
}

} // namespace morva::platform
