// The record files in the history of saves: kept once before the first
// change of each session, restored under the lock.
#include "db/RecordHistory.h"

#include "config/FileHistory.h"
#include "db/DataAliaFile.h"
#include "db/DataBlocFile.h"
#include "db/DataSet.h"
#include "db/RecordBytes.h"
#include "db/RecordLayout.h"
#include "platform/Clock.h"
#include "platform/testing/FaultInjectingFileSystem.h"
#include "support/MemoryFileSystem.h"

#include <gtest/gtest.h>

using namespace morva;
using namespace morva::db;
using config::HistoryProblem;
using Op = platform::FaultInjectingFileSystem::Operation;
using Fault = platform::FaultInjectingFileSystem::Fault;

namespace {

constexpr const char* kDir = "/gw/";
constexpr const char* kAlia = "/gw/DataAlia.DAT";

// The data set's word to its user about the history, one line per call.
class HistoryFeedback final : public DataSetFeedback
{
public:
    std::vector<std::string> notices;
    void historyNotKept(std::string_view fileName, HistoryProblem problem, platform::FileError,
                        std::string_view) override
    {
        notices.push_back(std::string(fileName) +
                          (problem == HistoryProblem::TooLarge ? " too large" : " not written"));
    }
};

struct RecordHistoryTest : ::testing::Test
{
    test::MemoryFileSystem memory;
    platform::FaultInjectingFileSystem fs{memory};
    platform::FakeClock clock;
    HistoryFeedback feedback;
    std::int64_t now = 1'800'000'000;
    config::FileHistory history{fs, clock, std::string(kDir) + "History/", "ann", "gw1"};
    DataSet data{fs, clock, kDir, {}, &feedback};

    RecordHistoryTest()
    {
        memory.addDirectory("/gw");
        memory.put(kAlia, test::aliasRecord("a@x.com", "b@y.com", false));
        history.setWallClock([this] { return now++; });
        data.setHistory(&history);
    }

    // One session that adds a forwarding record.
    void addAlias(const std::string& from)
    {
        ASSERT_TRUE(data.acquire(1));
        ASSERT_TRUE(data.aliaFile()->newRecord(false));
        data.aliaFile()->setForwardAddress(from);
        data.aliaFile()->setTargetAddress("t@y.com");
        ASSERT_TRUE(data.release());
    }
    std::vector<std::string> kept(const std::string& fileName)
    {
        std::vector<std::string> versions;
        for (const auto& entry : history.entries(fileName)) {
            std::string bytes;
            EXPECT_TRUE(history.read(fileName, entry.id, &bytes));
            versions.push_back(bytes);
        }
        return versions;
    }
};

} // namespace

TEST_F(RecordHistoryTest, EachSessionKeepsAChangedFileOnceBeforeItsFirstChange)
{
    const std::string original = memory.contents(kAlia);
    ASSERT_TRUE(data.acquire(1));
    ASSERT_TRUE(data.aliaFile()->newRecord(false));
    data.aliaFile()->setForwardAddress("c@x.com");
    ASSERT_TRUE(data.aliaFile()->newRecord(false)); // a second write of the same session
    data.aliaFile()->setForwardAddress("d@x.com");
    ASSERT_TRUE(data.deleteAliaRecord(1));
    ASSERT_TRUE(data.release());
    const std::string afterFirst = memory.contents(kAlia);
    ASSERT_EQ(kept("DataAlia.DAT"), std::vector<std::string>{original});
    EXPECT_EQ(history.entries("DataAlia.DAT").front().source, "console");
    EXPECT_TRUE(kept("DataBloc.DAT").empty()) << "unchanged files are not kept";
    EXPECT_TRUE(kept("DATACONF.DAT").empty()) << "the blank record the gateway needs is no edit";

    ASSERT_TRUE(data.acquire(1)); // a session that only reads
    ASSERT_TRUE(data.aliaFile()->goTo(2));
    ASSERT_TRUE(data.release());
    EXPECT_EQ(kept("DataAlia.DAT").size(), 1u);

    // An import replaces the whole file: kept first, under its own source.
    data.setHistorySource("import");
    ASSERT_TRUE(data.acquire(1));
    platform::FileError error = platform::FileError::None;
    ASSERT_TRUE(
        data.replaceRecordFile(*data.aliaFile(), test::aliasRecord("e@x.com", "f", false), &error));
    ASSERT_TRUE(data.release());
    EXPECT_EQ(kept("DataAlia.DAT"), (std::vector<std::string>{original, afterFirst}));
    EXPECT_EQ(history.entries("DataAlia.DAT").back().source, "import");
    EXPECT_TRUE(feedback.notices.empty());
}

