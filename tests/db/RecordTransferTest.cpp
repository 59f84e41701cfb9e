// Export and import of the record lists and of list settings through
// morvactl's commands, and the data set's whole-file replace beneath them.
#include "db/RecordTransfer.h"

#include "cli/Commands.h"
#include "config/FileHistory.h"
#include "config/ImportPlan.h"
#include "db/DataAliaFile.h"
#include "db/DataSet.h"
#include "db/RecordBytes.h"
#include "platform/Clock.h"
#include "platform/ScratchDir.h"
#include "platform/testing/FaultInjectingFileSystem.h"
#ifdef _WIN32
#include "platform/WindowsFileSystem.h"
namespace morva::platform {
using PosixFileSystem = WindowsFileSystem;
}
#else
#include "platform/PosixFileSystem.h"
#endif

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

using namespace morva;

namespace {

struct Result
{
    int code;
    std::string out;
    std::string err;
};

class Transfer : public ::testing::Test
{
protected:
    Result records(std::vector<std::string> args)
    {
        std::ostringstream out, err;
        cli::Context context{m_scratch.dir(), std::move(args), out, err};
        const int code = cli::runRecordsCommand(context);
        return {code, out.str(), err.str()};
    }
    Result config(std::vector<std::string> args)
    {
        std::ostringstream out, err;
        cli::Context context{m_scratch.dir(), std::move(args), out, err};
        const int code = cli::runConfigCommand(context);
        return {code, out.str(), err.str()};
    }
    std::string file(const std::string& name, const std::string& bytes)
    {
        m_scratch.write(name, bytes);
        return m_scratch.dir() + name;
    }

    test::ScratchDir m_scratch;
};

} // namespace

TEST_F(Transfer, RecordImportIsAllOrNothing)
{
    m_scratch.write("DataAlia.DAT", test::aliasRecord("old@a.com", "x@b.org", false) +
                                        test::aliasRecord("gone@a.com", "y@b.org", false, true));
    const std::string before = m_scratch.read("DataAlia.DAT");
    const std::string csv = file("in.csv", "forward address,target address,deliver\r\n"
                                           "new@a.com,anna@b.org,1\r\n"
                                           "not-an-address,bob@b.org\r\n"
                                           "OLD@a.com,X@b.org,0\r\n"
                                           "new@a.com,anna@b.org,yes\r\n"
                                           "c@a.com,d@b.org,maybe\r\n");
    Result refused = records({"import", "alias", csv});
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(refused.err,
              "line 3: refused: Please enter a valid SMTP address! Format is "
              "user@domain.com (not-an-address, bob@b.org)\n"
              "line 4: Already in the list (entry 1): skipped (OLD@a.com, X@b.org, 0)\n"
              "line 5: Repeats line 2: skipped (new@a.com, anna@b.org, yes)\n"
              "line 6: refused: Not a yes/no value (1 or 0). (c@a.com, d@b.org, "
              "maybe)\n"
              "morvactl: nothing imported: 2 rows refused\n");
    EXPECT_EQ(m_scratch.read("DataAlia.DAT"), before);
    EXPECT_FALSE(m_scratch.exists("MORVADTB.LCK"));

    const std::string good = file("good.csv", "new@a.com,anna@b.org,1\nold@a.com,x@b.org\n");
    EXPECT_EQ(records({"import", "alias", good, "--dry-run"}).out,
              "would import 1, skipped 1 duplicates\n");
    EXPECT_EQ(m_scratch.read("DataAlia.DAT"), before);
    EXPECT_EQ(records({"import", "alias", good}).out, "imported 1, skipped 1 duplicates\n");
    EXPECT_EQ(m_scratch.read("DataAlia.DAT"),
              before + test::aliasRecord("new@a.com", "anna@b.org", true))
        << "appended behind every record, the deleted one kept";
    EXPECT_EQ(records({"import", "alias", good, "--replace"}).code, 0);
    EXPECT_EQ(m_scratch.read("DataAlia.DAT"), test::aliasRecord("new@a.com", "anna@b.org", true) +
                                                  test::aliasRecord("old@a.com", "x@b.org", false));
    EXPECT_EQ(records({"import", "alias", file("bad.csv", "a@b.com,\"c@d.com\n")}).err,
              "morvactl: The file cannot be read: the quoted field that starts on line 1 is never "
              "closed.\nmorvactl: nothing imported\n");
    EXPECT_EQ(records({"import", "alias", m_scratch.dir() + "missing.csv"}).code, 1);
    EXPECT_EQ(records({"import", "alias"}).code, 2);
    EXPECT_EQ(records({"export", "alias", "--replace"}).code, 2);
}

