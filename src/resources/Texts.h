#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace morva {

// LanguageIndex values, in the order of every five-language table.
enum Language : int { English = 0, German = 1, French = 2, Italian = 3, Spanish = 4 };
constexpr int kLanguageCount = 5;

struct TextEntry {
    const char* id;
    const char* text;  // UTF-8
};

// The text catalogue of one language: one source file per language
// (src/resources/lang/*.cpp), compiled into the binary.
std::span<const TextEntry> languageTexts(int languageIndex);

// The text `id` in the given language; the English text when the language
// has none; `id` itself when no language has it (a missing text then shows
// up at once instead of an empty label).
std::string_view text(std::string_view id, int languageIndex);

// True when some language has the text `id`.
bool hasText(std::string_view id);

}  // namespace morva