TEST_F(RecordHistoryTest, AFileOverTheLimitIsChangedWithoutACopyAndToldOnce)
{
    history.setLimits({10, 100}); // less than one forwarding record
    addAlias("c@x.com");
    addAlias("d@x.com");
    EXPECT_EQ(memory.contents(kAlia).size(), 3u * kAliaLayout.length) << "both edits went on";
    EXPECT_TRUE(kept("DataAlia.DAT").empty());
    EXPECT_EQ(feedback.notices, std::vector<std::string>{"DataAlia.DAT too large"});
}

TEST_F(RecordHistoryTest, AnUnwritableHistoryLetsTheEditGoOnAndIsToldOncePerFile)
{
    fs.injectFault(1, Fault::FailFromThen, platform::FileError::AccessDenied, Op::CreateDirectory);
    addAlias("c@x.com");
    addAlias("d@x.com");
    ASSERT_TRUE(data.acquire(1));
    ASSERT_TRUE(data.blocFile()->newRecord(false));
    data.blocFile()->setType(0);
    data.blocFile()->setValue("spam.example");
    data.blocFile()->setSecondNumber(0);
    ASSERT_TRUE(data.release());
    EXPECT_EQ(memory.contents(kAlia).size(), 3u * kAliaLayout.length);
    EXPECT_EQ(memory.contents("/gw/DataBloc.DAT"), test::blockRecord(0, "spam.example"));
    EXPECT_EQ(feedback.notices,
              (std::vector<std::string>{"DataAlia.DAT not written", "DataBloc.DAT not written"}));
}

TEST_F(RecordHistoryTest, RestorePutsAVersionBackAfterKeepingTheFileAsItIs)
{
    const std::string original = memory.contents(kAlia);
    addAlias("c@x.com");
    const std::string edited = memory.contents(kAlia);
    const std::string firstId = history.entries("DataAlia.DAT").front().id;

    ASSERT_TRUE(data.acquire(1));
    // A record still in the buffer belongs to the file that is kept: its
    // write is this session's first change, kept as such.
    ASSERT_TRUE(data.aliaFile()->goTo(2));
    data.aliaFile()->setTargetAddress("pending@y.com");
    const RecordRestore restored = restoreRecordFile(data, "DataAlia.DAT", firstId, "restore");
    EXPECT_EQ(restored.status, RecordRestoreStatus::Restored);
    EXPECT_EQ(data.aliaFile()->recordCount(), 1u) << "the file is open again, as restored";
    ASSERT_TRUE(data.release());
    EXPECT_EQ(memory.contents(kAlia), original);
    const auto versions = kept("DataAlia.DAT");
    ASSERT_EQ(versions.size(), 3u);
    EXPECT_EQ(versions[1], edited);
    EXPECT_NE(versions[2].find("pending@y.com"), std::string::npos);
    EXPECT_EQ(history.entries("DataAlia.DAT").back().source, "restore");

    // Without a pending change the restore's copy is the session's only one.
    ASSERT_TRUE(data.acquire(1));
    ASSERT_EQ(restoreRecordFile(data, "DataAlia.DAT", history.entries("DataAlia.DAT").back().id,
                                "restore")
                  .status,
              RecordRestoreStatus::Restored);
    ASSERT_TRUE(data.release());
    EXPECT_EQ(kept("DataAlia.DAT").size(), 4u);
    EXPECT_EQ(kept("DataAlia.DAT").back(), original);

    ASSERT_TRUE(data.acquire(1));
    EXPECT_EQ(restoreRecordFile(data, "DataAlia.DAT", "20990101-000000", "restore").status,
              RecordRestoreStatus::UnknownVersion);
    EXPECT_EQ(restoreRecordFile(data, "DATACONF.DAT", firstId, "restore").status,
              RecordRestoreStatus::UnknownFile);
    ASSERT_TRUE(data.release());
    EXPECT_EQ(history.entries("DataAlia.DAT").size(), 4u);
}

