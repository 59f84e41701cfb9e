#include "stats/Statistics.h"

#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "service/SignalFiles.h"
#include "stats/StatisticsFile.h"

#include <chrono>
#include <utility>

namespace morva::stats {

namespace {

constexpr std::chrono::milliseconds kOneSecond{1000};
constexpr platform::OpenMode kReadSharingReadWrite = 1;

} // namespace

Statistics::Statistics(platform::FileSystem& fileSystem, platform::Clock& clock,
                       std::string programDir)
    : m_fileSystem(fileSystem), m_clock(clock), m_programDir(std::move(programDir))
{
}

RefreshOutcome Statistics::refresh()
{
    m_failure = platform::FileError::None;
    m_failedPath.clear();
    if (!sendSignal()) {
        m_failedPath = service::signalFilePath(
            m_programDir, service::signalFile(service::Signal::Statistics).fileName);
        return RefreshOutcome::SignalFailed;
    }

    const std::string path = m_programDir + kStatisticsFileName;
    m_clock.sleepFor(kOneSecond);
    for (int attempt = 0; attempt < kReadTries; ++attempt) {
        m_clock.sleepFor(kOneSecond);
        platform::FileError error = platform::FileError::None;
        auto file = m_fileSystem.open(path, kReadSharingReadWrite, &error);
        if (!file && platform::isNotPlainFile(error)) {
            // A pipe or device in its place will not turn into the gateway's file.
            m_failure = error;
            m_failedPath = path;
            return RefreshOutcome::NotPlainFile;
        }
        if (!file)
            continue;
        StatisticsText text = readStatisticsText(*file);
        if (text.lines.empty())
            return RefreshOutcome::Empty;
        m_lines = std::move(text.lines);
        m_truncated = text.truncated;
        return RefreshOutcome::Updated;
    }
    return RefreshOutcome::NoStatistics;
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

} // namespace morva::stats
