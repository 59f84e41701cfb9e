#pragma once

#include "platform/FileSystem.h"

#include <ctime>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace morva::gwsim {

// One line of the gateway's log before formatting: the session thread
// (0 for the service's own lines, which carry no thread) and the text.
struct LogEntry
{
    int thread = 0;
    std::string text;
    std::time_t when = 0; // 0: the time the line is appended
};

// The gateway's log file "GW.log": lines of the form
//   "DD.MM.YY HH:MM:SS 12: text"   (session line)
//   "DD.MM.YY HH:MM:SS text"       (service line)
// ending in CR LF (or LF). The file is kept open for appending (read/write,
// sharing read, so the console can read it at any time) and closed for
// rotating and truncating.
class GatewayLog
{
public:
    GatewayLog(platform::FileSystem& fileSystem, std::string path, bool crlf = true);
    ~GatewayLog();

    // The layout above for the local time `when` (the entry's own time when
    // it has one).
    static std::string formatLine(std::time_t when, const LogEntry& entry, bool crlf = true);

    // Appends the lines in one write; false when the file cannot be opened
    // or written (the lines are then lost, as a gateway would lose them).
    bool append(std::time_t when, const std::vector<LogEntry>& entries);

    // Renames the log to "GW-YYYYMMDD-HHMMSS[-n].log" beside it and starts a
    // new one. False while another program holds the file (try again later).
    // *rotatedTo receives the new name.
    bool rotate(std::time_t when, std::string* rotatedTo = nullptr);
    // Cuts the log to zero length; false while another program holds it.
    bool truncate();

    void close();
    const std::string& path() const { return m_path; }
    std::uint64_t size() const { return m_size; }

private:
    bool ensureOpen();

    platform::FileSystem& m_fileSystem;
    std::string m_path;
    bool m_crlf;
    std::unique_ptr<platform::File> m_file;
    std::uint64_t m_size = 0;
};

} // namespace morva::gwsim
