// morvactl config history, diff and restore, run as the program.
#include "platform/ScratchDir.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>

using morva::test::ScratchDir;

namespace {

struct Outcome
{
    int exit = -1;
    std::string out;
    std::string err;
};

std::string quoted(const std::string& arg)
{
    std::string text = "'";
    for (char c : arg)
        text += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return text + "'";
}

std::vector<std::vector<std::string>> rows(const std::string& text)
{
    std::vector<std::vector<std::string>> result;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> fields;
        std::size_t begin = 0;
        for (std::size_t tab; (tab = line.find('\t', begin)) != std::string::npos; begin = tab + 1)
            fields.push_back(line.substr(begin, tab - begin));
        fields.push_back(line.substr(begin));
        result.push_back(fields);
    }
    return result;
}

using Row = std::vector<std::string>;

struct MorvactlHistory : ::testing::Test
{
    ScratchDir scratch;
    ScratchDir output;

    Outcome run(const std::vector<std::string>& args, const ScratchDir* programDir = nullptr)
    {
        std::string command = "LC_ALL=C timeout 60 " + quoted(MORVACTL) + " --program-dir " +
                              quoted((programDir ? *programDir : scratch).dir());
        for (const auto& arg : args)
            command += " " + quoted(arg);
        command += " >" + quoted(output.path("out")) + " 2>" + quoted(output.path("err"));
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output.read("out"),
                output.read("err")};
    }
};

} // namespace

TEST_F(MorvactlHistory, ListsDiffsAndRestoresKeptVersions)
{
    const std::string original = "; ours\r\nInboundSLSCacheTTL=60\r\n";
    scratch.write("Morva.ini", original);
    ASSERT_EQ(run({"config", "set", "InboundSLSCacheTTL", "120"}).exit, 0);
    ASSERT_EQ(run({"config", "set", "OutboundSMTPAuthPassword", "hunter2"}).exit, 0);

    const auto history = rows(run({"config", "history"}).out);
    ASSERT_EQ(history.size(), 2u);
    ASSERT_EQ(history[0].size(), 6u);
    EXPECT_EQ(history[0][4], "morvactl config set");
    EXPECT_EQ(history[0][5], "1");
    EXPECT_EQ(scratch.read("History/Morva.ini." + history[0][0]), original);
    const std::string json = run({"config", "history", "--format", "json"}).out;
    EXPECT_EQ(json.front(), '[');
    EXPECT_NE(json.find("\"source\": \"morvactl config set\""), std::string::npos);

    // The newest version against the file now: the password, masked.
    const Outcome newest = run({"config", "diff"});
    EXPECT_EQ(newest.exit, 0);
    EXPECT_EQ(rows(newest.out), (std::vector<Row>{{"OutboundSMTPAuthPassword", "", "********"}}));
    EXPECT_EQ(newest.out.find("hunter2"), std::string::npos);
    EXPECT_EQ(rows(run({"config", "diff", history[0][0], history[1][0]}).out),
              (std::vector<Row>{{"InboundSLSCacheTTL", "60", "120"}}));

    ScratchDir other;
    other.write("Morva.ini", "InboundSLSCacheTTL=120\r\n; theirs\r\n");
    EXPECT_EQ(rows(run({"config", "diff", "--against", other.dir()}).out),
              (std::vector<Row>{{"OutboundSMTPAuthPassword", "********", ""},
                                {"", "; ours", ""},
                                {"", "", "; theirs"}}));

    const Outcome unknown = run({"config", "restore", "20000101-000000"});
    EXPECT_EQ(unknown.exit, 1);
    EXPECT_NE(unknown.err.find("no kept version 20000101-000000"), std::string::npos);
    EXPECT_EQ(run({"config", "diff", "nonsense"}).exit, 1);
    EXPECT_EQ(run({"config", "diff", "--against"}).exit, 2);

    ASSERT_EQ(run({"config", "restore", history[0][0]}).exit, 0);
    EXPECT_EQ(scratch.read("Morva.ini"), original);
    const auto after = rows(run({"config", "history"}).out);
    ASSERT_EQ(after.size(), 3u);
    EXPECT_EQ(after[2][4], "morvactl config restore");
    EXPECT_EQ(after[2][5], "2") << "the restore can be undone in turn";
}

TEST_F(MorvactlHistory, AHistoryThatCannotBeWrittenIsAWarning)
{
    scratch.write("Morva.ini", "InboundSLSCacheTTL=60\r\n");
    scratch.write("History", "not a folder");
    const Outcome set = run({"config", "set", "InboundSLSCacheTTL", "120"});
    EXPECT_EQ(set.exit, 0);
    EXPECT_NE(set.err.find("warning: the history of saves"), std::string::npos) << set.err;
    EXPECT_EQ(scratch.read("Morva.ini"), "InboundSLSCacheTTL=120\r\n");
}
