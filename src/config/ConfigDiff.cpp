#include "config/ConfigDiff.h"

#include "config/ConfigLine.h"
#include "config/Schema.h"
#include "config/SecretValues.h"
#include "config/ValueKind.h"

#include <memory>
#include <unordered_map>
#include <unordered_set>

namespace morva::config {

namespace {

// The lines of one version: the values of every key in file order and the
// lines without a key.
struct Version
{
    std::vector<std::string_view> keyOrder;
    std::unordered_map<std::string_view, std::vector<std::string_view>> values;
    std::vector<std::string_view> otherLines;
};

Version split(std::string_view text)
{
    Version version;
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = text.find('\n', begin);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(begin, end - begin);
        begin = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        line = trimBlanks(line);
        if (line.empty())
            continue;
        // Comments stay part of the value: a changed comment is a change.
        const ConfigLine parsed = parseConfigLine(line, false);
        if (!parsed.hasKey || line.find('=') == std::string_view::npos) {
            version.otherLines.push_back(line);
            continue;
        }
        auto [slot, added] = version.values.try_emplace(parsed.key);
        if (added)
            version.keyOrder.push_back(parsed.key);
        slot->second.push_back(parsed.value);
    }
    return version;
}

// Items of `from` not matched by an equal item of `against` (counted, so a
// duplicate item removed is found), in the order of `from`.
std::vector<std::string_view> unmatched(const std::vector<std::string_view>& from,
                                        const std::vector<std::string_view>& against)
{
    std::unordered_map<std::string_view, std::size_t> available;
    for (const auto item : against)
        ++available[item];
    std::vector<std::string_view> left;
    for (const auto item : from) {
        auto found = available.find(item);
        if (found != available.end() && found->second > 0)
            --found->second;
        else
            left.push_back(item);
    }
    return left;
}

ConfigChange removed(std::string_view key, std::string_view text)
{
    return {std::string(key), maskSecret(key, text), {}, true, false};
}

ConfigChange added(std::string_view key, std::string_view text)
{
    return {std::string(key), {}, maskSecret(key, text), false, true};
}

void diffKey(std::string_view key, const std::vector<std::string_view>* before,
             const std::vector<std::string_view>* after, const ListKeyTest& isList,
             std::vector<ConfigChange>& out)
{
    static const std::vector<std::string_view> kNone;
    const auto& oldValues = before ? *before : kNone;
    const auto& newValues = after ? *after : kNone;
    const bool repeated = oldValues.size() > 1 || newValues.size() > 1;
    const bool list = isList ? isList(key, repeated) : repeated;
    if (!list) {
        // The store reads the last of repeated lines of a single value.
        if (!oldValues.empty() && !newValues.empty()) {
            if (oldValues.back() != newValues.back())
                out.push_back({std::string(key), maskSecret(key, oldValues.back()),
                               maskSecret(key, newValues.back()), true, true});
        } else if (!oldValues.empty()) {
            out.push_back(removed(key, oldValues.back()));
        } else if (!newValues.empty()) {
            out.push_back(added(key, newValues.back()));
        }
        return;
    }
    for (const auto item : unmatched(oldValues, newValues))
        out.push_back(removed(key, item));
    for (const auto item : unmatched(newValues, oldValues))
        out.push_back(added(key, item));
}

} // namespace

namespace {

struct SchemaKeySets
{
    std::unordered_set<std::string_view> lists;
    std::unordered_set<std::string_view> singles;
};

// Built on the first question and kept for the life of the program (the
// names point into the schema table, which lives as long): a command that
// never compares two files never pays for it.
const SchemaKeySets& schemaKeySets()
{
    static const SchemaKeySets* const sets = [] {
        auto* built = new SchemaKeySets; // NOLINT(cppcoreguidelines-owning-memory): kept to the end
        std::size_t count = 0;
        const SchemaGroup* groups = schemaGroups(&count);
        for (std::size_t g = 0; g < count; ++g) {
            auto& names = isListKind(groups[g].kind) ? built->lists : built->singles;
            std::string_view rest = groups[g].names;
            while (!rest.empty()) {
                const std::size_t blank = rest.find(' ');
                names.insert(rest.substr(0, blank));
                rest =
                    blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
            }
        }
        return built;
    }();
    return *sets;
}

} // namespace

ListKeyTest schemaListKeys()
{
    return [](std::string_view key, bool repeated) {
        const SchemaKeySets& sets = schemaKeySets();
        if (sets.lists.count(key))
            return true;
        return sets.singles.count(key) ? false : repeated;
    };
}

std::vector<ConfigChange> diffConfigTexts(std::string_view oldText, std::string_view newText,
                                          const ListKeyTest& isList)
{
    const Version before = split(oldText);
    const Version after = split(newText);
    std::vector<ConfigChange> changes;
    for (const auto key : after.keyOrder) {
        const auto found = before.values.find(key);
        diffKey(key, found == before.values.end() ? nullptr : &found->second, &after.values.at(key),
                isList, changes);
    }
    for (const auto key : before.keyOrder) {
        if (!after.values.count(key))
            diffKey(key, &before.values.at(key), nullptr, isList, changes);
    }
    for (const auto line : unmatched(before.otherLines, after.otherLines))
        changes.push_back(removed({}, line));
    for (const auto line : unmatched(after.otherLines, before.otherLines))
        changes.push_back(added({}, line));
    return changes;
}

std::size_t countChangedKeys(const std::vector<ConfigChange>& changes)
{
    std::unordered_set<std::string_view> keys;
    for (const auto& change : changes) {
        if (!change.key.empty())
            keys.insert(change.key);
    }
    return keys.size();
}

} // namespace morva::config
