#include "platform/ProcessInfo.h"

#include <cstdlib>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace morva::platform {

namespace {
#ifdef _WIN32
constexpr char kSeparator = '\\';
bool isSeparator(char c)
{
    return c == '\\' || c == '/';
}
#else
constexpr char kSeparator = '/';
bool isSeparator(char c)
{
    return c == '/';
}
#endif
} // namespace

std::string executablePath()
{
#ifdef _WIN32
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0)
            return {};
        if (n < buffer.size()) {
            int bytes = WideCharToMultiByte(CP_ACP, 0, buffer.data(), static_cast<int>(n), nullptr,
                                            0, nullptr, nullptr);
            std::string out(static_cast<std::size_t>(bytes), '\0');
            WideCharToMultiByte(CP_ACP, 0, buffer.data(), static_cast<int>(n), out.data(), bytes,
                                nullptr, nullptr);
            return out;
        }
        buffer.resize(buffer.size() * 2);
    }
#else
    std::vector<char> buffer(4096);
    ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (n <= 0)
        return {};
    return std::string(buffer.data(), static_cast<std::size_t>(n));
#endif
}

std::string directoryOf(const std::string& path)
{
    std::size_t i = path.size();
    while (i > 0 && !isSeparator(path[i - 1]))
        --i;
    if (i == 0)
        return std::string(".") + kSeparator;
    return path.substr(0, i);
}

std::string withTrailingSeparator(std::string dir)
{
    if (dir.empty())
        return std::string(".") + kSeparator;
    if (!isSeparator(dir.back()))
        dir.push_back(kSeparator);
    return dir;
}

std::string resolveProgramDir(const std::string& override)
{
    if (!override.empty())
        return withTrailingSeparator(override);
    if (const char* env = std::getenv("MORVA_PROGRAM_DIR"); env && *env)
        return withTrailingSeparator(env);
    return directoryOf(executablePath());
}

} // namespace morva::platform
