#include "db/CertificateSettings.h"

#include "config/ConfigStore.h"

namespace morva::db {

CertificateSettings certificateSettingsFrom(const config::ConfigStore& store)
{
    return {store.getString("SMIMEPath"), store.getString("SMIMECACert"),
            store.getString("DKIMPath")};
}

} // namespace morva::db
