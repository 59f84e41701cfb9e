#include "confui/Catalogue.h"

#include "confui/ActionCodes.h"
#include "resources/Texts.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <string_view>

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

TEST(Catalogue, EveryTextItShowsExistsInEveryLanguage)
{
    // Most of these ids are built at run time, so only the catalogue itself
    // can list them.
    std::vector<std::set<std::string_view>> languages(morva::kLanguageCount);
    for (int language = 0; language < morva::kLanguageCount; ++language)
        for (const morva::TextEntry& entry : morva::languageTexts(language))
            languages[static_cast<std::size_t>(language)].insert(entry.id);
    const std::vector<std::string> ids = catalogue().textIds();
    EXPECT_GT(ids.size(), 600u);
    for (const std::string& id : ids)
        for (int language = 0; language < morva::kLanguageCount; ++language)
            EXPECT_TRUE(languages[static_cast<std::size_t>(language)].count(id))
                << id << " is missing in language " << language;
    for (const char* built :
         {"confui.page.IniEnv", "confui.IniMSO.MSOPP.switch", "confui.method.GreyList",
          "confui.action.8", "confui.outAction.2", "confui.dnswl.trust0"})
        EXPECT_NE(std::find(ids.begin(), ids.end(), built), ids.end()) << built;
}
