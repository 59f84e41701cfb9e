#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <thread>

namespace {

namespace fs = std::filesystem;

struct ToolRun
{
    int exitCode;
    std::string out;
    std::string err;
};

std::string slurp(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class MorvactlServiceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() /
              ("morvactl-service-" +
               std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    void write(const std::string& name, const std::string& bytes)
    {
        std::ofstream(dir / name, std::ios::binary) << bytes;
    }

    ToolRun morvactl(const std::string& programDir, const std::string& args)
    {
        const fs::path errFile = dir.parent_path() / (dir.filename().string() + ".err");
        const std::string command = std::string("'") + MORVA_BINARY_DIR + "/src/cli/morvactl' " +
                                    "--program-dir '" + programDir + "' " + args + " 2>'" +
                                    errFile.string() + "'";
        ToolRun run;
        FILE* pipe = popen(command.c_str(), "r");
        char buffer[4096];
        std::size_t got = 0;
        while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0)
            run.out.append(buffer, got);
        const int status = pclose(pipe);
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.err = slurp(errFile);
        fs::remove(errFile);
        return run;
    }

    fs::path dir;
};

TEST_F(MorvactlServiceTest, StatusNamesTheServiceTheExecutableAndTheState)
{
    const std::string programDir = dir.string() + "/";
    ToolRun run = morvactl(programDir, "service status");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "Morva\t" + programDir + "gwcored.exe\t2\tUnable to find executable\n");

    write("gwcored.exe", "MZ");
    write("gwcored.svc", "Gate\r\n");
    run = morvactl(programDir, "service status");
    EXPECT_EQ(run.out, "Gate\t" + programDir + "gwcored.exe\t3\tnot installed\n");

    write("other.exe", "MZ");
    run = morvactl(programDir, "service status --exe '" + programDir + "other.exe'");
    EXPECT_EQ(run.out, "Morva\t" + programDir + "other.exe\t3\tnot installed\n");
}

TEST_F(MorvactlServiceTest, OperationsFailWithTheDialogsMessagesWithoutAServiceManager)
{
    const std::string programDir = dir.string() + "/";
    write("gwcored.exe", "MZ");
    const struct
    {
        const char* action;
        const char* message;
    } rows[] = {
        {"install", "morvactl: Unable to install Morva service! (This system has no service "
                    "manager for the gateway.)\n"},
        {"start", "morvactl: Unable to start Morva service! (This system has no service manager "
                  "for the gateway.)\n"},
        {"stop", "morvactl: Unable to query status of Morva service! (This system has no service "
                 "manager for the gateway.)\n"},
        {"remove", "morvactl: Unable to query status of Morva service! (This system has no service "
                   "manager for the gateway.)\n"},
    };
    for (const auto& row : rows) {
        const ToolRun run = morvactl(programDir, std::string("service ") + row.action);
        EXPECT_EQ(run.exitCode, 1) << row.action;
        EXPECT_EQ(run.err, row.message);
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(morvactl(programDir, "service pause").exitCode, 2);
    EXPECT_EQ(morvactl(programDir, "service status --exe").exitCode, 2);
}

TEST_F(MorvactlServiceTest, StatsFailsAtOnceWhenTheSignalCannotBeCreated)
{
    const ToolRun run = morvactl((dir / "missing").string() + "/", "stats");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "morvactl: Unable to create signal file\n");
    EXPECT_EQ(run.out, "");
}

TEST_F(MorvactlServiceTest, StatsPrintsOneRowPerLineWithControlCharactersMasked)
{
    write("CONST-A.dat", "Received: 9\r\n"); // the previous dump
    // The gateway's part: a new dump a moment after the signal.
    std::thread gateway([this] {
        for (int i = 0; i < 200 && !fs::exists(dir / "Stat.sig"); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        write("CONST-A.dat",
              "Received: 10\r\nStarted: 12:00:01\r\nbare line\r\nEvil\x1b[2J: a\tb\r\n");
    });
    const ToolRun run = morvactl(dir.string() + "/", "stats");
    gateway.join();
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Received\t10\nStarted\t12:00:01\n\tbare line\nEvil?[2J\ta?b\n");
    EXPECT_TRUE(fs::exists(dir / "Stat.sig"));
    EXPECT_EQ(fs::file_size(dir / "Stat.sig"), 0u);
}

TEST_F(MorvactlServiceTest, StatsFailsWhenNoNewDumpArrivesEvenWithAnOldOneThere)
{
    write("CONST-A.dat", "Received: 9\r\n");
    const ToolRun run = morvactl(dir.string() + "/", "stats");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("morvactl: the gateway wrote no new statistics (CONST-A.dat) in time; "
                            "the file there was written 20",
                            0),
              0u)
        << run.err;
}

} // namespace
