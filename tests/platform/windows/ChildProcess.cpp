#include "platform/windows/ChildProcess.h"

#include "platform/WindowsText.h"

#include <cstdio>
#include <windows.h>

namespace morva::test {

using morva::platform::widen;

std::string hostPath(const std::string& path)
{
    if (path.empty() || path[0] != '/')
        return path;
    std::string out = "Z:" + path;
    for (char& c : out)
        if (c == '/')
            c = '\\';
    return out;
}

std::wstring quoteArgument(const std::wstring& argument)
{
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos)
        return argument;
    std::wstring out = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        if (c == L'"')
            out.append(backslashes * 2 + 1, L'\\');
        else
            out.append(backslashes, L'\\');
        backslashes = 0;
        out += c;
    }
    out.append(backslashes * 2, L'\\');
    out += L'"';
    return out;
}

ChildProcess::~ChildProcess()
{
    finish();
}

bool ChildProcess::start(const std::string& program, const std::vector<std::string>& args)
{
    std::vector<std::wstring> wide;
    for (const std::string& arg : args)
        wide.push_back(widen(arg));
    return start(program, wide);
}

bool ChildProcess::start(const std::string& program, const std::vector<std::wstring>& args)
{
    m_startError = 0;
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE childIn = nullptr, toChild = nullptr, fromChild = nullptr, childOut = nullptr;
    if (!CreatePipe(&childIn, &toChild, &inherit, 0)) {
        m_startError = GetLastError();
        return false;
    }
    if (!CreatePipe(&fromChild, &childOut, &inherit, 0)) {
        m_startError = GetLastError();
        CloseHandle(childIn);
        CloseHandle(toChild);
        return false;
    }
    SetHandleInformation(toChild, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(fromChild, HANDLE_FLAG_INHERIT, 0);

    std::wstring commandLine = quoteArgument(widen(program));
    for (const std::wstring& arg : args)
        commandLine += L" " + quoteArgument(arg);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = childIn;
    startup.hStdOutput = childOut;
    startup.hStdError = childOut;
    PROCESS_INFORMATION info{};
    const BOOL created = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE,
                                        CREATE_NO_WINDOW, nullptr, nullptr, &startup, &info);
    if (!created)
        m_startError = GetLastError();
    CloseHandle(childIn);
    CloseHandle(childOut);
    if (!created) {
        CloseHandle(toChild);
        CloseHandle(fromChild);
        return false;
    }
    CloseHandle(info.hThread);
    m_process = info.hProcess;
    m_toChild = toChild;
    m_fromChild = fromChild;
    return true;
}

bool ChildProcess::readLine(std::string* line)
{
    line->clear();
    if (!m_fromChild)
        return false;
    char c = 0;
    DWORD got = 0;
    bool any = false;
    while (ReadFile(m_fromChild, &c, 1, &got, nullptr) && got == 1) {
        any = true;
        if (c == '\n')
            break;
        if (c != '\r')
            *line += c;
    }
    return any;
}

int ChildProcess::finish(std::string* restOfOutput)
{
    if (!m_process)
        return -1;
    if (m_toChild) {
        CloseHandle(m_toChild);
        m_toChild = nullptr;
    }
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(m_fromChild, buffer, sizeof(buffer), &got, nullptr) && got > 0) {
        if (restOfOutput)
            restOfOutput->append(buffer, got);
    }
    CloseHandle(m_fromChild);
    m_fromChild = nullptr;
    int code = -1;
    if (WaitForSingleObject(m_process, 60000) == WAIT_OBJECT_0) {
        DWORD exitCode = 0;
        if (GetExitCodeProcess(m_process, &exitCode))
            code = static_cast<int>(exitCode);
    }
    CloseHandle(m_process);
    m_process = nullptr;
    return code;
}

int ChildProcess::run(const std::string& program, const std::vector<std::string>& args,
                      std::string* output)
{
    std::vector<std::wstring> wide;
    for (const std::string& arg : args)
        wide.push_back(widen(arg));
    return run(program, wide, output);
}

int ChildProcess::run(const std::string& program, const std::vector<std::wstring>& args,
                      std::string* output)
{
    ChildProcess child;
    if (!child.start(program, args))
        return -1;
    std::string text;
    const int code = child.finish(&text);
    if (output) {
        output->clear();
        for (char c : text)
            if (c != '\r')
                *output += c;
    }
    return code;
}

namespace {

enum class HolderStart
{
    Answered,
    NotStarted,
    Silent,
    Crashed
};

HolderStart startHolderOnce(ChildProcess* child, const std::string& path, int mode,
                            std::string* status)
{
    status->clear();
    if (!child->start(hostPath(MORVA_FILE_HOLDER), {path, std::to_string(mode)})) {
        *status =
            "the holder could not be started (error " + std::to_string(child->startError()) + ")";
        return HolderStart::NotStarted;
    }
    if (child->readLine(status))
        return HolderStart::Answered;
    std::string output;
    const int code = child->finish(&output);
    char hex[16];
    std::snprintf(hex, sizeof(hex), "0x%08X", static_cast<unsigned>(code));
    *status = "the holder ended without a word: exit code " + std::to_string(code) + " (" + hex +
              ")" + (output.empty() ? std::string() : ", output: " + output);
    // Exception codes (0xC...) mean the holder crashed, possibly in the code
    // under test: never tried again.
    return (static_cast<unsigned>(code) & 0xC0000000u) == 0xC0000000u ? HolderStart::Crashed
                                                                      : HolderStart::Silent;
}

} // namespace

bool startFileHolder(ChildProcess* child, const std::string& path, int mode, std::string* status)
{
    // Under load Wine now and then fails to start a process, or the process
    // ends before its first line; that says nothing about the file, so the
    // holder is started again. Its answer ("held" or "failed <reason>") and
    // a crash are final.
    constexpr int kAttempts = 3;
    std::string earlier;
    for (int attempt = 1;; ++attempt) {
        const HolderStart result = startHolderOnce(child, path, mode, status);
        if (result == HolderStart::Answered && *status == "held") {
            if (!earlier.empty())
                std::fprintf(stderr, "file holder started again after: %s\n", earlier.c_str());
            return true;
        }
        if (result == HolderStart::Answered || result == HolderStart::Crashed ||
            attempt == kAttempts) {
            if (!earlier.empty())
                *status += " (earlier attempts: " + earlier + ")";
            return false;
        }
        earlier += (earlier.empty() ? "" : "; ") + *status;
        Sleep(100 * attempt);
    }
}

bool FileHolder::start(const std::string& path, int mode)
{
    stop();
    m_started = true;
    return startFileHolder(&m_child, path, mode, &m_status);
}

} // namespace morva::test
