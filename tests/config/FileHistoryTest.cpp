#include "config/FileHistory.h"

#include "config/ConfigStore.h"
#include "platform/Clock.h"
#include "platform/ScratchDir.h"
#include "platform/testing/FaultInjectingFileSystem.h"

#include <filesystem>
#include <gtest/gtest.h>
#ifdef _WIN32
#include "platform/WindowsFileSystem.h"
#else
#include "platform/PosixFileSystem.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace morva::config;
using morva::platform::FakeClock;
using morva::platform::FaultInjectingFileSystem;
using morva::platform::FileError;
#ifdef _WIN32
using SystemFs = morva::platform::WindowsFileSystem;
#else
using SystemFs = morva::platform::PosixFileSystem;
#endif
using morva::test::ScratchDir;
using Fault = FaultInjectingFileSystem::Fault;

namespace {

const std::string kOld = "; gateway\r\nPort=1\r\nAllowIP=10.0.0.1\r\n";
const std::string kNew = "; gateway\r\nPort=2\r\nAllowIP=10.0.0.1\r\n";

struct HistoryFixture : ::testing::Test
{
    ScratchDir scratch;
    SystemFs fs;
    FakeClock clock;
    std::int64_t now = 1'800'000'000;

    std::unique_ptr<FileHistory> makeHistory(morva::platform::FileSystem& fileSystem)
    {
        auto history = std::make_unique<FileHistory>(
            fileSystem, clock, scratch.dir() + "History" + fileSystem.separator(), "ann", "gw1");
        history->setWallClock([this] { return now; });
        history->setListKeys(schemaListKeys());
        return history;
    }
    std::unique_ptr<ConfigStore> makeStore(morva::platform::FileSystem& fileSystem, SaveHook* hook)
    {
        auto store = std::make_unique<ConfigStore>(fileSystem, clock, scratch.dir());
        store->registerInt("Port", 25);
        store->registerNetList("AllowIP");
        store->setSaveHook(hook);
        return store;
    }
    // Every copy the index of "Morva.ini" names, with its bytes.
    std::vector<std::string> keptVersions(FileHistory& history)
    {
        std::vector<std::string> versions;
        for (const auto& entry : history.entries("Morva.ini")) {
            std::string bytes;
            EXPECT_TRUE(history.read("Morva.ini", entry.id, &bytes)) << entry.id;
            versions.push_back(bytes);
        }
        return versions;
    }
};

} // namespace

TEST_F(HistoryFixture, EverySaveKeepsTheFileAsItWasWithWhoSavedIt)
{
    scratch.write("Morva.ini", kOld);
    auto history = makeHistory(fs);
    auto store = makeStore(fs, history.get());
    ASSERT_TRUE(store->load());
    store->setInt("Port", 2);
    ASSERT_TRUE(store->save({"Options: Connections"}));
    store->setNetList("AllowIP", {});
    store->setInt("Port", 3);
    ASSERT_TRUE(store->save({"morvactl config set"})); // in the same second

    const auto entries = history->entries("Morva.ini");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].source, "Options: Connections");
    EXPECT_EQ(entries[0].changedKeys, 1);
    EXPECT_EQ(entries[0].user, "ann");
    EXPECT_EQ(entries[0].machine, "gw1");
    EXPECT_EQ(entries[0].time, now);
    EXPECT_EQ(entries[1].id, entries[0].id + "-2");
    EXPECT_EQ(entries[1].changedKeys, 2);
    EXPECT_EQ(keptVersions(*history), (std::vector<std::string>{kOld, kNew}));
    EXPECT_EQ(history->lastKeptId(), entries[1].id);

    // A kept version put back is a save of its own, kept in turn.
    std::string first;
    ASSERT_TRUE(history->read("Morva.ini", entries[0].id, &first));
    ASSERT_TRUE(store->saveText(first, {"restore"}));
    EXPECT_EQ(scratch.read("Morva.ini"), kOld);
    EXPECT_EQ(store->getInt("Port"), 1) << "the store reads what it restored";
    EXPECT_EQ(history->entries("Morva.ini").back().source, "restore");
    store->setInt("Port", 4);
    EXPECT_TRUE(store->save()) << "the restore's own file is the one the store read";
    EXPECT_FALSE(history->read("Morva.ini", "20990101-000000", &first));
}

