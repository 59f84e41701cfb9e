#pragma once

#include <csignal>
#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace morva::test {

// Runs tools/gwsim on a program directory for an end-to-end test: started
// with the given options, ready once it printed "ready", stopped (SIGTERM)
// when the object goes. POSIX only.
class GwsimProcess
{
public:
    GwsimProcess(const std::string& programDir, std::vector<std::string> options)
    {
        int out[2];
        if (::pipe(out) != 0)
            return;
        std::vector<std::string> args = {GWSIM_PATH, "--program-dir", programDir};
        args.insert(args.end(), options.begin(), options.end());
        m_pid = ::fork();
        if (m_pid == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::close(out[0]);
            ::close(out[1]);
            std::vector<char*> argv;
            for (std::string& arg : args)
                argv.push_back(arg.data());
            argv.push_back(nullptr);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        m_output = ::fdopen(out[0], "r");
    }
    ~GwsimProcess()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            int status = 0;
            ::waitpid(m_pid, &status, 0);
        }
        if (m_output)
            std::fclose(m_output);
    }
    GwsimProcess(const GwsimProcess&) = delete;
    GwsimProcess& operator=(const GwsimProcess&) = delete;

    // Reads gwsim's output until its "ready" line; false when it ended first.
    bool waitReady()
    {
        if (m_pid <= 0 || !m_output)
            return false;
        char line[512];
        while (std::fgets(line, sizeof line, m_output)) {
            if (std::string(line) == "ready\n")
                return true;
        }
        return false;
    }

private:
    pid_t m_pid = -1;
    FILE* m_output = nullptr;
};

} // namespace morva::test
