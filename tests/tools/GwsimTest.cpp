#include "../platform/ScratchDir.h"
#include "GatewayLog.h"
#include "Options.h"
#include "Simulator.h"
#include "platform/Clock.h"
#include "platform/SystemFileSystem.h"
#include "service/SignalFiles.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

using namespace morva;
using namespace morva::gwsim;
using namespace std::chrono_literals;

namespace {

constexpr std::time_t kNoon = 1796731200; // a fixed wall-clock time for the lines

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// Splits a line the way the console's log view does: 9 characters skipped,
// 8 of time, one separator, then digits up to ':' are the thread and the
// ':' and the character after it are skipped.
struct Row
{
    std::string time, thread, activity;
};
Row viewRow(const std::string& line)
{
    Row row;
    if (line.size() < 16)
        return row;
    row.time = line.substr(9, 8);
    if (line.size() <= 18)
        return row;
    std::string rest = line.substr(18);
    if (!rest.empty() && std::isdigit(static_cast<unsigned char>(rest[0]))) {
        const auto colon = rest.find(':');
        row.thread = rest.substr(0, colon);
        rest = colon == std::string::npos ? std::string()
                                          : rest.substr(std::min(colon + 2, rest.size()));
    }
    row.activity = rest;
    return row;
}

class GwsimFixture : public ::testing::Test
{
protected:
    SimulatorOptions options(double rate = 0)
    {
        SimulatorOptions o;
        o.programDir = scratch.dir();
        o.rate = rate;
        o.poll = 100ms;
        o.statDelay = 1500ms;
        return o;
    }
    std::unique_ptr<Simulator> make(SimulatorOptions o)
    {
        auto simulator =
            std::make_unique<Simulator>(*fs, clock, std::move(o), &events, [] { return kNoon; });
        std::string error;
        EXPECT_TRUE(simulator->start(&error)) << error;
        return simulator;
    }
    void advance(std::chrono::milliseconds total, Simulator& simulator)
    {
        for (auto done = 0ms; done < total; done += 10ms) {
            clock.sleepFor(10ms);
            simulator.tick();
        }
    }
    std::string log() const { return scratch.read("GW.log"); }

    test::ScratchDir scratch;
    std::unique_ptr<platform::FileSystem> fs = platform::makeSystemFileSystem();
    platform::FakeClock clock;
    std::ostringstream events;
};

} // namespace

TEST_F(GwsimFixture, LinesFollowTheGatewaysLayoutAsTheViewSplitsThem)
{
    auto simulator = make(options(1000));
    advance(2s, *simulator);
    simulator->stop();
    const auto lines = linesOf(log());
    ASSERT_GT(lines.size(), 1900u);
    EXPECT_NE(log().find("\r\n"), std::string::npos);
    std::size_t sessionLines = 0;
    for (const std::string& line : lines) {
        const Row row = viewRow(line);
        ASSERT_EQ(row.time.size(), 8u) << line;
        EXPECT_EQ(row.time[2], ':') << line;
        EXPECT_FALSE(row.activity.empty()) << line;
        if (!row.thread.empty()) {
            ++sessionLines;
            EXPECT_EQ(row.thread.find_first_not_of("0123456789"), std::string::npos) << line;
            EXPECT_EQ(line.substr(18 + row.thread.size(), 2), ": ") << line;
        }
    }
    EXPECT_GT(sessionLines, lines.size() * 9 / 10);
    EXPECT_EQ(viewRow(lines.front()).activity.rfind("Service started", 0), 0u);
    EXPECT_EQ(viewRow(lines.back()).activity, "Service stopped");
    EXPECT_EQ(simulator->linesWritten(), lines.size());
}

