#pragma once

#include <string>
#include <string_view>

namespace morva::log {

// One row of the log view: the three columns of a gateway log line, each
// valid UTF-8 without control characters (safe to show as plain text).
struct LogRow
{
    std::string time;
    std::string thread;
    std::string activity;

    bool operator==(const LogRow&) const = default;
    bool isEmpty() const { return time.empty() && thread.empty() && activity.empty(); }
};

// Splits one log line (without its line end) in the gateway's layout:
//   DDDDDDDDD hh:mm:ss <thread>: <activity>
// The first 9 characters (the date) are not shown, the next 8 are the time,
// one separator follows; when the text after it starts with digits followed
// by ":", those digits are the thread and the ":" and the character after it
// are skipped; the rest is the activity. A line shorter than 16 characters
// gives an empty row.
LogRow splitLogLine(std::string_view line);

// `bytes` as valid UTF-8: invalid sequences become U+FFFD, a tab becomes a
// blank, other control characters (NUL included) become U+FFFD.
std::string sanitizeLogText(std::string_view bytes);

} // namespace morva::log
