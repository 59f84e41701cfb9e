#include "confui/policy/CertificateSource.h"

#include "db/DataSet.h"

namespace morva::confui {

std::string DataSetCertificates::directory(CertificateDir dir) const
{
    switch (dir) {
    case CertificateDir::SmimePublic:
        return m_dataSet.smimePubDirectory();
    case CertificateDir::SmimePrivate:
        return m_dataSet.smimePrivDirectory();
    case CertificateDir::DkimPrivate:
        return m_dataSet.dkimPrivDirectory();
    case CertificateDir::None:
        break;
    }
    return {};
}

std::vector<std::string> DataSetCertificates::files(CertificateDir dir) const
{
    switch (dir) {
    case CertificateDir::SmimePublic:
        return m_dataSet.smimePublicCertificates(false);
    case CertificateDir::SmimePrivate:
        return m_dataSet.smimePrivateCertificates(false);
    case CertificateDir::DkimPrivate:
        return m_dataSet.dkimPrivateCertificates(false);
    case CertificateDir::None:
        break;
    }
    return {};
}

}  // namespace morva::confui