TEST_F(Transfer, ExportedRecordsReadBackAsTheyStood)
{
    m_scratch.write("DataBloc.DAT", test::blockRecord(0, "10.0.0.1") +
                                        test::blockRecord(3, "@spam.example") +
                                        test::blockRecord(1, "dead.example", true) +
                                        test::blockRecord(2, "a,\"b\"@c.com"));
    m_scratch.write("DataUser.DAT", test::userRecord("rene@corp.com", "Ren\xE9") +
                                        test::userRecord("b@corp.com", "Bob"));
    const Result block = records({"export", "block"});
    EXPECT_EQ(block.out,
              "type,value\r\n0,10.0.0.1\r\n3,@spam.example\r\n2,\"a,\"\"b\"\"@c.com\"\r\n");
    EXPECT_EQ(records({"export", "block", "--format", "tsv"}).out,
              "type\tvalue\n0\t10.0.0.1\n3\t@spam.example\n2\ta,\"b\"@c.com\n");
    EXPECT_EQ(records({"export", "user"}).out,
              "e-mail address,name\r\nrene@corp.com,Ren\xC3\xA9\r\nb@corp.com,Bob\r\n");
    EXPECT_EQ(records({"export", "user", "--encoding", "8bit"}).out,
              "e-mail address,name\r\nrene@corp.com,Ren\xE9\r\nb@corp.com,Bob\r\n");

    // Replacing with the export gives the live records again, type 3 included.
    const std::string users = m_scratch.read("DataUser.DAT");
    EXPECT_EQ(
        records({"import", "user", file("u.csv", records({"export", "user"}).out), "--replace"})
            .code,
        0);
    EXPECT_EQ(m_scratch.read("DataUser.DAT"), users);
    EXPECT_EQ(records({"import", "block",
                       file("b.tsv", records({"export", "block", "--format", "tsv"}).out),
                       "--replace", "--format", "tsv"})
                  .code,
              0);
    EXPECT_EQ(m_scratch.read("DataBloc.DAT"), test::blockRecord(0, "10.0.0.1") +
                                                  test::blockRecord(3, "@spam.example") +
                                                  test::blockRecord(2, "a,\"b\"@c.com"));
    const Result unstorable =
        records({"import", "user", file("x.csv", "a@corp.com,\xE2\x86\x92 Arrow\n")});
    EXPECT_EQ(unstorable.code, 1);
    EXPECT_NE(unstorable.err.find("line 1: refused: The row holds a character"), std::string::npos);
}

TEST_F(Transfer, AFailedReplaceLeavesTheFileAndTheDataSetUsable)
{
    m_scratch.write("DataAlia.DAT", test::aliasRecord("old@a.com", "x@b.org", false));
    platform::PosixFileSystem posix;
    platform::FaultInjectingFileSystem fs{posix};
    platform::FakeClock clock;
    db::DataSet data(fs, clock, m_scratch.dir(), {});
    ASSERT_TRUE(data.acquire(1));
    config::ImportPlan plan;
    ASSERT_TRUE(db::planRecordImport(*data.aliaFile(), db::RecordTable::Alias, "n@a.com,m@b.org\n",
                                     config::TransferFormat::Csv, config::ImportMode::Append,
                                     &plan));
    fs.injectFault(1, platform::FaultInjectingFileSystem::Fault::FailOnce,
                   platform::FileError::NoSpace,
                   platform::FaultInjectingFileSystem::Operation::Sync);
    platform::FileError error = platform::FileError::None;
    EXPECT_FALSE(db::applyRecordImport(data, db::RecordTable::Alias, plan,
                                       config::ImportMode::Append, &error));
    EXPECT_EQ(error, platform::FileError::NoSpace);
    fs.clearFault();
    // Read through the data set: on Windows it holds the file unshared.
    EXPECT_EQ(data.aliaFile()->recordCount(), 1u);
    EXPECT_TRUE(data.aliaFile()->goTo(1)) << "the file is open again";
    std::size_t written = 0;
    EXPECT_TRUE(db::applyRecordImport(data, db::RecordTable::Alias, plan,
                                      config::ImportMode::Append, &error, &written));
    EXPECT_EQ(written, 1u);
    EXPECT_EQ(data.aliaFile()->recordCount(), 2u);
    EXPECT_TRUE(data.release());
    EXPECT_EQ(m_scratch.read("DataAlia.DAT"), test::aliasRecord("old@a.com", "x@b.org", false) +
                                                  test::aliasRecord("n@a.com", "m@b.org", false));
    for (const auto& entry : std::filesystem::directory_iterator(m_scratch.path("")))
        EXPECT_EQ(entry.path().filename().string().find('~'), std::string::npos)
            << "no temporary left: " << entry.path();
}

