#include "ScratchDir.h"
#include "platform/PosixUrlOpener.h"
#include "platform/PosixUserSettings.h"
#include "platform/RegionalLanguage.h"
#include "platform/testing/FakeAddOnProbe.h"
#include "platform/testing/FakeVersionResource.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace morva::platform;
using morva::test::ScratchDir;

namespace {

// Sets an environment variable for one test and restores it afterwards.
class EnvVar
{
public:
    EnvVar(const char* name, const char* value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old, m_had = true;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~EnvVar()
    {
        if (m_had)
            ::setenv(m_name, m_old.c_str(), 1);
        else
            ::unsetenv(m_name);
    }

private:
    const char* m_name;
    std::string m_old;
    bool m_had = false;
};

} // namespace

TEST(RegionalLanguage, LocaleNamesMapToTheThreeLetterCodes)
{
    const struct
    {
        const char* locale;
        const char* code;
    } rows[] = {
        {"de_DE.UTF-8", "DEU"}, {"de_CH.UTF-8", "DES"}, {"de_AT", "DEA"},
        {"DE_de", "DEU"},       {"de", "DEU"},          {"de_LU.UTF-8", "ENG"},
        {"fr_FR", "FRA"},       {"fr_CH.utf8", "FRS"},  {"fr_CA", "FRC"},
        {"fr_BE@euro", "FRB"},  {"fr", "FRA"},          {"it_IT.UTF-8", "ITA"},
        {"it_CH", "ITA"},       {"es_ES.UTF-8", "ESP"}, {"es_MX", "ESM"},
        {"es_AR", "ESN"},       {"es", "ESN"},          {"en_US.UTF-8", "ENG"},
        {"C", "ENG"},           {"POSIX", "ENG"},       {"", "ENG"},
        {"deu", "ENG"},         {"C.UTF-8", "ENG"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(regionalCodeForLocale(row.locale), row.code) << row.locale;
}

TEST(RegionalLanguage, EnvironmentOrderIsLcAllThenLcMessagesThenLang)
{
    EnvVar all("LC_ALL", nullptr), messages("LC_MESSAGES", "fr_CA.UTF-8"), lang("LANG", "de_AT");
    auto regional = makeSystemRegionalLanguage();
    EXPECT_EQ(regional->languageCode(), "FRC");
    {
        EnvVar overrideAll("LC_ALL", "es_MX");
        EXPECT_EQ(regional->languageCode(), "ESM");
    }
    {
        EnvVar emptyMessages("LC_MESSAGES", "");
        EXPECT_EQ(regional->languageCode(), "DEA");
    }
    EnvVar noMessages("LC_MESSAGES", nullptr), noLang("LANG", nullptr);
    EXPECT_EQ(regional->languageCode(), "ENG");
}

TEST(VersionResource, PosixBackendReadsTheImage)
{
    const std::string dir = std::string(MORVA_SOURCE_DIR) + "/tests/platform/fixtures/";
    auto reader = makeSystemVersionResource();
    EXPECT_EQ(reader->fileVersion(dir + "gwcored-3.53.0.1.exe"), (FileVersion{3, 53, 0, 1}));
    EXPECT_EQ(reader->fileVersion(dir + "no-resource.exe"), std::nullopt);
    FakeVersionResource fake;
    fake.setVersion("C:\\Morva\\gwcored.exe", FileVersion{3, 53, 2, 0});
    EXPECT_EQ(versionText(*fake.fileVersion("C:\\Morva\\gwcored.exe")), "3.53b");
    EXPECT_EQ(fake.fileVersion("other.exe"), std::nullopt);
}

TEST(AddOnProbe, AbsentOnPosixPresentInTheFake)
{
    EXPECT_FALSE(makeSystemAddOnProbe()->junkMailAddOnInstalled());
    FakeAddOnProbe fake;
    EXPECT_TRUE(fake.junkMailAddOnInstalled());
    fake.setInstalled(false);
    EXPECT_FALSE(fake.junkMailAddOnInstalled());
    EXPECT_EQ(fake.calls(), 2);
}

TEST(UserSettings, ValuesSurviveAnotherInstanceAndKeepForeignLines)
{
    ScratchDir scratch;
    const std::string path = scratch.path("cfg/Brentmoor/MorvaAdmin.conf");
    {
        PosixUserSettings settings(path);
        EXPECT_EQ(settings.readInt("MainWndNPosLeft", -1), -1);
        EXPECT_TRUE(settings.writeInt("MainWndNPosLeft", 20));
        EXPECT_TRUE(settings.writeInt("MainWndShowCmd", -3));
        EXPECT_TRUE(settings.writeInt("MainWndNPosLeft", 2147483647));
    }
    std::ofstream(path, std::ios::app) << "# kept\nBroken=12x\nMainWndTBVisible=1\n";
    PosixUserSettings again(path);
    EXPECT_EQ(again.readInt("MainWndNPosLeft", -1), 2147483647);
    EXPECT_EQ(again.readInt("MainWndShowCmd", 0), -3);
    EXPECT_EQ(again.readInt("Broken", 7), 7);
    EXPECT_EQ(again.readInt("MainWndTBVisible", 0), 1);
    EXPECT_TRUE(again.writeInt("MainWndSBVisible", 0));
    const std::string text = scratch.read("cfg/Brentmoor/MorvaAdmin.conf");
    EXPECT_NE(text.find("# kept\n"), std::string::npos);
    EXPECT_NE(text.find("Broken=12x\n"), std::string::npos);
    EXPECT_EQ(text.find("MainWndNPosLeft=20"), std::string::npos);

    for (const char* bad : {"", "a=b", "line\nbreak", " padded"})
        EXPECT_FALSE(again.writeInt(bad, 1)) << bad;
    EXPECT_EQ(again.readInt("Broken", 5), 5);
}

TEST(UserSettings, FailuresAreReportedAndReadAsDefaults)
{
    ScratchDir scratch;
    EXPECT_FALSE(PosixUserSettings("").writeInt("Name", 1));
    EXPECT_EQ(PosixUserSettings("").readInt("Name", 9), 9);
    // The settings directory is a file: nothing can be stored below it.
    scratch.write("blocker", "x");
    PosixUserSettings blocked(scratch.path("blocker/MorvaAdmin.conf"));
    EXPECT_FALSE(blocked.writeInt("Name", 1));
    EXPECT_EQ(blocked.readInt("Name", 4), 4);

    FakeUserSettings fake;
    fake.setFailWrites(true);
    EXPECT_FALSE(fake.writeInt("Name", 1));
    EXPECT_EQ(fake.readInt("Name", 3), 3);
}

TEST(UserSettings, DefaultPathFollowsXdgThenHome)
{
    {
        EnvVar xdg("XDG_CONFIG_HOME", "/x/cfg");
        EXPECT_EQ(PosixUserSettings::defaultPath(), "/x/cfg/Brentmoor/MorvaAdmin.conf");
    }
    EnvVar relative("XDG_CONFIG_HOME", "rel"), home("HOME", "/home/admin");
    EXPECT_EQ(PosixUserSettings::defaultPath(), "/home/admin/.config/Brentmoor/MorvaAdmin.conf");
    EnvVar noHome("HOME", nullptr);
    EXPECT_EQ(PosixUserSettings::defaultPath(), "");
}

TEST(UrlOpener, RefusesUnsafeTargets)
{
    for (const char* good : {"https://www.brentmoor.example/morva/", "HTTP://x.example/a?b=c&d",
                             "mailto:support@brentmoor.example"})
        EXPECT_TRUE(isOpenableUrl(good)) << good;
    for (const char* bad : {"", "https://", "--help", "file:///etc/passwd", "javascript:alert(1)",
                            "https://a.example/ b", "https://a.example/\nb", "ftp://a.example/"})
        EXPECT_FALSE(isOpenableUrl(bad)) << bad;
}

TEST(UrlOpener, PassesTheTargetAsOneArgumentAndReportsTheOpenersAnswer)
{
    ScratchDir scratch;
    const std::string record = scratch.path("args");
    const std::string opener = scratch.path("opener.sh");
    std::ofstream(opener) << "#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > '" << record
                          << "'\nexit \"${OPENER_EXIT:-0}\"\n";
    std::filesystem::permissions(opener, std::filesystem::perms::owner_all);

    PosixUrlOpener url(opener);
    EXPECT_FALSE(url.openUrl("https://a.example/x?y=1; rm -rf")); // a blank: refused
    EXPECT_FALSE(std::filesystem::exists(record));
    const std::string target = "https://a.example/x?y=1;$(id)&z='q'";
    EXPECT_TRUE(url.openUrl(target));
    EXPECT_EQ(scratch.read("args"), "1|" + target);

    scratch.write("log file.txt", "x");
    EXPECT_TRUE(url.openFile(scratch.path("log file.txt")));
    EXPECT_EQ(scratch.read("args"), "1|" + scratch.path("log file.txt"));
    EXPECT_FALSE(url.openFile(scratch.path("absent.txt")));

    {
        EnvVar failing("OPENER_EXIT", "3");
        EXPECT_FALSE(url.openUrl(target));
    }
    EXPECT_FALSE(PosixUrlOpener(scratch.path("no-such-opener")).openUrl(target));

    // An opener that keeps running counts as having taken the request.
    const std::string slow = scratch.path("slow.sh");
    std::ofstream(slow) << "#!/bin/sh\nsleep 2\n";
    std::filesystem::permissions(slow, std::filesystem::perms::owner_all);
    const auto started = std::chrono::steady_clock::now();
    EXPECT_TRUE(PosixUrlOpener(slow, std::chrono::milliseconds(100)).openUrl(target));
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1));
}
