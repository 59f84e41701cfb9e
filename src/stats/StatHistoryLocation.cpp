#include "stats/StatHistoryLocation.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>

namespace morva::stats {

namespace {

bool isAbsolute(const char* path)
{
    if (!path || !path[0])
        return false;
#ifdef _WIN32
    return (path[1] == ':' && (path[2] == '\\' || path[2] == '/')) ||
           (path[0] == '\\' && path[1] == '\\');
#else
    return path[0] == '/';
#endif
}

std::string hex64(std::uint64_t value)
{
    static const char digits[] = "0123456789abcdef";
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i, value >>= 4)
        text[static_cast<std::size_t>(i)] = digits[value & 0xF];
    return text;
}

std::uint64_t fnv1a(const std::string& text)
{
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ull;
    }
    return hash;
}

} // namespace

std::string userDataDirectory()
{
#ifdef _WIN32
    const char* base = std::getenv("LOCALAPPDATA");
    if (!isAbsolute(base))
        return {};
    return std::string(base) + "\\Brentmoor\\MorvaAdmin\\";
#else
    const char* data = std::getenv("XDG_DATA_HOME");
    if (isAbsolute(data))
        return std::string(data) + "/Brentmoor/MorvaAdmin/";
    const char* home = std::getenv("HOME");
    if (!isAbsolute(home))
        return {};
    return std::string(home) + "/.local/share/Brentmoor/MorvaAdmin/";
#endif
}

std::string statHistoryPath(const std::string& programDir, bool besideProgram)
{
    if (besideProgram)
        return programDir + "MorvaAdminStat.hist";
    const std::string directory = userDataDirectory();
    if (directory.empty())
        return {};
    return directory + "StatHistory-" + hex64(fnv1a(programDir)) + ".hist";
}

bool prepareHistoryDirectory(const std::string& path)
{
    const std::filesystem::path directory = std::filesystem::path(path).parent_path();
    std::error_code error;
    if (std::filesystem::is_directory(directory, error))
        return true;
    if (!std::filesystem::create_directories(directory, error))
        return false;
    std::filesystem::permissions(directory, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::replace, error);
    return true;
}

} // namespace morva::stats
