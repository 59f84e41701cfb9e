// Every key the catalogue names must exist in the schema with a kind that
// fits its control, so a typo in a page's data fails here.
#include "StoreFixture.h"
#include "confui/Catalogue.h"
#include "confui/CatalogueSchemaCheck.h"

#include <gtest/gtest.h>

using namespace morva::confui;

TEST(CatalogueSchema, EveryBoundKeyExistsWithAFittingKind)
{
    StoreFixture fixture;
    for (const std::string& problem : schemaProblems(catalogue(), *fixture.store))
        ADD_FAILURE() << problem;
}

TEST(CatalogueSchema, MisspelledOrMistypedKeysAreFound)
{
    StoreFixture fixture;
    Catalogue broken;
    broken.addPage({"P",
                    "confui.page.IniLog",
                    "",
                    {
                        actionCombo("InboundBlockSLSNDRTip", "confui.action.label"), // misspelled
                        check("LogPath", "confui.IniLog.LogPath"),                   // a String key
                        exclude("NoSuchStem", ExclShape::HostIp),
                    }});
    const auto problems = schemaProblems(broken, *fixture.store);
    ASSERT_EQ(problems.size(), 4u);
    EXPECT_NE(problems[0].find("InboundBlockSLSNDRTip is not in the schema"), std::string::npos);
    EXPECT_NE(problems[1].find("LogPath is String"), std::string::npos);
    EXPECT_NE(problems[2].find("NoSuchStemIP"), std::string::npos);
}
