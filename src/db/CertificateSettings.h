#pragma once

#include <string>

namespace morva::config {
class ConfigStore;
}

namespace morva::db {

// The configuration values the data set derives its certificate
// directories from (SMIMEPath, SMIMECACert, DKIMPath), read once at start-up.
struct CertificateSettings
{
    std::string smimePath;
    std::string smimeCaCert;
    std::string dkimPath;
};

// The three values as the configuration store holds them.
CertificateSettings certificateSettingsFrom(const config::ConfigStore& store);

} // namespace morva::db
