#include "platform/ProcessInfo.h"

#include <cstdlib>
#include <gtest/gtest.h>

using namespace morva::platform;

TEST(ProcessInfo, DirectoryOfKeepsTrailingSeparator)
{
#ifdef _WIN32
    EXPECT_EQ(directoryOf("C:\\Morva\\MorvaAdmin.exe"), "C:\\Morva\\");
    EXPECT_EQ(withTrailingSeparator("C:\\Morva"), "C:\\Morva\\");
#else
    EXPECT_EQ(directoryOf("/opt/morva/morvactl"), "/opt/morva/");
    EXPECT_EQ(withTrailingSeparator("/opt/morva"), "/opt/morva/");
    EXPECT_EQ(withTrailingSeparator("/opt/morva/"), "/opt/morva/");
#endif
}

TEST(ProcessInfo, ProgramDirPrefersOverrideThenEnvironmentThenExecutable)
{
    const std::string exeDir = directoryOf(executablePath());
    ASSERT_FALSE(exeDir.empty());
#ifndef _WIN32
    unsetenv("MORVA_PROGRAM_DIR");
    EXPECT_EQ(resolveProgramDir(), exeDir);
    setenv("MORVA_PROGRAM_DIR", "/srv/gateway", 1);
    EXPECT_EQ(resolveProgramDir(), "/srv/gateway/");
    EXPECT_EQ(resolveProgramDir("/tmp/x"), "/tmp/x/");
    unsetenv("MORVA_PROGRAM_DIR");
#endif
}
