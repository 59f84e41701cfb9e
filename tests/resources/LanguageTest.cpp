#include "resources/CommandIds.h"
#include "resources/Texts.h"

#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <string>

using namespace morva;

TEST(Language, CodesSelectByTheirFirstThreeLettersUpperCased)
{
    const struct
    {
        const char* code;
        int expected;
    } rows[] = {
        {"DEU", German},     {"deu", German},  {"Des", German},        {"DEA", German},
        {"deutsch", German}, {"FRA", French},  {"frs", French},        {"FRC", French},
        {"FRB", French},     {"ITA", Italian}, {"italiano", Italian},  {"ESM", Spanish},
        {"esn", Spanish},    {"ESP", Spanish}, {"es", English},        {"ES ", English},
        {"ENG", English},    {"", English},    {"DE", English},        {"XYZ", English},
        {"SPA", Spanish},    {"spa", Spanish}, {"D\xC3\x9C", English}, // bytes beyond ASCII are not
                                                                       // upper-cased
    };
    for (const auto& row : rows)
        EXPECT_EQ(languageIndexForCode(row.code), row.expected) << "code '" << row.code << "'";
}

TEST(Language, ConfiguredTextOverridesRegionalCodeAndMaskFiltersIt)
{
    EXPECT_EQ(chooseLanguage("", kAllLanguages, "DES"), German);
    EXPECT_EQ(chooseLanguage("esp", kAllLanguages, "DEU"), Spanish);
    EXPECT_EQ(chooseLanguage("ENG", kAllLanguages, "FRA"), English);
    EXPECT_EQ(chooseLanguage("es", kAllLanguages, "FRA"),
              English); // given text wins even when English
    EXPECT_EQ(chooseLanguage("ITA", 0x01, "DEU"), English);
    EXPECT_EQ(chooseLanguage("ITA", 0x08, "DEU"), Italian);
    EXPECT_EQ(chooseLanguage("", 0x1D, "DEU"), English); // bit 1 (German) cleared
}

TEST(Language, PrefixesNameResourcesPerLanguage)
{
    EXPECT_EQ(languagePrefix("MENU", German), "DEU_MENU");
    EXPECT_EQ(languagePrefix("Wait", Spanish), "SPA_Wait");
    EXPECT_EQ(languagePrefix("SVC", French, /*englishOnly=*/true), "ENG_SVC");
    EXPECT_EQ(languagePrefix("MENU", 7), "ENG_MENU");

    auto parsed = parseResourceName("ITA_DomList");
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->languageIndex, Italian);
    EXPECT_EQ(parsed->baseName, "DomList");
    EXPECT_FALSE(parseResourceName("ABOUT"));
    EXPECT_FALSE(parseResourceName("DEU_"));
}

TEST(Language, LocalTextPicksTheVariantAndFallsBackToEnglish)
{
    const LocalText table = {"Ready", "Bereit", nullptr, "Pronto", "Listo"};
    EXPECT_EQ(localText(table, German), "Bereit");
    EXPECT_EQ(localText(table, French), "Ready");
    EXPECT_EQ(localText(table, -1), "Ready");
    EXPECT_EQ(localText(LocalText{}, German), "");

    const LocalText signal = localTexts("service.signalFailed");
    EXPECT_STREQ(signal[English], "Unable to create signal file");
    EXPECT_STREQ(signal[German], "Unable to create signal file");
    EXPECT_STREQ(signal[French], "Impossible de créer un fichier signal");
    EXPECT_STREQ(signal[Italian], "Impossibile creare un file di comando");
    EXPECT_STREQ(signal[Spanish], "No es posible crear el fichero de señalización");
}

TEST(Prompts, LanguageOffsetsWithEnglishFallback)
{
    // A resource table of our own: command 100 has all but a German prompt.
    const std::map<int, std::string_view> table = {
        {100, "Hundred\nTip"}, {21100, "Cent\nAstuce"}, {22100, "Cento"}, {23100, "Cien"}};
    const StringLookup lookup = [&](int id) -> std::optional<std::string_view> {
        if (auto it = table.find(id); it != table.end())
            return it->second;
        return std::nullopt;
    };
    EXPECT_EQ(commandPrompt(100, English, lookup), "Hundred");
    EXPECT_EQ(commandPrompt(100, German, lookup), "Hundred");
    EXPECT_EQ(commandToolTip(100, German, lookup), "Tip");
    EXPECT_EQ(commandPrompt(100, French, lookup), "Cent");
    EXPECT_EQ(commandToolTip(100, French, lookup), "Astuce");
    EXPECT_EQ(commandPrompt(100, Italian, lookup), "Cento");
    EXPECT_EQ(commandToolTip(100, Italian, lookup), "");
    EXPECT_EQ(commandPrompt(101, Spanish, lookup), "");
}

TEST(Prompts, CatalogueFillsTheStringResources)
{
    EXPECT_EQ(stringResource(command::Refresh), "Refresh\nRefresh (F5)");
    EXPECT_EQ(stringResource(command::Refresh + 20000), "Aktualisieren\nAktualisieren (F5)");
    EXPECT_EQ(commandPrompt(command::SignalStatistics, English),
              "Signal GWCored to dump the statistics into the logfile");
    EXPECT_EQ(commandPrompt(command::ReadyPrompt, Spanish), "Listo");
    EXPECT_EQ(commandToolTip(command::Print, German), "Drucken (Strg+P)");
    // Restart has no prompt at all: the status bar stays empty.
    EXPECT_FALSE(stringResource(command::SignalRestart));
    EXPECT_EQ(commandPrompt(command::SignalRestart, Italian), "");

    // Each language's prompt must land on its own resource number.
    std::size_t prompts = 0;
    for (int language = 0; language < kLanguageCount; ++language)
        for (const TextEntry& entry : languageTexts(language)) {
            if (std::string_view(entry.id).rfind("app.prompt.", 0) == 0) {
                ++prompts;
                const int command = std::stoi(std::string(entry.id + 11));
                EXPECT_EQ(stringResource(command + languageOffset(language)), entry.text)
                    << entry.id << " in language " << language;
            }
        }
    EXPECT_GT(prompts, 250u);
}

TEST(Texts, PlaceholdersAreFilledInOnePass)
{
    EXPECT_EQ(formatText(text("app.versionMismatch", English), {"Morva v3.53", "3.53b"}),
              "Version of GWConsole (Morva v3.53) does not match the version of GWCored (3.53b)");
    // Order in the text is free; an argument holding a placeholder stays as
    // it is; a placeholder without argument and a lone '%' stay.
    EXPECT_EQ(formatText("%2 before %1", {"a", "b"}), "b before a");
    EXPECT_EQ(formatText("%1 and %2", {"%2", "x"}), "%2 and x");
    EXPECT_EQ(formatText("%1 %3 100% %", {"a"}), "a %3 100% %");
    EXPECT_EQ(formatText("%1%1", {"ab"}), "abab");
    EXPECT_EQ(replacePlaceholder("<A><A>", "<A>", "x<A>"), "x<A>x<A>");
}
