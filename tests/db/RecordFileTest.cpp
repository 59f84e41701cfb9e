#include "db/DataAliaFile.h"
#include "db/DataBlocFile.h"
#include "db/DataConfFile.h"
#include "db/DataDummFile.h"
#include "db/DataUserFile.h"
#include "db/RecordBytes.h"
#include "platform/testing/FaultInjectingFileSystem.h"
#ifdef _WIN32
// The same tests over the Windows backend.
#include "platform/WindowsFileSystem.h"
namespace morva::platform {
using PosixFileSystem = WindowsFileSystem;
}
#else
#include "platform/PosixFileSystem.h"
#endif
#include "platform/ScratchDir.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace morva;
using namespace morva::db;
using morva::test::aliasRecord;
using morva::test::blockRecord;
using morva::test::userRecord;
using Op = platform::FaultInjectingFileSystem::Operation;
using Fault = platform::FaultInjectingFileSystem::Fault;

namespace {

class RecordFileTest : public ::testing::Test
{
protected:
    std::string readFile(const std::string& name) const { return m_scratch.read(name); }
    void writeFile(const std::string& name, const std::string& bytes) const
    {
        m_scratch.write(name, bytes);
    }
    std::string aliasFile(int records) const
    {
        std::string bytes;
        for (int i = 1; i <= records; ++i)
            bytes += aliasRecord("from" + std::to_string(i) + "@a.com", "to@b.com", i % 2 == 0);
        return bytes;
    }

    test::ScratchDir m_scratch;
    platform::PosixFileSystem m_posix;
    platform::FaultInjectingFileSystem m_fs{m_posix};
    std::string m_dir = m_scratch.dir();
};

} // namespace

TEST_F(RecordFileTest, MissingFileIsCreatedEmptyAndOpensWithoutRecord)
{
    DataAliaFile file(m_fs, m_dir);
    ASSERT_TRUE(file.openDataFile());
    EXPECT_EQ(file.recordCount(), 0u);
    EXPECT_TRUE(file.noRecord());
    EXPECT_TRUE(file.close());
    EXPECT_TRUE(m_scratch.exists("DataAlia.DAT"));
    EXPECT_EQ(readFile("DataAlia.DAT"), "");

    DataDummFile dumm(m_fs, m_dir);
    ASSERT_TRUE(dumm.openDataFile());
    EXPECT_TRUE(dumm.close());
    EXPECT_EQ(readFile("DataDumm.DAT"), "") << "an empty DataDumm.DAT stays empty";
}

TEST_F(RecordFileTest, NewRecordsAreWrittenByteExactAtTheNextMove)
{
#ifdef _WIN32
    GTEST_SKIP() << "looks into a file while the test holds it unshared, which Windows refuses";
#endif
    {
        DataAliaFile alia(m_fs, m_dir);
        ASSERT_TRUE(alia.openDataFile());
        ASSERT_TRUE(alia.newRecord(false));
        EXPECT_EQ(alia.recordCount(), 1u) << "the count grows before anything is written";
        EXPECT_EQ(readFile("DataAlia.DAT"), "");
        alia.setForwardAddress("info@example.com");
        alia.setTargetAddress("anna@example.org");
        alia.setDeliverAfterForwarding(false);
        ASSERT_TRUE(alia.newRecord(false));
        EXPECT_EQ(readFile("DataAlia.DAT"),
                  aliasRecord("info@example.com", "anna@example.org", false));
        alia.setForwardAddress(std::string(128, 'x'));
        alia.setTargetAddress(std::string(140, 'y'));
        alia.setDeliverAfterForwarding(true);
        ASSERT_TRUE(alia.close());
    }
    EXPECT_EQ(readFile("DataAlia.DAT"),
              aliasRecord("info@example.com", "anna@example.org", false) +
                  aliasRecord(std::string(128, 'x'), std::string(128, 'y'), true));

    DataBlocFile bloc(m_fs, m_dir);
    ASSERT_TRUE(bloc.openDataFile());
    ASSERT_TRUE(bloc.newRecord(false));
    bloc.setSecondNumber(0);
    bloc.setType(1);
    bloc.setValue("mx.spam.example");
    ASSERT_TRUE(bloc.close());
    EXPECT_EQ(readFile("DataBloc.DAT"), blockRecord(1, "mx.spam.example"));

    DataUserFile user(m_fs, m_dir);
    ASSERT_TRUE(user.openDataFile());
    ASSERT_TRUE(user.newRecord(true));
    user.setName("A name longer than thirty characters");
    user.setAddress("bob@corp.example");
    ASSERT_TRUE(user.close());
    EXPECT_EQ(readFile("DataUser.DAT"),
              userRecord("bob@corp.example", "A name longer than thirty char"));
}

