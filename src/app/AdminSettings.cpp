#include "app/AdminSettings.h"

#include <QSettings>

namespace morva::app {

AdminSettings::AdminSettings(std::unique_ptr<QSettings> settings) : m_settings(std::move(settings))
{
}

AdminSettings::~AdminSettings() = default;

std::unique_ptr<AdminSettings> AdminSettings::forCurrentUser()
{
    return std::make_unique<AdminSettings>(std::make_unique<QSettings>(
        QSettings::NativeFormat, QSettings::UserScope, kOrganization, kApplication));
}

std::unique_ptr<AdminSettings> AdminSettings::inFile(const QString& path)
{
    return std::make_unique<AdminSettings>(std::make_unique<QSettings>(path, QSettings::IniFormat));
}

int AdminSettings::readInt(const QString& name, int defaultValue) const
{
    bool ok = false;
    const int value = m_settings->value(name).toInt(&ok);
    return ok ? value : defaultValue;
}

bool AdminSettings::writeInt(const QString& name, int value)
{
    m_settings->setValue(name, value);
    m_settings->sync();
    return m_settings->status() == QSettings::NoError && m_settings->isWritable();
}

} // namespace morva::app