TEST_F(HistoryFixture, RotationKeepsTheNewestByCountAndSize)
{
    scratch.write("Morva.ini", kOld);
    auto history = makeHistory(fs);
    history->setLimits({3, 1 << 20});
    for (int n = 0; n < 5; ++n) {
        scratch.write("Morva.ini", "Port=" + std::to_string(n) + "\r\n");
        now += 60;
        ASSERT_TRUE(history->keep(scratch.path("Morva.ini"), "test"));
    }
    EXPECT_EQ(keptVersions(*history),
              (std::vector<std::string>{"Port=2\r\n", "Port=3\r\n", "Port=4\r\n"}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch.path("History")),
                            std::filesystem::directory_iterator()),
              4)
        << "three copies and the index";

    // 8 bytes each: room for two.
    history->setLimits({100, 17});
    scratch.write("Morva.ini", "Port=5\r\n");
    now += 60;
    ASSERT_TRUE(history->keep(scratch.path("Morva.ini"), "test"));
    EXPECT_EQ(keptVersions(*history), (std::vector<std::string>{"Port=4\r\n", "Port=5\r\n"}));

    // Larger than the whole history may hold: not copied, told once.
    scratch.write("Morva.ini", std::string(40, ';'));
    EXPECT_FALSE(history->keep(scratch.path("Morva.ini"), "test"));
    EXPECT_EQ(history->problem(), HistoryProblem::TooLarge);
    EXPECT_EQ(history->takeUnreportedProblem(), HistoryProblem::TooLarge);
    EXPECT_FALSE(history->keep(scratch.path("Morva.ini"), "test"));
    EXPECT_EQ(history->takeUnreportedProblem(), HistoryProblem::None) << "reported once";
    EXPECT_EQ(history->entries("Morva.ini").size(), 2u);
}

TEST_F(HistoryFixture, AHistoryThatCannotBeWrittenDoesNotBlockTheSave)
{
    scratch.write("Morva.ini", kOld);
    scratch.write("History", "a file where the folder should be");
    auto history = makeHistory(fs);
    auto store = makeStore(fs, history.get());
    ASSERT_TRUE(store->load());
    store->setInt("Port", 2);
    EXPECT_TRUE(store->save());
    EXPECT_EQ(scratch.read("Morva.ini"), kNew);
    EXPECT_EQ(history->problem(), HistoryProblem::WriteFailed);
    EXPECT_EQ(history->takeUnreportedProblem(), HistoryProblem::WriteFailed);
    store->setInt("Port", 1);
    EXPECT_TRUE(store->save());
    EXPECT_EQ(history->takeUnreportedProblem(), HistoryProblem::None) << "reported once";

    // Once it can be written again, a later failure is reported again.
    std::filesystem::remove(scratch.path("History"));
    store->setInt("Port", 2);
    EXPECT_TRUE(store->save());
    EXPECT_EQ(history->problem(), HistoryProblem::None);
    EXPECT_EQ(history->entries("Morva.ini").size(), 1u);
}

TEST_F(HistoryFixture, DamagedIndexLinesAndStrayCopiesAreLeftOut)
{
    scratch.write("Morva.ini", kOld);
    auto history = makeHistory(fs);
    ASSERT_TRUE(history->keep(scratch.path("Morva.ini"), "first"));
    const std::string id = history->lastKeptId();
    // A line whose checksum fails, one naming a missing copy, one cut short.
    std::string index = scratch.read("History/Morva.ini.index");
    std::string forged = index;
    forged[forged.find("first")] = 'F';
    index += forged;
    scratch.write("History/Morva.ini.index",
                  index + "20990101-000000\t1\tx\ty\tz\t0\t0\tdeadbeef\n" + id + "\t17");
    scratch.write("History/Morva.ini.20200101-000000", "a copy no line names");
    ASSERT_EQ(history->entries("Morva.ini").size(), 1u);

    now += 1;
    ASSERT_TRUE(history->keep(scratch.path("Morva.ini"), "second"));
    const auto entries = history->entries("Morva.ini");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].source, "second") << "the line after the cut one is read";
    EXPECT_FALSE(scratch.exists("History/Morva.ini.20200101-000000"));

    // A copy that differs from what its line says (a power loss) is no version.
    const std::string copy = "History/Morva.ini." + entries[1].id;
    std::string bytes = scratch.read(copy);
    bytes[0] = bytes[0] == 'x' ? 'y' : 'x';
    scratch.write(copy, bytes);
    EXPECT_FALSE(history->read("Morva.ini", entries[1].id, &bytes));
    scratch.write(copy, "");
    EXPECT_EQ(history->entries("Morva.ini").size(), 1u);
}

