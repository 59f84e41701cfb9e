#include "resources/Texts.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

namespace morva {

std::span<const TextEntry> englishTexts();
std::span<const TextEntry> germanTexts();
std::span<const TextEntry> frenchTexts();
std::span<const TextEntry> italianTexts();
std::span<const TextEntry> spanishTexts();

std::span<const TextEntry> languageTexts(int languageIndex)
{
    switch (languageIndex) {
    case German:
        return germanTexts();
    case French:
        return frenchTexts();
    case Italian:
        return italianTexts();
    case Spanish:
        return spanishTexts();
    default:
        return englishTexts();
    }
}

namespace {

using Index = std::unordered_map<std::string_view, std::string_view>;

// Each language's index is built on its first use (a morvactl command needs
// English only) and kept for the life of the process: destroying thousands
// of entries at exit would cost as much as building them.
const Index& indexOf(int languageIndex)
{
    static std::array<std::once_flag, kLanguageCount> once;
    static std::array<const Index*, kLanguageCount> built{};
    const auto slot = static_cast<std::size_t>(languageIndex);
    std::call_once(once[slot], [languageIndex, slot] {
        auto* index = new Index; // NOLINT(cppcoreguidelines-owning-memory): kept to the end
        for (const TextEntry& entry : languageTexts(languageIndex))
            index->emplace(entry.id, entry.text);
        built[slot] = index;
    });
    return *built[slot];
}

bool validLanguage(int languageIndex)
{
    return languageIndex >= 0 && languageIndex < kLanguageCount;
}

constexpr std::string_view kPromptPrefix = "app.prompt.";

const std::unordered_map<int, std::string_view>& resources()
{
    static const std::unordered_map<int, std::string_view> built = [] {
        std::unordered_map<int, std::string_view> all;
        for (int language = 0; language < kLanguageCount; ++language) {
            for (const TextEntry& entry : languageTexts(language)) {
                std::string_view id = entry.id;
                if (id.substr(0, kPromptPrefix.size()) != kPromptPrefix)
                    continue;
                id.remove_prefix(kPromptPrefix.size());
                int command = 0;
                auto [end, ec] = std::from_chars(id.data(), id.data() + id.size(), command);
                if (ec != std::errc() || end != id.data() + id.size())
                    continue;
                all.emplace(command + languageOffset(language), entry.text);
            }
        }
        return all;
    }();
    return built;
}

std::string_view resourceFor(int commandId, int languageIndex, const StringLookup& lookup)
{
    auto find = [&](int id) { return lookup ? lookup(id) : stringResource(id); };
    if (languageIndex >= German && languageIndex < kLanguageCount)
        if (auto own = find(commandId + languageOffset(languageIndex)))
            return *own;
    if (auto english = find(commandId))
        return *english;
    return {};
}

} // namespace

std::string_view text(std::string_view id, int languageIndex)
{
    if (!validLanguage(languageIndex))
        languageIndex = English;
    const Index& own = indexOf(languageIndex);
    if (auto it = own.find(id); it != own.end())
        return it->second;
    const Index& english = indexOf(English);
    if (auto it = english.find(id); it != english.end())
        return it->second;
    return id;
}

bool hasText(std::string_view id)
{
    for (int language = 0; language < kLanguageCount; ++language)
        if (indexOf(language).count(id))
            return true;
    return false;
}

int languageIndexForCode(std::string_view code)
{
    char key[4] = {' ', ' ', ' ', '\0'};
    for (std::size_t i = 0; i < 3 && i < code.size(); ++i) {
        char c = code[i];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        key[i] = c;
    }
    const std::string_view k(key, 3);
    if (k == "DEU" || k == "DES" || k == "DEA")
        return German;
    if (k == "FRA" || k == "FRS" || k == "FRC" || k == "FRB")
        return French;
    if (k == "ITA")
        return Italian;
    // "SPA" is what the console's own Language combo boxes store.
    if (k == "ESM" || k == "ESN" || k == "ESP" || k == "SPA")
        return Spanish;
    return English;
}

int chooseLanguage(std::string_view languageText, unsigned allowedMask,
                   std::string_view regionalCode)
{
    int index = languageIndexForCode(regionalCode);
    if (!languageText.empty())
        index = languageIndexForCode(languageText);
    if (index != English && (allowedMask & (1u << index)) == 0)
        index = English;
    return index;
}

std::string_view languageCode(int languageIndex)
{
    static constexpr std::string_view kCodes[kLanguageCount] = {"ENG", "DEU", "FRA", "ITA", "SPA"};
    return kCodes[validLanguage(languageIndex) ? languageIndex : English];
}

std::string_view languagePrefixOf(int languageIndex)
{
    static constexpr std::string_view kPrefixes[kLanguageCount] = {"ENG_", "DEU_", "FRA_", "ITA_",
                                                                   "SPA_"};
    return kPrefixes[validLanguage(languageIndex) ? languageIndex : English];
}

std::string languagePrefix(std::string_view baseName, int languageIndex, bool englishOnly)
{
    std::string name(languagePrefixOf(englishOnly ? English : languageIndex));
    name += baseName;
    return name;
}

std::optional<ResourceName> parseResourceName(std::string_view name)
{
    for (int language = 0; language < kLanguageCount; ++language) {
        const std::string_view prefix = languagePrefixOf(language);
        if (name.size() > prefix.size() && name.substr(0, prefix.size()) == prefix)
            return ResourceName{language, name.substr(prefix.size())};
    }
    return std::nullopt;
}

std::string_view localText(const LocalText& table, int languageIndex)
{
    const char* chosen = validLanguage(languageIndex) ? table[languageIndex] : nullptr;
    if (!chosen)
        chosen = table[English];
    return chosen ? std::string_view(chosen) : std::string_view();
}

LocalText localTexts(std::string_view id)
{
    LocalText table{};
    for (int language = 0; language < kLanguageCount; ++language) {
        const Index& index = indexOf(language);
        if (auto it = index.find(id); it != index.end())
            table[language] = it->second.data(); // catalogue texts are NUL-terminated literals
    }
    return table;
}

int languageOffset(int languageIndex)
{
    static constexpr int kOffsets[kLanguageCount] = {0, 20000, 21000, 22000, 23000};
    return validLanguage(languageIndex) ? kOffsets[languageIndex] : 0;
}

std::optional<std::string_view> stringResource(int resourceId)
{
    const auto& all = resources();
    if (auto it = all.find(resourceId); it != all.end())
        return it->second;
    return std::nullopt;
}

std::string_view commandPrompt(int commandId, int languageIndex, const StringLookup& lookup)
{
    const std::string_view resource = resourceFor(commandId, languageIndex, lookup);
    return resource.substr(0, resource.find('\n'));
}

std::string_view commandToolTip(int commandId, int languageIndex, const StringLookup& lookup)
{
    const std::string_view resource = resourceFor(commandId, languageIndex, lookup);
    const auto newline = resource.find('\n');
    return newline == std::string_view::npos ? std::string_view() : resource.substr(newline + 1);
}

std::string promptTextId(int commandId)
{
    return std::string(kPromptPrefix) + std::to_string(commandId);
}

std::string formatText(std::string_view text, std::initializer_list<std::string_view> arguments)
{
    std::string result;
    result.reserve(text.size());
    std::size_t from = 0;
    for (std::size_t at = text.find('%'); at != std::string_view::npos; at = text.find('%', at)) {
        std::size_t end = at + 1;
        std::size_t number = 0;
        while (end < text.size() && end - at <= 2 && text[end] >= '0' && text[end] <= '9')
            number = number * 10 + static_cast<std::size_t>(text[end++] - '0');
        if (number >= 1 && number <= arguments.size()) {
            result.append(text.substr(from, at - from));
            result.append(arguments.begin()[number - 1]);
            from = end;
        }
        at = std::max(end, at + 1);
    }
    result.append(text.substr(from));
    return result;
}

std::string replacePlaceholder(std::string_view text, std::string_view placeholder,
                               std::string_view value)
{
    std::string result;
    if (placeholder.empty())
        return std::string(text);
    std::size_t from = 0;
    while (true) {
        const auto at = text.find(placeholder, from);
        if (at == std::string_view::npos)
            break;
        result.append(text.substr(from, at - from));
        result.append(value);
        from = at + placeholder.size();
    }
    result.append(text.substr(from));
    return result;
}

} // namespace morva