TEST_F(RecordFileTest, EditingKeepsBytesTheConsoleDoesNotOwn)
{
    // A trailing partial record, a user record with the gateway's byte 252
    // set, and a DATACONF.DAT record with the gateway's fields filled in.
    const std::string tail = "12345";
    writeFile("DataAlia.DAT", aliasFile(2) + tail);
    writeFile("DataUser.DAT", userRecord("old@corp.example", "Old Name", 'G'));
    std::string conf = test::blankConfRecord();
    for (std::size_t i = 0; i < conf.size(); ++i)
        if (conf[i] == ' ' && (i < 124 || i > 252) && i != 1)
            conf[i] = static_cast<char>('A' + i % 26);
    writeFile("DATACONF.DAT", conf);

    DataAliaFile alia(m_fs, m_dir);
    ASSERT_TRUE(alia.openDataFile());
    EXPECT_EQ(alia.recordCount(), 2u);
    ASSERT_TRUE(alia.goTo(2));
    alia.setTargetAddress("new@b.com");
    ASSERT_TRUE(alia.close());
    EXPECT_EQ(readFile("DataAlia.DAT"),
              aliasFile(1) + aliasRecord("from2@a.com", "new@b.com", true) + tail);

    DataUserFile user(m_fs, m_dir);
    ASSERT_TRUE(user.openDataFile());
    user.setName("New Name");
    ASSERT_TRUE(user.close());
    EXPECT_EQ(readFile("DataUser.DAT"), userRecord("old@corp.example", "New Name", 'G'));

    DataConfFile confFile(m_fs, m_dir);
    ASSERT_TRUE(confFile.openDataFile());
    EXPECT_EQ(confFile.recordCount(), 1u);
    confFile.deleteCurrent();
    ASSERT_TRUE(confFile.close());
    std::string expected = conf;
    expected[1] = '*';
    EXPECT_EQ(readFile("DATACONF.DAT"), expected);

    // Appending over the partial record replaces it.
    DataAliaFile again(m_fs, m_dir);
    ASSERT_TRUE(again.openDataFile());
    ASSERT_TRUE(again.newRecord(false));
    ASSERT_TRUE(again.close());
    EXPECT_EQ(readFile("DataAlia.DAT").size(), 3u * 384);
}

TEST_F(RecordFileTest, FailedMovesLeaveBlankFramedBuffer)
{
    writeFile("DataBloc.DAT", blockRecord(2, "spam@x.com") + blockRecord(0, "10.0.0.1"));
    DataBlocFile bloc(m_fs, m_dir);
    ASSERT_TRUE(bloc.openDataFile());
    const std::string blank = blockRecord(0, "").replace(3, 3, "   ").replace(136, 3, "   ");
    for (std::uint32_t n : {0u, 3u, 1000u}) {
        ASSERT_TRUE(bloc.goTo(2));
        EXPECT_FALSE(bloc.goTo(n)) << n;
        EXPECT_TRUE(bloc.noRecord());
        EXPECT_EQ(bloc.buffer(), blank) << n;
        EXPECT_EQ(bloc.currentRecord(), 2u) << "a failed move keeps the number";
    }
    ASSERT_TRUE(bloc.goTo(1));
    EXPECT_EQ(bloc.type(), 2);
    EXPECT_EQ(bloc.value(), "spam@x.com");
    ASSERT_TRUE(bloc.close());
    EXPECT_EQ(readFile("DataBloc.DAT"), blockRecord(2, "spam@x.com") + blockRecord(0, "10.0.0.1"));
}