// morvactl keeps the fields only of the rows it reports; its plan must
// still judge every row as the preview's does, whatever the rows before
// left in the reader's reused strings.
TEST_F(Transfer, APlanThatKeepsOnlyTheReportedRowsJudgesEveryRowAsTheFullOne)
{
    m_scratch.write("DataAlia.DAT", test::aliasRecord("old@a.com", "x@b.org", false));
    platform::PosixFileSystem fs;
    platform::FakeClock clock;
    db::DataSet data(fs, clock, m_scratch.dir(), {});
    ASSERT_TRUE(data.acquire(1));
    const std::pair<config::TransferFormat, std::string> files[] = {
        {config::TransferFormat::Csv, "a@b.com,c@d.com,1,,\r\n"
                                      "x@b.com\r\n"
                                      "\"e@b.com\",f@d.com\r\n"
                                      "OLD@a.com,x@b.org,0,extra\r\n"
                                      "old@a.com,x@b.org\r\n"
                                      "A@B.com,c@d.com,yes\r\n"},
        {config::TransferFormat::Tsv, "a@b.com\tc@d.com\t1\n"
                                      "x\\t@b.com\n"
                                      "e@b.com\tf@d.com\n"
                                      "E@b.com\tf@d.com\n"
                                      "a@b.com\tc@d.com\t1\n"},
    };
    for (const auto& [format, text] : files) {
        config::ImportPlan full;
        config::ImportPlan lean;
        ASSERT_TRUE(db::planRecordImport(*data.aliaFile(), db::RecordTable::Alias, text, format,
                                         config::ImportMode::Append, &full));
        ASSERT_TRUE(db::planRecordImport(*data.aliaFile(), db::RecordTable::Alias, text, format,
                                         config::ImportMode::Append, &lean, {},
                                         config::KeptRows::ReportedOnly));
        ASSERT_GE(full.count(config::RowMark::Accepted), 2u) << text;
        std::size_t reported = 0;
        std::size_t accepted = 0;
        std::vector<std::string_view> packed;
        for (const config::ImportRow& a : full.rows) {
            if (a.mark == config::RowMark::Accepted) {
                ASSERT_LT(accepted, lean.accepted.size()) << text;
                lean.accepted.row(accepted++, &packed);
                EXPECT_EQ(std::vector<std::string>(packed.begin(), packed.end()), a.stored)
                    << text << a.line;
                continue;
            }
            ASSERT_LT(reported, lean.rows.size()) << text;
            const config::ImportRow& b = lean.rows[reported++];
            EXPECT_EQ(b.line, a.line) << text;
            EXPECT_EQ(b.mark, a.mark) << text << a.line;
            EXPECT_EQ(b.messageId, a.messageId) << text << a.line;
            EXPECT_EQ(b.other, a.other) << text << a.line;
            EXPECT_EQ(b.stored, a.stored) << text << a.line;
            EXPECT_EQ(b.fields, a.fields) << text << a.line;
        }
        EXPECT_EQ(reported, lean.rows.size()) << text;
        EXPECT_EQ(accepted, lean.accepted.size()) << text;
        EXPECT_EQ(lean.count(config::RowMark::Accepted), accepted);
        EXPECT_EQ(full.rows[1].fields,
                  (std::vector<std::string>{format == config::TransferFormat::Tsv ? "x\t@b.com"
                                                                                  : "x@b.com"}))
            << "a row shorter than the one before it";
    }
    EXPECT_TRUE(data.release());
}