TEST_F(GwsimFixture, HostileAndLongLinesAreMixedInOnRequest)
{
    auto o = options(100);
    o.hostileEvery = 10;
    o.longLineBytes = 10 * 1024 * 1024;
    auto simulator = make(o);
    advance(1s, *simulator);
    Request request;
    std::string error;
    ASSERT_TRUE(parseCommand("long-line 5000", &request, &error));
    simulator->post(request);
    advance(10ms, *simulator);
    simulator->stop();

    const std::string text = log();
    EXPECT_NE(text.find(std::string("NUL \0 byte", 10)), std::string::npos);
    EXPECT_NE(text.find("\xFF\xFE"), std::string::npos);
    EXPECT_NE(text.find("<script>"), std::string::npos);
    EXPECT_NE(text.find("\r\nshort\r\n"), std::string::npos);
    std::size_t longest = 0, fiveThousand = 0, hostile = 0;
    for (const std::string& line : linesOf(text)) {
        longest = std::max(longest, line.size());
        fiveThousand += line.size() == 18 + 5000;
        hostile += line.find("Long line") == std::string::npos &&
                   line.find_first_of(std::string("\0\x1B<\xFF", 4)) != std::string::npos;
    }
    EXPECT_EQ(longest, 18u + 10 * 1024 * 1024);
    EXPECT_EQ(fiveThousand, 1u);
    EXPECT_GE(hostile, 5u);
    EXPECT_FALSE(parseCommand("long-line 0", &request, &error));
}

TEST_F(GwsimFixture, EverySignalFileIsClaimedRemovedAndLogged)
{
    auto simulator = make(options());
    for (const service::SignalFile& signal : service::signalFiles())
        ASSERT_TRUE(service::createSignalFile(*fs, scratch.dir(), signal.fileName));
    advance(200ms, *simulator);
    for (const service::SignalFile& signal : service::signalFiles()) {
        EXPECT_FALSE(scratch.exists(signal.fileName)) << signal.fileName;
        EXPECT_NE(log().find(std::string("Signal ") + signal.fileName), std::string::npos)
            << signal.fileName;
        EXPECT_NE(events.str().find(std::string("handled ") + signal.fileName), std::string::npos);
    }
}

TEST_F(GwsimFixture, StatisticsFileFollowsStatSignalAfterTheDelay)
{
    auto simulator = make(options(50));
    advance(3s, *simulator);
    ASSERT_TRUE(service::createSignalFile(*fs, scratch.dir(), "Stat.sig"));
    advance(1200ms, *simulator);
    EXPECT_FALSE(scratch.exists("CONST-A.dat"));
    advance(500ms, *simulator);
    ASSERT_TRUE(scratch.exists("CONST-A.dat"));

    const auto lines = linesOf(scratch.read("CONST-A.dat"));
    ASSERT_GE(lines.size(), 10u);
    bool sawReceived = false;
    for (const std::string& line : lines) {
        const auto colon = line.find(':');
        ASSERT_NE(colon, std::string::npos) << line;
        EXPECT_EQ(line.substr(colon, 2), ": ") << line;
        if (line.rfind("Messages received: ", 0) == 0) {
            // Traffic goes on after the dump: the file holds an earlier count.
            const auto received = std::stoul(line.substr(19));
            sawReceived = received > 0 && received <= simulator->counters().messagesReceived;
        }
    }
    EXPECT_TRUE(sawReceived);
    EXPECT_NE(scratch.read("CONST-A.dat").find("Started: "), std::string::npos);
    // No temporary file is left behind.
    EXPECT_EQ(fs->list(scratch.dir(), "CONST-A.*"), (std::vector<std::string>{"CONST-A.dat"}));
}

TEST_F(GwsimFixture, StatisticsWaitWhileTheConsoleReadsTheOldFile)
{
    scratch.write("CONST-A.dat", "Old: 1\r\n");
    auto simulator = make(options());
    auto reader = fs->open(scratch.path("CONST-A.dat"), 1);
    ASSERT_TRUE(reader);
    simulator->post(Request::of(Request::DumpStatistics));
    advance(100ms, *simulator);
    EXPECT_EQ(scratch.read("CONST-A.dat"), "Old: 1\r\n");
    reader.reset();
    advance(20ms, *simulator);
    EXPECT_NE(scratch.read("CONST-A.dat").find("Messages received: "), std::string::npos);
}

