// morvactl config find, reset, get --json and list --format, run as the
// program.
#include "confui/browser/SettingsIndex.h"
#include "platform/ScratchDir.h"
#include "resources/Texts.h"

#include <cstdlib>
#include <gtest/gtest.h>
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

struct MorvactlFind : ::testing::Test
{
    ScratchDir scratch;
    ScratchDir output;

    // Runs in the C locale, so that the language is English unless asked.
    Outcome run(const std::vector<std::string>& args, const ScratchDir* programDir = nullptr)
    {
        std::string command = "LC_ALL=C LANG=C LC_MESSAGES=C timeout 60 " + quoted(MORVACTL) +
                              " --program-dir " +
                              quoted((programDir ? *programDir : scratch).dir());
        for (const auto& arg : args)
            command += " " + quoted(arg);
        command += " >" + quoted(output.path("out")) + " 2>" + quoted(output.path("err"));
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output.read("out"),
                output.read("err")};
    }
};

std::string firstLine(const std::string& text)
{
    return text.substr(0, text.find('\n'));
}

std::string label(const char* id, int language)
{
    return morva::confui::plainLabel(morva::text(id, language));
}

} // namespace

TEST_F(MorvactlFind, PrintsKeyPageAndLabelBestFirstInTheChosenLanguage)
{
    const std::string greyLabel = "confui.IniGrey.InboundGreyListMinTime";
    Outcome found = run({"config", "find", "grey", "min"});
    ASSERT_EQ(found.exit, 0) << found.err;
    EXPECT_EQ(firstLine(found.out), "InboundGreyListMinTime\t" +
                                        label("confui.page.IniGrey", morva::English) + "\t" +
                                        label(greyLabel.c_str(), morva::English));
    found = run({"config", "find", "--language", "deu", "grey min"});
    EXPECT_EQ(firstLine(found.out), "InboundGreyListMinTime\t" +
                                        label("confui.page.IniGrey", morva::German) + "\t" +
                                        label(greyLabel.c_str(), morva::German));
    // The language of the configuration when no option names one.
    scratch.write("Morva.ini", "Language=FRA\r\n");
    found = run({"config", "find", "InboundGreyListMinTime"});
    EXPECT_EQ(found.out, "InboundGreyListMinTime\t" + label("confui.page.IniGrey", morva::French) +
                             "\t" + label(greyLabel.c_str(), morva::French) + "\n");

    // The key itself first; a key on no page has empty columns; values match.
    scratch.write("Morva.ini", "NAGIOSAllowIP=10.77.1.0/24\r\n");
    found = run({"config", "find", "SmartHost"});
    EXPECT_EQ(firstLine(found.out).substr(0, 10), "SmartHost\t");
    EXPECT_EQ(run({"config", "find", "10.77.1"}).out, "NAGIOSAllowIP\t\t\n");
}

TEST_F(MorvactlFind, NoMatchExitsOneWithTheNearestKeysAndBadArgumentsTwo)
{
    const Outcome missed = run({"config", "find", "InbundGreyLstMinTme"});
    EXPECT_EQ(missed.exit, 1);
    EXPECT_EQ(missed.out, "");
    EXPECT_NE(missed.err.find("did you mean: InboundGreyListMinTime"), std::string::npos)
        << missed.err;
    EXPECT_EQ(run({"config", "find", "qqqqqqqqqqqqqqqqqq"}).err,
              "morvactl: no key matches 'qqqqqqqqqqqqqqqqqq'\n");

    for (const std::vector<std::string>& args : {std::vector<std::string>{"config", "find"},
                                                 {"config", "find", "--language", "XYZ", "grey"},
                                                 {"config", "find", "grey", "--language"},
                                                 {"config", "reset"},
                                                 {"config", "get", "--json"},
                                                 {"config", "list", "--format", "xml"},
                                                 {"config", "list", "--format"},
                                                 {"config", "list", "--all", "--format", "tsv"}}) {
        const Outcome result = run(args);
        EXPECT_EQ(result.exit, 2) << args.back();
        EXPECT_FALSE(result.err.empty()) << args.back();
    }
}

