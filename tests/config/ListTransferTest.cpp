// Export and import of list settings, and the 8-bit text mapping beneath
// them: what a row is checked against, which rows are repeats, and that a
// list written out reads back as it stood.
#include "config/ListTransfer.h"

#include "config/ConfigStore.h"
#include "config/EightBitText.h"
#include "config/Schema.h"
#include "platform/Clock.h"
#include "resources/Texts.h"
#include "support/MemoryFileSystem.h"

#include <gtest/gtest.h>

using namespace morva::config;

namespace {

struct ListTransfer : ::testing::Test
{
    morva::test::MemoryFileSystem fs;
    morva::platform::FakeClock clock;
    ConfigStore store{fs, clock, "/gw/"};

    ListTransfer() { registerSchema(store); }

    ImportPlan plan(std::string_view key, std::string_view bytes,
                    TransferFormat format = TransferFormat::Csv,
                    ImportMode mode = ImportMode::Append, std::vector<std::string> existing = {})
    {
        ImportPlan result;
        EXPECT_TRUE(
            planListImport(*listTarget(store, key), bytes, format, mode, existing, &result));
        return result;
    }
};

std::vector<RowMark> marks(const ImportPlan& plan)
{
    std::vector<RowMark> all;
    for (const ImportRow& row : plan.rows)
        all.push_back(row.mark);
    return all;
}

} // namespace

