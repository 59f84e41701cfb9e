#include "config/ConfigMerge.h"

#include "config/ChangeRows.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

using namespace morva::config;

namespace {

KeyValue single(std::string text, std::string comment = {})
{
    return KeyValue{false, {std::move(text)}, {std::move(comment)}};
}

// Items written "value" or "value;comment".
KeyValue list(std::vector<std::string> items)
{
    KeyValue value{true, {}, {}};
    for (auto& item : items) {
        const auto semicolon = item.find(';');
        value.items.push_back(item.substr(0, semicolon));
        value.comments.push_back(semicolon == std::string::npos ? std::string()
                                                                : item.substr(semicolon + 1));
    }
    return value;
}

struct Case
{
    const char* name;
    KeyValue base;
    KeyValue theirs;
    KeyValue mine;
    MergeOutcome outcome;
    KeyValue result;
};

} // namespace

TEST(ConfigMerge, TableOfThreeWayMerges)
{
    using O = MergeOutcome;
    const Case cases[] = {
        {"nobody changed it", single("a"), single("a"), single("a"), O::Theirs, single("a")},
        {"only mine changed it", single("a"), single("a"), single("m"), O::Mine, single("m")},
        {"only theirs changed it", single("a"), single("t"), single("a"), O::Theirs, single("t")},
        {"both changed it to the same value", single("a"), single("x"), single("x"), O::Theirs,
         single("x")},
        {"both changed it differently", single("a"), single("t"), single("m"), O::Conflict,
         single("t")},
        {"removed on disk, mine left it", single("2525"), single("25"), single("2525"), O::Theirs,
         single("25")},
        {"removed on disk, mine changed it", single("2525"), single("25"), single("587"),
         O::Conflict, single("25")},
        {"comment added on disk, value changed by mine", single("a"), single("a", "why"),
         single("m"), O::Combined, single("m", "why")},
        {"both set the comment differently: the file's stands", single("a", "x"), single("t", "y"),
         single("a", "z"), O::Theirs, single("t", "y")},
        {"list: only mine added", list({"a"}), list({"a"}), list({"a", "m"}), O::Mine,
         list({"a", "m"})},
        {"list: both added different items", list({"a", "b"}), list({"a", "b", "t"}),
         list({"a", "b", "m"}), O::Combined, list({"a", "b", "t", "m"})},
        {"list: both added the same item", list({"a"}), list({"a", "x"}), list({"a", "x"}),
         O::Theirs, list({"a", "x"})},
        {"list: mine added in the middle, theirs at the end", list({"a", "b"}),
         list({"a", "b", "t"}), list({"a", "m", "b"}), O::Combined, list({"a", "m", "b", "t"})},
        {"list: mine removed, theirs added", list({"a", "b"}), list({"a", "b", "t"}), list({"b"}),
         O::Combined, list({"b", "t"})},
        {"list: each removed another item", list({"a", "b", "c"}), list({"a", "c"}),
         list({"b", "c"}), O::Combined, list({"c"})},
        {"list: both removed the same item", list({"a", "b"}), list({"b"}), list({"b"}), O::Theirs,
         list({"b"})},
        {"list: mine changed a comment, theirs added", list({"a", "b"}), list({"a", "b", "t"}),
         list({"a;new", "b"}), O::Combined, list({"a;new", "b", "t"})},
        {"list: a comment added on disk stays", list({"a", "b"}), list({"a;why", "b"}),
         list({"a", "b", "m"}), O::Combined, list({"a;why", "b", "m"})},
        {"list: theirs removed what mine commented", list({"a", "b"}), list({"b"}),
         list({"a;note", "b"}), O::Conflict, list({"b"})},
        {"list: both commented one item differently", list({"a"}), list({"a;t", "x"}),
         list({"a;m"}), O::Conflict, list({"a;t", "x"})},
        {"list: both replaced one item differently", list({"a", "b"}), list({"a", "t"}),
         list({"a", "m"}), O::Conflict, list({"a", "t"})},
        {"list: theirs reordered, mine added", list({"a", "b", "c"}), list({"c", "b", "a"}),
         list({"a", "b", "c", "m"}), O::Combined, list({"c", "b", "a", "m"})},
        {"list: mine reordered, theirs added", list({"a", "b"}), list({"a", "b", "t"}),
         list({"b", "a"}), O::Combined, list({"b", "a", "t"})},
        {"list: both reordered differently", list({"a", "b", "c"}), list({"c", "a", "b"}),
         list({"b", "c", "a"}), O::Conflict, list({"c", "a", "b"})},
        {"list: removed on disk, mine left it", list({"a", "b"}), list({}), list({"a", "b"}),
         O::Theirs, list({})},
        {"list: removed on disk, mine added", list({"a"}), list({}), list({"a", "m"}), O::Combined,
         list({"m"})},
        {"list: equal items counted", list({"a", "a"}), list({"a"}), list({"a", "a", "a"}),
         O::Combined, list({"a", "a"})},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        const KeyMerge merge = mergeKey("Key", test.base, test.theirs, test.mine);
        EXPECT_EQ(merge.outcome, test.outcome);
        EXPECT_EQ(merge.result.items, test.result.items);
        EXPECT_EQ(merge.result.comments, test.result.comments);
    }
}

