#include "platform/PosixUserSettings.h"

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace morva::platform {

namespace {

// The lines of the file; an absent file has none. *readable is false when
// the file exists but cannot be read (a rewrite would then lose its values).
std::vector<std::string> readLines(const std::string& path, bool* readable = nullptr)
{
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    if (readable) {
        std::error_code ec;
        *readable = in.is_open() || !std::filesystem::exists(path, ec);
    }
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The name of a "name=value" line, or empty for any other line.
std::string_view nameOf(std::string_view line)
{
    const auto equals = line.find('=');
    return equals == std::string_view::npos ? std::string_view() : line.substr(0, equals);
}

bool parseValue(std::string_view text, std::int32_t* value)
{
    if (text.empty())
        return false;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), *value);
    return ec == std::errc() && end == text.data() + text.size();
}

bool writeAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool replaceFile(const std::string& path, const std::string& bytes)
{
    const std::filesystem::path target(path);
    std::error_code ec;
    std::filesystem::create_directories(target.parent_path(), ec);
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return false;
    ::fchmod(fd, S_IRUSR | S_IWUSR);
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok)
        ok = ::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    const int dir = ::open(target.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

} // namespace

PosixUserSettings::PosixUserSettings(std::string path) : m_path(std::move(path)) {}

std::int32_t PosixUserSettings::readInt(const std::string& name, std::int32_t defaultValue)
{
    if (m_path.empty() || !isValidSettingName(name))
        return defaultValue;
    std::int32_t result = defaultValue;
    for (const std::string& line : readLines(m_path)) {
        if (nameOf(line) != name)
            continue;
        std::int32_t value = 0;
        // The last line of a name wins, as a rewrite keeps only one.
        result = parseValue(std::string_view(line).substr(name.size() + 1), &value) ? value
                                                                                    : defaultValue;
    }
    return result;
}

bool PosixUserSettings::writeInt(const std::string& name, std::int32_t value)
{
    if (m_path.empty() || !isValidSettingName(name))
        return false;
    bool readable = true;
    const std::vector<std::string> lines = readLines(m_path, &readable);
    if (!readable)
        return false;
    std::ostringstream out;
    bool written = false;
    for (const std::string& line : lines) {
        if (nameOf(line) == name) {
            if (!written)
                out << name << '=' << value << '\n';
            written = true;
            continue;
        }
        out << line << '\n';
    }
    if (!written)
        out << name << '=' << value << '\n';
    return replaceFile(m_path, out.str());
}

std::string PosixUserSettings::defaultPath()
{
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string base;
    if (config && config[0] == '/') {
        base = config;
    } else {
        const char* home = std::getenv("HOME");
        if (!home || home[0] != '/')
            return {};
        base = std::string(home) + "/.config";
    }
    return base + "/Brentmoor/MorvaAdmin.conf";
}

std::unique_ptr<UserSettings> makeSystemUserSettings()
{
    return std::make_unique<PosixUserSettings>(PosixUserSettings::defaultPath());
}

} // namespace morva::platform
