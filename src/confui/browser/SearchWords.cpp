#include "confui/browser/SearchWords.h"

namespace morva::confui {

namespace {

bool isAsciiLetterOrDigit(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The folded form of U+00C0..U+00FF (the second byte of its UTF-8 form
// minus 0x80); null for the two signs of that range, which separate words.
const char* const kLatin1Letters[64] = {
    "a", "a", "a", "a", "a", "a", "ae", "c",     "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  nullptr, "o", "u", "u", "u", "u", "y", "th", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c",     "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  nullptr, "o", "u", "u", "u", "u", "y", "th", "y",
};

// Calls `word` for every folded word of `text`.
template <typename WordSink> void forEachWord(std::string_view text, WordSink&& word)
{
    std::string current;
    auto flush = [&] {
        if (!current.empty())
            word(std::move(current));
        current.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '&')
            continue; // access-key mark: "Be&enden" is one word
        if (c < 0x80) {
            if (isAsciiLetterOrDigit(c))
                current += lowerAscii(static_cast<char>(c));
            else
                flush();
            continue;
        }
        if (c == 0xC3 && i + 1 < text.size()) {
            const auto next = static_cast<unsigned char>(text[i + 1]);
            if (next >= 0x80 && next <= 0xBF) {
                ++i;
                if (const char* folded = kLatin1Letters[next - 0x80])
                    current += folded;
                else
                    flush();
                continue;
            }
        }
        if (c == 0xC5 && i + 1 < text.size() &&
            (text[i + 1] == '\x92' || text[i + 1] == '\x93')) { // Œ œ
            ++i;
            current += "oe";
            continue;
        }
        if (c == 0xC2) { // U+0080..U+00BF: signs and the no-break space
            ++i;
            flush();
            continue;
        }
        current += static_cast<char>(c);
    }
    flush();
}

bool isUpper(char c)
{
    return c >= 'A' && c <= 'Z';
}

bool isLower(char c)
{
    return c >= 'a' && c <= 'z';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::vector<std::string> searchWords(std::string_view text)
{
    std::vector<std::string> words;
    forEachWord(text, [&](std::string&& word) { words.push_back(std::move(word)); });
    return words;
}

std::vector<std::string> keyWords(std::string_view key)
{
    // A word starts at an upper-case letter after a lower-case letter or a
    // digit, at the last capital of a run that a lower-case letter follows
    // ("SPFNDRTyp": "SPFNDR" + "Typ"), and where digits begin or end.
    std::vector<std::string> words;
    std::string current;
    for (std::size_t i = 0; i < key.size(); ++i) {
        const char c = key[i];
        if (!isAsciiLetterOrDigit(static_cast<unsigned char>(c))) {
            if (!current.empty())
                words.push_back(std::move(current));
            current.clear();
            continue;
        }
        if (!current.empty()) {
            const char previous = key[i - 1];
            const bool nextIsLower = i + 1 < key.size() && isLower(key[i + 1]);
            const bool starts = (isUpper(c) && (isLower(previous) || isDigit(previous))) ||
                                (isUpper(c) && isUpper(previous) && nextIsLower) ||
                                (isDigit(c) != isDigit(previous));
            if (starts) {
                words.push_back(std::move(current));
                current.clear();
            }
        }
        current += lowerAscii(c);
    }
    if (!current.empty())
        words.push_back(std::move(current));
    return words;
}

std::string foldedKey(std::string_view key)
{
    std::string folded;
    forEachWord(key, [&](std::string&& word) { folded += word; });
    return folded;
}

} // namespace morva::confui