// An import keeps the file it replaces in the history as a second name of
// the old file, not a copy of its bytes. When the rename then fails, the
// file with both names stays in use: the kept version must get bytes of its
// own before the next edit changes the file in place.
TEST_F(Transfer, TheReplacedFileIsKeptUnderASecondNameThatAFailedRenameSeparates)
{
    const std::string original = test::aliasRecord("old@a.com", "x@b.org", false);
    m_scratch.write("DataAlia.DAT", original);
    platform::PosixFileSystem posix;
    platform::FaultInjectingFileSystem fs{posix};
    platform::FakeClock clock;
    config::FileHistory history(fs, clock, m_scratch.dir() + "History" + posix.separator(), "ann",
                                "gw1");
    db::DataSet data(fs, clock, m_scratch.dir(), {});
    data.setHistory(&history, "import");
    using Op = platform::FaultInjectingFileSystem::Operation;
    auto import = [&](const std::string& csv) {
        config::ImportPlan plan;
        EXPECT_TRUE(db::planRecordImport(*data.aliaFile(), db::RecordTable::Alias, csv,
                                         config::TransferFormat::Csv, config::ImportMode::Replace,
                                         &plan));
        platform::FileError error = platform::FileError::None;
        return db::applyRecordImport(data, db::RecordTable::Alias, plan,
                                     config::ImportMode::Replace, &error);
    };
    auto keptVersions = [&] {
        std::vector<std::string> versions;
        for (const auto& entry : history.entries("DataAlia.DAT")) {
            std::string bytes;
            versions.push_back(history.read("DataAlia.DAT", entry.id, &bytes) ? bytes : "?");
        }
        return versions;
    };

    ASSERT_TRUE(data.acquire(1));
    ASSERT_TRUE(import("n@a.com,m@b.org\n"));
    EXPECT_EQ(fs.count(Op::Link), 1u);
    ASSERT_TRUE(data.release());
    const std::string imported = m_scratch.read("DataAlia.DAT");
    EXPECT_EQ(imported, test::aliasRecord("n@a.com", "m@b.org", false));
    EXPECT_EQ(keptVersions(), std::vector<std::string>{original});

    // The rename fails: the file stays as it was, and so does the version
    // kept of it when the file is then edited in place.
    ASSERT_TRUE(data.acquire(1));
    fs.injectFault(1, platform::FaultInjectingFileSystem::Fault::FailOnce, platform::FileError::Io,
                   Op::Rename);
    EXPECT_FALSE(import("p@a.com,q@b.org\n"));
    fs.clearFault();
    ASSERT_TRUE(data.aliaFile()->goTo(1));
    data.aliaFile()->setForwardAddress("edited@a.com");
    ASSERT_TRUE(data.release());
    EXPECT_EQ(m_scratch.read("DataAlia.DAT").substr(3, 12), "edited@a.com");
    EXPECT_EQ(keptVersions(), (std::vector<std::string>{original, imported}));

    // Where no second name can be given, the version is copied.
    const std::string edited = m_scratch.read("DataAlia.DAT");
    ASSERT_TRUE(data.acquire(1));
    fs.injectFault(1, platform::FaultInjectingFileSystem::Fault::FailOnce,
                   platform::FileError::InvalidMode, Op::Link);
    EXPECT_TRUE(import("r@a.com,s@b.org\n"));
    fs.clearFault();
    ASSERT_TRUE(data.release());
    EXPECT_EQ(keptVersions(), (std::vector<std::string>{original, imported, edited}));
}

TEST_F(Transfer, ListSettingsImportThroughOneSave)
{
    m_scratch.write("Morva.ini", "SMTPRelayAllowIP=10.0.0.0/8 ;lan\r\n"
                                 "InboundSMTPAuthUserPass=anna s3cret\r\n");
    EXPECT_EQ(config({"export-list", "SMTPRelayAllowIP"}).out,
              "entry,comment\r\n10.0.0.0/8,lan\r\n");
    EXPECT_EQ(config({"export-list", "SMTPRelayAllowIP", "--format", "text"}).out,
              "10.0.0.0/8 ;lan\r\n");
    const std::string before = m_scratch.read("Morva.ini");
    const Result refused =
        config({"import-list", "InboundSMTPAuthUserPass", file("p.txt", "bob pw1\ncarl\n")});
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(refused.err, "line 2: refused: Blank field is not allowed! (carl)\n"
                           "morvactl: nothing imported: 1 rows refused\n");
    EXPECT_EQ(
        config({"import-list", "InboundSMTPAuthUserPass", file("q.txt", "anna s3cret\n")}).err,
        "line 1: Already in the list (entry 1): skipped (anna ********)\n")
        << "a password never reaches the terminal";
    EXPECT_EQ(m_scratch.read("Morva.ini"), before);

    EXPECT_EQ(config({"import-list", "SMTPRelayAllowIP", file("n.csv", "192.168.1.,office\n"),
                      "--format", "csv"})
                  .out,
              "imported 1, skipped 0 duplicates\n");
    EXPECT_EQ(config({"get", "SMTPRelayAllowIP"}).out, "10.0.0.0/8\n192.168.1.0/24\n");
    EXPECT_EQ(config({"import-list", "SMTPRelayAllowIP", file("r.txt", "172.16.0.0/12\n"),
                      "--format", "text", "--replace"})
                  .code,
              0);
    EXPECT_EQ(config({"get", "SMTPRelayAllowIP"}).out, "172.16.0.0/12\n");
    EXPECT_EQ(config({"export-list", "Postmaster"}).code, 2) << "no list setting";
}

