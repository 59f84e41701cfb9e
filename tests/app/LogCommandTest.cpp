#include "cli/Commands.h"
#include "platform/Clock.h"

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

struct CommandRun
{
    int code;
    std::string out;
    std::string err;
};

CommandRun runLog(const std::string& programDir, std::vector<std::string> args = {})
{
    std::ostringstream out, err;
    morva::cli::Context context{programDir, std::move(args), out, err};
    const int code = morva::cli::runLogCommand(context);
    return {code, out.str(), err.str()};
}

TEST(LogCommand, PrintsTheRowsOfTheViewTabSeparated)
{
    QTemporaryDir dir;
    const std::string programDir = dir.path().toStdString() + "/";
    std::ofstream(programDir + "GW.log", std::ios::binary) << "08.12.26 12:00:00 7: started\r\n"
                                                           << "short\r\n"
                                                           << "08.12.26 12:00:01 Gr\xC3\xBC\xC3\x9F"
                                                              "e \xFF\r\n"
                                                           << "08.12.26 12:00:02 3: no line end";
    const CommandRun run = runLog(programDir);
    EXPECT_EQ(run.code, morva::cli::kExitOk);
    EXPECT_EQ(run.out, "12:00:00\t7\tstarted\n"
                       "\n"
                       "12:00:01\t\tGrüße \xEF\xBF\xBD\n"
                       "12:00:02\t3\tno line end\n");
}

TEST(LogCommand, UsesAdminLogPathAndRefusesUnknownArguments)
{
    QTemporaryDir dir, logs;
    const std::string programDir = dir.path().toStdString() + "/";
    std::ofstream(programDir + "Morva.ini")
        << "AdminLogPath=" << logs.path().toStdString() << "\r\n";
    std::ofstream(logs.filePath("GW.log").toStdString()) << "08.12.26 12:00:00 x\n";
    EXPECT_EQ(runLog(programDir).out, "12:00:00\t\tx\n");
    EXPECT_EQ(runLog(programDir, {"--tail"}).code, morva::cli::kExitUsage);
}

TEST(LogCommand, MissingLogPrintsNothing)
{
    QTemporaryDir dir;
    const CommandRun run = runLog(dir.path().toStdString() + "/");
    EXPECT_EQ(run.code, morva::cli::kExitOk);
    EXPECT_EQ(run.out, "");
}

#ifndef _WIN32
TEST(LogCommand, ALogThatIsAPipeIsRefusedInsteadOfWaitedOn)
{
    QTemporaryDir dir;
    const std::string programDir = dir.path().toStdString() + "/";
    ASSERT_EQ(::mkfifo((programDir + "GW.log").c_str(), 0600), 0);
    ::alarm(10); // opening the pipe for reading would wait for a writer
    const CommandRun once = runLog(programDir);
    const CommandRun follow = runLog(programDir, {"--follow"});
    ::alarm(0);
    EXPECT_EQ(once.code, morva::cli::kExitFailure);
    EXPECT_EQ(once.err, "morvactl: " + programDir +
                            "GW.log: not a regular file (a device, "
                            "pipe or socket)\n");
    EXPECT_EQ(follow.code, morva::cli::kExitFailure);
}
#endif

// The follower's waits: each one runs the next step of the gateway's writing.
class ScriptedClock final : public morva::platform::Clock
{
public:
    explicit ScriptedClock(std::vector<std::function<void()>> steps) : m_steps(std::move(steps)) {}
    std::chrono::steady_clock::time_point now() override { return m_now; }
    void sleepFor(std::chrono::milliseconds duration) override
    {
        m_now += duration;
        if (m_next < m_steps.size())
            m_steps[m_next++]();
    }

private:
    std::vector<std::function<void()>> m_steps;
    std::size_t m_next = 0;
    std::chrono::steady_clock::time_point m_now{};
};

TEST(LogCommand, FollowShowsWholeLinesAsTheyComeAndStartsOverAfterARotation)
{
    QTemporaryDir dir;
    const std::string programDir = dir.path().toStdString() + "/";
    const std::string log = programDir + "GW.log";
    auto append = [&log](const char* text) {
        std::ofstream(log, std::ios::binary | std::ios::app) << text;
    };
    append("08.12.26 12:00:00 7: first\r\n");
    std::ostringstream out, err;
    ScriptedClock clock({
        [&] { append("08.12.26 12:00:01 2: second\r\n08.12.26 12:00:02 3: thi"); },
        [&] { append("rd\r\n"); }, [] {}, // nothing new
        [&] { std::ofstream(log, std::ios::binary) << "08.12.26 13:00:00 1: rotated\r\n"; },
        [&] { out.setstate(std::ios::badbit); }, // whoever read our output went away
    });
    morva::cli::Context context{programDir, {"--follow"}, out, err, &clock};
    EXPECT_EQ(morva::cli::runLogCommand(context), morva::cli::kExitFailure);
    EXPECT_EQ(out.str(), "12:00:00\t7\tfirst\n"
                         "12:00:01\t2\tsecond\n"
                         "12:00:02\t3\tthird\n"
                         "13:00:00\t1\trotated\n");
}

} // namespace

