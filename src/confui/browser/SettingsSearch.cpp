#include "confui/browser/SettingsSearch.h"

#include "config/ConfigStore.h"
#include "config/SecretValues.h"
#include "confui/browser/EditDistance.h"
#include "confui/browser/SearchWords.h"
#include "resources/Texts.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace morva::confui {

namespace {

// The word positions of `vocabulary` that begin with `prefix`: since the
// vocabulary is sorted they are one run.
std::pair<std::uint32_t, std::uint32_t> prefixRange(const std::vector<std::string>& vocabulary,
                                                    std::string_view prefix)
{
    const auto first = std::lower_bound(vocabulary.begin(), vocabulary.end(), prefix,
                                        [](const std::string& word, std::string_view wanted) {
                                            return std::string_view(word) < wanted;
                                        });
    const auto end = std::partition_point(first, vocabulary.end(), [&](const std::string& word) {
        return std::string_view(word).starts_with(prefix);
    });
    return {static_cast<std::uint32_t>(first - vocabulary.begin()),
            static_cast<std::uint32_t>(end - vocabulary.begin())};
}

// The key's words and every run of them up to its end ("greylistmintime",
// "listmintime", ...), so that "greylist" or "mintime" typed as one word
// also begins a word of the key.
std::vector<std::string> keyRuns(std::string_view key)
{
    const std::vector<std::string> words = keyWords(key);
    std::vector<std::string> runs;
    for (std::size_t first = 0; first < words.size(); ++first) {
        std::string run;
        for (std::size_t i = first; i < words.size(); ++i)
            run += words[i];
        runs.push_back(std::move(run));
    }
    for (const std::string& word : words)
        runs.push_back(word);
    return runs;
}

} // namespace

SettingsSearch::SettingsSearch(const SettingsIndex& index) : m_index(index)
{
    // Number the distinct words as they come (a hash), collect each
    // setting's word numbers with their fields, then renumber the words in
    // sorted order so that a prefix names one run of numbers.
    std::unordered_map<std::string, std::uint32_t> numbers;
    std::vector<const std::string*> words;
    std::vector<std::vector<Word>> perSetting(index.size());
    // Many controls share a text (the action combos' "Action:"): fold each once.
    std::unordered_map<std::string, std::array<std::vector<std::string>, kLanguageCount>> folded;
    auto wordsOf = [&](const std::string& id, int language) -> const std::vector<std::string>& {
        auto [it, fresh] = folded.try_emplace(id);
        if (fresh)
            for (int k = 0; k < kLanguageCount; ++k)
                it->second[static_cast<std::size_t>(k)] = searchWords(morva::text(id, k));
        return it->second[static_cast<std::size_t>(language)];
    };
    auto addWords = [&](std::vector<Word>& into, const std::vector<std::string>& found,
                        std::uint8_t field) {
        for (const std::string& word : found) {
            auto [it, fresh] = numbers.try_emplace(word, static_cast<std::uint32_t>(words.size()));
            if (fresh)
                words.push_back(&it->first);
            into.push_back({it->second, field});
        }
    };
    for (std::size_t i = 0; i < index.size(); ++i) {
        const SettingInfo& setting = index.at(i);
        auto& into = perSetting[i];
        addWords(into, keyRuns(setting.key), KeyField);
        for (const SettingPlace& place : setting.places) {
            for (int language = 0; language < kLanguageCount; ++language) {
                const auto field = static_cast<std::uint8_t>(FirstLanguageField << language);
                for (const std::string* id :
                     {&place.sheetCaption, &place.pageCaption, &place.group, &place.label})
                    if (!id->empty())
                        addWords(into, wordsOf(*id, language), field);
            }
            addWords(into, searchWords(place.helpAnchor), AnchorField);
        }
    }
    std::vector<std::uint32_t> order(words.size());
    for (std::uint32_t n = 0; n < order.size(); ++n)
        order[n] = n;
    std::sort(order.begin(), order.end(),
              [&](std::uint32_t a, std::uint32_t b) { return *words[a] < *words[b]; });
    std::vector<std::uint32_t> sortedNumber(words.size());
    m_vocabulary.reserve(words.size());
    for (std::uint32_t position = 0; position < order.size(); ++position) {
        sortedNumber[order[position]] = position;
        m_vocabulary.push_back(*words[order[position]]);
    }
    m_entries.resize(index.size());
    for (std::size_t i = 0; i < index.size(); ++i) {
        Entry& entry = m_entries[i];
        entry.foldedKey = foldedKey(index.at(i).key);
        std::vector<Word>& found = perSetting[i];
        for (Word& word : found)
            word.id = sortedNumber[word.id];
        std::sort(found.begin(), found.end(),
                  [](const Word& a, const Word& b) { return a.id < b.id; });
        for (const Word& word : found) {
            if (!entry.words.empty() && entry.words.back().id == word.id)
                entry.words.back().fields |= word.fields;
            else
                entry.words.push_back(word);
        }
    }
}

