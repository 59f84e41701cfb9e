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

// The certificate folders the settings name, each ending with the separator:
// "CERT" below SMIMEPath and below DKIMPath (the program folder when a path
// is empty), and the folders inside them.
struct CertificateFolders
{
    std::string smimeCert;
    std::string dkimCert;
    char separator = '/';

    std::string smimeCrl() const { return smimeCert + "CRL" + separator; }
    std::string smimeFp() const { return smimeCert + "FP" + separator; }
    std::string smimePriv() const { return smimeCert + "PRIV" + separator; }
    std::string smimePub() const { return smimeCert + "PUB" + separator; }
    std::string dkimPriv() const { return dkimCert + "PRIV" + separator; }
};

CertificateFolders certificateFolders(const CertificateSettings& settings,
                                      const std::string& programDir, char separator);

} // namespace morva::db