TEST(EightBitText, MapsTheGatewayCodePageAndRefusesWhatItCannotHold)
{
    EXPECT_EQ(eightBitToUtf8("caf\xE9 \x80"), "caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(eightBitToUtf8("caf\xC3\xA9"), "caf\xC3\xA9") << "UTF-8 bytes read as UTF-8";
    std::string bytes, refused;
    EXPECT_TRUE(utf8ToEightBit("caf\xC3\xA9 \xE2\x82\xAC", &bytes));
    EXPECT_EQ(bytes, "caf\xE9 \x80");
    EXPECT_FALSE(utf8ToEightBit("\xE2\x86\x92 arrow", &bytes, &refused));
    EXPECT_EQ(refused, "\xE2\x86\x92");
    // "Ã©" in 8 bits is C3 A9, which would read back as "é".
    EXPECT_FALSE(utf8ToEightBit("\xC3\x83\xC2\xA9", &bytes));
    EXPECT_EQ(utf8ToEightBitLossy("a\xE2\x86\x92"
                                  "b",
                                  &bytes),
              1u);
    EXPECT_EQ(bytes, "a?b");
    EXPECT_EQ(fileTextAsUtf8("\xEF\xBB\xBFx"), "x");
}

TEST_F(ListTransfer, ChecksEveryRowAsTheEntryDialogsDo)
{
    const ImportPlan ip = plan("SMTPRelayAllowIP", "entry,comment\r\n"
                                                   "10.1.,office\r\n"
                                                   "192.168.1.7,\r\n"
                                                   "not a network,x\r\n"
                                                   "\"10.2.0.0/16\nx\",\r\n"
                                                   "10.1.0.0/16,again\r\n"
                                                   "a,b,c\r\n");
    ASSERT_EQ(ip.rows.size(), 6u) << "the header row is no entry";
    EXPECT_EQ(ip.rows[0].stored, (std::vector<std::string>{"10.1.0.0/16", "office"}));
    EXPECT_EQ(ip.rows[1].stored[0], "192.168.1.7");
    EXPECT_EQ(marks(ip),
              (std::vector<RowMark>{RowMark::Accepted, RowMark::Accepted, RowMark::Refused,
                                    RowMark::Refused, RowMark::RepeatedInFile, RowMark::Refused}));
    EXPECT_EQ(ip.rows[2].line, 4u);
    EXPECT_EQ(ip.rows[2].messageId, "confui.invalidNetwork");
    EXPECT_EQ(ip.rows[3].messageId, "import.controlCharacter") << "a line break inside an entry";
    EXPECT_EQ(ip.rows[4].other, 2u) << "repeats line 2";
    EXPECT_EQ(ip.rows[5].messageId, "import.columnCount");
    EXPECT_EQ(importRowMessage(ip.rows[5], morva::English),
              "The row has 3 columns; 2 are expected.");
    EXPECT_FALSE(ip.importable(false));
    EXPECT_TRUE(ip.importable(true));

    // The entry dialog's own check on top, and repeats of the list ignoring case.
    ListTarget addresses = *listTarget(store, "SLSExclFromAddress");
    addresses.entryCheck = [](std::string_view entry) {
        return entry.find("@@") == std::string_view::npos ? ValueCheck{}
                                                          : ValueCheck{"confui.invalidEmail", {}};
    };
    ImportPlan from;
    ASSERT_TRUE(planListImport(addresses, "A@Example.org\nuser@@x\nnew@example.org\n",
                               TransferFormat::Text, ImportMode::Append, {"a@example.org"}, &from));
    EXPECT_EQ(marks(from),
              (std::vector<RowMark>{RowMark::AlreadyPresent, RowMark::Refused, RowMark::Accepted}));
    EXPECT_EQ(from.rows[0].other, 1u);
    EXPECT_EQ(plan("SLSExclFromAddress", "A@Example.org\n", TransferFormat::Text,
                   ImportMode::Replace, {"a@example.org"})
                  .rows[0]
                  .mark,
              RowMark::Accepted)
        << "replacing, the old entries are no repeats";

    // A list the gateway reads without comments, and 8-bit lists.
    const ImportPlan routes = plan("SMTPStaticRoute", "a.com:mx;1:25\na.com,note\n");
    EXPECT_EQ(routes.rows[0].stored[0], "a.com:mx;1:25") << "a semicolon is part of the entry";
    EXPECT_EQ(routes.rows[1].messageId, "import.noComments");
    EXPECT_EQ(plan("SLSExclHost", "h\xE2\x86\x92.com\n").rows[0].messageId, "import.notStorable");
    EXPECT_EQ(plan("InboundBlockSubject", "h\xE2\x86\x92 sale\n").rows[0].mark, RowMark::Accepted)
        << "a text list keeps UTF-8";
}

TEST_F(ListTransfer, AListWrittenOutReadsBackAsItStood)
{
    const std::vector<std::string> values{"a@b.com", "x;y@c.com", "caf\xE9@d.com"};
    const std::vector<std::string> comments{"first, \"quoted\"", "", "8-bit caf\xE9"};
    const ListTarget target = *listTarget(store, "SLSExclFromAddress");
    for (TransferFormat format : {TransferFormat::Csv, TransferFormat::Text}) {
        const ListExport exported = exportList(target, values, comments, format, TextForm::Utf8);
        EXPECT_EQ(exported.rows, 3u);
        ImportPlan back;
        ASSERT_TRUE(
            planListImport(target, exported.text, format, ImportMode::Replace, values, &back));
        std::vector<std::string> newValues{"old"}, newComments{"old"};
        applyListImport(back, ImportMode::Replace, &newValues, &newComments);
        EXPECT_EQ(newValues, values) << exported.text;
        EXPECT_EQ(newComments, comments) << exported.text;
    }
    EXPECT_EQ(
        exportList(target, values, comments, TransferFormat::Text, TextForm::Utf8).text,
        "a@b.com ;first, \"quoted\"\r\n\"x;y@c.com\"\r\ncaf\xC3\xA9@d.com ;8-bit caf\xC3\xA9\r\n");
    EXPECT_EQ(exportList(target, values, comments, TransferFormat::Csv, TextForm::EightBit).text,
              "entry,comment\r\na@b.com,\"first, \"\"quoted\"\"\"\r\nx;y@c.com,\r\n"
              "caf\xE9@d.com,8-bit caf\xE9\r\n");
    const std::vector<std::size_t> second{1};
    EXPECT_EQ(
        exportList(target, values, comments, TransferFormat::Text, TextForm::Utf8, &second).text,
        "\"x;y@c.com\"\r\n");

    std::vector<std::string> kept{"a@b.com"}, keptComments{"c"};
    const ImportPlan appended = plan("SLSExclFromAddress", "n@b.com ;new\n", TransferFormat::Text);
    applyListImport(appended, ImportMode::Append, &kept, &keptComments);
    EXPECT_EQ(kept, (std::vector<std::string>{"a@b.com", "n@b.com"}));
    EXPECT_EQ(keptComments, (std::vector<std::string>{"c", "new"}));
}

TEST_F(ListTransfer, AFileThatCannotBeReadImportsNothing)
{
    const ImportPlan broken = plan("SLSExclHost", "a.com\n\"b.com\n");
    EXPECT_EQ(broken.fileErrorId, "import.unclosedQuote");
    EXPECT_FALSE(broken.importable(true));
    EXPECT_EQ(importFileMessage(broken, morva::English),
              "The file cannot be read: the quoted field that starts on line 2 is never closed.");
    // A file in the 8-bit code page reads as such.
    EXPECT_EQ(plan("SLSExclHost", "caf\xE9.com\n").rows[0].stored[0], "caf\xE9.com");
}
