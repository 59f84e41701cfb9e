#include "config/MergeSave.h"

#include "config/ConfigStore.h"
#include "config/Schema.h"
#include "platform/Clock.h"
#include "platform/ScratchDir.h"
#include "platform/SystemFileSystem.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <string>

using namespace morva::config;
using morva::test::ScratchDir;

namespace {

// The console's store, edited by a sheet, and other writers of the same
// file: second stores, as another console or morvactl would hold them.
struct MergeSaveFixture : ::testing::Test
{
    ScratchDir scratch;
    std::unique_ptr<morva::platform::FileSystem> fs = morva::platform::makeSystemFileSystem();
    morva::platform::FakeClock clock;

    std::unique_ptr<ConfigStore> open()
    {
        auto store = std::make_unique<ConfigStore>(*fs, clock, scratch.dir());
        registerSchema(*store);
        store->load();
        return store;
    }
    // Another writer changes the file as a whole program would.
    void changeOnDisk(const std::function<void(ConfigStore&)>& change)
    {
        auto other = open();
        change(*other);
        ASSERT_TRUE(other->save());
    }
    std::string file() const { return scratch.read("Morva.ini"); }
};

ConflictResolver refuseToBeAsked()
{
    return [](std::vector<KeyMerge>& conflicts) {
        ADD_FAILURE() << "asked although nothing conflicts: " << conflicts.front().key;
        return false;
    };
}

} // namespace

TEST_F(MergeSaveFixture, ChangesToDifferentKeysAreCombinedAndDiskLinesKept)
{
    scratch.write("Morva.ini", "SmartHost=old.example\r\nSMTPRelayAllowIP=10.0.0.0/8\r\n");
    auto console = open();
    const ConfigSnapshot base = snapshotOf(*console);
    console->setString("SmartHost", "mine.example");
    console->setList("SMTPRelayAllowIP", {"10.0.0.0/8", "192.168.1.0/24"});
    // Written again unchanged, as a page writes every key it shows.
    console->setInt("SmartHostPort", 0);

    scratch.write("Morva.ini", "; kept by the administrator\r\n"
                               "SmartHost=old.example\r\n"
                               "SmartHostPort=587 ;the provider's port\r\n"
                               "UnknownToTheConsole=1\r\n"
                               "SMTPRelayAllowIP=10.0.0.0/8\r\n"
                               "SMTPRelayAllowIP=172.16.0.0/12\r\n");
    const MergeSaveResult result = saveMerging(*console, base, refuseToBeAsked());
    EXPECT_EQ(result.status, MergeSaveStatus::Saved);
    const std::string text = file();
    EXPECT_NE(text.find("; kept by the administrator\r\nSmartHost=mine.example\r\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("SmartHostPort=587 ;the provider's port\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("UnknownToTheConsole=1\r\nSMTPRelayAllowIP=10.0.0.0/8\r\n"
                        "SMTPRelayAllowIP=172.16.0.0/12\r\nSMTPRelayAllowIP=192.168.1.0/24\r\n"),
              std::string::npos)
        << text;

    // The next save from the same editor merges again: the unchanged port
    // it writes does not undo the change on disk.
    console->setInt("SmartHostPort", 0);
    EXPECT_EQ(saveMerging(*console, base, refuseToBeAsked()).status, MergeSaveStatus::Saved);
    EXPECT_EQ(open()->getInt("SmartHostPort"), 587);
}

