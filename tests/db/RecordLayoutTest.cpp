#include "db/RecordLayout.h"

#include <gtest/gtest.h>
#include <vector>

using namespace morva::db;

// Every byte of a record belongs to exactly one of: a separator, CR LF, the
// reserved field, or a field of the table.
TEST(RecordLayout, SeparatorsFieldsAndReservedTileEachRecord)
{
    for (const RecordLayout* layout : allLayouts()) {
        std::vector<int> owners(layout->length, 0);
        auto claim = [&](std::uint32_t offset, std::uint32_t width) {
            ASSERT_LE(offset + width, layout->length) << layout->fileName;
            for (std::uint32_t i = offset; i < offset + width; ++i)
                ++owners[i];
        };
        for (std::uint32_t at : layout->separators)
            claim(at, 1);
        claim(layout->length - 2, 2);
        claim(layout->reserved.offset, layout->reserved.width);
        for (const Field& field : layout->fields)
            claim(field.offset, field.width);
        for (std::uint32_t i = 0; i < layout->length; ++i)
            EXPECT_EQ(owners[i], 1) << layout->fileName << " byte " << i;
        EXPECT_EQ(layout->separators[0], 0u);
        EXPECT_EQ(layout->separators[1], 2u);
        EXPECT_EQ(layout->separators.back(), layout->length - 3);
    }
}

TEST(RecordLayout, LengthsAndCaches)
{
    struct Row
    {
        const RecordLayout& layout;
        const char* name;
        std::uint32_t length;
        std::uint32_t cache;
    };
    const Row rows[] = {{kAliaLayout, "DataAlia.DAT", 384, 100},
                        {kBlocLayout, "DataBloc.DAT", 256, 100},
                        {kUserLayout, "DataUser.DAT", 256, 100},
                        {kDummLayout, "DataDumm.DAT", 64, 100},
                        {kConfLayout, "DATACONF.DAT", 256, 0}};
    for (const Row& row : rows) {
        EXPECT_EQ(row.layout.fileName, row.name);
        EXPECT_EQ(row.layout.length, row.length) << row.name;
        EXPECT_EQ(row.layout.cacheRecords, row.cache) << row.name;
    }
}
