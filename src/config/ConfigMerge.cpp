#include "config/ConfigMerge.h"

#include <map>
#include <set>
#include <utility>

namespace morva::config {
namespace {

// An item of a list told apart from equal items by how many stood before it.
using ItemId = std::pair<std::string, std::size_t>;

struct ListSide
{
    std::vector<ItemId> ids;
    std::map<ItemId, std::string> comments;

    explicit ListSide(const KeyValue& value)
    {
        std::map<std::string, std::size_t> seen;
        ids.reserve(value.items.size());
        for (std::size_t n = 0; n < value.items.size(); ++n) {
            ItemId id{value.items[n], seen[value.items[n]]++};
            comments.emplace(id, n < value.comments.size() ? value.comments[n] : std::string());
            ids.push_back(std::move(id));
        }
    }
    bool has(const ItemId& id) const { return comments.count(id) != 0; }
    const std::string& commentOf(const ItemId& id) const { return comments.at(id); }
};

// The items all three sides still hold, in the order of `side`.
std::vector<ItemId> commonOrder(const ListSide& side, const ListSide& a, const ListSide& b)
{
    std::vector<ItemId> order;
    for (const ItemId& id : side.ids)
        if (a.has(id) && b.has(id))
            order.push_back(id);
    return order;
}

bool listConflicts(const ListSide& base, const ListSide& theirs, const ListSide& mine)
{
    bool removedByBoth = false;
    for (const ItemId& id : base.ids) {
        const bool inTheirs = theirs.has(id);
        const bool inMine = mine.has(id);
        const std::string& comment = base.commentOf(id);
        if (inTheirs && !inMine && theirs.commentOf(id) != comment)
            return true;
        if (!inTheirs && inMine && mine.commentOf(id) != comment)
            return true;
        if (inTheirs && inMine && theirs.commentOf(id) != comment &&
            mine.commentOf(id) != comment && theirs.commentOf(id) != mine.commentOf(id))
            return true;
        removedByBoth = removedByBoth || (!inTheirs && !inMine);
    }
    if (removedByBoth) {
        // Both took out an item and each put something else in: which
        // replacement was meant cannot be told.
        auto addsOwn = [&](const ListSide& side, const ListSide& other) {
            for (const ItemId& id : side.ids)
                if (!base.has(id) && !other.has(id))
                    return true;
            return false;
        };
        if (addsOwn(theirs, mine) && addsOwn(mine, theirs))
            return true;
    }
    const auto baseOrder = commonOrder(base, theirs, mine);
    const auto theirOrder = commonOrder(theirs, base, mine);
    const auto myOrder = commonOrder(mine, base, theirs);
    return theirOrder != baseOrder && myOrder != baseOrder && theirOrder != myOrder;
}

// `primary` gives the order; the removals, additions and comment changes of
// `other` are applied to it.
KeyValue combineLists(const ListSide& base, const ListSide& primary, const ListSide& other)
{
    std::set<ItemId> kept;
    std::vector<ItemId> order;
    for (const ItemId& id : primary.ids) {
        if (base.has(id) && !other.has(id))
            continue;
        kept.insert(id);
        order.push_back(id);
    }
    // Each item only `other` added goes behind the item it followed there;
    // those it added after all kept items go to the end.
    std::size_t lastKept = other.ids.size();
    for (std::size_t n = 0; n < other.ids.size(); ++n)
        if (kept.count(other.ids[n]))
            lastKept = n;
    std::vector<ItemId> atFront;
    std::vector<ItemId> atEnd;
    std::map<ItemId, std::vector<ItemId>> behind;
    const ItemId* anchor = nullptr;
    for (std::size_t n = 0; n < other.ids.size(); ++n) {
        const ItemId& id = other.ids[n];
        if (kept.count(id)) {
            anchor = &id;
            continue;
        }
        if (base.has(id))
            continue; // removed by primary
        if (anchor && n > lastKept)
            atEnd.push_back(id);
        else
            (anchor ? behind[*anchor] : atFront).push_back(id);
    }
    KeyValue result;
    result.list = true;
    auto emit = [&](const ItemId& id) {
        // Only `other` has it, or `other` changed its comment.
        const bool otherComment = !primary.has(id) || (other.has(id) && base.has(id) &&
                                                       other.commentOf(id) != base.commentOf(id));
        std::string comment = otherComment ? other.commentOf(id) : primary.commentOf(id);
        result.items.push_back(id.first);
        result.comments.push_back(std::move(comment));
    };
    for (const ItemId& id : atFront)
        emit(id);
    // Items primary added behind the same anchor stay next to it; those of
    // `other` follow them.
    const std::vector<ItemId>* pending = nullptr;
    auto flush = [&] {
        if (pending)
            for (const ItemId& addedId : *pending)
                emit(addedId);
        pending = nullptr;
    };
    for (const ItemId& id : order) {
        if (base.has(id) || other.has(id))
            flush();
        emit(id);
        const auto added = behind.find(id);
        if (added != behind.end()) {
            flush();
            pending = &added->second;
        }
    }
    flush();
    for (const ItemId& id : atEnd)
        emit(id);
    return result;
}

// The three-way choice of one part: the side that changed it, theirs when
// both made the same change; nullptr when both changed it differently.
const std::string* pick(const std::string& base, const std::string& theirs, const std::string& mine)
{
    if (mine == base || theirs == mine)
        return &theirs;
    if (theirs == base)
        return &mine;
    return nullptr;
}

const std::string& first(const std::vector<std::string>& texts)
{
    static const std::string none;
    return texts.empty() ? none : texts.front();
}

} // namespace

KeyMerge mergeKey(std::string key, const KeyValue& base, const KeyValue& theirs,
                  const KeyValue& mine)
{
    KeyMerge merge{std::move(key), MergeOutcome::Theirs, base, theirs, mine, theirs};
    if (mine == base || mine == theirs)
        return merge;
    if (theirs == base) {
        merge.outcome = MergeOutcome::Mine;
        merge.result = mine;
        return merge;
    }
    if (mine.list) {
        const ListSide baseSide(base), theirSide(theirs), mySide(mine);
        if (listConflicts(baseSide, theirSide, mySide)) {
            merge.outcome = MergeOutcome::Conflict;
            return merge;
        }
        // Theirs keeps its order unless only mine reordered the items.
        const bool onlyMineReordered =
            commonOrder(theirSide, baseSide, mySide) == commonOrder(baseSide, theirSide, mySide) &&
            commonOrder(mySide, baseSide, theirSide) != commonOrder(baseSide, theirSide, mySide);
        merge.result = onlyMineReordered ? combineLists(baseSide, mySide, theirSide)
                                         : combineLists(baseSide, theirSide, mySide);
    } else {
        const std::string* value = pick(first(base.items), first(theirs.items), first(mine.items));
        if (!value) {
            merge.outcome = MergeOutcome::Conflict;
            return merge;
        }
        const std::string* comment =
            pick(first(base.comments), first(theirs.comments), first(mine.comments));
        merge.result.items.assign(1, *value);
        merge.result.comments.assign(1, comment ? *comment : first(theirs.comments));
    }
    if (merge.result == theirs)
        merge.outcome = MergeOutcome::Theirs;
    else if (merge.result == mine)
        merge.outcome = MergeOutcome::Mine;
    else
        merge.outcome = MergeOutcome::Combined;
    return merge;
}

std::vector<KeyMerge> mergeSnapshots(const ConfigSnapshot& base, const ConfigSnapshot& theirs,
                                     const ConfigSnapshot& mine)
{
    std::vector<KeyMerge> merged;
    for (std::size_t n = 0; n < mine.size(); ++n) {
        const std::string& key = mine.keyAt(n);
        const KeyValue& myValue = mine.valueAt(n);
        const KeyValue* baseValue = base.find(key);
        const KeyValue* theirValue = theirs.find(key);
        if (!theirValue)
            continue; // a key the file's reader does not know cannot be written
        KeyMerge merge = mergeKey(key, baseValue ? *baseValue : *theirValue, *theirValue, myValue);
        if (merge.outcome != MergeOutcome::Theirs)
            merged.push_back(std::move(merge));
    }
    return merged;
}

} // namespace morva::config
