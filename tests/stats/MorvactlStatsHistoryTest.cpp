// morvactl stats --history prints what the console kept for this gateway.
#include "platform/SystemFileSystem.h"
#include "stats/StatHistory.h"
#include "stats/StatHistoryLocation.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

struct ToolRun
{
    int exitCode = -1;
    std::string out;
};

ToolRun morvactl(const std::string& programDir, const std::string& args)
{
    const std::string command = std::string("'") + MORVA_BINARY_DIR + "/src/cli/morvactl' " +
                                "--program-dir '" + programDir + "' stats " + args + " 2>/dev/null";
    ToolRun run;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    std::size_t got = 0;
    while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.out.append(buffer, got);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(MorvactlStatsHistoryTest, PrintsTheKeptDumpsAsTextOrCsv)
{
    const fs::path home = fs::temp_directory_path() / "morvactl-stats-history";
    fs::remove_all(home);
    fs::create_directories(home / "gw");
    ::setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
    const std::string programDir = (home / "gw").string() + "/";

    const std::string path = morva::stats::statHistoryPath(programDir, false);
    ASSERT_TRUE(morva::stats::prepareHistoryDirectory(path));
    auto files = morva::platform::makeSystemFileSystem();
    morva::stats::StatHistoryStore store(*files, path);
    ASSERT_TRUE(store.append({0, {{"Received", "1"}, {"Note", "a,\tb"}}}));
    ASSERT_TRUE(store.append({3600000000000, {{"Received", "5"}}}));

    const ToolRun text = morvactl(programDir, "--history");
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_EQ(text.out.substr(0, text.out.find('\n')), "time\tReceived\tNote");
    EXPECT_NE(text.out.find("\t1\ta,?b\n"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("\t5\t\n"), std::string::npos) << text.out;

    const ToolRun csv = morvactl(programDir, "--history --format csv");
    EXPECT_EQ(csv.exitCode, 0);
    EXPECT_EQ(csv.out.substr(0, csv.out.find('\n')), "Time,Received,Note\r");
    EXPECT_NE(csv.out.find(",1,\"a,\tb\"\r\n"), std::string::npos) << csv.out;

    EXPECT_EQ(morvactl(programDir, "--history --format xml").exitCode, 2);
    EXPECT_EQ(morvactl(programDir, "--history extra").exitCode, 2);
    // Another gateway has no history yet: only the header.
    fs::create_directories(home / "other");
    const ToolRun empty = morvactl((home / "other").string() + "/", "--history");
    EXPECT_EQ(empty.exitCode, 0);
    EXPECT_EQ(empty.out, "time\n");
    fs::remove_all(home);
}

} // namespace
