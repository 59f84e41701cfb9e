#include "GatewayLog.h"

#include <cstdio>

namespace morva::gwsim {

namespace {

constexpr platform::OpenMode kAppend = 5;          // read/write, share read, open always
constexpr platform::OpenMode kCreateExclusive = 4; // read/write, no sharing, truncate

std::tm localTime(std::time_t when)
{
    std::tm parts{};
#ifdef _WIN32
    localtime_s(&parts, &when);
#else
    localtime_r(&when, &parts);
#endif
    return parts;
}

} // namespace

GatewayLog::GatewayLog(platform::FileSystem& fileSystem, std::string path, bool crlf)
    : m_fileSystem(fileSystem), m_path(std::move(path)), m_crlf(crlf)
{
}

GatewayLog::~GatewayLog()
{
    close();
}

std::string GatewayLog::formatLine(std::time_t when, const LogEntry& entry, bool crlf)
{
    if (entry.thread < 0)
        return entry.text + (crlf ? "\r\n" : "\n");
    const std::tm t = localTime(when);
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%02d.%02d.%02d %02d:%02d:%02d ", t.tm_mday, t.tm_mon + 1,
                  t.tm_year % 100, t.tm_hour, t.tm_min, t.tm_sec);
    std::string line = stamp;
    if (entry.thread > 0)
        line += std::to_string(entry.thread) + ": ";
    line += entry.text;
    line += crlf ? "\r\n" : "\n";
    return line;
}

bool GatewayLog::ensureOpen()
{
    if (m_file)
        return true;
    m_file = m_fileSystem.open(m_path, kAppend);
    if (!m_file)
        return false;
    if (!m_file->size(&m_size)) {
        m_file.reset();
        return false;
    }
    return true;
}

bool GatewayLog::append(std::time_t when, const std::vector<LogEntry>& entries)
{
    if (entries.empty())
        return true;
    if (!ensureOpen())
        return false;
    std::string bytes;
    for (const LogEntry& entry : entries)
        bytes += formatLine(when, entry, m_crlf);
    // Another program may have cut the file: write at its real end.
    std::uint64_t size = m_size;
    if (m_file->size(&size))
        m_size = size;
    if (!m_file->writeAt(m_size, bytes.data(), bytes.size())) {
        close();
        return false;
    }
    m_size += bytes.size();
    return true;
}

bool GatewayLog::rotate(std::time_t when, std::string* rotatedTo)
{
    close();
    const std::tm t = localTime(when);
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", t.tm_year + 1900, t.tm_mon + 1,
                  t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
    const auto slash = m_path.find_last_of("/\\");
    const std::string dir =
        slash == std::string::npos ? std::string() : m_path.substr(0, slash + 1);
    std::string target;
    for (int n = 0; n < 1000; ++n) {
        target = dir + "GW-" + stamp + (n ? "-" + std::to_string(n) : std::string()) + ".log";
        if (!m_fileSystem.stat(target).exists)
            break;
    }
    if (!m_fileSystem.rename(m_path, target))
        return false;
    if (rotatedTo)
        *rotatedTo = target.substr(dir.size());
    m_size = 0;
    return true;
}

bool GatewayLog::truncate()
{
    close();
    auto file = m_fileSystem.open(m_path, kCreateExclusive);
    if (!file)
        return false;
    const bool closed = file->close();
    m_size = 0;
    return closed;
}

void GatewayLog::close()
{
    if (m_file)
        m_file->close();
    m_file.reset();
}

} // namespace morva::gwsim