#ifndef _WIN32
// Kills a forked child at every operation of a save with history: the file is
// old or new, and every index line names a whole copy of the old file.
TEST_F(HistoryFixture, CrashAtAnyOperationOfASaveLeavesTheHistoryConsistent)
{
    bool sawCopyWithoutLine = false;
    for (std::uint64_t k = 1;; ++k) {
        std::filesystem::remove_all(scratch.path("History"));
        scratch.write("Morva.ini", kOld);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            FaultInjectingFileSystem faulty(fs);
            auto history = makeHistory(faulty);
            auto store = makeStore(faulty, history.get());
            if (!store->load())
                ::_exit(3);
            store->setInt("Port", 2);
            faulty.resetCounts();
            faulty.injectFault(k, Fault::Kill);
            ::_exit(store->save() && history->problem() == HistoryProblem::None ? 0 : 4);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        const std::string onDisk = scratch.read("Morva.ini");
        EXPECT_TRUE(onDisk == kOld || onDisk == kNew) << "killed at operation " << k;
        auto history = makeHistory(fs);
        for (const auto& version : keptVersions(*history))
            EXPECT_EQ(version, kOld) << "killed at operation " << k;
        if (onDisk == kNew) {
            EXPECT_EQ(history->entries("Morva.ini").size(), 1u) << "killed at operation " << k;
        }
        if (scratch.exists("History") && history->entries("Morva.ini").empty())
            sawCopyWithoutLine = sawCopyWithoutLine ||
                                 std::filesystem::directory_iterator(scratch.path("History")) !=
                                     std::filesystem::directory_iterator();
        if (WIFEXITED(status)) {
            EXPECT_EQ(WEXITSTATUS(status), 0) << k;
            EXPECT_EQ(onDisk, kNew);
            break;
        }
        // The next save clears what the kill left in the folder.
        if (scratch.exists("History")) {
            auto store = makeStore(fs, history.get());
            ASSERT_TRUE(store->load());
            store->setInt("Port", 3);
            ASSERT_TRUE(store->save());
            for (const auto& entry : std::filesystem::directory_iterator(scratch.path("History")))
                EXPECT_NE(entry.path().filename().string().front(), '~')
                    << "killed at operation " << k;
            EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch.path("History")),
                                    std::filesystem::directory_iterator()),
                      static_cast<std::ptrdiff_t>(history->entries("Morva.ini").size() + 1))
                << "copies and the index only, killed at operation " << k;
        }
        ASSERT_TRUE(WIFSIGNALED(status));
        ASSERT_LT(k, 200u);
    }
    EXPECT_TRUE(sawCopyWithoutLine) << "some kills fell between the copy and its line";
}

// Every operation of a save with history failing once: the save either works
// or leaves the file as it was, and the history names only whole copies.
TEST_F(HistoryFixture, AFailureAtAnyOperationKeepsFileAndHistoryConsistent)
{
    for (std::uint64_t k = 1;; ++k) {
        std::filesystem::remove_all(scratch.path("History"));
        scratch.write("Morva.ini", kOld);
        FaultInjectingFileSystem faulty(fs);
        auto history = makeHistory(faulty);
        auto store = makeStore(faulty, history.get());
        ASSERT_TRUE(store->load());
        store->setInt("Port", 2);
        faulty.resetCounts();
        faulty.injectFault(k, Fault::FailOnce);
        const bool saved = store->save();
        const bool fired = faulty.faultFired();
        faulty.clearFault();
        EXPECT_EQ(scratch.read("Morva.ini"), saved ? kNew : kOld) << "failed operation " << k;
        for (const auto& version : keptVersions(*makeHistory(fs)))
            EXPECT_EQ(version, kOld) << "failed operation " << k;
        if (!fired)
            break;
        ASSERT_LT(k, 200u);
    }
}
#endif
