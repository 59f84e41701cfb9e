#include "platform/VersionResource.h"
#include "platform/WindowsText.h"

#include <vector>
#include <windows.h>

namespace morva::platform {

namespace {

class WindowsVersionResource final : public VersionResource
{
public:
    std::optional<FileVersion> fileVersion(const std::string& path) override
    {
        const std::wstring wide = widen(path);
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeW(wide.c_str(), &ignored);
        if (size == 0)
            return std::nullopt;
        std::vector<unsigned char> data(size);
        if (!GetFileVersionInfoW(wide.c_str(), 0, size, data.data()))
            return std::nullopt;
        void* block = nullptr;
        UINT length = 0;
        wchar_t root[] = L"\\";
        if (!VerQueryValueW(data.data(), root, &block, &length) || !block ||
            length < sizeof(VS_FIXEDFILEINFO))
            return std::nullopt;
        const auto* info = static_cast<const VS_FIXEDFILEINFO*>(block);
        if (info->dwSignature != 0xFEEF04BD)
            return std::nullopt;
        return FileVersion{HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS),
                           HIWORD(info->dwFileVersionLS), LOWORD(info->dwFileVersionLS)};
    }
};

} // namespace

std::unique_ptr<VersionResource> makeSystemVersionResource()
{
    return std::make_unique<WindowsVersionResource>();
}

} // namespace morva::platform