// Rows enough that the import writes its records and the export its text in
// several pieces: nothing lost or doubled at the seams, repeats found far apart.
TEST_F(Transfer, LongListsGoThroughInPieces)
{
    const std::string existing = test::aliasRecord("kept@a.com", "x@b.org", false) +
                                 test::aliasRecord("gone@a.com", "y@b.org", false, true);
    m_scratch.write("DataAlia.DAT", existing);
    constexpr std::size_t kRows = 20000;
    auto from = [](std::size_t i) { return "user" + std::to_string(i) + "@corp.example"; };
    auto to = [](std::size_t i) { return "mailbox" + std::to_string(i) + "@exchange.example"; };
    std::string csv = "forward address,target address,deliver\r\n";
    std::string expectedRecords = existing;
    std::string expectedExport =
        "forward address,target address,deliver\r\nkept@a.com,x@b.org,0\r\n";
    for (std::size_t i = 0; i < kRows; ++i) {
        const bool deliver = i % 3 == 0;
        csv += from(i) + "," + to(i) + "," + (deliver ? "1" : "0") + "\r\n";
        expectedRecords += test::aliasRecord(from(i), to(i), deliver);
        expectedExport += from(i) + "," + to(i) + "," + (deliver ? "1" : "0") + "\r\n";
    }
    csv += "USER10@CORP.example,Mailbox10@exchange.example,no\r\n"; // line 20002
    csv += "Kept@a.com,x@b.org\r\n";                                // line 20003
    const Result imported = records({"import", "alias", file("in.csv", csv)});
    EXPECT_EQ(imported.out, "imported 20000, skipped 2 duplicates\n");
    EXPECT_EQ(imported.err,
              "line 20002: Repeats line 12: skipped (USER10@CORP.example, "
              "Mailbox10@exchange.example, no)\n"
              "line 20003: Already in the list (entry 1): skipped (Kept@a.com, x@b.org)\n");
    EXPECT_TRUE(m_scratch.read("DataAlia.DAT") == expectedRecords);
    const Result exported = records({"export", "alias"});
    EXPECT_EQ(exported.code, 0);
    EXPECT_GT(exported.out.size(), std::size_t(1) << 20);
    EXPECT_TRUE(exported.out == expectedExport);
}

// An export reads a view of the file where the system gives one (morvactl
// here) and blocks of a mebibyte where not (the fault-injecting file system).
TEST_F(Transfer, AnExportLongerThanOneReadBlockHasEveryRecordAndTheReadAheadIsGivenBack)
{
    // More records than one block of the export's read-ahead holds, a deleted
    // one at the block's end.
    constexpr int kRecords = 3000;
    std::string bytes;
    std::string expected = "forward address,target address,deliver\r\n";
    for (int i = 1; i <= kRecords; ++i) {
        const std::string from = "u" + std::to_string(i) + "@a.com";
        const bool deleted = i == 2730;
        bytes += test::aliasRecord(from, "t@b.org", i % 2 == 0, deleted);
        if (!deleted)
            expected += from + ",t@b.org," + (i % 2 == 0 ? "1" : "0") + "\r\n";
    }
    m_scratch.write("DataAlia.DAT", bytes);
    EXPECT_EQ(records({"export", "alias"}).out, expected);

    platform::FakeClock clock;
    platform::PosixFileSystem posix;
    platform::FaultInjectingFileSystem fs{posix};
    db::DataSet data(fs, clock, m_scratch.dir(), {});
    ASSERT_TRUE(data.acquire(1));
    db::LayoutRecordFile& file = *data.aliaFile();
    const std::uint32_t ownReadAhead = file.cacheCapacity();
    EXPECT_EQ(db::exportRecords(file, db::RecordTable::Alias, config::TransferFormat::Csv,
                                config::TextForm::Utf8)
                  .text,
              expected);
    const std::vector<std::uint32_t> selection{kRecords, 1};
    EXPECT_EQ(db::exportRecords(file, db::RecordTable::Alias, config::TransferFormat::Csv,
                                config::TextForm::Utf8, &selection)
                  .text,
              "forward address,target address,deliver\r\nu3000@a.com,t@b.org,1\r\n"
              "u1@a.com,t@b.org,0\r\n");
    EXPECT_EQ(file.cacheCapacity(), ownReadAhead);
    EXPECT_TRUE(data.release());
}
