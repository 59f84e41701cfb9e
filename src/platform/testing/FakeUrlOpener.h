#pragma once

#include "platform/UrlOpener.h"

#include <string>
#include <vector>

namespace morva::platform {

// For tests: records every request and answers with a set result.
class FakeUrlOpener final : public UrlOpener
{
public:
    bool openUrl(const std::string& url) override
    {
        m_urls.push_back(url);
        return m_succeed;
    }
    bool openFile(const std::string& path) override
    {
        m_files.push_back(path);
        return m_succeed;
    }
    void setSucceed(bool succeed) { m_succeed = succeed; }
    const std::vector<std::string>& urls() const { return m_urls; }
    const std::vector<std::string>& files() const { return m_files; }

private:
    bool m_succeed = true;
    std::vector<std::string> m_urls;
    std::vector<std::string> m_files;
};

} // namespace morva::platform
