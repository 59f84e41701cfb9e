#pragma once

#include <QString>
#include <memory>

namespace morva::platform {
class UserSettings;
}

namespace morva::app {

// The console's own per-user integer settings (the main window placement),
// over the platform's per-user store: on Windows the registry key
// HKEY_CURRENT_USER\Software\Brentmoor\MorvaAdmin, elsewhere the user's
// settings file. A missing value yields the caller's default; a failed
// write is reported by writeInt and otherwise ignored by the console.
class AdminSettings
{
public:
    static constexpr const char* kOrganization = "Brentmoor";
    static constexpr const char* kApplication = "MorvaAdmin";

    explicit AdminSettings(std::unique_ptr<platform::UserSettings> settings);
    ~AdminSettings();
    AdminSettings(const AdminSettings&) = delete;
    AdminSettings& operator=(const AdminSettings&) = delete;

    static std::unique_ptr<AdminSettings> forCurrentUser();
    // A settings file of its own (tests, portable copies).
    static std::unique_ptr<AdminSettings> inFile(const QString& path);

    int readInt(const QString& name, int defaultValue) const;
    bool writeInt(const QString& name, int value);

private:
    std::unique_ptr<platform::UserSettings> m_settings;
};

} // namespace morva::app