TEST_F(RecordFileTest, ShorterValueLeavesNoTraceOfTheLongerOne)
{
    DataUserFile user(m_fs, m_dir);
    ASSERT_TRUE(user.openDataFile());
    ASSERT_TRUE(user.newRecord(false));
    user.setAddress("a-rather-long-address@example.com");
    user.setAddress("a@b.c");
    EXPECT_EQ(user.address(), "a@b.c");
    EXPECT_EQ(user.buffer().substr(3, 128), test::padded("a@b.c", 128));
}

TEST_F(RecordFileTest, NumberFieldsReadLikeTheGatewayWritesThem)
{
    struct Row
    {
        const char* stored;
        std::int64_t value;
    };
    const Row rows[] = {{"  1", 1}, {"999", 999}, {"   ", 0},  {" -5", -5}, {"+12", 12},
                        {"7x9", 7}, {"abc", 0},   {"\t 3", 3}, {"003", 3}};
    std::string bytes;
    for (const Row& row : rows) {
        std::string record = blockRecord(0, "v");
        record.replace(3, 3, row.stored);
        bytes += record;
    }
    writeFile("DataBloc.DAT", bytes);
    DataBlocFile bloc(m_fs, m_dir);
    ASSERT_TRUE(bloc.openDataFile());
    for (std::uint32_t n = 1; n <= std::size(rows); ++n) {
        ASSERT_TRUE(bloc.goTo(n));
        EXPECT_EQ(bloc.type(), rows[n - 1].value) << rows[n - 1].stored;
    }
    ASSERT_TRUE(bloc.newRecord(false));
    bloc.setType(12345);
    EXPECT_EQ(bloc.buffer().substr(3, 3), "123") << "a longer number is cut to the width";
}

TEST_F(RecordFileTest, StrangeBytesReadBackAndStayInPlace)
{
    std::string record = aliasRecord("x", "y", false);
    record[3] = '\0';
    record[4] = '\x01';
    record[5] = '\xff';
    record[1] = '\0'; // any non-space marker means deleted
    writeFile("DataAlia.DAT", record);
    DataAliaFile alia(m_fs, m_dir);
    ASSERT_TRUE(alia.openDataFile());
    EXPECT_TRUE(alia.isDeleted());
    EXPECT_EQ(alia.forwardAddress(), std::string("\0\x01\xff", 3));
    ASSERT_TRUE(alia.close());
    EXPECT_EQ(readFile("DataAlia.DAT"), record) << "reading never writes";
}

TEST_F(RecordFileTest, ReuseTakesTheFirstDeletedRecord)
{
    writeFile("DataUser.DAT", userRecord("a@x.com", "A") + userRecord("b@x.com", "B") +
                                  userRecord("c@x.com", "C", ' ', true) +
                                  userRecord("d@x.com", "D", ' ', true));
    DataUserFile user(m_fs, m_dir);
    ASSERT_TRUE(user.openDataFile());
    ASSERT_TRUE(user.newRecord(true));
    EXPECT_EQ(user.currentRecord(), 3u);
    EXPECT_EQ(user.recordCount(), 4u);
    user.setAddress("new@x.com");
    user.setName("New");
    ASSERT_TRUE(user.newRecord(false));
    EXPECT_EQ(user.currentRecord(), 5u) << "without reuse, always appended";
    ASSERT_TRUE(user.close());
    EXPECT_EQ(readFile("DataUser.DAT"), userRecord("a@x.com", "A") + userRecord("b@x.com", "B") +
                                            userRecord("new@x.com", "New") +
                                            userRecord("d@x.com", "D", ' ', true) +
                                            userRecord("", ""));
}