TEST_F(RecordHistoryTest, AFailedRestoreLeavesTheRecordFileAsItWas)
{
    addAlias("c@x.com");
    const std::string edited = memory.contents(kAlia);
    const std::string id = history.entries("DataAlia.DAT").front().id;

    // The current file cannot be kept: nothing is replaced.
    ASSERT_TRUE(data.acquire(1));
    fs.injectFault(1, Fault::FailOnce, platform::FileError::NoSpace, Op::CreateTemporary);
    EXPECT_EQ(restoreRecordFile(data, "DataAlia.DAT", id, "restore").status,
              RecordRestoreStatus::NotKept);
    EXPECT_EQ(memory.contents(kAlia), edited);

    // The replace fails (the copy of the current file is the first rename).
    fs.injectFault(2, Fault::FailOnce, platform::FileError::Io, Op::Rename);
    const RecordRestore failed = restoreRecordFile(data, "DataAlia.DAT", id, "restore");
    EXPECT_EQ(failed.status, RecordRestoreStatus::WriteFailed);
    EXPECT_EQ(failed.error, platform::FileError::Io);
    EXPECT_EQ(memory.contents(kAlia), edited);
    ASSERT_TRUE(data.aliaFile()->goTo(2)) << "the file is still open for the editors";
    EXPECT_EQ(data.aliaFile()->forwardAddress(), "c@x.com");
    ASSERT_TRUE(data.release());
    EXPECT_EQ(memory.contents(kAlia), edited);
}

TEST(RecordChanges, LiveRecordsThatOnlyOneVersionHoldsAsReaderTexts)
{
    const std::string before = test::blockRecord(0, "10.0.0.1") + test::blockRecord(1, "spam.ex") +
                               test::blockRecord(2, "gone@x.com", true);
    // Reordered, one removed, one added, one deleted: only removed and added count.
    const std::string after = test::blockRecord(2, "new@x.com") + test::blockRecord(0, "10.0.0.1") +
                              test::blockRecord(1, "spam.ex", true);
    const auto changes = recordChanges(kBlocLayout, before, after);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0], (config::ConfigChange{"", "1 | spam.ex | 0", "", true, false}));
    EXPECT_EQ(changes[1], (config::ConfigChange{"", "", "2 | new@x.com | 0", false, true}));
    EXPECT_TRUE(recordChanges(kAliaLayout, test::aliasRecord("a\xE9@x", "b", true),
                              test::aliasRecord("a\xE9@x", "b", true))
                    .empty());
    EXPECT_EQ(recordChanges(kAliaLayout, "", test::aliasRecord("a\xE9@x", "b", true))[0].newText,
              "a\xC3\xA9@x | b | *");
}

TEST_F(RecordHistoryTest, AFileOfManyPiecesIsKeptWholeAndAReadThatFailsMidwayKeepsNothing)
{
    // More than the history copies in one piece (a mebibyte).
    std::string large;
    for (int i = 0; i < 3000; ++i)
        large += test::aliasRecord("u" + std::to_string(i) + "@x.com", "t@y.com", i % 2 == 0);
    memory.put(kAlia, large);
    addAlias("c@x.com");
    EXPECT_EQ(kept("DataAlia.DAT"), std::vector<std::string>{large});

    // The second piece cannot be read: no copy, no line, the edit goes on.
    const std::string edited = memory.contents(kAlia);
    ASSERT_TRUE(data.acquire(1));
    fs.injectFault(2, Fault::FailOnce, platform::FileError::Io, Op::ReadAt);
    ASSERT_TRUE(data.aliaFile()->goTo(1));
    data.aliaFile()->setForwardAddress("first@x.com");
    ASSERT_TRUE(data.release());
    EXPECT_EQ(kept("DataAlia.DAT"), std::vector<std::string>{large});
    EXPECT_EQ(feedback.notices, std::vector<std::string>{"DataAlia.DAT not written"});
    EXPECT_EQ(memory.contents(kAlia).substr(3, 11), "first@x.com");
    EXPECT_EQ(memory.contents(kAlia).size(), edited.size());
}