TEST_F(MorvactlFind, ResetWritesDefaultsInOneSaveAsSetWould)
{
    const std::string start = "; gateway settings\r\nSmartHost=relay.example\r\n"
                              "SmartHostPort=587\r\nWriteLogFile=False\r\n"
                              "SLS=a.example ; first\r\nSLS=b.example\r\n";
    scratch.write("Morva.ini", start);
    ScratchDir bySet;
    bySet.write("Morva.ini", start);
    ASSERT_EQ(run({"config", "reset", "SmartHostPort", "SLS", "WriteLogFile"}).exit, 0);
    ASSERT_EQ(run({"config", "set", "SmartHostPort", "0"}, &bySet).exit, 0);
    ASSERT_EQ(run({"config", "set", "SLS"}, &bySet).exit, 0);
    ASSERT_EQ(run({"config", "set", "WriteLogFile", "true"}, &bySet).exit, 0);
    EXPECT_EQ(scratch.read("Morva.ini"), bySet.read("Morva.ini"));
    EXPECT_EQ(scratch.read("Morva.ini"), "; gateway settings\r\nSmartHost=relay.example\r\n");

    // An unknown key changes nothing; keys at their defaults write nothing.
    const Outcome unknown = run({"config", "reset", "SmartHost", "NoSuchKey"});
    EXPECT_EQ(unknown.exit, 2);
    EXPECT_NE(unknown.err.find("NoSuchKey"), std::string::npos);
    scratch.write("Morva.ini", "SmartHostPort=0\r\n");
    EXPECT_EQ(run({"config", "reset", "SmartHostPort"}).exit, 0);
    EXPECT_EQ(scratch.read("Morva.ini"), "SmartHostPort=0\r\n");

    // The store's safe save: refused for a configuration read from includes.
    scratch.write("Morva.ini", "Include=more.ini\r\n");
    scratch.write("more.ini", "SmartHostPort=2\r\n");
    const Outcome refused = run({"config", "reset", "SmartHostPort"});
    EXPECT_EQ(refused.exit, 1);
    EXPECT_NE(refused.err.find("include"), std::string::npos) << refused.err;
    EXPECT_EQ(scratch.read("Morva.ini"), "Include=more.ini\r\n");
}

TEST_F(MorvactlFind, JsonAndTsvValuesForScripts)
{
    // An 8-bit "é", a quote and a tab in texts; a path with backslashes.
    scratch.write("Morva.ini", "Verbose=False\r\nSmartHostPort=587\r\n"
                               "LogPath=C:\\Morva\\Log\r\nHTTPProxy=caf\xE9 \"x\"\tz\r\n"
                               "SMTPRelayAllowIP=10.0.0.0/8\r\n");
    Outcome json = run({"config", "get", "--json", "Verbose", "SmartHostPort", "LogPath",
                        "HTTPProxy", "SMTPRelayAllowIP", "SLS", "Verbose"});
    ASSERT_EQ(json.exit, 0) << json.err;
    EXPECT_EQ(json.out, "{\n"
                        "  \"Verbose\": false,\n"
                        "  \"SmartHostPort\": 587,\n"
                        "  \"LogPath\": \"C:\\\\Morva\\\\Log\",\n"
                        "  \"HTTPProxy\": \"caf\xC3\xA9 \\\"x\\\"\\tz\",\n"
                        "  \"SMTPRelayAllowIP\": [\"10.0.0.0/8\"],\n"
                        "  \"SLS\": []\n"
                        "}\n");
    EXPECT_EQ(run({"config", "get", "--json", "Verbose", "nope"}).exit, 2);

    const Outcome tsv = run({"config", "list", "--changed", "--format", "tsv"});
    EXPECT_EQ(tsv.out, "Verbose\tFalse\n"
                       "SMTPRelayAllowIP\t10.0.0.0/8\n"
                       "HTTPProxy\tcaf\xE9 \"x\"\\tz\n"
                       "LogPath\tC:\\\\Morva\\\\Log\n"
                       "SmartHostPort\t587\n");
    json = run({"config", "list", "--format=json", "--changed"});
    EXPECT_EQ(json.out.substr(0, 22), "{\n  \"Verbose\": false,\n");
    EXPECT_EQ(std::count(json.out.begin(), json.out.end(), '\n'), 7);
    // Without --format the list is as it was.
    EXPECT_EQ(firstLine(run({"config", "list", "--changed"}).out), "Verbose=False");
    scratch.write("Morva.ini", "");
    EXPECT_EQ(run({"config", "list", "--changed", "--format", "json"}).out, "{}\n");
}
