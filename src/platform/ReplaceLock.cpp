#include "platform/ReplaceLock.h"

#include "platform/Clock.h"

#include <chrono>

namespace morva::platform {

namespace {

// Long enough for the save of a very large file ahead of us.
constexpr auto kWaitFor = std::chrono::milliseconds(10000);
constexpr auto kWaitStep = std::chrono::milliseconds(20);

} // namespace

std::string replaceLockPath(const std::string& target)
{
    return target + ".lock";
}

ReplaceLock::ReplaceLock(FileSystem& fileSystem, Clock& clock, const std::string& path)
{
    const std::string target = fileSystem.resolveLink(path);
    m_path = replaceLockPath(target);
    const bool existed = fileSystem.stat(m_path).exists;
    const auto deadline = clock.now() + kWaitFor;
    while (!(m_file = fileSystem.openLockFile(m_path, &m_error))) {
        if (m_error != FileError::SharingViolation || clock.now() >= deadline)
            return;
        clock.sleepFor(kWaitStep);
    }
    m_error = FileError::None;
    // A new lock file gets the access rules of the file it guards, so that
    // everyone who may replace that file may also take its lock. Where that
    // fails it stays owner-only, which is safe.
    if (!existed && fileSystem.stat(target).exists)
        fileSystem.copyAttributes(target, m_path);
}

ReplaceLock::~ReplaceLock()
{
    release();
}

void ReplaceLock::release()
{
    if (m_file)
        m_file->close();
    m_file.reset();
}

} // namespace morva::platform