TEST_F(GwsimFixture, AHeldSignalFileMakesTheConsolesCreationFail)
{
    auto o = options();
    o.holdSignals.push_back({"OSMTP.sig", 2s});
    auto simulator = make(o);
    platform::FileError error = platform::FileError::None;
    EXPECT_FALSE(service::createSignalFile(*fs, scratch.dir(), "OSMTP.sig", &error));
    EXPECT_EQ(error, platform::FileError::SharingViolation);
    advance(2100ms, *simulator);
    EXPECT_FALSE(scratch.exists("OSMTP.sig"));
    EXPECT_TRUE(service::createSignalFile(*fs, scratch.dir(), "OSMTP.sig"));
    advance(200ms, *simulator);
    EXPECT_FALSE(scratch.exists("OSMTP.sig"));
    EXPECT_NE(events.str().find("released OSMTP.sig"), std::string::npos);
}

TEST_F(GwsimFixture, HoldsTheLockAndRecordFilesAndReleasesThemAtStop)
{
    scratch.write("DataAlia.DAT", "records");
    auto o = options();
    o.holdLock = 1s;
    o.holdRecords.push_back({"DataAlia.DAT", kUntilExit});
    auto simulator = make(o);
    EXPECT_FALSE(fs->open(scratch.path("MORVADTB.LCK"), 9));
    EXPECT_FALSE(fs->open(scratch.path("DataAlia.DAT"), 2));
    advance(1100ms, *simulator);
    EXPECT_FALSE(scratch.exists("MORVADTB.LCK"));
    EXPECT_FALSE(fs->open(scratch.path("DataAlia.DAT"), 2));
    simulator->stop();
    EXPECT_TRUE(fs->open(scratch.path("DataAlia.DAT"), 2));
    EXPECT_EQ(scratch.read("DataAlia.DAT"), "records");

    // A record file that is not there cannot be held: start says why.
    auto missing = options();
    missing.holdRecords.push_back({"DataBloc.DAT", 1s});
    Simulator other(*fs, clock, missing, nullptr, [] { return kNoon; });
    std::string why;
    EXPECT_FALSE(other.start(&why));
    EXPECT_NE(why.find("DataBloc.DAT"), std::string::npos);
}

TEST_F(GwsimFixture, RotationAndTruncationWaitForTheConsolesOpenToClose)
{
    auto simulator = make(options(100));
    advance(1s, *simulator);
    const std::string before = log();
    ASSERT_GT(before.size(), 1000u);
    {
        auto viewer = fs->open(scratch.path("GW.log"), 1); // the log view's read
        ASSERT_TRUE(viewer);
        simulator->post(Request::of(Request::Rotate));
        advance(50ms, *simulator);
        EXPECT_EQ(fs->list(scratch.dir(), "GW-*.log").size(), 0u);
    }
    advance(20ms, *simulator);
    const auto rotated = fs->list(scratch.dir(), "GW-*.log");
    ASSERT_EQ(rotated.size(), 1u);
    EXPECT_EQ(scratch.read(rotated[0]).substr(0, before.size()), before);
    EXPECT_LT(log().size(), before.size());
    EXPECT_NE(log().find("previous log saved as " + rotated[0]), std::string::npos);

    advance(1s, *simulator);
    simulator->post(Request::of(Request::Truncate));
    advance(10ms, *simulator);
    EXPECT_EQ(viewRow(linesOf(log()).front()).activity, "Logfile truncated");
    EXPECT_LT(log().size(), 200u);
}

TEST_F(GwsimFixture, RunStopsAtTheDurationOrTheLineLimit)
{
    auto o = options(200);
    o.maxLines = 300;
    auto simulator = make(o);
    simulator->run([] { return true; });
    EXPECT_TRUE(simulator->finished());
    EXPECT_EQ(simulator->linesWritten(), 300u + 2u); // plus start and stop lines

    auto timed = options(10);
    timed.duration = 5s;
    test::ScratchDir other;
    timed.programDir = other.dir();
    Simulator second(*fs, clock, timed, nullptr, [] { return kNoon; });
    std::string error;
    ASSERT_TRUE(second.start(&error));
    const auto started = clock.now();
    second.run([] { return true; });
    EXPECT_GE(clock.now() - started, 5s);
    EXPECT_LT(clock.now() - started, 6s);
}

