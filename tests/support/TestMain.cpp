#include <gtest/gtest.h>

#ifdef _WIN32
#include <cstdio>
#include <windows.h>

namespace {

// A crash in a test must fail the run. Without this filter Windows (and Wine)
// may hand the crash to a debugger or an error dialog and the exit code can
// end up 0.
LONG WINAPI terminateOnUnhandledException(EXCEPTION_POINTERS* info)
{
    const DWORD code = info && info->ExceptionRecord ? info->ExceptionRecord->ExceptionCode : 0;
    std::fprintf(stderr, "unhandled exception 0x%08lx: test process terminated\n",
                 static_cast<unsigned long>(code));
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), code ? code : 3);
    return EXCEPTION_EXECUTE_HANDLER;
}

} // namespace
#endif

// Shared main of every test executable.
int main(int argc, char** argv)
{
#ifdef _WIN32
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    SetUnhandledExceptionFilter(terminateOnUnhandledException);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
