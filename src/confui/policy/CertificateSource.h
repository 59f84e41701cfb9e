#pragma once

#include <string>
#include <vector>

#include "confui/policy/PolicyList.h"

namespace morva::db {
class DataSet;
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

// The certificate folders of the program's data set.
class DataSetCertificates : public CertificateSource
{
public:
    explicit DataSetCertificates(const db::DataSet& dataSet) : m_dataSet(dataSet) {}
    std::string directory(CertificateDir dir) const override;
    std::vector<std::string> files(CertificateDir dir) const override;

private:
    const db::DataSet& m_dataSet;
};

}  // namespace morva::confui
