#include "log/LogReader.h"

#include "platform/FileSystem.h"

#include <algorithm>
#include <array>

namespace morva::log {

namespace {

constexpr platform::OpenMode kReadSharedMode = 1;
constexpr std::size_t kChunkBytes = std::size_t{64} * 1024;

std::string_view withoutLineEnd(std::string_view line)
{
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
        line.remove_suffix(1);
    return line;
}

} // namespace

std::string logFilePath(const std::string& adminLogPath, const std::string& logPath,
                        const std::string& programDir, char separator)
{
    std::string dir = !adminLogPath.empty() ? adminLogPath
                      : !logPath.empty()    ? logPath
                                            : programDir;
    if (!dir.empty() && dir.back() != separator && dir.back() != '/')
        dir += separator;
    return dir + "GW.log";
}

LogReader::LogReader(platform::FileSystem& fileSystem, std::string path)
    : m_fileSystem(fileSystem), m_path(std::move(path))
{
}

void LogReader::restart()
{
    m_started = false;
    m_position = 0;
    m_discardToLineEnd = false;
    m_partial.clear();
    m_partialCut = false;
}

std::optional<LogRow> LogReader::takeUnfinishedLine()
{
    if (m_partial.empty())
        return std::nullopt;
    LogRow row = splitLogLine(withoutLineEnd(m_partial));
    m_partial.clear();
    m_partialCut = false;
    return row;
}

LogReadResult LogReader::readNewLines(std::size_t maxLines)
{
    LogReadResult result;
    const platform::FileStat stat = m_fileSystem.stat(m_path);
    if (!stat.exists || stat.isDirectory)
        return result;

    if (m_started && stat.size < m_position)
        restart();

    if (m_started && stat.size == m_position) {
        // Nothing new. An unfinished line that did not grow since the last
        // call is final: show it.
        if (stat.size == m_sizeAtLastRead && stat.lastWriteNs == m_writeTimeAtLastRead) {
            if (auto row = takeUnfinishedLine())
                result.rows.push_back(std::move(*row));
        }
        m_sizeAtLastRead = stat.size;
        m_writeTimeAtLastRead = stat.lastWriteNs;
        return result;
    }

    auto file = m_fileSystem.open(m_path, kReadSharedMode, &result.failure);
    if (!file)
        return result;
    std::uint64_t size = stat.size;
    if (!file->size(&size))
        return result;

    std::uint64_t offset = m_position;
    if (!m_started) {
        result.cleared = true;
        m_started = true;
        // Start one byte before the tail: when that byte ends a line, the
        // first line of the tail is whole and is kept.
        if (size > kInitialTail) {
            offset = size - kInitialTail - 1;
            m_discardToLineEnd = true;
        } else {
            offset = 0;
        }
    } else if (size < offset) {
        return result; // shrank between stat and open: the next call reloads
    }

    std::array<char, kChunkBytes> chunk{};
    std::size_t bytesRead = 0;
    while (offset < size) {
        if (result.rows.size() >= maxLines || bytesRead >= kMaxBytesPerRead) {
            result.more = true;
            break;
        }
        const std::size_t want =
            static_cast<std::size_t>(std::min<std::uint64_t>(kChunkBytes, size - offset));
        std::size_t got = 0;
        if (!file->readAt(offset, chunk.data(), want, &got) || got == 0)
            break;
        bytesRead += got;
        std::string_view data(chunk.data(), got);
        std::size_t consumed = 0;
        while (consumed < data.size() && result.rows.size() < maxLines) {
            const std::size_t end = data.find('\n', consumed);
            const std::size_t stop = end == std::string_view::npos ? data.size() : end + 1;
            const std::string_view piece = data.substr(consumed, stop - consumed);
            consumed = stop;
            if (m_discardToLineEnd) {
                if (end != std::string_view::npos)
                    m_discardToLineEnd = false;
                continue;
            }
            if (!m_partialCut) {
                const std::size_t room = kMaxLineBytes - m_partial.size();
                m_partial.append(piece.substr(0, room));
                m_partialCut = piece.size() > room;
            }
            if (end == std::string_view::npos)
                continue;
            result.rows.push_back(splitLogLine(withoutLineEnd(m_partial)));
            m_partial.clear();
            m_partialCut = false;
        }
        offset += consumed;
    }
    m_position = offset;
    m_sizeAtLastRead = size;
    m_writeTimeAtLastRead = stat.lastWriteNs;
    file->close();
    return result;
}

} // namespace morva::log
