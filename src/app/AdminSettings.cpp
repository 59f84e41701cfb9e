#include "app/AdminSettings.h"

#include "platform/UserSettings.h"
#ifndef _WIN32
#include "platform/PosixUserSettings.h"
#endif

namespace morva::app {

AdminSettings::AdminSettings(std::unique_ptr<platform::UserSettings> settings)
    : m_settings(std::move(settings))
{
}

AdminSettings::~AdminSettings() = default;

std::unique_ptr<AdminSettings> AdminSettings::forCurrentUser()
{
    return std::make_unique<AdminSettings>(platform::makeSystemUserSettings());
}

std::unique_ptr<AdminSettings> AdminSettings::inFile(const QString& path)
{
#ifndef _WIN32
    return std::make_unique<AdminSettings>(
        std::make_unique<platform::PosixUserSettings>(path.toStdString()));
#else
    // Windows keeps these settings in the registry only; a copy of its own
    // lives in memory.
    (void)path;
    return std::make_unique<AdminSettings>(std::make_unique<platform::FakeUserSettings>());
#endif
}

int AdminSettings::readInt(const QString& name, int defaultValue) const
{
    return m_settings->readInt(name.toStdString(), defaultValue);
}

bool AdminSettings::writeInt(const QString& name, int value)
{
    return m_settings->writeInt(name.toStdString(), value);
}

} // namespace morva::app
