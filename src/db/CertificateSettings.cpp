#include "db/CertificateSettings.h"

#include "config/ConfigStore.h"

namespace morva::db {

CertificateSettings certificateSettingsFrom(const config::ConfigStore& store)
{
    return {store.getString("SMIMEPath"), store.getString("SMIMECACert"),
            store.getString("DKIMPath")};
}

CertificateFolders certificateFolders(const CertificateSettings& settings,
                                      const std::string& programDir, char separator)
{
    auto withSeparator = [separator](std::string directory) {
        if (directory.empty() || directory.back() != separator)
            directory += separator;
        return directory;
    };
    auto base = [&](const std::string& path) {
        return withSeparator(path.empty() ? programDir : path);
    };
    return {base(settings.smimePath) + "CERT" + separator,
            base(settings.dkimPath) + "CERT" + separator, separator};
}

} // namespace morva::db