TEST(ConfigMerge, SnapshotsMergeOnlyTheKeysMineChanged)
{
    auto snapshot = [](std::vector<std::pair<std::string, KeyValue>> values) {
        ConfigSnapshot result;
        for (auto& [key, value] : values)
            result.add(key, value);
        return result;
    };
    const ConfigSnapshot base =
        snapshot({{"A", single("1")}, {"B", single("1")}, {"C", single("1")}});
    const ConfigSnapshot theirs =
        snapshot({{"A", single("2")}, {"B", single("1")}, {"C", single("3")}});
    const ConfigSnapshot mine =
        snapshot({{"A", single("1")}, {"B", single("5")}, {"C", single("4")}});
    const auto merged = mergeSnapshots(base, theirs, mine);
    ASSERT_EQ(merged.size(), 2u);
    EXPECT_EQ(merged[0].key, "B");
    EXPECT_EQ(merged[0].outcome, MergeOutcome::Mine);
    EXPECT_EQ(merged[1].key, "C");
    EXPECT_EQ(merged[1].outcome, MergeOutcome::Conflict);
}

TEST(ChangeRows, ListsChangedValuesAddedAndRemovedItemsWithSecretsMasked)
{
    const auto rows = changeRows({
        {"SmartHost", "old.example", "new.example"},
        {"SMTPRelayAllowIP", "10.0.0.0/8\n192.168.1.0/24", "192.168.1.0/24\n172.16.0.0/12"},
        {"OutboundSMTPAuthPassword", "old secret", "new secret"},
        {"InboundSMTPAuthUserPass", "anna pw1", "anna pw1\nbert pw2"},
        {"SmartHostPort", "25", "25"},
        {"SMTPRelayAllowIP", "a\nb", "b\na"},
    });
    using K = ChangeRow::Kind;
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].kind, K::Changed);
    EXPECT_EQ(rows[0].newText, "new.example");
    EXPECT_EQ(rows[1].kind, K::ItemRemoved);
    EXPECT_EQ(rows[1].oldText, "10.0.0.0/8");
    EXPECT_EQ(rows[2].kind, K::ItemAdded);
    EXPECT_EQ(rows[2].newText, "172.16.0.0/12");
    EXPECT_EQ(rows[3].oldText, "********");
    EXPECT_EQ(rows[3].newText, "********");
    EXPECT_EQ(rows[4].kind, K::ItemAdded);
    EXPECT_EQ(rows[4].newText, "bert ********");
}
