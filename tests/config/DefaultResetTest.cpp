#include "config/DefaultReset.h"

#include "config/ConfigStore.h"
#include "config/Schema.h"
#include "platform/Clock.h"
#include "platform/SystemFileSystem.h"

#include <gtest/gtest.h>
#include <variant>

using namespace morva;
using config::ValueKind;

TEST(DefaultReset, EveryKeyOfTheSchemaComesBackToItsDefault)
{
    auto fs = platform::makeSystemFileSystem();
    platform::FakeClock clock;
    config::ConfigStore store(*fs, clock, "/nonexistent-morva-dir/");
    config::registerSchema(store);
    std::vector<std::string> keys;
    store.forEachEntry([&](const config::ConfigEntry& entry) { keys.push_back(entry.name); });
    ASSERT_EQ(keys.size(), 1439u);
    for (const std::string& key : keys) {
        const auto entry = store.find(key);
        EXPECT_FALSE(config::resetToDefault(store, key)) << key << " already holds its default";
        switch (entry->kind) {
        case ValueKind::String:
            store.setString(key, std::get<std::string>(entry->defaultValue) + "x");
            break;
        case ValueKind::Int:
            store.setInt(key, std::get<std::int32_t>(entry->defaultValue) + 1);
            break;
        case ValueKind::Bool:
            store.setBool(key, !std::get<bool>(entry->defaultValue));
            break;
        default:
            store.setList(key, {"10.1.2.0/24"});
            store.setItemComments(key, {"a comment"});
            break;
        }
        ASSERT_FALSE(store.isDefault(key)) << key;
        EXPECT_TRUE(config::resetToDefault(store, key)) << key;
        EXPECT_TRUE(store.isDefault(key)) << key;
        for (const std::string& comment : store.getItemComments(key))
            EXPECT_TRUE(comment.empty()) << key;
    }
    EXPECT_FALSE(config::resetToDefault(store, "NoSuchKey"));
}
