#include "confui/policy/CertificateSource.h"

#include "platform/FileSystem.h"

namespace morva::confui {

std::string FolderCertificates::directory(CertificateDir dir) const
{
    switch (dir) {
    case CertificateDir::SmimePublic:
        return m_folders.smimePub();
    case CertificateDir::SmimePrivate:
        return m_folders.smimePriv();
    case CertificateDir::DkimPrivate:
        return m_folders.dkimPriv();
    case CertificateDir::None:
        break;
    }
    return {};
}

std::vector<std::string> FolderCertificates::files(CertificateDir dir) const
{
    const std::string folder = directory(dir);
    return folder.empty() ? std::vector<std::string>{} : m_fileSystem.list(folder, "*.pem");
}

} // namespace morva::confui
