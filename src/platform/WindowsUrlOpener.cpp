#include "platform/UrlOpener.h"
#include "platform/WindowsText.h"

#include <windows.h>
// shellapi.h needs the types of windows.h first.
#include <shellapi.h>

namespace morva::platform {

namespace {

bool shellOpen(const std::string& target)
{
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, nullptr, widen(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

class WindowsUrlOpener final : public UrlOpener
{
public:
    bool openUrl(const std::string& url) override { return isOpenableUrl(url) && shellOpen(url); }
    bool openFile(const std::string& path) override
    {
        if (path.empty())
            return false;
        const DWORD attributes = GetFileAttributesW(widen(path).c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
            return false;
        return shellOpen(path);
    }
};

} // namespace

std::unique_ptr<UrlOpener> makeSystemUrlOpener()
{
    return std::make_unique<WindowsUrlOpener>();
}

} // namespace morva::platform
