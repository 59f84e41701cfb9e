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
