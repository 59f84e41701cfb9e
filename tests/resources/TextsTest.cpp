#include <gtest/gtest.h>

#include <set>
#include <string>

#include "resources/Texts.h"

using namespace morva;

namespace {
std::set<std::string> idsOf(int language)
{
    std::set<std::string> ids;
    for (const TextEntry& entry : languageTexts(language))
        EXPECT_TRUE(ids.insert(entry.id).second) << "duplicate id " << entry.id << " in language " << language;
    return ids;
}
}  // namespace

TEST(Texts, EveryLanguageHasEveryText)
{
    const auto english = idsOf(English);
    for (int language = German; language < kLanguageCount; ++language) {
        const auto other = idsOf(language);
        for (const auto& id : english)
            EXPECT_TRUE(other.count(id)) << "language " << language << " lacks " << id;
        for (const auto& id : other)
            EXPECT_TRUE(english.count(id)) << "English lacks " << id << " of language " << language;
    }
}

TEST(Texts, TranslationsAreNotMostlyEnglishCopies)
{
    // Short technical words ("OK", "Port", "Status") are the same in several
    // languages; a language whose texts are mostly English is a copy.
    for (int language = German; language < kLanguageCount; ++language) {
        std::size_t same = 0, total = 0;
        for (const TextEntry& entry : languageTexts(language)) {
            ++total;
            if (std::string(text(entry.id, English)) == entry.text)
                ++same;
        }
        if (total >= 20)
            EXPECT_LT(same * 4, total) << "language " << language << " copies English in " << same
                                       << " of " << total << " texts";
    }
}

TEST(Texts, LookupFallsBackToEnglishThenId)
{
    EXPECT_EQ(text("common.caption", German), "Morva Admin");
    EXPECT_EQ(text("no.such.text", French), "no.such.text");
    EXPECT_EQ(text("common.caption", 99), "Morva Admin");
    EXPECT_TRUE(hasText("common.caption"));
    EXPECT_FALSE(hasText("no.such.text"));
}
