// morvactl.exe and the configuration store on a program directory, with a
// second process holding the gateway's files the way the gateway does.
#include "config/ConfigStore.h"
#include "platform/Clock.h"
#include "platform/ScratchDir.h"
#include "platform/WindowsFileSystem.h"
#include "platform/WindowsText.h"
#include "platform/windows/ChildProcess.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <windows.h>

using morva::test::ChildProcess;
using morva::test::FileHolder;
using morva::test::hostPath;
using morva::test::ScratchDir;

namespace {

class MorvactlTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // A program directory whose path holds blanks, as under "Program Files".
        m_programDir = m_scratch.path("Morva Gate Way");
        std::filesystem::create_directories(m_programDir);
    }

    int morvactl(const std::vector<std::string>& args, std::string* output = nullptr)
    {
        std::vector<std::string> all{"--program-dir", m_programDir};
        all.insert(all.end(), args.begin(), args.end());
        std::string text;
        const int code = ChildProcess::run(hostPath(MORVACTL_PATH), all, &text);
        if (output)
            *output = text;
        return code;
    }
    std::string file(const std::string& name) const { return m_programDir + "\\" + name; }
    std::string read(const std::string& name) const
    {
        return m_scratch.read("Morva Gate Way\\" + name);
    }

    ScratchDir m_scratch;
    std::string m_programDir;
};

TEST_F(MorvactlTest, ConfigSetGetSave)
{
    std::string out;
    EXPECT_EQ(morvactl({"config", "set", "Postmaster", "admin@example.com"}), 0);
    EXPECT_EQ(morvactl({"config", "set", "AdminLogFontSize", "14"}), 0);
    EXPECT_EQ(morvactl({"config", "get", "Postmaster"}, &out), 0);
    EXPECT_EQ(out, "admin@example.com\n");
    EXPECT_EQ(morvactl({"config", "get", "AdminLogFontSize"}, &out), 0);
    EXPECT_EQ(out, "14\n");
    EXPECT_NE(read("Morva.ini").find("Postmaster=admin@example.com"), std::string::npos);
    EXPECT_EQ(morvactl({"config", "save"}), 0);
    EXPECT_NE(read("Morva.ini").find("AdminLogFontSize=14"), std::string::npos);
    EXPECT_EQ(morvactl({"config", "get", "NoSuchKey"}, &out), 2) << out;
}

TEST_F(MorvactlTest, NonAsciiArgumentsAreStoredAsUtf8LikeOnEveryOtherSystem)
{
    // "Ärger" and a word outside every Western code page ("Ωmega"), typed as
    // the user's command line holds them: UTF-16.
    std::vector<std::wstring> args{L"--program-dir",
                                   morva::platform::widen(m_programDir),
                                   L"config",
                                   L"set",
                                   L"InboundBlockSubject",
                                   L"\u00C4rger",
                                   L"\u03A9mega"};
    std::string out;
    ASSERT_EQ(ChildProcess::run(hostPath(MORVACTL_PATH), args, &out), 0) << out;
    const std::string ini = read("Morva.ini");
    EXPECT_NE(ini.find("\"\xC3\x84rger\""), std::string::npos) << ini;
    EXPECT_NE(ini.find("\"\xCE\xA9mega\""), std::string::npos) << ini;
    EXPECT_EQ(ini.find("\xEF\xBF\xBD"), std::string::npos) << "no replacement character";

    // Read back (output to a pipe: the UTF-8 bytes as they are).
    EXPECT_EQ(morvactl({"config", "get", "InboundBlockSubject"}, &out), 0);
    EXPECT_EQ(out, "\xC3\x84rger\n\xCE\xA9mega\n");
}

TEST_F(MorvactlTest, RecordsAddListDeleteAndTheLockOfAnotherProcess)
{
    std::string out;
    ASSERT_EQ(morvactl({"records", "add", "alias", "info@example.com", "anna@example.org"}, &out),
              0)
        << out;
    EXPECT_EQ(morvactl({"records", "add", "user", "bob@example.com", "Bob"}), 0);
    EXPECT_EQ(morvactl({"records", "list", "alias"}, &out), 0);
    EXPECT_EQ(out, "1\tinfo@example.com\tanna@example.org\t0\n");
    EXPECT_EQ(morvactl({"records", "delete", "alias", "1"}), 0);
    EXPECT_EQ(morvactl({"records", "list", "alias"}, &out), 0);
    EXPECT_EQ(out, "");
    EXPECT_EQ(read("DataAlia.DAT").substr(0, 3), "|*|") << "deleted, not removed";
    EXPECT_FALSE(m_scratch.exists("Morva Gate Way\\MORVADTB.LCK")) << "released";

    // The gateway holds a record file: the data set cannot be acquired.
    FileHolder gateway;
    ASSERT_TRUE(gateway.start(file("DataUser.DAT"), 2)) << gateway.status();
    EXPECT_EQ(morvactl({"records", "list", "user", "--no-wait"}, &out), 1) << out;
    EXPECT_EQ(gateway.stop(), 0);
    EXPECT_EQ(morvactl({"records", "list", "user"}, &out), 0);
    EXPECT_EQ(out, "1\tbob@example.com\tBob\n");
}

