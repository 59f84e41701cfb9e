#include "confui/browser/SettingsSearch.h"

#include "config/ConfigStore.h"
#include "config/Schema.h"
#include "confui/Catalogue.h"
#include "confui/browser/EditDistance.h"
#include "confui/browser/SearchWords.h"
#include "confui/browser/SettingsFilter.h"
#include "confui/browser/SettingsIndex.h"
#include "platform/Clock.h"
#include "platform/SystemFileSystem.h"
#include "resources/Texts.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

using namespace morva;
using namespace morva::confui;

namespace {

using Words = std::vector<std::string>;

// The whole schema and catalogue, built once for all tests (the index
// keeps no reference to the store).
struct Schema
{
    std::unique_ptr<platform::FileSystem> fs = platform::makeSystemFileSystem();
    platform::FakeClock clock;
    config::ConfigStore store{*fs, clock, "/nonexistent-morva-dir/"};
    std::unique_ptr<SettingsIndex> index;
    Schema()
    {
        config::registerSchema(store);
        index = std::make_unique<SettingsIndex>(store, catalogue());
    }
};

const Schema& schema()
{
    static const Schema built;
    return built;
}

std::vector<std::string> keysFound(const SettingsSearch& search, std::string_view text,
                                   int language = English)
{
    std::vector<std::string> keys;
    for (const SearchHit& hit : search.find(text, language))
        keys.push_back(schema().index->at(hit.setting).key);
    return keys;
}

bool contains(const std::vector<std::string>& keys, const std::string& key)
{
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

} // namespace

TEST(SearchWords, FoldCaseAccentsAndAccessKeys)
{
    EXPECT_EQ(searchWords("Grün&liste: Éléments, Straße"),
              (Words{"grunliste", "elements", "strasse"}));
    EXPECT_EQ(searchWords("l'adresse IP (10.0.0.1) \xC2\xA0 Œuvre"),
              (Words{"l", "adresse", "ip", "10", "0", "0", "1", "oeuvre"}));
    // Characters beyond Latin-1 stay part of their word.
    EXPECT_EQ(searchWords("a\xE2\x82\xAC"
                          "b c"),
              (Words{"a\xE2\x82\xAC"
                     "b",
                     "c"}));
    EXPECT_TRUE(searchWords(" -- & ").empty());
}

TEST(SearchWords, KeysSplitAtCamelCaseCapitalRunsAndDigits)
{
    EXPECT_EQ(keyWords("InboundGreyListMinTime"),
              (Words{"inbound", "grey", "list", "min", "time"}));
    EXPECT_EQ(keyWords("InboundBlockSPFNDRTyp"), (Words{"inbound", "block", "spfndr", "typ"}));
    EXPECT_EQ(keyWords("SMTP2Port"), (Words{"smtp", "2", "port"}));
    EXPECT_EQ(keyWords("DSN"), (Words{"dsn"}));
    EXPECT_EQ(foldedKey("InboundGreyListMinTime"), "inboundgreylistmintime");
}

TEST(EditDistance, CountsEditsUpToTheLimit)
{
    EXPECT_EQ(boundedEditDistance("kitten", "sitting", 5), 3u);
    EXPECT_EQ(boundedEditDistance("kitten", "sitting", 2), 3u); // limit + 1
    EXPECT_EQ(boundedEditDistance("", "abc", 3), 3u);
    EXPECT_EQ(boundedEditDistance("abc", "abc", 0), 0u);
    EXPECT_EQ(boundedEditDistance("a", "abcdef", 2), 3u);
    EXPECT_EQ(boundedPrefixEditDistance("inbundgrey", "inboundgreylistmintime", 2), 1u);
    EXPECT_EQ(boundedPrefixEditDistance("xyz", "inbound", 2), 3u);
}

TEST(SettingsIndex, HoldsEveryKeyWithKindDefaultAndPlaces)
{
    const SettingsIndex& index = *schema().index;
    ASSERT_EQ(index.size(), 1439u);
    EXPECT_EQ(index.at(0).key, "Verbose");
    EXPECT_EQ(index.at(0).defaultText, "True");

    const auto grey = index.indexOf("InboundGreyListMinTime");
    ASSERT_TRUE(grey);
    const SettingInfo& info = index.at(*grey);
    EXPECT_EQ(info.kind, config::ValueKind::Int);
    ASSERT_FALSE(info.places.empty());
    EXPECT_EQ(info.places.front().page, "IniGrey");
    EXPECT_EQ(info.places.front().label, "confui.IniGrey.InboundGreyListMinTime");
    EXPECT_GT(info.places.front().sheetType, 0);
    EXPECT_FALSE(index.indexOf("inboundgreylistmintime")); // keys match exactly

    // A list behind an Exclude button: the button's page, the list's caption.
    const auto excluded = index.indexOf("InboundGreyListExclIP");
    ASSERT_TRUE(excluded);
    ASSERT_FALSE(index.at(*excluded).places.empty());
    EXPECT_EQ(index.at(*excluded).places.front().page, "IniGrey");
    EXPECT_EQ(index.at(*excluded).places.front().label, "confui.page.ExclIP");

    // Pages of no sheet (the Phishing page) give no place.
    for (const SettingInfo& setting : index.settings())
        for (const SettingPlace& place : setting.places)
            EXPECT_NE(place.page, "IniPhi") << setting.key;
}

TEST(SettingsIndex, PlainLabelsDropAccessKeysAndTrailingColons)
{
    EXPECT_EQ(plainLabel("&Minimum time:  "), "Minimum time");
    EXPECT_EQ(plainLabel("Tom && Jerry\tx"), "Tom & Jerry x");
    EXPECT_EQ(plainLabel(""), "");
}

TEST(SettingsSearch, EveryKeyIsFoundFirstByItsKey)
{
    const SettingsSearch search(*schema().index);
    for (std::size_t i = 0; i < schema().index->size(); ++i) {
        const std::string& key = schema().index->at(i).key;
        const auto hits = search.find(key, German);
        ASSERT_FALSE(hits.empty()) << key;
        EXPECT_EQ(hits.front().setting, i) << key;
        EXPECT_EQ(hits.front().rank, MatchRank::ExactKey) << key;
    }
}

TEST(SettingsSearch, WordPrefixesOfKeysLabelsAndCaptionsMatch)
{
    const SettingsSearch search(*schema().index);
    const auto greyMin = keysFound(search, "grey min");
    EXPECT_TRUE(contains(greyMin, "InboundGreyListMinTime"));
    EXPECT_FALSE(contains(greyMin, "InboundGreyList")); // no word begins with "min"
    EXPECT_FALSE(contains(greyMin, "SmartHost"));
    EXPECT_TRUE(contains(keysFound(search, "GreyListMin"), "InboundGreyListMinTime"));
    EXPECT_TRUE(contains(keysFound(search, "mintime grey"), "InboundGreyListMinTime"));

    // The key's label in German and in French, typed without accents, from
    // a console in English.
    const std::string german(text("confui.IniGrey.InboundGreyListMinTime", German));
    const std::string french(text("confui.IniGrey.InboundGreyListMinTime", French));
    for (const std::string& label : {german, french}) {
        std::string query;
        for (const std::string& word : searchWords(label))
            query += word.substr(0, 4) + " ";
        EXPECT_TRUE(contains(keysFound(search, query, English), "InboundGreyListMinTime")) << query;
    }
    EXPECT_TRUE(keysFound(search, "grey zzqx").empty());
}

TEST(SettingsSearch, RanksExactKeyThenKeyPrefixThenKeyWordsThenLanguage)
{
    const SettingsSearch search(*schema().index);
    const auto hits = search.find("InboundGreyList", English);
    ASSERT_GE(hits.size(), 3u);
    EXPECT_EQ(schema().index->at(hits[0].setting).key, "InboundGreyList");
    EXPECT_EQ(hits[0].rank, MatchRank::ExactKey);
    EXPECT_EQ(hits[1].rank, MatchRank::KeyPrefix);
    EXPECT_TRUE(
        std::is_sorted(hits.begin(), hits.end(),
                       [](const SearchHit& a, const SearchHit& b) { return a.rank < b.rank; }));

    // "grey" is a word of many keys; a German-only word ranks by language.
    for (const SearchHit& hit : search.find("grey", English)) {
        if (hit.rank == MatchRank::KeyWords) {
            EXPECT_NE(schema().index->at(hit.setting).key.find("Grey"), std::string::npos);
        }
    }
    const std::string german(text("confui.IniGrey.InboundGreyListMinTime", German));
    const std::string firstWord = searchWords(german).front();
    bool ranked = false;
    for (const SearchHit& hit : search.find(firstWord, German))
        if (schema().index->at(hit.setting).key == "InboundGreyListMinTime")
            ranked = hit.rank == MatchRank::Language || hit.rank <= MatchRank::KeyWords;
    EXPECT_TRUE(ranked) << firstWord;
}

TEST(SettingsSearch, CurrentValuesAndHelpAnchorsAreFound)
{
    const std::string dir = "/nonexistent-morva-dir/";
    auto fs = platform::makeSystemFileSystem();
    platform::FakeClock clock;
    config::ConfigStore store(*fs, clock, dir);
    config::registerSchema(store);
    store.setString("SmartHost", "relay.example.org");
    store.setList("SMTPRelayAllowIP", {"192.168.77.0/24"});
    SettingsSearch search(*schema().index);
    EXPECT_FALSE(contains(keysFound(search, "relay.example"), "SmartHost"));
    search.setValues(store);
    EXPECT_TRUE(contains(keysFound(search, "relay.example"), "SmartHost"));
    EXPECT_TRUE(contains(keysFound(search, "192.168.77"), "SMTPRelayAllowIP"));
    search.setValue(*schema().index->indexOf("SmartHost"), "other.example");
    EXPECT_FALSE(contains(keysFound(search, "relay.example"), "SmartHost"));

    const SettingInfo& grey = schema().index->at(*schema().index->indexOf("InboundGreyList"));
    ASSERT_FALSE(grey.places.front().helpAnchor.empty());
    EXPECT_TRUE(contains(keysFound(search, grey.places.front().helpAnchor), "InboundGreyList"));
}

TEST(SettingsSearch, AnEmptyTextListsEverySetting)
{
    const SettingsSearch search(*schema().index);
    EXPECT_EQ(search.find("", English).size(), 1439u);
    EXPECT_EQ(search.find(" ,; ", English).size(), 1439u);
}

TEST(SettingsSearch, NearestKeysOfATextWithoutMatches)
{
    const SettingsSearch search(*schema().index);
    ASSERT_TRUE(search.find("InbundGreyListMinTim", English).empty());
    const auto near = search.nearestKeys("InbundGreyListMinTim");
    ASSERT_FALSE(near.empty());
    EXPECT_EQ(near.front(), "InboundGreyListMinTime");
    // A typo in the beginning of a long key.
    EXPECT_TRUE(contains(search.nearestKeys("InbundGreyLis", 10), "InboundGreyList"));
    EXPECT_LE(search.nearestKeys("zzqxv zzqxv", 5).size(), 5u);
    EXPECT_TRUE(search.nearestKeys("qqqqqqqqqqqqqqqqqqqq").empty());
    EXPECT_TRUE(search.nearestKeys("").empty());
}

TEST(SettingsFilter, ChangedSheetKindListsAndNoPage)
{
    const SettingsIndex& index = *schema().index;
    const SettingInfo& grey = index.at(*index.indexOf("InboundGreyListMinTime"));
    const SettingInfo& relay = index.at(*index.indexOf("SMTPRelayAllowIP"));
    const SettingInfo& unplaced = index.at(*index.indexOf("NAGIOSAllowIP"));
    ASSERT_TRUE(unplaced.places.empty());
    auto filter = [](auto set) {
        SettingsFilter made;
        set(made);
        return made;
    };

    EXPECT_TRUE(SettingsFilter{}.passes(grey, true));
    const auto changed = filter([](SettingsFilter& f) { f.changedOnly = true; });
    EXPECT_FALSE(changed.passes(grey, true));
    EXPECT_TRUE(changed.passes(grey, false));
    const int greySheet = grey.places.front().sheetType;
    EXPECT_TRUE(filter([&](SettingsFilter& f) { f.sheetType = greySheet; }).passes(grey, true));
    EXPECT_FALSE(
        filter([&](SettingsFilter& f) { f.sheetType = greySheet + 1000; }).passes(grey, true));
    EXPECT_FALSE(
        filter([&](SettingsFilter& f) { f.sheetType = greySheet; }).passes(unplaced, true));
    EXPECT_TRUE(
        filter([](SettingsFilter& f) { f.kind = config::ValueKind::Int; }).passes(grey, true));
    EXPECT_FALSE(
        filter([](SettingsFilter& f) { f.kind = config::ValueKind::Bool; }).passes(grey, true));
    const auto lists = filter([](SettingsFilter& f) { f.listsOnly = true; });
    EXPECT_TRUE(lists.passes(relay, true));
    EXPECT_FALSE(lists.passes(grey, true));
    const auto noPage = filter([](SettingsFilter& f) { f.noPageOnly = true; });
    EXPECT_TRUE(noPage.passes(unplaced, true));
    EXPECT_FALSE(noPage.passes(relay, true));
    // Every filter set must hold.
    const auto changedLists = filter([](SettingsFilter& f) {
        f.changedOnly = true;
        f.listsOnly = true;
    });
    EXPECT_FALSE(changedLists.passes(relay, true));
    EXPECT_TRUE(changedLists.passes(relay, false));

    std::size_t onNoPage = 0;
    for (const SettingInfo& setting : index.settings())
        onNoPage += noPage.passes(setting, true) ? 1 : 0;
    EXPECT_EQ(onNoPage, 630u);
}

TEST(SettingsFilter, ValueSummariesShowCountAndFirstItemsOnOneLine)
{
    config::ConfigEntry entry;
    entry.kind = config::ValueKind::StringList;
    entry.value = config::StringList{"a.example", "b\texample", "c.example", "d.example"};
    EXPECT_EQ(valueSummary(entry), "4: a.example, b example, c.example, ...");
    EXPECT_EQ(valueSummary(entry, 4), "4: a.example, b example, c.example, d.example");
    entry.value = config::StringList{};
    EXPECT_EQ(valueSummary(entry), "0");
    entry.kind = config::ValueKind::Bool;
    entry.value = true;
    EXPECT_EQ(valueSummary(entry), "True");
    entry.kind = config::ValueKind::String;
    entry.value = std::string("x\ny");
    EXPECT_EQ(valueSummary(entry), "x y");
}