namespace {

// A log longer than the tail the console starts with: the search has to
// find the first lines too.
std::string longLog()
{
    std::string text = "08.12.26 09:00:00 7: Connection accepted from 198.51.100.7\r\n"
                       "08.12.26 09:00:01 7: 554 5.7.1 Rejected: listed by rbl.example\r\n";
    for (int i = 0; i < 200; ++i)
        text += "08.12.26 10:00:00 3: Bayes spam probability 0.03, nothing to see here\r\n";
    text += "08.12.26 11:30:00 12: 550 5.1.1 <x@example>: UNKNOWN recipient\r\n"
            "08.12.26 11:30:01 Service line without a thread\r\n";
    return text;
}

TEST(LogCommand, SearchesTheWholeLogByTermsThreadAndTime)
{
    QTemporaryDir dir;
    const std::string programDir = dir.path().toStdString() + "/";
    std::ofstream(programDir + "GW.log", std::ios::binary) << longLog();
    EXPECT_EQ(runLog(programDir, {"--grep", "5.7.1", "--grep", "REJECTED"}).out,
              "09:00:01\t7\t554 5.7.1 Rejected: listed by rbl.example\n");
    EXPECT_EQ(runLog(programDir, {"--grep", "unknown recipient"}).out,
              "11:30:00\t12\t550 5.1.1 <x@example>: UNKNOWN recipient\n");
    EXPECT_EQ(runLog(programDir, {"--thread", "07", "--exclude", "rejected"}).out,
              "09:00:00\t7\tConnection accepted from 198.51.100.7\n");
    EXPECT_EQ(runLog(programDir, {"--since", "11:00", "--exclude", "550"}).out,
              "11:30:01\t\tService line without a thread\n");
    EXPECT_EQ(runLog(programDir, {"--regex", "--grep", "^55\\d 5\\.1"}).out,
              "11:30:00\t12\t550 5.1.1 <x@example>: UNKNOWN recipient\n");
}

TEST(LogCommand, ReadsANamedOlderLogWhole)
{
    QTemporaryDir dir;
    const std::string programDir = dir.path().toStdString() + "/";
    const std::string older = programDir + "GW-20261208-000000.log";
    std::ofstream(older, std::ios::binary) << longLog();
    const CommandRun run = runLog(programDir, {"--file", older});
    EXPECT_EQ(run.code, morva::cli::kExitOk);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 204);
    EXPECT_EQ(run.out.substr(0, 9), "09:00:00\t");

    const CommandRun missing = runLog(programDir, {"--file", programDir + "none.log"});
    EXPECT_EQ(missing.code, morva::cli::kExitFailure);
    EXPECT_NE(missing.err.find("none.log"), std::string::npos);
}

TEST(LogCommand, RefusesBadSearchOptions)
{
    QTemporaryDir dir;
    const std::string programDir = dir.path().toStdString() + "/";
    const std::vector<std::vector<std::string>> bad = {
        {"--grep"},         {"--thread", "x1"},
        {"--thread", "-1"}, {"--since", "25:00"},
        {"--since", "9"},   {"--regex", "--grep", "(open"},
        {"--file"}};
    for (const auto& args : bad) {
        const CommandRun run = runLog(programDir, args);
        EXPECT_EQ(run.code, morva::cli::kExitUsage) << args[0];
        EXPECT_FALSE(run.err.empty());
    }
}

TEST(LogCommand, FollowingASearchPrintsEachMatchingRowOnce)
{
    QTemporaryDir dir;
    const std::string programDir = dir.path().toStdString() + "/";
    const std::string log = programDir + "GW.log";
    auto append = [&log](const std::string& text) {
        std::ofstream(log, std::ios::binary | std::ios::app) << text;
    };
    // The last match stands in the tail the follower starts with, and the
    // last line is still being written.
    append(longLog() + "08.12.26 11:31:00 4: rejected early\r\n08.12.26 11:31:01 5: rej");
    std::ostringstream out, err;
    ScriptedClock clock({
        [&] { append("ected late\r\n08.12.26 11:31:02 6: accepted\r\n"); },
        [] {},
        [&] { out.setstate(std::ios::badbit); },
    });
    morva::cli::Context context{programDir, {"--follow", "--grep", "rejected"}, out, err, &clock};
    EXPECT_EQ(morva::cli::runLogCommand(context), morva::cli::kExitFailure);
    EXPECT_EQ(out.str(), "09:00:01\t7\t554 5.7.1 Rejected: listed by rbl.example\n"
                         "11:31:00\t4\trejected early\n"
                         "11:31:01\t5\trejected late\n");
}

} // namespace