TEST_F(RecordFileTest, WalkReadsInBlocksAndFieldChangesEmptyTheCache)
{
    writeFile("DataAlia.DAT", aliasFile(250));
    DataAliaFile alia(m_fs, m_dir);
    ASSERT_TRUE(alia.openDataFile());
    EXPECT_EQ(alia.cacheCapacity(), 100u);
    m_fs.resetCounts();
    std::uint32_t live = 0;
    for (bool found = alia.goTo(1); found; found = alia.goTo(alia.currentRecord() + 1)) {
        if (!alia.isDeleted())
            ++live;
        EXPECT_EQ(alia.forwardAddress(), "from" + std::to_string(alia.currentRecord()) + "@a.com");
    }
    EXPECT_EQ(live, 250u);
    // Record 1 was already loaded by the open; blocks start at 101 and 201.
    EXPECT_EQ(m_fs.count(Op::ReadAt), 2u);
    EXPECT_EQ(m_fs.count(Op::WriteAt), 0u);

    ASSERT_TRUE(alia.goTo(5));
    EXPECT_EQ(alia.cacheFirst(), 5u) << "a block starts at the requested record";
    EXPECT_EQ(alia.cacheLast(), 104u);
    m_fs.resetCounts();
    ASSERT_TRUE(alia.goTo(5));
    EXPECT_EQ(m_fs.total(), 0u) << "going to the current record again touches nothing";
    alia.setDeliverAfterForwarding(true);
    EXPECT_EQ(alia.cacheFirst(), 0u);
    EXPECT_EQ(alia.cacheLast(), 0u);
    ASSERT_TRUE(alia.goTo(6));
    EXPECT_EQ(m_fs.count(Op::WriteAt), 1u);
    EXPECT_EQ(m_fs.count(Op::ReadAt), 1u) << "the emptied cache is filled again";
    EXPECT_EQ(alia.cacheFirst(), 6u);
    EXPECT_EQ(alia.cacheLast(), 105u);
}

// A walk reads the file's own view where the system gives one: a record
// changed during it is written and read back, not the view's old bytes, a
// record appended behind the view is read, and the file reads on after it.
TEST_F(RecordFileTest, AWalkOverAViewSeesTheChangesMadeDuringIt)
{
    writeFile("DataAlia.DAT", aliasFile(250));
    DataAliaFile alia(m_posix, m_dir);
    ASSERT_TRUE(alia.openDataFile());
    alia.beginWalk();
    ASSERT_TRUE(alia.goTo(2));
    EXPECT_EQ(alia.forwardAddress(), "from2@a.com");
    alia.setForwardAddress("changed@a.com");
    ASSERT_TRUE(alia.goTo(3));
    EXPECT_EQ(alia.forwardAddress(), "from3@a.com");
    ASSERT_TRUE(alia.goTo(2));
    EXPECT_EQ(alia.forwardAddress(), "changed@a.com");
    ASSERT_TRUE(alia.newRecord(false));
    alia.setForwardAddress("new@a.com");
    alia.setTargetAddress("to@b.com");
    alia.beginWalk(); // the record is written first: a walk starts from the disk
    std::uint32_t seen = 0;
    for (bool found = alia.goTo(1); found; found = alia.goTo(alia.currentRecord() + 1))
        ++seen;
    EXPECT_EQ(seen, 251u);
    EXPECT_TRUE(alia.goTo(251));
    EXPECT_EQ(alia.forwardAddress(), "new@a.com");
    alia.endWalk();
    EXPECT_EQ(alia.forwardAddress(), "new@a.com") << "the record outlives the view";
    ASSERT_TRUE(alia.goTo(2));
    EXPECT_EQ(alia.forwardAddress(), "changed@a.com");
    EXPECT_TRUE(alia.close());
    const std::string written = readFile("DataAlia.DAT");
    EXPECT_EQ(written.substr(kAliaLayout.length + 3, 13), "changed@a.com");
    EXPECT_EQ(written.size(), 251u * kAliaLayout.length);
}

