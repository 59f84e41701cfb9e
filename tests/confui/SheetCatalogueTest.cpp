#include "config/ConfigStore.h"
#include "config/Schema.h"
#include "confui/Catalogue.h"
#include "confui/sheets/AdvancedSheet.h"
#include "platform/Clock.h"
#include "platform/SystemFileSystem.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <iostream>
#include <map>
#include <set>
#include <sstream>

using namespace morva::confui;
using morva::config::ValueKind;

namespace {

struct SchemaStore
{
    std::unique_ptr<morva::platform::FileSystem> fs = morva::platform::makeSystemFileSystem();
    morva::platform::FakeClock clock;
    morva::config::ConfigStore store{*fs, clock, "/nonexistent-morva-dir/"};
    SchemaStore() { morva::config::registerSchema(store); }
};

// Every key a page reaches: its bound keys and the lists behind its
// Exclude buttons.
std::set<std::string> reachableKeys(const PageDef& page)
{
    std::set<std::string> keys;
    for (const Control& control : page.controls) {
        for (const std::string& key : boundKeys(control))
            keys.insert(key);
        if (control.kind == ControlKind::ExcludeButton)
            for (const std::string& key : exclusionKeys(control.stem, control.shape))
                keys.insert(key);
    }
    return keys;
}

} // namespace

// Keys a page names that another page of the same sheet binds instead: bound
// on both, the page saved later would write back its stale copy over a change
// made on the other.
const std::map<std::pair<std::string, std::string>, std::string> kBoundElsewhere = {
    {{"IniExclDNSWL", "InboundExclSLSIPHeader"}, "IniExclSLS"},
    {{"IniExclOth", "InboundExclSPF"}, "IniExclSPF"},
};

TEST(SheetCatalogue, EveryPageReachesTheKeysItNames)
{
    SchemaStore schema;
    std::ifstream in(std::string(MORVA_SOURCE_DIR) + "/tests/confui/data/page-keys.txt");
    ASSERT_TRUE(in);
    std::string line;
    int pagesChecked = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream words(line);
        std::string pageName, name;
        words >> pageName;
        const PageDef* page = catalogue().page(pageName);
        if (!page) {
            ADD_FAILURE() << "page " << pageName << " is not in the catalogue";
            continue;
        }
        ++pagesChecked;
        const std::set<std::string> reachable = reachableKeys(*page);
        while (words >> name) {
            auto elsewhere = kBoundElsewhere.find({pageName, name});
            const PageDef* owner =
                elsewhere == kBoundElsewhere.end() ? page : catalogue().page(elsewhere->second);
            ASSERT_TRUE(owner);
            const std::set<std::string> keys = owner == page ? reachable : reachableKeys(*owner);
            if (schema.store.contains(name)) {
                EXPECT_TRUE(keys.count(name)) << pageName << " does not reach " << name;
                continue;
            }
            // An exclusion stem: its lists must be reachable.
            const std::string ip = name + "IP", host = name + "Host";
            ASSERT_TRUE(schema.store.contains(ip) || schema.store.contains(host))
                << pageName << ": " << name << " is neither a key nor an exclusion stem";
            EXPECT_TRUE(keys.count(schema.store.contains(ip) ? ip : host))
                << pageName << " does not reach the exclusions of " << name;
        }
    }
    EXPECT_GE(pagesChecked, 80);
}

TEST(SheetCatalogue, EveryBoundKeyIsInTheSchemaWithAFittingKind)
{
    SchemaStore schema;
    for (const PageDef& page : catalogue().pages()) {
        for (const Control& control : page.controls) {
            for (const std::string& key : boundKeys(control)) {
                const auto entry = schema.store.find(key);
                if (!entry) {
                    ADD_FAILURE() << page.name << ": " << key << " is not in the schema";
                    continue;
                }
                std::set<ValueKind> fitting;
                switch (control.kind) {
                case ControlKind::Check:
                    fitting = {ValueKind::Bool};
                    break;
                case ControlKind::Text:
                case ControlKind::Path:
                case ControlKind::Password:
                    fitting = {ValueKind::String};
                    break;
                case ControlKind::Number:
                case ControlKind::PurgeDays:
                case ControlKind::ActionCombo:
                case ControlKind::OutboundActionCombo:
                    fitting = {ValueKind::Int};
                    break;
                case ControlKind::Combo:
                    fitting = {ValueKind::Int, ValueKind::String, ValueKind::Bool};
                    break;
                case ControlKind::List:
                    fitting = {control.listKind == ListKind::Ip          ? ValueKind::NetList
                               : control.listKind == ListKind::Converted ? ValueKind::TextList
                                                                         : ValueKind::StringList};
                    break;
                default:
                    break;
                }
                EXPECT_TRUE(fitting.count(entry->kind))
                    << page.name << ": " << key << " has a kind its control cannot hold";
            }
            if (control.kind == ControlKind::ExcludeButton) {
                const auto keys = exclusionKeys(control.stem, control.shape);
                for (const std::string& key : keys)
                    EXPECT_TRUE(schema.store.contains(key)) << page.name << ": " << key;
            }
        }
    }
}

TEST(SheetCatalogue, NoKeyIsBoundByTwoPagesOfOneSheet)
{
    for (const SheetDef& sheet : catalogue().sheets()) {
        std::map<std::string, std::string> boundBy;
        for (const SheetPage& entry : sheet.pages) {
            const PageDef* page = catalogue().page(entry.page);
            if (!page)
                continue;
            for (const Control& control : page->controls)
                for (const std::string& key : boundKeys(control)) {
                    auto [it, fresh] = boundBy.emplace(key, page->name);
                    EXPECT_TRUE(fresh) << "sheet " << sheet.type << ": " << key << " on "
                                       << it->second << " and " << page->name;
                }
        }
    }
}

TEST(SheetCatalogue, SystemAndGeneralSheetsShareTheRelayPage)
{
    const SheetDef* general = catalogue().sheet(2);
    const SheetDef* system = catalogue().sheet(6);
    ASSERT_TRUE(general && system);
    EXPECT_EQ(system->pages.back().page, "IniRel");
    EXPECT_TRUE(std::any_of(general->pages.begin(), general->pages.end(),
                            [](const SheetPage& p) { return p.page == "IniRel"; }));
    // The Phishing page is built but belongs to no sheet.
    ASSERT_TRUE(catalogue().page("IniPhi"));
    for (const SheetDef& sheet : catalogue().sheets())
        for (const SheetPage& entry : sheet.pages)
            EXPECT_NE(entry.page, "IniPhi") << "sheet " << sheet.type;
}

TEST(SheetCatalogue, UnboundKeysAreListed)
{
    SchemaStore schema;
    std::set<std::string> reachable;
    for (const PageDef& page : catalogue().pages())
        for (const std::string& key : reachableKeys(page))
            reachable.insert(key);
    std::vector<std::string> unbound;
    schema.store.forEachEntry([&](const morva::config::ConfigEntry& entry) {
        if (!reachable.count(entry.name))
            unbound.push_back(entry.name);
    });
    std::ofstream out(std::string(MORVA_BINARY_DIR) + "/keys-without-page.txt");
    for (const std::string& key : unbound)
        out << key << "\n";
    std::cout << unbound.size() << " keys without a page\n";
}
