#pragma once

#include "confui/policy/PolicyList.h"
#include "db/CertificateSettings.h"

#include <string>
#include <utility>
#include <vector>

namespace morva::platform {
class FileSystem;
}

namespace morva::confui {

// The certificate files a certificate field offers: the "*.pem" names of one
// of the data set's certificate folders.
class CertificateSource
{
public:
    virtual ~CertificateSource() = default;
    // The folder's path, ending with the separator; empty for None.
    virtual std::string directory(CertificateDir dir) const = 0;
    // The file names in the folder, sorted; no void entry.
    virtual std::vector<std::string> files(CertificateDir dir) const = 0;
};

// The files of the certificate folders, as the data set finds them.
class FolderCertificates : public CertificateSource
{
public:
    FolderCertificates(platform::FileSystem& fileSystem, db::CertificateFolders folders)
        : m_fileSystem(fileSystem), m_folders(std::move(folders))
    {
    }
    std::string directory(CertificateDir dir) const override;
    std::vector<std::string> files(CertificateDir dir) const override;

private:
    platform::FileSystem& m_fileSystem;
    db::CertificateFolders m_folders;
};

} // namespace morva::confui