TEST_F(MergeSaveFixture, ConflictsAreDecidedBeforeAnythingIsSaved)
{
    scratch.write("Morva.ini", "SmartHost=old.example\r\nSmartHostPort=25\r\n");
    struct Choice
    {
        const char* name;
        int pick; // 0 theirs, 1 mine, 2 an edited value, -1 cancel
        const char* expected;
    };
    for (const Choice choice :
         {Choice{"theirs", 0, "disk.example"}, Choice{"mine", 1, "mine.example"},
          Choice{"edit", 2, "edited.example"}, Choice{"cancel", -1, nullptr}}) {
        SCOPED_TRACE(choice.name);
        scratch.write("Morva.ini", "SmartHost=old.example\r\nSmartHostPort=25\r\n");
        auto console = open();
        const ConfigSnapshot base = snapshotOf(*console);
        console->setString("SmartHost", "mine.example");
        console->setInt("SmartHostPort", 26);
        changeOnDisk([](ConfigStore& other) { other.setString("SmartHost", "disk.example"); });
        const std::string onDisk = file();
        int asked = 0;
        const auto result = saveMerging(*console, base, [&](std::vector<KeyMerge>& conflicts) {
            ++asked;
            EXPECT_EQ(file(), onDisk) << "saved before the conflicts were decided";
            EXPECT_EQ(conflicts.size(), 1u);
            KeyMerge& conflict = conflicts.front();
            EXPECT_EQ(conflict.key, "SmartHost");
            EXPECT_EQ(conflict.theirs.items.front(), "disk.example");
            EXPECT_EQ(conflict.mine.items.front(), "mine.example");
            if (choice.pick == 1)
                conflict.result = conflict.mine;
            else if (choice.pick == 2)
                conflict.result.items = {"edited.example"};
            return choice.pick >= 0;
        });
        EXPECT_EQ(asked, 1);
        if (!choice.expected) {
            EXPECT_EQ(result.status, MergeSaveStatus::Cancelled);
            EXPECT_EQ(file(), onDisk);
            continue;
        }
        EXPECT_EQ(result.status, MergeSaveStatus::Saved);
        auto saved = open();
        EXPECT_EQ(saved->getString("SmartHost"), choice.expected);
        EXPECT_EQ(saved->getInt("SmartHostPort"), 26);
        // A second save with the same decision to make does not ask again.
        EXPECT_EQ(saveMerging(*console, base, refuseToBeAsked()).status, MergeSaveStatus::Saved);
        EXPECT_EQ(open()->getString("SmartHost"), choice.expected);
    }
}

TEST_F(MergeSaveFixture, AWriterBetweenMergeAndSaveIsMergedToo)
{
    scratch.write("Morva.ini", "SmartHost=old.example\r\n");
    auto console = open();
    const ConfigSnapshot base = snapshotOf(*console);
    console->setString("SmartHost", "mine.example");
    changeOnDisk([](ConfigStore& other) { other.setString("SmartHost", "disk.example"); });
    int asked = 0;
    const auto result = saveMerging(*console, base, [&](std::vector<KeyMerge>& conflicts) {
        ++asked;
        conflicts.front().result = conflicts.front().mine;
        // A third program saves while the user decides.
        changeOnDisk([](ConfigStore& third) { third.setBool("WriteLogFile", false); });
        return true;
    });
    EXPECT_EQ(result.status, MergeSaveStatus::Saved);
    EXPECT_EQ(asked, 1) << "the same decision was asked twice";
    auto saved = open();
    EXPECT_EQ(saved->getString("SmartHost"), "mine.example");
    EXPECT_FALSE(saved->getBool("WriteLogFile"));
}

TEST_F(MergeSaveFixture, UnchangedFileIsSavedWithoutMerging)
{
    auto console = open();
    const ConfigSnapshot base = snapshotOf(*console);
    console->setString("SmartHost", "mine.example");
    const auto result = saveMerging(*console, base, refuseToBeAsked());
    EXPECT_EQ(result.status, MergeSaveStatus::Saved);
    EXPECT_FALSE(result.mergedWithDisk);
    EXPECT_EQ(file(), "SmartHost=mine.example\r\n");
}

#ifdef MORVACTL
TEST_F(MergeSaveFixture, AMorvactlSetMeanwhileIsKept)
{
    scratch.write("Morva.ini", "SmartHost=old.example\r\n");
    auto console = open();
    const ConfigSnapshot base = snapshotOf(*console);
    console->setString("SmartHost", "mine.example");
    const std::string command = std::string("timeout 60 '") + MORVACTL + "' --program-dir '" +
                                scratch.dir() +
                                "' config set SMTPRelayAllowIP 10.1.0.0/16 >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(saveMerging(*console, base, refuseToBeAsked()).status, MergeSaveStatus::Saved);
    auto saved = open();
    EXPECT_EQ(saved->getString("SmartHost"), "mine.example");
    EXPECT_EQ(saved->getList("SMTPRelayAllowIP"), std::vector<std::string>{"10.1.0.0/16"});
}
#endif
