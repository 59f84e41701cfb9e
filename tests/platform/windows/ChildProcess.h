#pragma once

#include <string>
#include <vector>

namespace morva::test {

// A Windows child process with pipes on its standard input and output, for
// tests that need a second process (a file holder, morvactl.exe, the test
// service's installer).
class ChildProcess
{
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts `program` with `args` (quoted as the C runtime parses them).
    // On failure startError() holds the system's error code.
    bool start(const std::string& program, const std::vector<std::string>& args);
    // The same with arguments in UTF-16, as a user's command line holds them.
    bool start(const std::string& program, const std::vector<std::wstring>& args);
    // Reads one line of the child's output (without the line end); false at
    // the end of its output.
    bool readLine(std::string* line);
    // Closes the child's input, reads the rest of its output and waits for it;
    // returns its exit code (-1 when it could not be waited for).
    int finish(std::string* restOfOutput = nullptr);
    unsigned long startError() const { return m_startError; }

    // Runs `program` to its end; *output receives stdout and stderr.
    static int run(const std::string& program, const std::vector<std::string>& args,
                   std::string* output);
    static int run(const std::string& program, const std::vector<std::wstring>& args,
                   std::string* output);

private:
    void* m_process = nullptr;
    void* m_toChild = nullptr;
    void* m_fromChild = nullptr;
    unsigned long m_startError = 0;
};

// Holds a file open in another process (morva_file_holder) until stop().
class FileHolder
{
public:
    ~FileHolder() { stop(); }
    // True when the holder reported that it holds the file. Otherwise
    // status() says what happened: the holder's "failed <reason>", or why it
    // could not start, or how it ended without a word.
    bool start(const std::string& path, int mode);
    const std::string& status() const { return m_status; }
    int stop() { return m_started ? (m_started = false, m_child.finish()) : -1; }

private:
    ChildProcess m_child;
    std::string m_status;
    bool m_started = false;
};

// Starts morva_file_holder on `path` in `mode` and reads its first line into
// *status (see FileHolder::start); false unless it is "held".
bool startFileHolder(ChildProcess* child, const std::string& path, int mode, std::string* status);

// A path of the build machine as this process sees it: under Wine a Unix
// path ("/work/...") lies on drive Z:. Other paths are returned as they are.
std::string hostPath(const std::string& path);

// The argument as the C runtime's command-line parser will give it back.
std::wstring quoteArgument(const std::wstring& argument);

} // namespace morva::test
