#include "platform/AddOnProbe.h"
#include "platform/PeVersionReader.h"
#include "platform/RegionalLanguage.h"
#include "platform/UrlOpener.h"
#include "platform/UserSettings.h"
#include "platform/VersionResource.h"
#include "platform/WindowsRegistry.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <windows.h>

using namespace morva::platform;

namespace {

constexpr const char* kSettingsKey = "Software\\Brentmoor\\MorvaAdmin";

void deleteTree(HKEY root, const wchar_t* key, REGSAM view = 0)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExW(root, key, 0, KEY_ALL_ACCESS | view, &handle) == ERROR_SUCCESS) {
        RegDeleteTreeW(handle, nullptr);
        RegCloseKey(handle);
    }
    RegDeleteKeyExW(root, key, view, 0);
}

void writeString(HKEY root, const wchar_t* key, const wchar_t* name, const std::wstring& text)
{
    HKEY handle = nullptr;
    ASSERT_EQ(RegCreateKeyExW(root, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
}

TEST(WindowsUserSettings, IntegersLiveAsDwordsUnderTheUsersKey)
{
    deleteTree(HKEY_CURRENT_USER, L"Software\\Brentmoor\\MorvaAdmin");
    auto settings = makeSystemUserSettings();
    EXPECT_EQ(settings->readInt("MainWndShowCmd", 7), 7) << "no key yet";
    ASSERT_TRUE(settings->writeInt("MainWndShowCmd", 3));
    ASSERT_TRUE(settings->writeInt("MainWndNPosLeft", -20));
    EXPECT_EQ(settings->readInt("MainWndShowCmd", 7), 3);
    EXPECT_EQ(settings->readInt("MainWndNPosLeft", 0), -20);
    EXPECT_EQ(settings->readInt("MainWndNPosTop", 11), 11) << "missing value";
    // Where another program (the GUI's settings store) finds them.
    EXPECT_EQ(readRegistryDword(HKEY_CURRENT_USER, kSettingsKey, "MainWndShowCmd"), 3u);
    EXPECT_EQ(readRegistryDword(HKEY_CURRENT_USER, kSettingsKey, "MainWndNPosLeft"), 0xFFFFFFECu);

    // A value of another type is not a number the console wrote.
    writeString(HKEY_CURRENT_USER, L"Software\\Brentmoor\\MorvaAdmin", L"MainWndFlags", L"5");
    EXPECT_EQ(settings->readInt("MainWndFlags", 9), 9);
    for (const char* name : {"", "a=b", " lead", "tab\tname"}) {
        EXPECT_FALSE(settings->writeInt(name, 1)) << name;
    }
    deleteTree(HKEY_CURRENT_USER, L"Software\\Brentmoor\\MorvaAdmin");
}

TEST(WindowsRegionalLanguage, ReadsTheUsersLanguageCode)
{
    const auto saved =
        readRegistryString(HKEY_CURRENT_USER, "Control Panel\\International", "sLanguage");
    auto language = makeSystemRegionalLanguage();
    for (const wchar_t* code : {L"DES", L"FRC", L"ENU"}) {
        writeString(HKEY_CURRENT_USER, L"Control Panel\\International", L"sLanguage", code);
        EXPECT_EQ(language->languageCode(), std::string(code, code + 3));
    }
    HKEY key = nullptr;
    RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel\\International", 0, KEY_SET_VALUE, &key);
    RegDeleteValueW(key, L"sLanguage");
    EXPECT_EQ(language->languageCode(), "ENG") << "no value";
    if (saved) {
        std::wstring text(saved->begin(), saved->end());
        RegSetValueExW(key, L"sLanguage", 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
    RegCloseKey(key);
}

struct ProbeCase
{
    const char* key;
    const char* value;
    REGSAM view;
    DWORD data;
    bool installed;
};

// Names the case in test names; the default print of its bytes would show
// pointers and padding, different in every build.
void PrintTo(const ProbeCase& row, std::ostream* out)
{
    *out << row.key << ' ' << row.value << (row.view == KEY_WOW64_32KEY ? " 32-bit " : " 64-bit ")
         << row.data;
}

class WindowsAddOnProbeTest : public ::testing::TestWithParam<ProbeCase>
{
};

void clearAddOnKeys()
{
    for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY})
        deleteTree(HKEY_LOCAL_MACHINE, L"SOFTWARE\\TelvarNetworks", view);
}

TEST_P(WindowsAddOnProbeTest, EitherValueAtOneInEitherViewMeansInstalled)
{
    const ProbeCase& row = GetParam();
    clearAddOnKeys();
    auto probe = makeSystemAddOnProbe();
    EXPECT_FALSE(probe->junkMailAddOnInstalled()) << "no keys";
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, row.key, 0, nullptr, 0, KEY_SET_VALUE | row.view,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, row.value, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&row.data),
                   sizeof(row.data));
    RegCloseKey(key);
    EXPECT_EQ(probe->junkMailAddOnInstalled(), row.installed);
    clearAddOnKeys();
}

constexpr const char* kFilterKey = "SOFTWARE\\TelvarNetworks\\MORVAFilter";
constexpr const char* kContentKey = "SOFTWARE\\TelvarNetworks\\MORVAFilter\\ContentFilter";

INSTANTIATE_TEST_SUITE_P(
    Values, WindowsAddOnProbeTest,
    ::testing::Values(ProbeCase{kContentKey, "Enabled", KEY_WOW64_64KEY, 1, true},
                      ProbeCase{kFilterKey, "MORVAFilterPresent", KEY_WOW64_64KEY, 1, true},
                      ProbeCase{kFilterKey, "MORVAFilterPresent", KEY_WOW64_32KEY, 1, true},
                      ProbeCase{kContentKey, "Enabled", KEY_WOW64_32KEY, 1, true},
                      ProbeCase{kContentKey, "Enabled", KEY_WOW64_64KEY, 2, false},
                      ProbeCase{kFilterKey, "Enabled", KEY_WOW64_64KEY, 1, false},
                      ProbeCase{kFilterKey, "MORVAFilterPresent", KEY_WOW64_64KEY, 0, false}));

std::string fixture(const std::string& name)
{
    return std::string(MORVA_SOURCE_DIR) + "/tests/platform/fixtures/" + name;
}

// The system's reader and our own must agree on every fixture, the broken
// ones included.
TEST(WindowsVersionResource, AgreesWithThePortableReader)
{
    auto system = makeSystemVersionResource();
    int read = 0;
    for (const char* name : {"gwcored-3.53.0.0.exe", "gwcored-3.53.0.1.exe", "gwcored-3.53.2.0.exe",
                             "no-resource.exe", "truncated.exe", "missing.exe"}) {
        const auto fromSystem = system->fileVersion(fixture(name));
        EXPECT_EQ(fromSystem, readPeFileVersionFile(fixture(name))) << name;
        read += fromSystem.has_value();
    }
    EXPECT_EQ(read, 3);
    EXPECT_EQ(system->fileVersion(fixture("gwcored-3.53.2.0.exe")), (FileVersion{3, 53, 2, 0}));
}

TEST(WindowsUrlOpener, RefusesWhatItMustNotHandToTheShell)
{
    auto opener = makeSystemUrlOpener();
    for (const char* url : {"", "file:///C:/windows/system32/calc.exe", "javascript:alert(1)",
                            "C:\\windows\\system32\\calc.exe", "http://a b"}) {
        EXPECT_FALSE(opener->openUrl(url)) << url;
    }
    EXPECT_FALSE(opener->openFile(""));
    EXPECT_FALSE(opener->openFile(fixture("missing.txt")));
}

} // namespace