TEST_F(RecordFileTest, SmallFilesAndFilesWithoutCache)
{
    writeFile("DataAlia.DAT", aliasFile(2) + "xxxxx");
    DataAliaFile alia(m_fs, m_dir);
    ASSERT_TRUE(alia.openDataFile());
    EXPECT_EQ(alia.cacheCapacity(), 2u);
    EXPECT_EQ(alia.recordCount(), 2u);
    ASSERT_TRUE(alia.goTo(2));
    EXPECT_FALSE(alia.goTo(3));

    writeFile("DATACONF.DAT", test::blankConfRecord() + test::blankConfRecord());
    DataConfFile conf(m_fs, m_dir);
    ASSERT_TRUE(conf.openDataFile());
    EXPECT_EQ(conf.cacheCapacity(), 0u);
    m_fs.resetCounts();
    ASSERT_TRUE(conf.goTo(2));
    ASSERT_TRUE(conf.goTo(1));
    EXPECT_EQ(m_fs.count(Op::ReadAt), 2u) << "one direct read per move";
}

TEST_F(RecordFileTest, FileHeldElsewhereDoesNotOpen)
{
    writeFile("DataAlia.DAT", aliasFile(1));
    auto holder = m_posix.open(m_scratch.path("DataAlia.DAT"), 1);
    ASSERT_TRUE(holder);
    DataAliaFile alia(m_fs, m_dir);
    EXPECT_FALSE(alia.openDataFile());
    EXPECT_EQ(alia.lastError(), platform::FileError::SharingViolation);
    EXPECT_FALSE(alia.isOpen());
    EXPECT_FALSE(alia.open(6)) << "another mode opens nothing";
    holder.reset();
    ASSERT_TRUE(alia.openDataFile());
    EXPECT_TRUE(alia.open(0)) << "another mode reports the open file";
}

// Every write call of an editing session fails once in turn. The operation
// that hit it reports false and keeps the record pending, so doing it again
// (as a user would after the message) loses nothing; only a failure at close
// loses the record, and close says so.
TEST_F(RecordFileTest, InjectedWriteFailuresAreReportedAtEveryWrite)
{
    const std::string original = aliasFile(3);
    const std::string edited = aliasRecord("from1@a.com", "to@b.com", false, true) +
                               aliasRecord("from2@a.com", "changed@b.com", true);
    const std::string third = aliasRecord("from3@a.com", "third@b.com", false);
    const std::string appended = aliasRecord("new@a.com", "", false);
    constexpr std::uint64_t kWrites = 4;
    for (std::uint64_t k = 1; k <= kWrites + 1; ++k) {
        writeFile("DataAlia.DAT", original);
        m_fs.injectFault(k, Fault::FailOnce, platform::FileError::NoSpace, Op::WriteAt);
        int failures = 0;
        auto retried = [&](auto operation) {
            if (!operation()) {
                ++failures;
                EXPECT_TRUE(operation()) << "write " << k;
            }
        };
        DataAliaFile alia(m_fs, m_dir);
        ASSERT_TRUE(alia.openDataFile());
        ASSERT_TRUE(alia.goTo(2));
        alia.setTargetAddress("changed@b.com");
        retried([&] { return alia.newRecord(false); });
        alia.setForwardAddress("new@a.com");
        retried([&] { return alia.goTo(1); });
        alia.deleteCurrent();
        retried([&] { return alia.goTo(3); });
        alia.setTargetAddress("third@b.com");
        const bool closed = alia.close();
        EXPECT_EQ(m_fs.faultFired(), k <= kWrites) << k;
        if (k < kWrites) {
            EXPECT_EQ(failures, 1) << k;
            EXPECT_TRUE(closed) << k;
            EXPECT_EQ(readFile("DataAlia.DAT"), edited + third + appended) << k;
        } else if (k == kWrites) {
            EXPECT_FALSE(closed) << "the record lost at close is reported";
            EXPECT_EQ(alia.lastError(), platform::FileError::NoSpace);
            EXPECT_EQ(readFile("DataAlia.DAT"), edited + original.substr(768) + appended);
        } else {
            EXPECT_TRUE(closed);
        }
    }
    // A write that fails for good: every move and close report it, the file
    // keeps its bytes, and the handle is still released.
    writeFile("DataAlia.DAT", original);
    m_fs.injectFault(1, Fault::FailFromThen, platform::FileError::NoSpace, Op::WriteAt);
    DataAliaFile alia(m_fs, m_dir);
    ASSERT_TRUE(alia.openDataFile());
    alia.setForwardAddress("lost@a.com");
    EXPECT_FALSE(alia.goTo(2));
    EXPECT_FALSE(alia.newRecord(false));
    EXPECT_EQ(alia.recordCount(), 3u);
    EXPECT_FALSE(alia.close());
    EXPECT_FALSE(alia.isOpen());
    EXPECT_EQ(readFile("DataAlia.DAT"), original);
    m_fs.clearFault();
}

