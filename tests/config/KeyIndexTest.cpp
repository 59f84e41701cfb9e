#include "config/KeyIndex.h"

#include <gtest/gtest.h>
#include <string>

using morva::config::KeyIndex;

TEST(KeyIndex, KeepsTheFirstNumberOfEachKeyThroughGrowth)
{
    KeyIndex index; // no size given: grows from the smallest table
    for (std::size_t i = 0; i < 5000; ++i)
        ASSERT_TRUE(index.tryAdd("key" + std::to_string(i), i).second);
    // Keys that are prefixes of others, and the empty key, stay apart.
    EXPECT_TRUE(index.tryAdd("key1\t", 9000).second);
    EXPECT_TRUE(index.tryAdd("", 9001).second);
    EXPECT_EQ(index.size(), 5002u);

    for (std::size_t i = 0; i < 5000; ++i) {
        const auto [first, added] = index.tryAdd("key" + std::to_string(i), 7);
        EXPECT_FALSE(added);
        EXPECT_EQ(first, i);
    }
    ASSERT_NE(index.find("key1\t"), nullptr);
    EXPECT_EQ(*index.find("key1\t"), 9000u);
    EXPECT_EQ(*index.find(""), 9001u);
    EXPECT_EQ(index.find("key5000"), nullptr);
    EXPECT_EQ(index.find("Key1"), nullptr) << "keys are compared as they are";
    EXPECT_EQ(KeyIndex().find("x"), nullptr);
}
