#include "resources/Texts.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <string_view>

using namespace morva;

namespace {
std::set<std::string> idsOf(int language)
{
    std::set<std::string> ids;
    for (const TextEntry& entry : languageTexts(language))
        EXPECT_TRUE(ids.insert(entry.id).second)
            << "duplicate id " << entry.id << " in language " << language;
    return ids;
}
} // namespace

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
        if (total >= 20) {
            EXPECT_LT(same * 4, total) << "language " << language << " copies English in " << same
                                       << " of " << total << " texts";
        }
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

namespace {
// The placeholders %1, %2, ... a text holds.
std::set<int> placeholdersOf(std::string_view text)
{
    std::set<int> found;
    for (std::size_t at = text.find('%'); at != std::string_view::npos; at = text.find('%', at + 1))
        if (at + 1 < text.size() && text[at + 1] >= '1' && text[at + 1] <= '9')
            found.insert(text[at + 1] - '0');
    return found;
}

struct AccessKeys
{
    int count = 0;
    bool dangling = false; // a '&' with nothing after it
};

// '&' marks the access key, "&&" is a literal '&'.
AccessKeys accessKeysOf(std::string_view text)
{
    AccessKeys keys;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&')
            continue;
        if (i + 1 == text.size())
            keys.dangling = true;
        else if (text[i + 1] == '&')
            ++i;
        else
            ++keys.count;
    }
    return keys;
}
} // namespace

TEST(Texts, PlaceholdersMatchAcrossLanguages)
{
    for (const TextEntry& entry : languageTexts(English)) {
        const std::set<int> english = placeholdersOf(entry.text);
        // Numbered from 1 without gaps, as the formatting expects.
        int expected = 1;
        for (int number : english)
            EXPECT_EQ(number, expected++) << entry.id << ": " << entry.text;
        for (int language = German; language < kLanguageCount; ++language)
            EXPECT_EQ(placeholdersOf(text(entry.id, language)), english)
                << entry.id << " in language " << language << ": " << text(entry.id, language);
    }
}

TEST(Texts, OnePlaceholderStyle)
{
    // Values are filled in as %1, %2, ...; no text uses another style.
    // "<FILE>" in the scanner note is the token of the scanner's command line,
    // not a placeholder.
    for (int language = English; language < kLanguageCount; ++language)
        for (const TextEntry& entry : languageTexts(language)) {
            const std::string_view text = entry.text;
            for (const char* style : {"%s", "%d", "{0}", "{1}", "<SERVICE>", "<VERA>", "<VERB>"})
                EXPECT_EQ(text.find(style), std::string_view::npos)
                    << entry.id << " in language " << language << " uses " << style;
            if (text.find('<') != std::string_view::npos &&
                std::string_view(entry.id) != "confui.IniViD.Note")
                for (std::size_t at = text.find('<'); at != std::string_view::npos;
                     at = text.find('<', at + 1)) {
                    const std::size_t close = text.find('>', at);
                    const std::string_view inner = close == std::string_view::npos
                                                       ? std::string_view()
                                                       : text.substr(at + 1, close - at - 1);
                    const bool upperWord =
                        !inner.empty() && inner.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ_") ==
                                              std::string_view::npos;
                    EXPECT_FALSE(upperWord) << entry.id << " in language " << language
                                            << " uses the placeholder <" << inner << ">";
                }
        }
}

TEST(Texts, AccessKeysMatchAcrossLanguages)
{
    for (int language = English; language < kLanguageCount; ++language)
        for (const TextEntry& entry : languageTexts(language)) {
            const AccessKeys keys = accessKeysOf(entry.text);
            EXPECT_FALSE(keys.dangling)
                << entry.id << " in language " << language << ": " << entry.text;
            EXPECT_LE(keys.count, 1)
                << entry.id << " in language " << language << ": " << entry.text;
            const int english = accessKeysOf(text(entry.id, English)).count;
            EXPECT_EQ(keys.count, english)
                << entry.id << " in language " << language << ": " << entry.text
                << " (English: " << text(entry.id, English) << ")";
        }
    EXPECT_EQ(accessKeysOf("Save && E&xit").count, 1);
    EXPECT_TRUE(accessKeysOf("Exit&").dangling);
}
