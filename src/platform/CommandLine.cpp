#include "platform/CommandLine.h"

#ifdef _WIN32
#include "platform/WindowsText.h"

#include <iostream>
#include <streambuf>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
#endif

namespace morva::platform {

#ifdef _WIN32

namespace {

std::string toUtf8(std::wstring_view text)
{
    if (text.empty())
        return {};
    const int length = static_cast<int>(text.size());
    const int needed =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(needed > 0 ? needed : 0), '\0');
    if (needed > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.data(), length, out.data(), needed, nullptr, nullptr);
    return out;
}

std::wstring fromUtf8(std::string_view text)
{
    if (text.empty())
        return {};
    const int length = static_cast<int>(text.size());
    const int needed = MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(needed > 0 ? needed : 0), L'\0');
    if (needed > 0)
        MultiByteToWideChar(CP_UTF8, 0, text.data(), length, out.data(), needed);
    return out;
}

// A stream buffer that writes UTF-8 text to a console as UTF-16. A character
// split across two writes waits in the buffer for its last bytes.
class ConsoleBuffer final : public std::streambuf
{
public:
    explicit ConsoleBuffer(HANDLE console) : m_console(console) {}

protected:
    int_type overflow(int_type c) override
    {
        if (c != traits_type::eof()) {
            m_pending.push_back(static_cast<char>(c));
            if (c == '\n' || m_pending.size() >= 4096)
                flushComplete();
        }
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override
    {
        m_pending.append(s, static_cast<std::size_t>(n));
        flushComplete();
        return n;
    }
    int sync() override
    {
        flushComplete();
        return 0;
    }

private:
    void flushComplete()
    {
        // Keep the bytes of a character that is not complete yet.
        std::size_t end = m_pending.size();
        std::size_t lead = end;
        while (lead > 0 && end - lead < 4 &&
               (static_cast<unsigned char>(m_pending[lead - 1]) & 0xC0) == 0x80)
            --lead;
        if (lead > 0) {
            const auto first = static_cast<unsigned char>(m_pending[lead - 1]);
            const std::size_t need = first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : first >= 0xC0 ? 2 : 1;
            if (need > end - (lead - 1))
                end = lead - 1;
        }
        const std::wstring wide = fromUtf8(std::string_view(m_pending).substr(0, end));
        DWORD written = 0;
        if (!wide.empty())
            WriteConsoleW(m_console, wide.data(), static_cast<DWORD>(wide.size()), &written,
                          nullptr);
        m_pending.erase(0, end);
    }

    HANDLE m_console;
    std::string m_pending;
};

void redirectToConsole(DWORD handleId, std::ostream& stream)
{
    const HANDLE handle = GetStdHandle(handleId);
    DWORD mode = 0;
    if (handle == INVALID_HANDLE_VALUE || !handle || !GetConsoleMode(handle, &mode))
        return; // a file or a pipe: UTF-8 bytes as they are
    static ConsoleBuffer* buffers[2] = {};
    ConsoleBuffer*& buffer = buffers[handleId == STD_OUTPUT_HANDLE ? 0 : 1];
    if (!buffer)
        buffer = new ConsoleBuffer(handle); // lives as long as the process
    stream.flush();
    stream.rdbuf(buffer);
}

} // namespace

std::vector<std::string> commandLineArguments(int, char**)
{
    std::vector<std::string> args;
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide)
        return args;
    for (int i = 1; i < count; ++i)
        args.push_back(toUtf8(wide[i]));
    LocalFree(wide);
    return args;
}

bool pathFromArgument(const std::string& utf8, std::string* path)
{
    return narrow(fromUtf8(utf8), path);
}

void useUtf8ConsoleOutput()
{
    redirectToConsole(STD_OUTPUT_HANDLE, std::cout);
    redirectToConsole(STD_ERROR_HANDLE, std::cerr);
}

#else

std::vector<std::string> commandLineArguments(int argc, char** argv)
{
    return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>{};
}

bool pathFromArgument(const std::string& utf8, std::string* path)
{
    *path = utf8;
    return true;
}

void useUtf8ConsoleOutput() {}

#endif

} // namespace morva::platform
