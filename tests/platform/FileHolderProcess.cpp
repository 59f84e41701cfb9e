#include "platform/FileHolderProcess.h"

#include <cerrno>
#include <cstring>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace morva::test {

FileHolderProcess::~FileHolderProcess()
{
    stop();
}

bool FileHolderProcess::start(const std::string& path, int mode)
{
    stop();
    m_status.clear();
    int toChild[2];
    int fromChild[2];
    if (::pipe(toChild) != 0) {
        m_status = "no pipe: " + std::string(std::strerror(errno));
        return false;
    }
    if (::pipe(fromChild) != 0) {
        m_status = "no pipe: " + std::string(std::strerror(errno));
        ::close(toChild[0]);
        ::close(toChild[1]);
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toChild[0], 0);
    posix_spawn_file_actions_adddup2(&actions, fromChild[1], 1);
    posix_spawn_file_actions_addclose(&actions, toChild[1]);
    posix_spawn_file_actions_addclose(&actions, fromChild[0]);
    std::string program = MORVA_FILE_HOLDER;
    std::string modeText = std::to_string(mode);
    std::vector<char*> argv{program.data(), const_cast<char*>(path.c_str()), modeText.data(),
                            nullptr};
    int result = posix_spawn(&m_pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(toChild[0]);
    ::close(fromChild[1]);
    if (result != 0) {
        m_status = "the holder could not be started: " + std::string(std::strerror(result));
        m_pid = -1;
        ::close(toChild[1]);
        ::close(fromChild[0]);
        return false;
    }
    m_toChild = toChild[1];
    char c;
    bool any = false;
    while (::read(fromChild[0], &c, 1) == 1) {
        any = true;
        if (c == '\n')
            break;
        m_status += c;
    }
    ::close(fromChild[0]);
    if (!any) {
        const int code = stop();
        m_status = "the holder ended without a word: exit code " + std::to_string(code);
        return false;
    }
    return m_status == "held";
}

int FileHolderProcess::stop()
{
    if (m_pid < 0)
        return -1;
    ::close(m_toChild);
    m_toChild = -1;
    int status = 0;
    while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
    }
    m_pid = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace morva::test