TEST_F(RecordFileTest, AppendThatFillsTheDiskLeavesNoPartRecordBehind)
{
    // The disk fills up in the middle of the new record; the file keeps its
    // length, trailing bytes of an earlier partial record included.
    m_fs.setPartialWrites(true);
    for (const std::string& tail : {std::string(), std::string("12345")}) {
        const std::string original = aliasFile(2) + tail;
        writeFile("DataAlia.DAT", original);
        DataAliaFile alia(m_fs, m_dir);
        ASSERT_TRUE(alia.openDataFile());
        ASSERT_TRUE(alia.newRecord(false));
        alia.setForwardAddress("new@a.com");
        m_fs.injectFault(1, Fault::FailFromThen, platform::FileError::NoSpace, Op::WriteAt);
        EXPECT_FALSE(alia.goTo(1));
#ifndef _WIN32 // Windows refuses to let the test look while the file is held unshared
        EXPECT_EQ(readFile("DataAlia.DAT").size(), original.size()) << tail;
#endif
        EXPECT_FALSE(alia.close());
        m_fs.clearFault();
        EXPECT_EQ(readFile("DataAlia.DAT").substr(0, 768), original.substr(0, 768)) << tail;
        EXPECT_EQ(readFile("DataAlia.DAT").size(), original.size()) << tail;
    }
    m_fs.setPartialWrites(false);
}

TEST_F(RecordFileTest, MillionRecordFileOpensAndAppendsAtTheEnd)
{
    // A sparse file of one million NUL-filled records, plus a partial one.
    constexpr std::uint64_t kRecords = 1000000;
    writeFile("DataAlia.DAT", "");
    std::filesystem::resize_file(m_scratch.path("DataAlia.DAT"), kRecords * 384 + 10);
    DataAliaFile alia(m_fs, m_dir);
    ASSERT_TRUE(alia.openDataFile());
    EXPECT_EQ(alia.recordCount(), kRecords);
    ASSERT_TRUE(alia.goTo(kRecords));
    EXPECT_TRUE(alia.isDeleted()) << "a NUL marker is not a space";
    EXPECT_EQ(alia.forwardAddress(), std::string(128, '\0'));
    ASSERT_TRUE(alia.newRecord(false));
    EXPECT_EQ(alia.currentRecord(), kRecords + 1);
    alia.setForwardAddress("last@a.com");
    ASSERT_TRUE(alia.close());
    EXPECT_EQ(std::filesystem::file_size(m_scratch.path("DataAlia.DAT")), (kRecords + 1) * 384);
    std::ifstream in(m_scratch.path("DataAlia.DAT"), std::ios::binary);
    in.seekg(static_cast<std::streamoff>(kRecords * 384));
    std::string last(384, '\0');
    in.read(last.data(), 384);
    EXPECT_EQ(last, aliasRecord("last@a.com", "", false));
}
