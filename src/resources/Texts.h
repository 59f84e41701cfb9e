#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace morva {

// LanguageIndex values, in the order of every five-language table.
enum Language : int
{
    English = 0,
    German = 1,
    French = 2,
    Italian = 3,
    Spanish = 4
};
constexpr int kLanguageCount = 5;

// Mask with every language allowed (bit k allows LanguageIndex k).
constexpr unsigned kAllLanguages = 0x1F;

struct TextEntry
{
    const char* id;
    const char* text; // UTF-8
};

// The text catalogue of one language, compiled into the binary: the build
// generates it from the language's translation file (src/resources/lang/*.ts).
std::span<const TextEntry> languageTexts(int languageIndex);

// The text `id` in the given language; the English text when the language
// has none; `id` itself when no language has it (a missing text then shows
// up at once instead of an empty label).
std::string_view text(std::string_view id, int languageIndex);

// True when some language has the text `id`.
bool hasText(std::string_view id);

// --- Choosing the language ------------------------------------------------

// The index a language code selects: the code's first three characters,
// a-z upper-cased, cut or padded with blanks to three, compared with
//   DEU DES DEA -> German, FRA FRS FRC FRB -> French, ITA -> Italian,
//   ESM ESN ESP SPA -> Spanish; anything else (also "" and "es") -> English.
int languageIndexForCode(std::string_view code);

// The code the console stores for a language: "ENG", "DEU", "FRA", "ITA",
// "SPA"; English for an index out of range.
std::string_view languageCode(int languageIndex);

// The language the console uses: the regional code (from the platform's
// RegionalLanguage) mapped as above, replaced by `languageText` (the
// configuration's `Language`) when that is not empty; an index whose bit in
// `allowedMask` is 0 becomes English.
int chooseLanguage(std::string_view languageText, unsigned allowedMask,
                   std::string_view regionalCode);

// "ENG_", "DEU_", "FRA_", "ITA_", "SPA_"; English for an index out of range.
std::string_view languagePrefixOf(int languageIndex);

// The resource name of `baseName` in a language: languagePrefix("MENU",
// German) is "DEU_MENU". `englishOnly` (the application's English-only flag,
// or no environment yet) forces "ENG_".
std::string languagePrefix(std::string_view baseName, int languageIndex, bool englishOnly = false);

// Splits a prefixed resource name ("FRA_MENU") into its language and base
// name; nullopt when it carries no language prefix.
struct ResourceName
{
    int languageIndex;
    std::string_view baseName;
};
std::optional<ResourceName> parseResourceName(std::string_view name);

// --- Five-language tables ---------------------------------------------------

// A five-language text table, in the order of LanguageIndex. A null entry
// stands for "no translation": localText() then gives the English one.
using LocalText = std::array<const char*, kLanguageCount>;

// The entry of `table` at `languageIndex` (English when out of range or null).
std::string_view localText(const LocalText& table, int languageIndex);

// The five variants of catalogue text `id` as a table.
LocalText localTexts(std::string_view id);

// --- Command prompts ----------------------------------------------------------

// Offset of a language's string resources: 0, 20000, 21000, 22000, 23000.
int languageOffset(int languageIndex);

// String resources by number, as the command prompts are kept: resource n
// is the English prompt of command n, n + languageOffset(k) the prompt in
// language k. Returns nullopt when the resource does not exist (no fallback
// here: that is commandPrompt's business). The text holds the status-bar
// prompt, optionally followed by "\n" and the tool tip.
std::optional<std::string_view> stringResource(int resourceId);

using StringLookup = std::function<std::optional<std::string_view>(int resourceId)>;

// The status-bar prompt of command `commandId` (text before "\n"): in a
// language 1 to 4 the resource commandId + offset when it exists, else the
// English resource commandId; empty when neither exists. `lookup` defaults
// to stringResource (tests pass their own table).
std::string_view commandPrompt(int commandId, int languageIndex, const StringLookup& lookup = {});

// The tool tip of command `commandId` (text after "\n"), with the same
// choice of resource; empty when the resource has none.
std::string_view commandToolTip(int commandId, int languageIndex, const StringLookup& lookup = {});

// The catalogue id that holds the prompt of command `commandId`:
// "app.prompt.<id>". Prompts live in the language files like every text.
std::string promptTextId(int commandId);

// A text with its placeholders filled in: %1 is arguments[0], %2
// arguments[1], ... (the only placeholder style of the texts, Qt's). One pass,
// so an argument that itself holds "%2" stays as it is; a placeholder without
// an argument stays too.
std::string formatText(std::string_view text, std::initializer_list<std::string_view> arguments);

// Replaces every occurrence of `placeholder` in `text`.
std::string replacePlaceholder(std::string_view text, std::string_view placeholder,
                               std::string_view value);

} // namespace morva