TEST_F(MorvactlTest, SignalsAreCreatedUnlessTheGatewayHoldsThem)
{
    EXPECT_EQ(morvactl({"signal", "deliver"}), 0);
    EXPECT_TRUE(m_scratch.exists("Morva Gate Way\\OSMTP.sig"));
    EXPECT_EQ(morvactl({"signal", "stat"}), 0);
    EXPECT_TRUE(m_scratch.exists("Morva Gate Way\\Stat.sig"));

    FileHolder gateway;
    ASSERT_TRUE(gateway.start(file("Restart.sig"), 10)) << gateway.status();
    std::string out;
    EXPECT_EQ(morvactl({"signal", "restart"}, &out), 1);
    EXPECT_NE(out.find("Restart.sig"), std::string::npos) << out;
}

TEST_F(MorvactlTest, ServiceLifecycleThroughMorvactl)
{
    const std::string exe = file("gwcored.exe");
    std::filesystem::copy_file(hostPath(MORVA_TEST_SERVICE), exe);
    // The name file next to the executable names the service.
    const std::string name = "MorvaCtl" + std::to_string(GetCurrentProcessId());
    m_scratch.write("Morva Gate Way\\gwcored.svc", name + "\r\n");
    std::string out;
    EXPECT_EQ(morvactl({"service", "status"}, &out), 0);
    EXPECT_EQ(out, name + "\t" + exe + "\t3\tnot installed\n");

    ASSERT_EQ(morvactl({"service", "install"}, &out), 0) << out;
    EXPECT_EQ(morvactl({"service", "status"}, &out), 0);
    EXPECT_EQ(out, name + "\t" + exe + "\t10\tstopped\n");
    ASSERT_EQ(morvactl({"service", "start"}, &out), 0) << out;
    EXPECT_EQ(morvactl({"service", "status"}, &out), 0);
    EXPECT_EQ(out, name + "\t" + exe + "\t7\tstarted\n");
    EXPECT_EQ(morvactl({"service", "stop"}, &out), 0) << out;
    EXPECT_EQ(morvactl({"service", "remove"}, &out), 0) << out;
    for (int i = 0; i < 100; ++i) {
        morvactl({"service", "status"}, &out);
        if (out.find("\t3\t") != std::string::npos)
            break;
        Sleep(50);
    }
    EXPECT_EQ(out, name + "\t" + exe + "\t3\tnot installed\n");
}

// The save of "Morva.ini" while the gateway reads it: the rename is retried
// for about ten seconds (on the injected clock), then the save fails and the
// old bytes stay.
TEST_F(MorvactlTest, SaveOverAHeldConfigurationFailsAndKeepsTheOldFile)
{
    const std::string old = "Postmaster=old@example.com\r\n";
    m_scratch.write("Morva Gate Way\\Morva.ini", old);
    morva::platform::WindowsFileSystem fs;
    morva::platform::FakeClock clock;
    morva::config::ConfigStore store(fs, clock, m_programDir + "\\");
    store.registerString("Postmaster", "");
    ASSERT_TRUE(store.load());
    store.setString("Postmaster", "new@example.com");
    {
        FileHolder gateway;
        ASSERT_TRUE(gateway.start(file("Morva.ini"), 1)) << gateway.status();
        EXPECT_FALSE(store.save());
        EXPECT_GE(clock.slept(), std::chrono::milliseconds(9000));
        EXPECT_LE(clock.slept(), std::chrono::milliseconds(11000));
        EXPECT_EQ(read("Morva.ini"), old);
    }
    for (const auto& entry : std::filesystem::directory_iterator(m_programDir)) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name == "Morva.ini" || name == "Morva.ini.lock") << "no temporary file left";
    }
    EXPECT_TRUE(store.save()) << "released";
    EXPECT_EQ(read("Morva.ini"), "Postmaster=new@example.com\r\n");
}

} // namespace
