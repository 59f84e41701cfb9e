#pragma once

#include <string>
#include <sys/types.h>

namespace morva::test {

// Starts morva_file_holder, which opens a file in another process and keeps
// it open until stop() (or destruction).
class FileHolderProcess
{
public:
    FileHolderProcess() = default;
    ~FileHolderProcess();
    FileHolderProcess(const FileHolderProcess&) = delete;
    FileHolderProcess& operator=(const FileHolderProcess&) = delete;

    // True when the helper reported that it holds the file.
    bool start(const std::string& path, int mode);
    // The helper's first line ("held" or "failed <reason>").
    const std::string& status() const { return m_status; }
    // Lets the helper close the file and exit; returns its exit code.
    int stop();

private:
    pid_t m_pid = -1;
    int m_toChild = -1;
    std::string m_status;
};

} // namespace morva::test
