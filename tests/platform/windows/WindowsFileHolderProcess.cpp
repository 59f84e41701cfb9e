// The Windows side of FileHolderProcess (tests/platform/FileHolderProcess.h):
// starts morva_file_holder with pipes on its standard input and output. The
// header keeps a process id and a descriptor; here they are the Windows
// process id and a C runtime descriptor over the pipe handle, and the process
// handle is kept aside so the id cannot be reused while we wait for it.
#include "platform/FileHolderProcess.h"
#include "platform/windows/ChildProcess.h"

#include <map>
#include <memory>

namespace morva::test {

namespace {

std::map<pid_t, std::unique_ptr<ChildProcess>>& children()
{
    static std::map<pid_t, std::unique_ptr<ChildProcess>> running;
    return running;
}

pid_t nextId()
{
    static pid_t id = 0;
    return ++id;
}

} // namespace

FileHolderProcess::~FileHolderProcess()
{
    stop();
}

bool FileHolderProcess::start(const std::string& path, int mode)
{
    stop();
    auto child = std::make_unique<ChildProcess>();
    const bool held = startFileHolder(child.get(), path, mode, &m_status);
    m_pid = nextId();
    children()[m_pid] = std::move(child);
    return held;
}

int FileHolderProcess::stop()
{
    if (m_pid < 0)
        return -1;
    auto it = children().find(m_pid);
    m_pid = -1;
    if (it == children().end())
        return -1;
    const int code = it->second->finish();
    children().erase(it);
    return code;
}

} // namespace morva::test
