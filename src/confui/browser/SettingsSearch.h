#pragma once

// Search as you type over the settings index: every word typed must begin
// a word of the key, of a label, page or sheet caption in any of the five
// languages, of the help anchor or of the current value ("grey min" finds
// InboundGreyListMinTime). Hits come ranked: the key itself, keys that
// begin with the text, keys whose words match, matches in the chosen
// language, then the rest; in registration order within a rank.

#include "confui/browser/SettingsIndex.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace morva::config {
class ConfigStore;
}

namespace morva::confui {

enum class MatchRank
{
    ExactKey,  // the text is the key (case and blanks aside)
    KeyPrefix, // the key begins with the text
    KeyWords,  // every word begins a word of the key
    Language,  // ... of the key or of a text in the chosen language
    Elsewhere, // ... of texts in other languages, the help anchor or the value
};

struct SearchHit
{
    std::size_t setting; // position in the index
    MatchRank rank;
};

class SettingsSearch
{
public:
    // Prepares the words of every setting of `index`, which must outlive
    // the search. Values are empty until setValue/setValues.
    explicit SettingsSearch(const SettingsIndex& index);

    // The current value of a setting, as it is to be found (a list: its
    // items one per line). Only the first kValueTextLimit bytes count.
    void setValue(std::size_t setting, std::string_view valueText);
    // Every setting's value from `store` (keys the index lacks are ignored).
    void setValues(const config::ConfigStore& store);
    static constexpr std::size_t kValueTextLimit = 4096;

    // The settings that match `text`, ranked for `language` (LanguageIndex).
    // A text without any word (empty, only blanks or signs) matches every
    // setting, ranked Elsewhere.
    std::vector<SearchHit> find(std::string_view text, int language) const;

    // The keys nearest to `text` (folded, blanks removed) by edit distance,
    // nearest first, at most `count`; a key counts as near when the text is
    // within a few typing errors of the key or of its beginning. Empty when
    // no key is near.
    std::vector<std::string> nearestKeys(std::string_view text, std::size_t count = 5) const;

private:
    // Where a word of a setting stands; a bit per place kind.
    enum FieldBit : std::uint8_t
    {
        KeyField = 1,
        FirstLanguageField = 2, // bit for language k: FirstLanguageField << k
        AnchorField = 64,
    };
    struct Word
    {
        std::uint32_t id; // position in m_vocabulary
        std::uint8_t fields;
    };
    struct Entry
    {
        std::string foldedKey;
        std::vector<Word> words; // sorted by id, each id once
        std::vector<std::string> valueWords;
    };

    std::uint8_t fieldsMatching(const Entry& entry, std::uint32_t first, std::uint32_t end,
                                std::string_view word) const;

    const SettingsIndex& m_index;
    std::vector<std::string> m_vocabulary; // sorted, each word once
    std::vector<Entry> m_entries;
};

} // namespace morva::confui
