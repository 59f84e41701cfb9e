#include "config/ChangeRows.h"

#include "config/SecretValues.h"
#include "config/ValueRules.h"

#include <map>

namespace morva::config {
namespace {

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    if (text.empty())
        return lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos)
            return lines;
        start = end + 1;
    }
}

bool isListKey(const std::string& key)
{
    const auto rule = valueRule(key);
    return rule && isListKind(rule->kind);
}

// Items of `from` left over after taking away those of `without`, counting
// equal items.
std::vector<std::string> itemsNotIn(const std::vector<std::string>& from,
                                    const std::vector<std::string>& without)
{
    std::map<std::string, int> available;
    for (const auto& item : without)
        ++available[item];
    std::vector<std::string> left;
    for (const auto& item : from)
        if (available[item]-- <= 0)
            left.push_back(item);
    return left;
}

} // namespace

std::vector<ChangeRow> changeRows(const std::vector<PendingChange>& changes)
{
    std::vector<ChangeRow> rows;
    for (const PendingChange& change : changes) {
        if (change.oldText == change.newText)
            continue;
        if (!isListKey(change.key)) {
            rows.push_back({change.key, ChangeRow::Kind::Changed,
                            maskSecret(change.key, change.oldText),
                            maskSecret(change.key, change.newText)});
            continue;
        }
        const auto before = linesOf(change.oldText);
        const auto after = linesOf(change.newText);
        for (const auto& item : itemsNotIn(before, after))
            rows.push_back({change.key, ChangeRow::Kind::ItemRemoved, maskSecret(change.key, item),
                            std::string()});
        for (const auto& item : itemsNotIn(after, before))
            rows.push_back({change.key, ChangeRow::Kind::ItemAdded, std::string(),
                            maskSecret(change.key, item)});
    }
    return rows;
}

std::string joinedText(const KeyValue& value)
{
    std::string text;
    for (std::size_t n = 0; n < value.items.size(); ++n) {
        if (n > 0)
            text += '\n';
        text += value.items[n];
    }
    return text;
}

std::vector<PendingChange> pendingChanges(const ConfigSnapshot& before, const ConfigSnapshot& after)
{
    std::vector<PendingChange> changes;
    for (std::size_t n = 0; n < after.size(); ++n) {
        const KeyValue& now = after.valueAt(n);
        const KeyValue* then = before.find(after.keyAt(n));
        if (then && then->items == now.items)
            continue;
        changes.push_back(
            {after.keyAt(n), then ? joinedText(*then) : std::string(), joinedText(now)});
    }
    return changes;
}

} // namespace morva::config
