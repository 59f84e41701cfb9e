#pragma once

#include <memory>
#include <string>
#include <vector>

namespace morva::platform {

// Opens a web page in the user's browser, or a file with the program the
// desktop associates with it. The call returns once the desktop has taken
// the request; false when it could not (no browser, no association, the
// opener missing, or a target refused as unsafe).
class UrlOpener
{
public:
    virtual ~UrlOpener() = default;
    // `url` must be an absolute http, https or mailto address.
    virtual bool openUrl(const std::string& url) = 0;
    // `path` names a local file.
    virtual bool openFile(const std::string& path) = 0;
};

// The desktop's opener on this machine; each backend's source file defines it.
std::unique_ptr<UrlOpener> makeSystemUrlOpener();

// True for a target an opener may be given: an http://, https:// or mailto:
// address (scheme case-insensitive) without blanks or control characters.
// Anything else (another scheme, a text that an opener could read as an
// option, an empty text) is refused.
bool isOpenableUrl(const std::string& url);

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
