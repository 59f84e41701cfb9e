#include "platform/PosixUrlOpener.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace morva::platform {

PosixUrlOpener::PosixUrlOpener(std::string program, std::chrono::milliseconds patience)
    : m_program(std::move(program)), m_patience(patience)
{
}

bool PosixUrlOpener::openUrl(const std::string& url)
{
    return isOpenableUrl(url) && run(url);
}

bool PosixUrlOpener::openFile(const std::string& path)
{
    if (path.empty())
        return false;
    for (unsigned char c : path)
        if (c < 0x20 || c == 0x7F)
            return false;
    // An absolute path never starts with '-', so the opener cannot take it
    // for an option.
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    if (ec || !std::filesystem::exists(absolute, ec))
        return false;
    return run(absolute.string());
}

bool PosixUrlOpener::run(const std::string& target)
{
    std::string program = m_program;
    std::string argument = target;
    char* argv[] = {program.data(), argument.data(), nullptr};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // The opener gets no stdin of ours; its chatter does not belong on the
    // console's streams.
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int spawned = posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return false;

    const auto deadline = std::chrono::steady_clock::now() + m_patience;
    while (true) {
        int status = 0;
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid)
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        if (done < 0 && errno != EINTR)
            return false;
        if (std::chrono::steady_clock::now() >= deadline)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::thread([pid] {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
    return true;
}

std::unique_ptr<UrlOpener> makeSystemUrlOpener()
{
    return std::make_unique<PosixUrlOpener>();
}

} // namespace morva::platform