TEST(GwsimOptions, CommandLineAndCommands)
{
    CommandLine parsed;
    std::string error;
    ASSERT_TRUE(parseCommandLine({"--program-dir", "/d", "--rate", "10000", "--hostile-every", "50",
                                  "--long-line", "10485760", "--hold-signal", "Stat.sig:2.5",
                                  "--hold-record", "DataAlia.DAT", "--hold-lock", "0", "--lf",
                                  "--commands"},
                                 &parsed, &error))
        << error;
    EXPECT_EQ(parsed.simulator.rate, 10000);
    EXPECT_EQ(parsed.simulator.hostileEvery, 50u);
    EXPECT_EQ(parsed.simulator.longLineBytes, 10485760u);
    ASSERT_EQ(parsed.simulator.holdSignals.size(), 1u);
    EXPECT_EQ(parsed.simulator.holdSignals[0].duration, 2500ms);
    EXPECT_EQ(parsed.simulator.holdRecords[0].duration, kUntilExit);
    EXPECT_EQ(parsed.simulator.holdLock, kUntilExit);
    EXPECT_FALSE(parsed.simulator.crlf);
    EXPECT_TRUE(parsed.commandsFromStdin);

    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
             {"--rate", "5"},
             {"--program-dir", "/d", "--rate", "-1"},
             {"--program-dir", "/d", "--rate", "fast"},
             {"--program-dir", "/d", "--hold-record", "../Morva.ini"},
             {"--program-dir", "/d", "--hold-signal", "Stat.sig:soon"},
             {"--program-dir", "/d", "--poll-ms", "0"},
             {"--program-dir", "/d", "--frobnicate"},
             {"--program-dir"},
             {"--program-dir", "/d", "stray"}}) {
        CommandLine ignored;
        error.clear();
        EXPECT_FALSE(parseCommandLine(bad, &ignored, &error)) << bad.back();
        EXPECT_FALSE(error.empty()) << bad.back();
    }

    Request request;
    ASSERT_TRUE(parseCommand("hold-signal Restart.sig 3", &request, &error));
    EXPECT_EQ(request.kind, Request::HoldSignal);
    EXPECT_EQ(request.name, "Restart.sig");
    EXPECT_EQ(request.duration, 3000ms);
    ASSERT_TRUE(parseCommand("  rotate ", &request, &error));
    EXPECT_EQ(request.kind, Request::Rotate);
    for (const char* bad : {"rotate now", "hold-record", "hold-record a/b 1", "release", "dance",
                            "hold-lock x", "release X.sig 3"})
        EXPECT_FALSE(parseCommand(bad, &request, &error)) << bad;
}

