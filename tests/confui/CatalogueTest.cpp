#include "confui/Catalogue.h"

#include "confui/ActionCodes.h"

#include <gtest/gtest.h>

using namespace morva::confui;

TEST(Catalogue, HasNoDataFaults)
{
    for (const std::string& problem : catalogue().problems())
        ADD_FAILURE() << problem;
}

TEST(Catalogue, ProblemsFindBrokenData)
{
    Catalogue broken;
    broken.addPage({"P",
                    "confui.page.IniLog",
                    "",
                    {
                        check("A", "confui.IniLog.WriteLogFile"),
                        check("A", "confui.IniLog.Verbose"),
                        text("B", "no.such.text").enabledBy("C"),
                        list("L", "confui.IniLog.LogPath", "NoSuchDialog"),
                        indexCombo("T", "confui.IniLog.Verbose", {"confui.IniLog.Verbose"}),
                        text("D", "confui.IniLog.LogPath").enabledWhen("T", {3}),
                        text("E", "confui.IniLog.LogPath").enabledWhen("A", {0}),
                    }});
    broken.addSheet({2, "confui.sheet.general", {"P", "Q"}});
    const auto problems = broken.problems();
    auto has = [&](const std::string& part) {
        for (const auto& problem : problems)
            if (problem.find(part) != std::string::npos)
                return true;
        return false;
    };
    EXPECT_TRUE(has("key bound twice"));
    EXPECT_TRUE(has("no text no.such.text"));
    EXPECT_TRUE(has("enabler C"));
    EXPECT_TRUE(has("enabler T has no value 3"));
    EXPECT_TRUE(has("enabler A is no combo"));
    EXPECT_TRUE(has("unknown entry dialog NoSuchDialog"));
    EXPECT_TRUE(has("unknown page Q"));
}

TEST(ActionCodes, PositionsAndValuesMapBothWays)
{
    const int expectedValue[kActionCount] = {0, 4, 5, 7, 1, 6, 2, 3, 8};
    for (int position = 0; position < kActionCount; ++position) {
        EXPECT_EQ(actionValueAt(position), expectedValue[position]);
        EXPECT_EQ(actionPositionOf(expectedValue[position]), position);
    }
    // Values the console does not know pass through unchanged.
    for (int odd : {-1, 9, 99}) {
        EXPECT_EQ(actionPositionOf(odd), odd);
        EXPECT_EQ(actionValueAt(odd), odd);
    }
}

TEST(Catalogue, ExclusionKeysFollowTheShape)
{
    EXPECT_EQ(
        exclusionKeys("InboundSMTPGreetDelayExcl", ExclShape::HostIp),
        (std::vector<std::string>{"InboundSMTPGreetDelayExclIP", "InboundSMTPGreetDelayExclHost"}));
    EXPECT_EQ(exclusionKeys("X", ExclShape::FromHostIp),
              (std::vector<std::string>{"XIP", "XHost", "XFromAddress"}));
    EXPECT_EQ(exclusionKeys("SLSExcl", ExclShape::All),
              (std::vector<std::string>{"SLSExclIP", "SLSExclHost", "SLSExclFromAddress",
                                        "SLSExclToAddress"}));
}
