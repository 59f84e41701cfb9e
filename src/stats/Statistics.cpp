#include "stats/Statistics.h"

#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "service/SignalFiles.h"
#include "stats/StatisticsFile.h"

#include <ctime>
#include <utility>

namespace morva::stats {

namespace {

constexpr platform::OpenMode kReadSharingReadWrite = 1;

bool isFile(const platform::FileStat& stat)
{
    return stat.exists && !stat.isDirectory;
}

bool sameStamp(const platform::FileStat& a, const platform::FileStat& b)
{
    return a.exists == b.exists && a.size == b.size && a.lastWriteNs == b.lastWriteNs;
}

// Ends the caller's wait however the refresh returns.
class WaitScope
{
public:
    explicit WaitScope(const RefreshWait& wait) : m_wait(wait)
    {
        if (m_wait.begin)
            m_wait.begin();
    }
    ~WaitScope()
    {
        if (m_wait.end)
            m_wait.end();
    }
    WaitScope(const WaitScope&) = delete;
    WaitScope& operator=(const WaitScope&) = delete;
    bool cancelled() const { return m_wait.cancelled && m_wait.cancelled(); }

private:
    const RefreshWait& m_wait;
};

} // namespace

Statistics::Statistics(platform::FileSystem& fileSystem, platform::Clock& clock,
                       std::string programDir)
    : m_fileSystem(fileSystem), m_clock(clock), m_programDir(std::move(programDir))
{
}

RefreshOutcome Statistics::refresh(const RefreshWait& wait)
{
    m_failure = platform::FileError::None;
    m_failedPath.clear();
    const std::string path = m_programDir + kStatisticsFileName;
    const platform::FileStat before = m_fileSystem.stat(path);
    if (!sendSignal()) {
        m_failedPath = service::signalFilePath(
            m_programDir, service::signalFile(service::Signal::Statistics).fileName);
        return RefreshOutcome::SignalFailed;
    }
    // A pipe or device in the file's place will not turn into the gateway's file.
    // (A pipe or device stats as empty; the gateway's last dump is not.)
    if (before.exists && !before.isDirectory && before.size == 0 && refusedAsSpecial(path))
        return RefreshOutcome::NotPlainFile;

    RefreshOutcome outcome = RefreshOutcome::NoStatistics;
    {
        const WaitScope scope(wait);
        const auto deadline = m_clock.now() + kWaitLimit;
        platform::FileStat seen = before;
        bool rewritten = false;
        while (m_clock.now() < deadline) {
            m_clock.sleepFor(kPollInterval);
            if (scope.cancelled()) {
                outcome = RefreshOutcome::Cancelled;
                break;
            }
            const platform::FileStat now = m_fileSystem.stat(path);
            const bool settled = rewritten && sameStamp(now, seen);
            rewritten = rewritten || (isFile(now) && !sameStamp(now, before));
            seen = now;
            if (!settled)
                continue;
            bool opened = false;
            if (readLines(path, now, &opened)) {
                outcome = RefreshOutcome::Updated;
                break;
            }
            if (opened) {
                outcome = RefreshOutcome::Empty;
                break;
            }
            if (refusedAsSpecial(path)) {
                outcome = RefreshOutcome::NotPlainFile;
                break;
            }
            // Held unshared by the gateway: look again.
        }
    }
    if (outcome != RefreshOutcome::Updated && outcome != RefreshOutcome::NotPlainFile)
        keepOldFigures(path, before);
    return outcome;
}

bool Statistics::refusedAsSpecial(const std::string& path)
{
    platform::FileError error = platform::FileError::None;
    auto file = m_fileSystem.open(path, kReadSharingReadWrite, &error);
    if (file || !platform::isNotPlainFile(error))
        return false;
    m_failure = error;
    m_failedPath = path;
    return true;
}

bool Statistics::readLines(const std::string& path, const platform::FileStat& stat, bool* opened)
{
    auto file = m_fileSystem.open(path, kReadSharingReadWrite);
    *opened = file != nullptr;
    if (!file)
        return false;
    StatisticsText text = readStatisticsText(*file);
    if (text.lines.empty())
        return false;
    m_lines = std::move(text.lines);
    m_truncated = text.truncated;
    m_writtenNs = stat.lastWriteNs;
    m_stale = false;
    return true;
}

void Statistics::keepOldFigures(const std::string& path, const platform::FileStat& before)
{
    if (m_lines.empty() && isFile(before)) {
        bool opened = false;
        readLines(path, before, &opened);
    }
    m_stale = !m_lines.empty();
}

std::vector<StatLine> Statistics::rows() const
{
    std::vector<StatLine> rows;
    rows.reserve(m_lines.size());
    for (const std::string& line : m_lines)
        rows.push_back(splitStatLine(line));
    return rows;
}

bool Statistics::sendSignal()
{
    return service::createSignalFile(m_fileSystem, m_programDir,
                                     service::signalFile(service::Signal::Statistics).fileName,
                                     &m_failure);
}

std::string localTimeText(std::int64_t unixNs)
{
    const auto seconds = static_cast<std::time_t>(unixNs / 1000000000);
    std::tm local{};
#ifdef _WIN32
    if (localtime_s(&local, &seconds) != 0)
        return {};
#else
    if (!localtime_r(&seconds, &local))
        return {};
#endif
    char text[32];
    const std::size_t length = std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return std::string(text, length);
}

} // namespace morva::stats