TEST(GwsimProgram, HelpRunAndBadArguments)
{
    auto run = [](const std::string& arguments, std::string* output) {
        FILE* pipe = ::popen((std::string(GWSIM_PATH) + " " + arguments + " 2>&1").c_str(), "r");
        char buffer[4096];
        std::size_t n;
        while (pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            output->append(buffer, n);
        const int status = pipe ? ::pclose(pipe) : -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    std::string help;
    EXPECT_EQ(run("--help", &help), 0);
    for (const char* option :
         {"--program-dir", "--rate", "--hold-lock", "--hold-record", "--hold-signal",
          "--rotate-every", "--truncate-every", "--stat-delay-ms", "--commands"})
        EXPECT_NE(help.find(option), std::string::npos) << option;

    test::ScratchDir scratch;
    std::string output;
    EXPECT_EQ(run("--program-dir " + scratch.dir() + " --rate 200 --duration 0.3", &output), 0);
    EXPECT_NE(output.find("ready\n"), std::string::npos);
    EXPECT_NE(output.find("stopped\n"), std::string::npos);
    EXPECT_GT(linesOf(scratch.read("GW.log")).size(), 20u);

    std::string bad;
    EXPECT_EQ(run("--rate 3", &bad), 2);
    EXPECT_NE(bad.find("--program-dir"), std::string::npos);
    std::string unwritable;
    EXPECT_EQ(run("--program-dir " + scratch.path("absent") + " --duration 0.1", &unwritable), 1);
}

TEST(GwsimProgram, MorvactlSignalFailsInTheUsersLanguageWhileGwsimHoldsTheFile)
{
    test::ScratchDir scratch;
    const std::string events = scratch.path("events.txt");
    ASSERT_EQ(std::system((std::string(GWSIM_PATH) + " --program-dir " + scratch.dir() +
                           " --rate 0 --hold-signal SendLog.sig:1.5 --duration 2.5 > " + events +
                           " 2>&1 &")
                              .c_str()),
              0);
    auto waitFor = [&](const std::string& event) {
        for (int i = 0; i < 300; ++i) {
            if (scratch.read("events.txt").find(event + "\n") != std::string::npos)
                return true;
            ::usleep(10000);
        }
        return false;
    };
    ASSERT_TRUE(waitFor("ready"));

    auto morvactl = [&](const std::string& arguments, std::string* output) {
        const std::string command = std::string(MORVACTL_PATH) + " --program-dir " + scratch.dir() +
                                    " signal " + arguments + " 2>&1";
        FILE* pipe = ::popen(command.c_str(), "r");
        char buffer[1024];
        std::size_t n;
        while (pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            output->append(buffer, n);
        const int status = pipe ? ::pclose(pipe) : -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    const struct
    {
        const char* code;
        const char* message;
    } rows[] = {
        {"ENG", "Unable to create signal file"},
        {"DEU", "Unable to create signal file"},
        {"FRA", "Impossible de créer un fichier signal"},
        {"ITA", "Impossibile creare un file di comando"},
        {"ESP", "No es posible crear el fichero de señalización"},
    };
    for (const auto& row : rows) {
        std::string output;
        EXPECT_EQ(morvactl(std::string("sendlog --language ") + row.code, &output), 1) << output;
        EXPECT_EQ(output.rfind(std::string(row.message) + "\n", 0), 0u) << output;
        EXPECT_NE(output.find("SendLog.sig: in use by another program"), std::string::npos);
    }

    // Once the gateway is done with it, the signal goes through and is handled.
    ASSERT_TRUE(waitFor("released SendLog.sig"));
    std::string output;
    EXPECT_EQ(morvactl("sendlog", &output), 0) << output;
    EXPECT_TRUE(waitFor("handled SendLog.sig"));
    EXPECT_TRUE(waitFor("stopped"));
    EXPECT_FALSE(scratch.exists("SendLog.sig"));
}

namespace {

// `morvactl log ARGUMENTS` on the program directory: exit code and output.
int morvactlLog(const std::string& programDir, const std::string& arguments, std::string* output)
{
    const std::string command =
        std::string(MORVACTL_PATH) + " --program-dir " + programDir + " log " + arguments + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    char buffer[4096];
    std::size_t n;
    while (pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output->append(buffer, n);
    const int status = pipe ? ::pclose(pipe) : -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(GwsimProgram, MorvactlLogSearchesTheGatewaysLogAndARotatedOne)
{
    test::ScratchDir scratch;
    ASSERT_EQ(std::system((std::string(GWSIM_PATH) + " --program-dir " + scratch.dir() +
                           " --prefill 3000 --rate 0 --duration 0.2 --quiet")
                              .c_str()),
              0);
    std::string rejected;
    ASSERT_EQ(
        morvactlLog(scratch.dir(), "--grep '5.7.1 rejected' --exclude 198.51.100.1", &rejected), 0);
    const auto rows = linesOf(rejected);
    ASSERT_GT(rows.size(), 10u); // far more than the tail of 4000 bytes holds
    for (const std::string& row : rows) {
        EXPECT_NE(row.find("\t554 5.7.1 Rejected: "), std::string::npos) << row;
        EXPECT_EQ(row.find("198.51.100.1 "), std::string::npos) << row;
    }

    const std::string firstThread = rows.front().substr(9, rows.front().find('\t', 9) - 9);
    std::string session;
    ASSERT_EQ(morvactlLog(scratch.dir(), "--thread " + firstThread, &session), 0);
    for (const std::string& row : linesOf(session))
        EXPECT_EQ(row.substr(9, firstThread.size() + 1), firstThread + "\t") << row;

    std::filesystem::rename(scratch.path("GW.log"), scratch.path("GW-20261208-000000.log"));
    std::string older;
    EXPECT_EQ(morvactlLog(scratch.dir(),
                          "--file " + scratch.path("GW-20261208-000000.log") +
                              " --grep '5.7.1 rejected' --exclude 198.51.100.1",
                          &older),
              0);
    EXPECT_EQ(older, rejected);
}

} // namespace
