// morvactl config check on lists with duplicate, covered and unmatchable
// entries: warnings that leave the exit code alone.
#include "platform/ScratchDir.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>

using morva::test::ScratchDir;

namespace {

struct CheckRun
{
    int exit = -1;
    std::string out;
};

CheckRun runCheck(const ScratchDir& programDir)
{
    const std::string command = std::string("timeout 60 '") + MORVACTL + "' --program-dir '" +
                                programDir.dir() + "' config check 2>/dev/null";
    CheckRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.out.append(buffer, got);
    const int status = pclose(pipe);
    run.exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

} // namespace

TEST(MorvactlListCheck, WarnsAboutListProblemsWithoutFailingTheCheck)
{
    ScratchDir scratch;
    scratch.write("Morva.ini", "SMTPRelayAllowIP=10.0.0.0/8\r\n"
                               "SMTPRelayAllowIP=10.1.2.0/24\r\n"
                               "SMTPRelayAllowIP=192.168.1.7/24\r\n"
                               "SLSExclHost=example.com\r\n"
                               "SLSExclHost=mail.example.com\r\n"
                               "SLSExclFromAddress=\"*@example.org\"\r\n"
                               "SLSExclFromAddress=\"user@\"\r\n"
                               "SLSExclFromAddress=\"a@EXAMPLE.org\"\r\n"
                               "SLSExclFromAddress=\"@example.org\"\r\n"
                               "SLS=a.example\r\nSLS=a.example\r\n");
    const CheckRun run = runCheck(scratch);
    EXPECT_EQ(run.exit, 0) << run.out;
    for (const char* expected : {
             "warning: SMTPRelayAllowIP item 2 \"10.1.2.0/24\": already covered by item 1 "
             "\"10.0.0.0/8\"\n",
             "warning: SMTPRelayAllowIP item 3 \"192.168.1.7/24\": has address bits set beyond "
             "its prefix and never matches\n",
             "warning: SLSExclHost item 2 \"mail.example.com\": already covered by item 1 "
             "\"example.com\"\n",
             "warning: SLSExclFromAddress item 2 \"user@\": has an empty domain or label and "
             "never matches\n",
             "warning: SLSExclFromAddress item 3 \"a@EXAMPLE.org\": already covered by item 1 "
             "\"@example.org\"\n",
             "warning: SLSExclFromAddress item 4 \"@example.org\": repeats item 1 "
             "\"@example.org\"\n",
         })
        EXPECT_NE(run.out.find(expected), std::string::npos) << expected << run.out;
    EXPECT_EQ(run.out.find("warning: SLS "), std::string::npos) << "free-text lists are not judged";
}

TEST(MorvactlListCheck, ControlBytesOfAnEntryReachTheTerminalEscaped)
{
    ScratchDir scratch;
    scratch.write("Morva.ini", "SLSExclHost=a.test\r\nSLSExclHost=a.test\x1B[2J\r\n"
                               "SLSExclHost=a.test\x1B[2J\r\n");
    const CheckRun run = runCheck(scratch);
    EXPECT_NE(run.out.find("item 3 \"a.test\\x1B[2J\": repeats item 2"), std::string::npos)
        << run.out;
    EXPECT_EQ(run.out.find('\x1B'), std::string::npos);
}