void SettingsSearch::setValue(std::size_t setting, std::string_view valueText)
{
    if (setting >= m_entries.size())
        return;
    m_entries[setting].valueWords = searchWords(valueText.substr(0, kValueTextLimit));
}

void SettingsSearch::setValues(const config::ConfigStore& store)
{
    store.forEachEntry([&](const config::ConfigEntry& entry) {
        const auto at = m_index.indexOf(entry.name);
        if (!at)
            return;
        // A secret is never found by its value: that would tell whoever
        // types a guess whether it is right.
        if (!config::isListKind(entry.kind)) {
            setValue(*at, config::maskSecret(entry.name, config::displayText(entry.value)));
            return;
        }
        std::string items;
        for (const std::string& item : config::listItemTexts(entry.value)) {
            if (items.size() >= kValueTextLimit)
                break;
            items += config::maskSecret(entry.name, item);
            items += '\n';
        }
        setValue(*at, items);
    });
}

std::uint8_t SettingsSearch::fieldsMatching(const Entry& entry, std::uint32_t first,
                                            std::uint32_t end, std::string_view word) const
{
    std::uint8_t fields = 0;
    if (first < end) {
        auto it = std::lower_bound(entry.words.begin(), entry.words.end(), first,
                                   [](const Word& w, std::uint32_t id) { return w.id < id; });
        for (; it != entry.words.end() && it->id < end; ++it)
            fields |= it->fields;
    }
    for (const std::string& value : entry.valueWords)
        if (std::string_view(value).starts_with(word))
            return static_cast<std::uint8_t>(fields | 128);
    return fields;
}

std::vector<SearchHit> SettingsSearch::find(std::string_view text, int language) const
{
    const std::vector<std::string> words = searchWords(text);
    std::vector<SearchHit> hits;
    if (words.empty()) {
        hits.reserve(m_entries.size());
        for (std::size_t i = 0; i < m_entries.size(); ++i)
            hits.push_back({i, MatchRank::Elsewhere});
        return hits;
    }
    if (language < 0 || language >= kLanguageCount)
        language = English;
    const auto ownLanguage = static_cast<std::uint8_t>(FirstLanguageField << language);
    std::string joined;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> ranges;
    for (const std::string& word : words) {
        joined += word;
        ranges.push_back(prefixRange(m_vocabulary, word));
    }
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const Entry& entry = m_entries[i];
        MatchRank rank = MatchRank::KeyWords;
        bool matches = true;
        for (std::size_t w = 0; w < words.size() && matches; ++w) {
            const std::uint8_t fields =
                fieldsMatching(entry, ranges[w].first, ranges[w].second, words[w]);
            if (fields == 0)
                matches = false;
            else if (fields & KeyField)
                continue;
            else if (fields & ownLanguage)
                rank = std::max(rank, MatchRank::Language);
            else
                rank = MatchRank::Elsewhere;
        }
        if (entry.foldedKey == joined)
            hits.push_back({i, MatchRank::ExactKey});
        else if (entry.foldedKey.starts_with(joined))
            hits.push_back({i, MatchRank::KeyPrefix});
        else if (matches)
            hits.push_back({i, rank});
    }
    std::stable_sort(hits.begin(), hits.end(),
                     [](const SearchHit& a, const SearchHit& b) { return a.rank < b.rank; });
    return hits;
}

std::vector<std::string> SettingsSearch::nearestKeys(std::string_view text, std::size_t count) const
{
    std::string joined;
    for (const std::string& word : searchWords(text))
        joined += word;
    if (joined.empty() || count == 0)
        return {};
    // A typing error per three or four letters, at most three.
    const std::size_t limit = joined.size() <= 4 ? 1 : joined.size() <= 8 ? 2 : 3;
    std::vector<std::pair<std::size_t, std::size_t>> near; // distance, setting
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const std::string& key = m_entries[i].foldedKey;
        // The whole key, or its beginning at one more: a typo in the
        // beginning of a long key is still worth a hint.
        std::size_t distance = boundedEditDistance(joined, key, limit);
        if (distance > limit) {
            const std::size_t toPrefix = boundedPrefixEditDistance(joined, key, limit);
            if (toPrefix < limit)
                distance = toPrefix + 1;
        }
        if (distance <= limit)
            near.emplace_back(distance, i);
    }
    std::stable_sort(near.begin(), near.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> keys;
    for (std::size_t i = 0; i < near.size() && keys.size() < count; ++i)
        keys.push_back(m_index.at(near[i].second).key);
    return keys;
}

} // namespace morva::confui
