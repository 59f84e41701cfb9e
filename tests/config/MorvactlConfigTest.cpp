#include "config/ConfigStore.h"
#include "config/Schema.h"
#include "platform/Clock.h"
#include "platform/ScratchDir.h"
#include "platform/SystemFileSystem.h"

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <initializer_list>
#include <iterator>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

using morva::test::ScratchDir;

namespace {

struct Result
{
    int exit = -1;
    std::string out;
    std::string err;
};

std::string quote(const std::string& arg)
{
    std::string quoted = "'";
    for (char c : arg) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

struct Morvactl : ::testing::Test
{
    ScratchDir scratch;
    ScratchDir output;

    Result run(const std::vector<std::string>& args, const std::string& programDir = {})
    {
        // A run that would hang (a pipe read as a file) ends with exit 124.
        std::string command = "timeout 60 " + quote(MORVACTL) + " --program-dir " +
                              quote(programDir.empty() ? scratch.dir() : programDir);
        for (const auto& arg : args)
            command += " " + quote(arg);
        command += " >" + quote(output.path("out")) + " 2>" + quote(output.path("err"));
        const int status = std::system(command.c_str());
        Result result;
        result.exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.out = output.read("out");
        result.err = output.read("err");
        return result;
    }
};

int lineCount(const std::string& text)
{
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

} // namespace

TEST_F(Morvactl, SchemaListsEveryKeyWithKindDefaultAndFlags)
{
    const Result result = run({"schema"});
    ASSERT_EQ(result.exit, 0);
    EXPECT_EQ(lineCount(result.out), 1439);
    std::istringstream lines(result.out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "Verbose\tBool\tTrue\t");
    for (const char* expected :
         {"\nInboundExclDNSWLCategory\tInt\t-1\t\n", "\nAdminLogFont\tString\tLucida Console\t\n",
          "\nInboundBlockSubject\tTextList\t\tQuoted|StripStars\n",
          "\nInboundBlockCTYCountry\tStringList\t\tLower|Trim\n",
          "\nSMTPRelayAllowIP\tNetList\t\t\n", "\nExchHost\tString\tlocalhost\tTrim\n"})
        EXPECT_NE(result.out.find(expected), std::string::npos) << expected;
}

TEST_F(Morvactl, SetGetListAndSaveOnANewFile)
{
    EXPECT_EQ(run({"config", "get", "SmartHostPort"}).out, "0\n");
    EXPECT_EQ(run({"config", "set", "SmartHostPort", "587"}).exit, 0);
    EXPECT_EQ(run({"config", "set", "InboundSMTPFlags", "4294967295"}).exit, 0);
    EXPECT_EQ(run({"config", "set", "WriteLogFile", "false"}).exit, 0);
    EXPECT_EQ(run({"config", "set", "SMTPRelayAllowIP", "10", "192.168.1.0/24"}).exit, 0);
    EXPECT_EQ(run({"config", "set", "OutboundExclSubject", "Gr\xC3\xBC\xC3\x9F"}).exit, 0);
    EXPECT_EQ(scratch.read("Morva.ini"), "SMTPRelayAllowIP=10.0.0.0/8\r\n"
                                         "SMTPRelayAllowIP=192.168.1.0/24\r\n"
                                         "WriteLogFile=False\r\n"
                                         "SmartHostPort=587\r\n"
                                         "OutboundExclSubject=Gr\xC3\xBC\xC3\x9F\r\n");
    EXPECT_EQ(run({"config", "get", "SMTPRelayAllowIP"}).out, "10.0.0.0/8\n192.168.1.0/24\n");
    EXPECT_EQ(run({"config", "get", "InboundSMTPFlags"}).out, "-1\n");
    EXPECT_EQ(run({"config", "get", "WriteLogFile"}).out, "False\n");
    EXPECT_EQ(run({"config", "list", "--changed"}).out,
              "SMTPRelayAllowIP=10.0.0.0/8\nSMTPRelayAllowIP=192.168.1.0/24\nWriteLogFile=False\n"
              "SmartHostPort=587\nOutboundExclSubject=Gr\xC3\xBC\xC3\x9F\n");
    EXPECT_EQ(lineCount(run({"config", "list"}).out), 1439 - 94 - 358 - 27 + 2 + 1);
    // An empty list value clears the list; get then prints nothing.
    EXPECT_EQ(run({"config", "set", "SMTPRelayAllowIP"}).exit, 0);
    EXPECT_EQ(run({"config", "get", "SMTPRelayAllowIP"}).out, "");
    EXPECT_EQ(run({"config", "save"}).exit, 0);
}

TEST_F(Morvactl, UsageErrorsAndUnknownKeysExitWithTwo)
{
    const std::vector<std::vector<std::string>> rows = {
        {"config"},
        {"config", "frobnicate"},
        {"config", "get"},
        {"config", "get", "writelogfile"},
        {"config", "set", "NoSuchKey", "1"},
        {"config", "set", "SmartHostPort"},
        {"config", "set", "SmartHostPort", "1", "2"},
        {"config", "list", "--all"},
        {"schema", "extra"},
    };
    for (const auto& args : rows) {
        const Result result = run(args);
        EXPECT_EQ(result.exit, 2) << args.back();
        EXPECT_FALSE(result.err.empty());
    }
    EXPECT_FALSE(scratch.exists("Morva.ini"));
}

TEST_F(Morvactl, SetRefusesWhatThePagesRefuseAndLeavesTheFileAlone)
{
    const std::string before = "; the gateway's settings\r\nInboundBayesSpam=70\r\n"
                               "SMTPRelayAllowIP=10.0.0.0/8\r\nPostmaster=pm@example.com\r\n";
    scratch.write("Morva.ini", before);
    const std::filesystem::file_time_type written =
        std::filesystem::last_write_time(scratch.path("Morva.ini"));
    const struct
    {
        std::vector<std::string> args;
        std::string message;
    } rows[] = {
        {{"InboundBayesSpam", "1000"}, "Please enter a number between 1 and 100!"},
        {{"InboundBayesSpam", "seventy"}, "Please enter a number between 1 and 100!"},
        {{"InboundGreyListMinTime", "-5"}, "Please enter a number between 1 and 86400!"},
        {{"LogFilePurgeDays", "10000"}, "Please enter a number between 1 and 9999!"},
        {{"Postmaster", "pm@@example.com"},
         "Please enter a valid SMTP address!\nFormat is user@domain.com"},
        {{"SMTPIPAddress", "10.1.2"},
         "Please enter a valid IP address!\nFormat is xxx.xxx.xxx.xxx"},
        {{"AdminLogFont", " "}, "Blank field is not allowed!"},
        {{"SMTPRelayAllowIP", "10.1.", "not-an-address"},
         "item 2 'not-an-address': Please enter a valid IP address or network!"},
        {{"SLS", "zen.example.org", ""}, "item 2 '': Blank field is not allowed!"},
        {{"InboundBlockCTYCountry", "zz"}, "Please choose a value from the list!"},
    };
    for (const auto& row : rows) {
        std::vector<std::string> args{"config", "set"};
        args.insert(args.end(), row.args.begin(), row.args.end());
        const Result result = run(args);
        EXPECT_EQ(result.exit, 2) << row.args[0];
        EXPECT_NE(result.err.find(row.args[0]), std::string::npos) << result.err;
        EXPECT_NE(result.err.find(row.message), std::string::npos) << result.err;
        EXPECT_EQ(scratch.read("Morva.ini"), before) << row.args[0];
    }
    EXPECT_EQ(std::filesystem::last_write_time(scratch.path("Morva.ini")), written);

    // Values the pages take are written as before, the bounds included.
    EXPECT_EQ(run({"config", "set", "InboundBayesSpam", "100"}).exit, 0);
    EXPECT_EQ(run({"config", "set", "LogFilePurgeDays", "0"}).exit, 0);
    EXPECT_EQ(run({"config", "set", "InboundBlockCTYCountry", "DE"}).exit, 0);
    EXPECT_EQ(run({"config", "get", "InboundBayesSpam"}).out, "100\n");
    EXPECT_EQ(run({"config", "get", "InboundBlockCTYCountry"}).out, "de\n");
}

TEST_F(Morvactl, RefusedSetOnAMissingFileCreatesNone)
{
    const Result result = run({"config", "set", "InboundBayesSpam", "0"});
    EXPECT_EQ(result.exit, 2);
    EXPECT_FALSE(scratch.exists("Morva.ini"));
}

TEST_F(Morvactl, UnreadableFileOrRefusedSaveExitsWithOneAndSaysWhy)
{
    std::filesystem::create_directory(scratch.path("Morva.ini"));
    Result result = run({"config", "set", "SmartHostPort", "1"});
    EXPECT_EQ(result.exit, 1);
    EXPECT_EQ(lineCount(result.err), 1);
    EXPECT_NE(result.err.find("is a directory"), std::string::npos) << result.err;
    std::filesystem::remove(scratch.path("Morva.ini"));

    scratch.write("Morva.ini", "Include=more.ini\r\n");
    scratch.write("more.ini", "SmartHostPort=2\r\n");
    result = run({"config", "set", "SmartHostPort", "3"});
    EXPECT_EQ(result.exit, 1);
    EXPECT_EQ(lineCount(result.err), 1);
    EXPECT_NE(result.err.find("include"), std::string::npos) << result.err;
    EXPECT_EQ(scratch.read("Morva.ini"), "Include=more.ini\r\n");
    EXPECT_EQ(run({"config", "get", "SmartHostPort"}).out, "2\n");
}

TEST_F(Morvactl, CheckReportsIncludesAndUnknownLines)
{
    scratch.write("Morva.ini", "writelogfile=0\r\nWriteLogFile=False\r\nBogusKey=1\r\n"
                               "Include=gone.ini\r\nVerbose=False\r\n"
                               "SLS=a.example\r\nsls=b.example\r\nSLS=c.example\r\n");
    const Result result = run({"config", "check"});
    EXPECT_EQ(result.exit, 1);
    EXPECT_NE(result.out.find("loaded: yes\n"), std::string::npos);
    EXPECT_NE(result.out.find("includes: missing\n"), std::string::npos);
    EXPECT_NE(result.out.find("missing include: " + scratch.path("gone.ini") + "\n"),
              std::string::npos);
    EXPECT_NE(result.out.find("unknown line: writelogfile=0 (above WriteLogFile): did you mean "
                              "WriteLogFile?\n"),
              std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find("unknown line: BogusKey=1 (above Verbose)\n"), std::string::npos);
    EXPECT_NE(result.out.find("unknown line: sls=b.example (above SLS): did you mean SLS?\n"),
              std::string::npos)
        << "a line between the items of a list";

    scratch.write("Morva.ini", "; fine\r\nWriteLogFile=False\r\n");
    EXPECT_EQ(run({"config", "check"}).exit, 0);
}

TEST_F(Morvactl, CheckReportsEveryLineASaveWouldDropAndFilesThatAreNotText)
{
    scratch.write("Morva.ini", "; kept\r\nVerbose=False\r\n; lost with its key\r\n"
                               "WriteLogFile=True\r\n\r\nwritelogfile=False\r\n");
    Result check = run({"config", "check"});
    EXPECT_EQ(check.exit, 1);
    EXPECT_NE(check.out.find("dropped by a save: ; lost with its key (above WriteLogFile, which "
                             "holds its default value)\n"),
              std::string::npos)
        << check.out;
    EXPECT_NE(check.out.find("dropped by a save: writelogfile=False (after the last known key): "
                             "did you mean WriteLogFile?\n"),
              std::string::npos)
        << check.out;
    EXPECT_EQ(check.out.find("; kept"), std::string::npos) << "kept lines are not reported";
    EXPECT_NE(check.out.find("encoding: 8-bit text\n"), std::string::npos);

    // What Notepad writes as "Unicode": read, reported, never saved over.
    std::string utf16 = "\xFF\xFE";
    for (const char c : std::string("Verbose=False\r\n"))
        utf16 += std::string(1, c) + '\0';
    scratch.write("Morva.ini", utf16);
    check = run({"config", "check"});
    EXPECT_EQ(check.exit, 1);
    EXPECT_NE(check.out.find("encoding: UTF-16 text: a save is refused"), std::string::npos)
        << check.out;
    const Result set = run({"config", "set", "SmartHostPort", "587"});
    EXPECT_EQ(set.exit, 1);
    EXPECT_NE(set.err.find("holds UTF-16 text"), std::string::npos) << set.err;
    EXPECT_EQ(scratch.read("Morva.ini"), utf16);

    // Control bytes of a line reach the terminal escaped.
    scratch.write("Morva.ini", "Verbose=False\r\nx=\x1B[2J\r\n");
    EXPECT_NE(run({"config", "check"}).out.find("x=\\x1B[2J"), std::string::npos);
}

TEST_F(Morvactl, DemoConfigurationIsCleanAndHasChangedSettings)
{
    const std::string demo = std::string(MORVA_SOURCE_DIR) + "/tools/demo/";
    const Result check = run({"config", "check"}, demo);
    EXPECT_EQ(check.exit, 0) << check.out;
    EXPECT_GE(lineCount(run({"config", "list", "--changed"}, demo).out), 40);
}

TEST_F(Morvactl, HostileFilesNeverCrashOrLoseTheFile)
{
    std::string garbage;
    std::uint32_t seed = 7;
    for (int i = 0; i < 200000; ++i) {
        seed = seed * 1103515245 + 12345;
        garbage.push_back(static_cast<char>(seed >> 16));
    }
    std::string manyLines = "; big white list\r\n";
    for (int i = 0; i < 1000000; ++i)
        manyLines += "InboundExclBlockSPFFromAddress=\"*@h" + std::to_string(i) + ".example\"\r\n";
    const std::string longLine = "Postmaster=" + std::string(5 * 1024 * 1024, 'p') + "\r\n";
    const std::string* const files[] = {&garbage, &manyLines, &longLine};
    for (const std::string* bytes : files) {
        scratch.write("Morva.ini", *bytes);
        const Result check = run({"config", "check"});
        EXPECT_TRUE(check.exit == 0 || check.exit == 1) << check.err;
        if (bytes == &garbage) {
            // Zero bytes in most lines: binary data is never saved over.
            EXPECT_NE(check.out.find("encoding: binary data"), std::string::npos);
            EXPECT_EQ(run({"config", "save"}).exit, 1);
            EXPECT_EQ(scratch.read("Morva.ini"), garbage);
            continue;
        }
        EXPECT_EQ(run({"config", "save"}).exit, 0);
        const std::string once = scratch.read("Morva.ini");
        EXPECT_EQ(run({"config", "save"}).exit, 0);
        EXPECT_EQ(scratch.read("Morva.ini"), once) << "a second save changes nothing";
    }

    // Devices and pipes in place of the file or an include: refused at once.
    scratch.write("Morva.ini", "Include=/dev/zero\r\nSmartHostPort=25\r\n");
    Result check = run({"config", "check"});
    EXPECT_EQ(check.exit, 1);
    EXPECT_NE(check.out.find("missing include: /dev/zero\n"), std::string::npos) << check.out;
    std::filesystem::remove(scratch.path("Morva.ini"));
    std::filesystem::create_symlink("/dev/zero", scratch.path("Morva.ini"));
    check = run({"config", "check"});
    EXPECT_EQ(check.exit, 1);
    EXPECT_NE(check.err.find("not a regular file"), std::string::npos) << check.err;
    std::filesystem::remove(scratch.path("Morva.ini"));
    ASSERT_EQ(::mkfifo(scratch.path("Morva.ini").c_str(), 0600), 0);
    EXPECT_EQ(run({"config", "set", "SmartHostPort", "1"}).exit, 1);
    EXPECT_TRUE(std::filesystem::is_fifo(scratch.path("Morva.ini")));
    std::filesystem::remove(scratch.path("Morva.ini"));
    EXPECT_EQ(lineCount(run({"config", "get", "InboundExclBlockSPFFromAddress"}).out), 0);
    scratch.write("Morva.ini", manyLines);
    EXPECT_EQ(lineCount(run({"config", "get", "InboundExclBlockSPFFromAddress"}).out), 1000000);
}

namespace {

// Starts morvactl on `programDir` without waiting; its stderr goes to `errPath`.
pid_t startMorvactl(const std::string& programDir, const std::vector<std::string>& args,
                    const std::string& errPath)
{
    const pid_t child = ::fork();
    if (child != 0)
        return child;
    const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(err, 2);
    ::dup2(null, 1);
    std::vector<std::string> words = {MORVACTL, "--program-dir", programDir};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    ::execv(MORVACTL, argv.data());
    ::_exit(127);
}

std::string demoConfiguration()
{
    std::ifstream in(std::string(MORVA_SOURCE_DIR) + "/tools/demo/Morva.ini", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int exitCodeOf(pid_t child)
{
    int status = 0;
    if (::waitpid(child, &status, 0) != child)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool holdsLine(const std::string& file, const std::string& line)
{
    return file.rfind(line + "\r\n", 0) == 0 ||
           file.find("\n" + line + "\r\n") != std::string::npos;
}

// Two writers changed different keys of the same file at once. Each one that
// reported success must find its change in the file; one that did not must
// have said that the file changed on disk.
struct RaceTally
{
    int bothSaved = 0;
    int oneRefused = 0;
    int silentLosses = 0;

    void add(const std::string& file, int exitA, const std::string& lineA, const std::string& errA,
             int exitB, const std::string& lineB, const std::string& errB)
    {
        for (const auto& [exit, err] : {std::pair{exitA, errA}, std::pair{exitB, errB}}) {
            EXPECT_TRUE(exit == 0 || exit == 1) << exit << " " << err;
            if (exit == 1) {
                EXPECT_NE(err.find("changed on disk"), std::string::npos) << err;
            }
        }
        const bool lost =
            (exitA == 0 && !holdsLine(file, lineA)) || (exitB == 0 && !holdsLine(file, lineB));
        silentLosses += lost;
        bothSaved += exitA == 0 && exitB == 0;
        oneRefused += exitA != 0 || exitB != 0;
    }
};

} // namespace

TEST_F(Morvactl, ConcurrentSetsNeverLoseAConfirmedChange)
{
    const std::string demo = demoConfiguration();
    RaceTally tally;
    for (int round = 0; round < 200; ++round) {
        scratch.write("Morva.ini", demo);
        const pid_t a = startMorvactl(scratch.dir(), {"config", "set", "Verbose", "False"},
                                      output.path("errA"));
        const pid_t b =
            startMorvactl(scratch.dir(), {"config", "set", "DbgCon", "False"}, output.path("errB"));
        const int exitA = exitCodeOf(a);
        const int exitB = exitCodeOf(b);
        tally.add(scratch.read("Morva.ini"), exitA, "Verbose=False", output.read("errA"), exitB,
                  "DbgCon=False", output.read("errB"));
    }
    RecordProperty("bothSaved", tally.bothSaved);
    RecordProperty("oneRefused", tally.oneRefused);
    EXPECT_EQ(tally.silentLosses, 0)
        << "both saved: " << tally.bothSaved << ", one refused: " << tally.oneRefused;
}

// A console saving (the store's save, as a confirmed sheet calls it) from one
// process while morvactl saves from another.
TEST_F(Morvactl, ConsoleSaveRacingMorvactlNeverLosesAConfirmedChange)
{
    const std::string demo = demoConfiguration();
    std::mt19937 random(20261209);
    RaceTally tally;
    for (int round = 0; round < 200; ++round) {
        scratch.write("Morva.ini", demo);
        // The console read the file before morvactl starts and confirms its
        // sheet somewhere within the time morvactl takes.
        const int delayMs = static_cast<int>(random() % 60);
        const pid_t console = ::fork();
        ASSERT_GE(console, 0);
        if (console == 0) {
            auto fileSystem = morva::platform::makeSystemFileSystem();
            morva::platform::SystemClock clock;
            morva::config::ConfigStore store(*fileSystem, clock, scratch.dir());
            morva::config::registerSchema(store);
            if (!store.load())
                ::_exit(3);
            ::usleep(static_cast<useconds_t>(delayMs) * 1000);
            store.setBool("DbgCon", false);
            if (store.save())
                ::_exit(0);
            ::_exit(store.lastSaveStatus() == morva::config::SaveStatus::RefusedChanged ? 1 : 2);
        }
        const pid_t ctl = startMorvactl(scratch.dir(), {"config", "set", "Verbose", "False"},
                                        output.path("errA"));
        const int exitCtl = exitCodeOf(ctl);
        const int exitConsole = exitCodeOf(console);
        tally.add(scratch.read("Morva.ini"), exitCtl, "Verbose=False", output.read("errA"),
                  exitConsole, "DbgCon=False", exitConsole == 1 ? "changed on disk" : "");
    }
    RecordProperty("bothSaved", tally.bothSaved);
    RecordProperty("oneRefused", tally.oneRefused);
    EXPECT_EQ(tally.silentLosses, 0)
        << "both saved: " << tally.bothSaved << ", one refused: " << tally.oneRefused;
}
