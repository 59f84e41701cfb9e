#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

namespace morva::platform {

// The console's own per-user settings: 32-bit integers by name. On Windows
// they live under the user's registry key "Software\Brentmoor\MorvaAdmin";
// on POSIX in a small settings file (PosixUserSettings).
class UserSettings
{
public:
    virtual ~UserSettings() = default;
    // The stored value, or `defaultValue` when there is none or it cannot be
    // read.
    virtual std::int32_t readInt(const std::string& name, std::int32_t defaultValue) = 0;
    // Stores the value; false when it could not be stored. A name must be
    // non-empty and free of '=', control characters and leading or trailing
    // blanks; any other name is refused.
    virtual bool writeInt(const std::string& name, std::int32_t value) = 0;
};

// The settings of the current user on this machine; each backend's source
// file defines it.
std::unique_ptr<UserSettings> makeSystemUserSettings();

// True when `name` can be stored (see writeInt).
bool isValidSettingName(const std::string& name);

// For tests: values in memory; writes can be made to fail.
class FakeUserSettings final : public UserSettings
{
public:
    std::int32_t readInt(const std::string& name, std::int32_t defaultValue) override
    {
        auto it = m_values.find(name);
        return it == m_values.end() ? defaultValue : it->second;
    }
    bool writeInt(const std::string& name, std::int32_t value) override
    {
        if (m_failWrites || !isValidSettingName(name))
            return false;
        m_values[name] = value;
        return true;
    }
    void setFailWrites(bool fail) { m_failWrites = fail; }
    const std::map<std::string, std::int32_t>& values() const { return m_values; }

private:
    std::map<std::string, std::int32_t> m_values;
    bool m_failWrites = false;
};

} // namespace morva::platform
