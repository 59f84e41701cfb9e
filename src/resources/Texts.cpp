#include "resources/Texts.h"

#include <algorithm>
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
    case German: return germanTexts();
    case French: return frenchTexts();
    case Italian: return italianTexts();
    case Spanish: return spanishTexts();
    default: return englishTexts();
    }
}

namespace {

using Index = std::unordered_map<std::string_view, std::string_view>;

const std::vector<Index>& indexes()
{
    static const std::vector<Index> built = [] {
        std::vector<Index> all(kLanguageCount);
        for (int language = 0; language < kLanguageCount; ++language)
            for (const TextEntry& entry : languageTexts(language))
                all[static_cast<std::size_t>(language)].emplace(entry.id, entry.text);
        return all;
    }();
    return built;
}

}  // namespace

std::string_view text(std::string_view id, int languageIndex)
{
    const auto& all = indexes();
    if (languageIndex < 0 || languageIndex >= kLanguageCount)
        languageIndex = English;
    const Index& own = all[static_cast<std::size_t>(languageIndex)];
    if (auto it = own.find(id); it != own.end())
        return it->second;
    const Index& english = all[English];
    if (auto it = english.find(id); it != english.end())
        return it->second;
    return id;
}

bool hasText(std::string_view id)
{
    for (const Index& index : indexes())
        if (index.count(id))
            return true;
    return false;
}

}  // namespace morva
