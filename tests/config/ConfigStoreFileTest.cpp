#include "config/ConfigStore.h"
#include "platform/Clock.h"
#include "platform/ScratchDir.h"
#include "platform/testing/FaultInjectingFileSystem.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <utility>
#ifdef _WIN32
#include "platform/WindowsFileSystem.h"
#else
#include "platform/PosixFileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace morva::config;
using morva::platform::FakeClock;
using morva::platform::FaultInjectingFileSystem;
using morva::platform::FileError;
#ifdef _WIN32
// The same tests over the Windows backend.
using PosixFileSystem = morva::platform::WindowsFileSystem;
#else
using morva::platform::PosixFileSystem;
#endif
using morva::test::ScratchDir;
using Fault = FaultInjectingFileSystem::Fault;
using Op = FaultInjectingFileSystem::Operation;
namespace V = ValueFlag;

namespace {

// A handful of keys of every kind and the flag sets the gateway uses.
void registerSample(ConfigStore& store)
{
    store.registerString("Postmaster", "");
    store.registerString("MarkSubj", "[spam]");
    store.registerString("Quoted", "", V::Quoted);
    store.registerString("Trimmed", "", V::Trim);
    store.registerInt("Port", 25);
    store.registerInt("Flags", -1);
    store.registerBool("WriteLogFile", true);
    store.registerBool("Relay", false);
    store.registerStringList("FromAddress", V::Quoted | V::LeadStar);
    store.registerStringList("Header", V::NoComment);
    store.registerStringList("Domain", V::Lower | V::Trim);
    store.registerTextList("Subject", V::Quoted | V::StripStars);
    store.registerNetList("AllowIP");
}

struct StoreFixture : ::testing::Test
{
    ScratchDir scratch;
    PosixFileSystem posix;
    FakeClock clock;

    std::unique_ptr<ConfigStore> makeStore(morva::platform::FileSystem& fs)
    {
        auto store = std::make_unique<ConfigStore>(fs, clock, scratch.dir());
        registerSample(*store);
        return store;
    }
    std::unique_ptr<ConfigStore> loaded(const std::string& bytes)
    {
        scratch.write("Morva.ini", bytes);
        auto store = makeStore(posix);
        EXPECT_TRUE(store->load());
        return store;
    }
    std::vector<std::string> temporaryFiles()
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(scratch.path("")))
            if (entry.path().filename().string().rfind("~", 0) == 0)
                names.push_back(entry.path().filename().string());
        return names;
    }
};

} // namespace

TEST_F(StoreFixture, ReadsEveryKindAndWritesBackInRegistrationOrder)
{
    auto store = loaded("; relay settings\r\n"
                        "Relay=true\r\n"
                        "AllowIP=10 ; vpn\r\n"
                        "Unknown=1\r\n"
                        "; second net\r\n"
                        "AllowIP=192.168.1.7/32\r\n"
                        "Header=X-Tag: a;b\r\n"
                        "Domain=  Example.ORG \r\n"
                        "FromAddress=\"*@partner.example\" ; broken SPF\r\n"
                        "FromAddress=*@*.example\r\n"
                        "Subject=\"**Gr\xC3\xBC\xC3\x9F**\"\r\n"
                        "Port=-1\r\n"
                        "Port=587 ; submission\r\n"
                        "Quoted=\"a;b\"\r\n"
                        "Postmaster=\"pm@example.org\"\r\n"
                        "MarkSubj=[spam]\r\n"
                        "trailing comment without key\r\n");
    EXPECT_TRUE(store->getBool("Relay"));
    EXPECT_EQ(store->getInt("Port"), 587);
    EXPECT_EQ(store->getItemComments("Port"), std::vector<std::string>{" submission"});
    EXPECT_EQ(store->getString("Postmaster"), "\"pm@example.org\""); // no Quoted: quotes kept
    EXPECT_EQ(store->getString("Quoted"), "a;b");
    EXPECT_EQ(store->getList("AllowIP"), (std::vector<std::string>{"10.0.0.0/8", "192.168.1.7"}));
    EXPECT_EQ(store->getItemComments("AllowIP"), (std::vector<std::string>{" vpn", ""}));
    // The lines between two items stay between them.
    EXPECT_TRUE(store->getLeadingLines("AllowIP").empty());
    EXPECT_EQ(store->getStringList("Header"), std::vector<std::string>{"X-Tag: a;b"});
    EXPECT_EQ(store->getStringList("Domain"), std::vector<std::string>{"example.org"});
    EXPECT_EQ(store->getStringList("FromAddress"),
              (std::vector<std::string>{"@partner.example", "*@*.example"}));
    EXPECT_EQ(store->getTextList("Subject"), TextList{u"Grüß"});

    ASSERT_TRUE(store->save());
    EXPECT_EQ(scratch.read("Morva.ini"), "Postmaster=\"pm@example.org\"\r\n"
                                         "Quoted=\"a;b\"\r\n"
                                         "Port=587 ; submission\r\n"
                                         "; relay settings\r\n"
                                         "Relay=True\r\n"
                                         "FromAddress=\"@partner.example\" ; broken SPF\r\n"
                                         "FromAddress=\"*@*.example\"\r\n"
                                         "Header=X-Tag: a;b\r\n"
                                         "Domain=example.org\r\n"
                                         "Subject=\"Gr\xC3\xBC\xC3\x9F\"\r\n"
                                         "AllowIP=10.0.0.0/8 ; vpn\r\n"
                                         "Unknown=1\r\n"
                                         "; second net\r\n"
                                         "AllowIP=192.168.1.7\r\n");
    // What was written reads back to the same values.
    auto again = makeStore(posix);
    ASSERT_TRUE(again->load());
    EXPECT_EQ(again->serialize(), store->serialize());
}

TEST_F(StoreFixture, ValueTextsOfSingleKinds)
{
    struct Row
    {
        const char* line;
        const char* key;
        const char* shown;
    };
    const Row rows[] = {
        {"Relay=TRUE", "Relay", "True"},
        {"Relay=True", "Relay", "True"},
        {"Relay=1", "Relay", "True"},
        {"Relay=10", "Relay", "True"},
        {"Relay=yes", "Relay", "False"},
        {"Relay=on", "Relay", "False"},
        {"Relay=", "Relay", "False"},
        {"Port=4294967295", "Port", "-1"},
        {"Port=abc", "Port", "0"},
        {"Port= +12x", "Port", "12"},
        {"Trimmed=  x  ", "Trimmed", "x"},
        {"MarkSubj= a \"b\"", "MarkSubj", "a \"b\""},
        {"Postmaster=;x", "Postmaster", ";x"},
    };
    for (const Row& row : rows) {
        auto store = loaded(std::string(row.line) + "\n");
        EXPECT_EQ(displayText(store->find(row.key)->value), row.shown) << row.line;
    }
    auto store = loaded("Flags=5\n");
    store->setInt("Flags", -2);
    store->setInt("Port", -1);
    ASSERT_TRUE(store->save());
    EXPECT_EQ(scratch.read("Morva.ini"), "Port=4294967295\r\nFlags=4294967294\r\n");
}

TEST_F(StoreFixture, ByteLevelInputIsReadAsLines)
{
    const std::string longValue(3 * 1024 * 1024, 'x');
    const std::pair<std::string, std::string> rows[] = {
        {"\xEF\xBB\xBFPostmaster=a", "a"}, // UTF-8 byte-order mark
        {"\xFF\xFEPostmaster=b\n", "b"},
        {"Postmaster=c\r\r\n", "c"}, // a lone CR is white space at the end
        {"Postmaster=d\rMarkSubj=e\n", "d\rMarkSubj=e"},
        {"Postmaster=f", "f"}, // last line without LF
        {std::string("Postmaster=g\0h\n", 15), std::string("g\0h", 3)},
        {"Postmaster=" + longValue + "\n", longValue},
    };
    for (const auto& [bytes, expected] : rows) {
        auto store = loaded(bytes);
        EXPECT_EQ(store->getString("Postmaster"), expected) << bytes.substr(0, 20);
    }
    // A byte-order mark is not written back.
    auto store = loaded("\xEF\xBB\xBFRelay=1\r\n");
    ASSERT_TRUE(store->save());
    EXPECT_EQ(scratch.read("Morva.ini"), "Relay=True\r\n");
}

TEST_F(StoreFixture, LineEndSplitAcrossReadChunksIsOneLineEnd)
{
    // Put the CR of a CR LF pair at the last byte of the first 16 KiB chunk
    // and its LF at the first byte of the next.
    for (std::size_t shift = 0; shift < 3; ++shift) {
        std::string head = "; " + std::string(16384 - 4 - shift, '-') + "\r\n";
        std::string bytes = head.substr(0, head.size());
        bytes += std::string(shift, ' ') + "Relay=1\r\nDomain=a\r\nDomain=b\r\n";
        auto store = loaded(bytes);
        EXPECT_TRUE(store->getBool("Relay")) << shift;
        EXPECT_EQ(store->getStringList("Domain"), (std::vector<std::string>{"a", "b"}));
        EXPECT_EQ(store->getLeadingLines("Relay").size(), 1u);
        EXPECT_EQ(store->getLeadingLines("Relay")[0].back(), '-') << "CR belongs to the line end";
    }
}

TEST_F(StoreFixture, CommentOnlyAndDefaultValuedFilesSaveEmpty)
{
    for (const char* bytes : {"", "; only\r\n; comments\r\n", "; above\r\nWriteLogFile=True\r\n",
                              "writelogfile=0\r\n"}) {
        auto store = loaded(bytes);
        EXPECT_TRUE(store->loadedOk());
        EXPECT_EQ(store->fileStamps().size(), 1u);
        ASSERT_TRUE(store->save());
        EXPECT_EQ(scratch.read("Morva.ini"), "") << bytes;
    }
}

TEST_F(StoreFixture, MissingFileLoadsDefaultsAndSaveCreatesIt)
{
    auto store = makeStore(posix);
    EXPECT_FALSE(store->load());
    EXPECT_TRUE(store->loadedOk());
    EXPECT_EQ(store->lastLoadStatus(), LoadStatus::Missing);
    EXPECT_EQ(store->getString("MarkSubj"), "[spam]");
    EXPECT_EQ(store->fileName(), scratch.path("Morva.ini"));
    store->setList("Domain", {"B.example", "a.example "});
    ASSERT_TRUE(store->save());
    EXPECT_EQ(scratch.read("Morva.ini"), "Domain=b.example\r\nDomain=a.example\r\n");
    // Saving twice in a row is fine: the new stamp is the file just written.
    store->setBool("Relay", true);
    EXPECT_TRUE(store->save());
}

TEST_F(StoreFixture, ReloadStartsFromDefaults)
{
    auto store = loaded("Domain=a\r\nPort=1\r\n");
    store->setString("Postmaster", "x");
    ASSERT_TRUE(store->load());
    EXPECT_EQ(store->getStringList("Domain"), std::vector<std::string>{"a"});
    EXPECT_EQ(store->getString("Postmaster"), "");
}

TEST_F(StoreFixture, IncludesAreReadInPlaceAndBlockTheSave)
{
    scratch.write("extra.ini", "Domain=b\r\nRelay=1\r\n");
    const std::string original = "Domain=a\r\ninclude = extra.ini\r\nDomain=c\r\n";
    auto store = loaded(original);
    EXPECT_EQ(store->getStringList("Domain"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(store->includedFiles(), std::vector<std::string>{scratch.path("extra.ini")});
    EXPECT_TRUE(store->includesOk());
    EXPECT_FALSE(store->save());
    EXPECT_EQ(store->lastSaveStatus(), SaveStatus::RefusedIncludes);
    EXPECT_EQ(scratch.read("Morva.ini"), original);
}

TEST_F(StoreFixture, UnreadableIncludesAreListedAndKept)
{
    scratch.write("self.ini", "Include=self.ini\r\nPort=7\r\n");
    scratch.write("a.ini", "Include=b.ini\r\n");
    scratch.write("b.ini", "Include=a.ini\r\nRelay=1\r\n");
    auto store = loaded("Include=missing.ini\r\nPort=9\r\nInclude=self.ini\r\nInclude=a.ini\r\n"
                        "Domain=x\r\n");
    EXPECT_FALSE(store->includesOk());
    EXPECT_EQ(store->missingIncludes(),
              (std::vector<std::string>{scratch.path("missing.ini"), scratch.path("self.ini"),
                                        scratch.path("a.ini")}));
    EXPECT_EQ(store->getInt("Port"), 7);
    EXPECT_TRUE(store->getBool("Relay"));
    // Each Include that could not be read stays as a line above the next key
    // (for a key read twice, above its one line: none is lost).
    EXPECT_EQ(store->getLeadingLines("Port"),
              (std::vector<std::string>{"Include=missing.ini", "Include=self.ini"}));
    EXPECT_EQ(store->getLeadingLines("Relay"), std::vector<std::string>{"Include=a.ini"});
}

TEST_F(StoreFixture, IncludeOfAFileBeingReadUnderAnotherSpellingIsACycle)
{
    // Opening a file that is being read would fail on its share mode and be
    // retried for nine seconds; a cycle is known without opening it.
    std::string loop;
    std::string spelling = "loop.ini";
    for (int i = 0; i < 12; ++i) {
        spelling = (i % 2 ? "./" : "sub/../") + spelling;
        loop += "Include=" + spelling + "\r\n";
    }
    std::filesystem::create_directory(scratch.path("sub"));
    scratch.write("loop.ini", loop + "Domain=x\r\n");
    auto store = loaded("Include=" + scratch.path("loop.ini") + "\r\n");
    EXPECT_EQ(store->includedFiles().size(), 1u);
    EXPECT_EQ(store->missingIncludes().size(), 12u);
    EXPECT_EQ(clock.sleeps(), 0);
    EXPECT_FALSE(store->save());
}

TEST_F(StoreFixture, DeepIncludeChainIsFollowed)
{
    for (int i = 0; i < 100; ++i)
        scratch.write("inc" + std::to_string(i) + ".ini", "Domain=d" + std::to_string(i) +
                                                              "\r\nInclude=inc" +
                                                              std::to_string(i + 1) + ".ini\r\n");
    scratch.write("inc100.ini", "Relay=1\r\n");
    auto store = loaded("Include=inc0.ini\r\n");
    EXPECT_TRUE(store->includesOk());
    EXPECT_EQ(store->getStringList("Domain").size(), 100u);
    EXPECT_TRUE(store->getBool("Relay"));
    EXPECT_EQ(store->includedFiles().size(), 101u);
}

TEST_F(StoreFixture, LockedFileIsRetriedTenTimesAndNeverOverwritten)
{
    scratch.write("Morva.ini", "Port=1\r\n");
    struct Row
    {
        FileError error;
        int sleeps;
    };
    for (const Row& row : {Row{FileError::SharingViolation, 9}, Row{FileError::AccessDenied, 0}}) {
        FaultInjectingFileSystem faulty(posix);
        faulty.injectFault(1, Fault::FailFromThen, row.error, Op::Open);
        FakeClock fresh;
        ConfigStore store(faulty, fresh, scratch.dir());
        registerSample(store);
        EXPECT_FALSE(store.load());
        EXPECT_FALSE(store.loadedOk());
        EXPECT_EQ(store.lastLoadError(), row.error);
        EXPECT_EQ(fresh.sleeps(), row.sleeps);
        // About a second each, never the same for two programs in step.
        EXPECT_GE(fresh.slept(), std::chrono::milliseconds(800 * row.sleeps));
        EXPECT_LE(fresh.slept(), std::chrono::milliseconds(1200 * row.sleeps));
        EXPECT_EQ(store.getInt("Port"), 25);
        // Saving now would replace settings that were never read.
        store.setBool("Relay", true);
        EXPECT_FALSE(store.save());
        EXPECT_EQ(store.lastSaveStatus(), SaveStatus::RefusedUnread);
        EXPECT_EQ(scratch.read("Morva.ini"), "Port=1\r\n");
    }
    // A file that opens on a later attempt is read.
    FaultInjectingFileSystem faulty(posix);
    faulty.injectFault(1, Fault::FailOnce, FileError::SharingViolation, Op::Open);
    ConfigStore store(faulty, clock, scratch.dir());
    registerSample(store);
    EXPECT_TRUE(store.load());
    EXPECT_EQ(store.getInt("Port"), 1);
    EXPECT_EQ(clock.sleeps(), 1);
}

TEST_F(StoreFixture, DirectoryNamedLikeTheFileIsUnreadable)
{
    std::filesystem::create_directory(scratch.path("Morva.ini"));
    auto store = makeStore(posix);
    EXPECT_FALSE(store->load());
    EXPECT_FALSE(store->loadedOk());
    EXPECT_EQ(clock.sleeps(), 0);
    EXPECT_FALSE(store->save());
}

#ifndef _WIN32
TEST_F(StoreFixture, DevicesPipesAndHugeFilesAreRefusedAtOnce)
{
    ::alarm(20); // reading /dev/zero or waiting on a pipe would never end
    scratch.write("Morva.ini", "Include=/dev/zero\r\nPort=587\r\n");
    auto store = makeStore(posix);
    EXPECT_TRUE(store->load());
    EXPECT_EQ(store->missingIncludes(), std::vector<std::string>{"/dev/zero"});
    EXPECT_EQ(store->getInt("Port"), 587);

    std::filesystem::remove(scratch.path("Morva.ini"));
    ASSERT_EQ(::symlink("/dev/zero", scratch.path("Morva.ini").c_str()), 0);
    EXPECT_FALSE(store->load());
    EXPECT_EQ(store->lastLoadError(), FileError::NotRegular);

    std::filesystem::remove(scratch.path("Morva.ini"));
    ASSERT_EQ(::mkfifo(scratch.path("Morva.ini").c_str(), 0600), 0);
    EXPECT_FALSE(store->load());
    EXPECT_EQ(store->lastLoadError(), FileError::NotRegular);
    EXPECT_FALSE(store->save());
    EXPECT_EQ(clock.sleeps(), 0) << "retrying cannot make a regular file of it";

    // A sparse file beyond the limit is refused before anything is read.
    std::filesystem::remove(scratch.path("Morva.ini"));
    scratch.write("Morva.ini", "Port=1\r\n");
    std::filesystem::resize_file(scratch.path("Morva.ini"), (std::uintmax_t(512) << 20) + 1);
    EXPECT_FALSE(store->load());
    EXPECT_EQ(store->lastLoadError(), FileError::TooLarge);
    EXPECT_FALSE(store->save());
    ::alarm(0);

    // A link to a regular file is followed as before.
    scratch.write("real.ini", "Port=2\r\n");
    std::filesystem::remove(scratch.path("Morva.ini"));
    ASSERT_EQ(::symlink(scratch.path("real.ini").c_str(), scratch.path("Morva.ini").c_str()), 0);
    EXPECT_TRUE(store->load());
    EXPECT_EQ(store->getInt("Port"), 2);
}
#endif

TEST_F(StoreFixture, FileChangedOnDiskIsNotOverwritten)
{
    auto store = loaded("Port=1\r\n");
    scratch.write("Morva.ini", "Port=12\r\n");
    store->setBool("Relay", true);
    EXPECT_FALSE(store->save());
    EXPECT_EQ(store->lastSaveStatus(), SaveStatus::RefusedChanged);
    EXPECT_EQ(scratch.read("Morva.ini"), "Port=12\r\n");
    EXPECT_TRUE(store->getBool("Relay")) << "values in memory stay as set";
}

#ifndef _WIN32
// File times move in steps of a few milliseconds: another save may rename a
// file of the same size into place within one step of the file we read.
TEST_F(StoreFixture, FileReplacedWithinTheSameTimeAndSizeIsNotOverwritten)
{
    auto store = loaded("Port=1\r\n");
    struct stat read
    {
    };
    ASSERT_EQ(::stat(scratch.path("Morva.ini").c_str(), &read), 0);
    scratch.write("other", "Port=2\r\n");
    const struct timespec times[2] = {read.st_atim, read.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, scratch.path("other").c_str(), times, 0), 0);
    std::filesystem::rename(scratch.path("other"), scratch.path("Morva.ini"));

    store->setBool("Relay", true);
    EXPECT_FALSE(store->save());
    EXPECT_EQ(store->lastSaveStatus(), SaveStatus::RefusedChanged);
    EXPECT_EQ(scratch.read("Morva.ini"), "Port=2\r\n");
}
#endif

TEST_F(StoreFixture, LinesBetweenListItemsStayWhereTheyStood)
{
    // An administrator's notes between the items of a list, and lines the
    // console does not know, survive a save in their places: beside a small
    // list, and in a list long enough to be written in several pieces.
    const std::string small = "; partners\r\nAllowIP=10.0.0.1\r\n; branch office\r\nBogus=1\r\n"
                              "AllowIP=10.0.0.2 ; vpn\r\n\r\nAllowIP=10.0.0.3\r\n";
    std::string large;
    for (int i = 0; i < 200000; ++i) {
        if (i % 997 == 1)
            large += "; group " + std::to_string(i) + "\r\n";
        large += "Header=X-Item-" + std::to_string(i) + "\r\n";
    }
    for (const std::string& bytes : {small, large}) {
        auto store = loaded(bytes);
        ASSERT_TRUE(store->save());
        EXPECT_EQ(scratch.read("Morva.ini"), bytes);
    }

    // A shorter list keeps the lines whose item went below its last one.
    auto store = loaded(small);
    store->setList("AllowIP", {"10.0.0.9"});
    ASSERT_TRUE(store->save());
    EXPECT_EQ(scratch.read("Morva.ini"),
              "; partners\r\nAllowIP=10.0.0.9\r\n; branch office\r\nBogus=1\r\n\r\n");
}

TEST_F(StoreFixture, EntriesLookedAtInAnyOrderHoldWhatTheFileSaid)
{
    // A load only splits the lines; each entry's value is built when it is
    // first looked at. Whatever is looked at first, and after the file is
    // gone, the values and the saved text are those of the file.
    const std::string bytes = "; top\r\nAllowIP=10.0.0.1 ; a\r\nDomain=X.example\r\n"
                              "; between\r\nAllowIP=10.0.0.2\r\nPort=1\r\nUnknown=2\r\n"
                              "Port=2 ; again\r\nDomain=y.example\r\nSubject=\"*hi*\"\r\n"
                              "Relay=1\r\n; after the last key\r\n";
    const std::string expected = loaded(bytes)->serialize();
    std::filesystem::remove(scratch.path("Morva.ini"));
    const std::vector<std::function<void(ConfigStore&)>> firstLooks = {
        [](ConfigStore&) {},
        [](ConfigStore& s) {
            EXPECT_EQ(s.getList("AllowIP"), (std::vector<std::string>{"10.0.0.1", "10.0.0.2"}));
        },
        [](ConfigStore& s) { EXPECT_EQ(s.entryAt(12).itemComments.size(), 2u); },
        [](ConfigStore& s) { EXPECT_EQ(s.getInt("Port"), 2); },
        [](ConfigStore& s) { s.forEachEntry([](const ConfigEntry&) {}); },
    };
    for (std::size_t look = 0; look < firstLooks.size(); ++look) {
        scratch.write("Morva.ini", bytes);
        auto store = makeStore(posix);
        ASSERT_TRUE(store->load());
        std::filesystem::remove(scratch.path("Morva.ini"));
        firstLooks[look](*store);
        EXPECT_EQ(store->getStringList("Domain"),
                  (std::vector<std::string>{"x.example", "y.example"}));
        EXPECT_EQ(store->getLeadingLines("Port"), (std::vector<std::string>{"Unknown=2"})) << look;
        EXPECT_EQ(store->trailingLines(), std::vector<std::string>{"; after the last key"});
        EXPECT_EQ(store->serialize(), expected) << look;
    }

    // A setter works on the value the file gave, comments included, and a
    // second load does not add the items a second time.
    scratch.write("Morva.ini", bytes);
    auto store = makeStore(posix);
    ASSERT_TRUE(store->load());
    store->setInt("Port", 3);
    EXPECT_EQ(store->getItemComments("Port"), std::vector<std::string>{" again"});
    ASSERT_TRUE(store->load());
    ASSERT_TRUE(store->load());
    EXPECT_EQ(store->serialize(), expected);
}

TEST_F(StoreFixture, SettersKeepCommentsAndLeadingLines)
{
    auto store = loaded("; above\r\nPort=1 ; note\r\nDomain=a ; first\r\nDomain=b\r\n");
    store->setInt("Port", 2);
    store->setList("Domain", {"c"});
    store->setItemComments("Domain", {"only"});
    ASSERT_TRUE(store->save());
    EXPECT_EQ(scratch.read("Morva.ini"), "; above\r\nPort=2 ; note\r\nDomain=c ;only\r\n");
}

TEST_F(StoreFixture, WrongKindOrUnknownKeyChangesNothing)
{
    auto store = loaded("Port=1\r\n");
    EXPECT_DEBUG_DEATH(store->getString("Port"), "wrong kind");
    EXPECT_DEBUG_DEATH(store->setBool("Nope", true), "not registered");
    EXPECT_DEBUG_DEATH(store->setList("Port", {"1"}), "single-valued");
#ifdef NDEBUG
    EXPECT_EQ(store->getString("Port"), "");
    EXPECT_EQ(store->getInt("Nope"), 0);
    store->setString("Port", "9");
    store->setList("Relay", {"x"});
    EXPECT_EQ(store->getInt("Port"), 1);
    EXPECT_FALSE(store->getBool("Relay"));
#endif
}

// --- the atomic save ----------------------------------------------------

namespace {
const std::string kOld = "; kept\r\nPort=1\r\nDomain=a\r\n";
const std::string kNew = "; kept\r\nPort=2\r\nDomain=a\r\n";
} // namespace

TEST_F(StoreFixture, SaveFailingAtAnyOperationLeavesOldOrNewFile)
{
    // Count the operations of one clean save.
    scratch.write("Morva.ini", kOld);
    std::uint64_t operations = 0;
    {
        FaultInjectingFileSystem counting(posix);
        auto store = makeStore(counting);
        ASSERT_TRUE(store->load());
        store->setInt("Port", 2);
        counting.resetCounts();
        ASSERT_TRUE(store->save());
        operations = counting.total();
        ASSERT_GE(operations, 7u);
    }
    for (Fault fault : {Fault::FailOnce, Fault::FailFromThen}) {
        for (std::uint64_t k = 1; k <= operations; ++k) {
            scratch.write("Morva.ini", kOld);
            FaultInjectingFileSystem faulty(posix);
            auto store = makeStore(faulty);
            ASSERT_TRUE(store->load());
            store->setInt("Port", 2);
            faulty.resetCounts();
            faulty.injectFault(k, fault);
            const bool saved = store->save();
            const std::string now = scratch.read("Morva.ini");
            SCOPED_TRACE("operation " + std::to_string(k));
            if (saved) {
                EXPECT_EQ(now, kNew);
            } else {
                EXPECT_TRUE(now == kOld || (now == kNew && faulty.count(Op::SyncDirectory) > 0))
                    << now;
                if (fault == Fault::FailOnce) {
                    EXPECT_TRUE(temporaryFiles().empty());
                }
            }
            EXPECT_EQ(store->getInt("Port"), 2);
        }
    }
}

TEST_F(StoreFixture, EveryWriteStepFailureIsReported)
{
    const Op steps[] = {Op::CreateTemporary, Op::WriteAt, Op::CopyAttributes, Op::Sync,
                        Op::Close,           Op::Rename,  Op::SyncDirectory};
    for (Op step : steps) {
        scratch.write("Morva.ini", kOld);
        FaultInjectingFileSystem faulty(posix);
        auto store = makeStore(faulty);
        ASSERT_TRUE(store->load());
        store->setInt("Port", 2);
        faulty.injectFault(1, Fault::FailOnce, FileError::NoSpace, step);
        const bool saved = store->save();
        EXPECT_TRUE(faulty.faultFired());
        EXPECT_EQ(store->lastSaveError(), FileError::NoSpace);
        EXPECT_TRUE(temporaryFiles().empty());
        if (step == Op::SyncDirectory) {
            // The new file is in place, only its durability is unconfirmed:
            // saved, and the next save from here is no "change on disk".
            EXPECT_TRUE(saved);
            EXPECT_EQ(store->lastSaveStatus(), SaveStatus::SavedNotDurable);
            EXPECT_EQ(scratch.read("Morva.ini"), kNew);
            store->setInt("Port", 1);
            EXPECT_TRUE(store->save());
            EXPECT_EQ(store->lastSaveStatus(), SaveStatus::Ok);
            EXPECT_EQ(scratch.read("Morva.ini"), kOld);
            continue;
        }
        EXPECT_FALSE(saved) << static_cast<int>(step);
        EXPECT_EQ(store->lastSaveStatus(), SaveStatus::WriteFailed);
        EXPECT_EQ(scratch.read("Morva.ini"), kOld);
        if (step == Op::Sync) {
            EXPECT_EQ(faulty.count(Op::Sync), 1u) << "a failed sync is never retried";
        }
    }
}

TEST_F(StoreFixture, RenameOverHeldFileIsRetriedForAboutTenSeconds)
{
    scratch.write("Morva.ini", kOld);
    FaultInjectingFileSystem faulty(posix);
    auto store = makeStore(faulty);
    ASSERT_TRUE(store->load());
    store->setInt("Port", 2);
    faulty.injectFault(1, Fault::FailFromThen, FileError::SharingViolation, Op::Rename);
    EXPECT_FALSE(store->save());
    EXPECT_GE(clock.slept(), std::chrono::milliseconds(9900));
    EXPECT_LE(clock.slept(), std::chrono::milliseconds(10100));
    EXPECT_EQ(scratch.read("Morva.ini"), kOld);
    EXPECT_TRUE(temporaryFiles().empty());

    faulty.clearFault();
    faulty.injectFault(3, Fault::FailFromThen, FileError::SharingViolation, Op::Rename);
    EXPECT_TRUE(store->save()) << "released after two attempts";
    EXPECT_EQ(scratch.read("Morva.ini"), kNew);
}

// A file of several megabytes is written in pieces, each list resumed where
// the piece before ended. The input is in the form a save writes (keys in
// registration order), so the saved file must repeat it byte for byte.
TEST_F(StoreFixture, LargeFileIsSavedInPiecesByteForByte)
{
    std::string fromLines, subjectLines, netLines;
    for (int n = 0; n < 40000; ++n) {
        const std::string number = std::to_string(n);
        fromLines += "FromAddress=\"user" + number + "@host" + std::to_string(n % 97) +
                     ".example.com\"" + (n % 7 == 0 ? " ; partner" : "") + "\r\n";
        if (n % 5000 == 0)
            fromLines += "FromAddress=\"half\"quote" + number + "\"\r\n"; // a quote inside
        subjectLines += "Subject=\"Gr\xC3\xBC\xC3\x9F " + number + "\"\r\n";
        netLines += "AllowIP=10." + std::to_string(n % 256) + "." + std::to_string(n / 256) +
                    ".0/24" + (n % 11 == 0 ? " ; office" : "") + "\r\n";
        if (n % 3000 == 0)
            netLines += "AllowIP=no-network-" + number + "\r\n";
        if (n % 4000 == 0)
            netLines += "AllowIP=fd00:0:0:0:0:0:0:" + std::to_string(n / 4000 + 1) + "/64\r\n";
    }
    const std::string text = fromLines + subjectLines + netLines;
    ASSERT_GT(text.size(), 3u << 20);
    scratch.write("Morva.ini", text);

    FaultInjectingFileSystem counting(posix);
    auto store = makeStore(counting);
    ASSERT_TRUE(store->load());
    ASSERT_TRUE(store->save());
    EXPECT_GE(counting.count(Op::WriteAt), 3u) << "written in pieces";
    EXPECT_TRUE(scratch.read("Morva.ini") == text);
    EXPECT_TRUE(store->serialize() == text);
    EXPECT_TRUE(temporaryFiles().empty());

    // A write failing in any piece leaves the old file.
    store->setInt("Port", 2);
    const std::uint64_t writes = counting.count(Op::WriteAt);
    for (std::uint64_t k = 1; k <= writes; ++k) {
        counting.resetCounts();
        counting.injectFault(k, Fault::FailOnce, FileError::NoSpace, Op::WriteAt);
        EXPECT_FALSE(store->save()) << k;
        EXPECT_EQ(store->lastSaveError(), FileError::NoSpace);
        EXPECT_TRUE(scratch.read("Morva.ini") == text) << k;
        EXPECT_TRUE(temporaryFiles().empty());
        counting.clearFault();
    }
    ASSERT_TRUE(store->save());
    EXPECT_TRUE(scratch.read("Morva.ini") == "Port=2\r\n" + text);
}

namespace {

// A clock that lets another writer act while a save waits.
class ActingClock final : public morva::platform::Clock
{
public:
    std::function<void()> onFirstSleep;

    std::chrono::steady_clock::time_point now() override { return m_clock.now(); }
    void sleepFor(std::chrono::milliseconds duration) override
    {
        if (auto act = std::exchange(onFirstSleep, nullptr))
            act();
        m_clock.sleepFor(duration);
    }

private:
    FakeClock m_clock;
};

} // namespace

// Two stores read the same file; the second saves while the first holds the
// file's lock. It must wait, then find the first one's file and refuse,
// rather than check too early and overwrite it.
TEST_F(StoreFixture, SaveWaitsForTheFileLockAndThenSeesTheOtherSave)
{
    scratch.write("Morva.ini", kOld);
    ActingClock actingClock;
    auto first = makeStore(posix);
    ConfigStore second(posix, actingClock, scratch.dir());
    registerSample(second);
    ASSERT_TRUE(first->load());
    ASSERT_TRUE(second.load());
    first->setInt("Port", 2);
    second.setBool("Relay", true);

    auto held = posix.openLockFile(scratch.path("Morva.ini.lock"));
    ASSERT_TRUE(held) << "the first writer is between its check and its rename";
    actingClock.onFirstSleep = [&] {
        held.reset();
        EXPECT_TRUE(first->save());
    };
    EXPECT_FALSE(second.save());
    EXPECT_EQ(second.lastSaveStatus(), SaveStatus::RefusedChanged);
    EXPECT_EQ(scratch.read("Morva.ini"), kNew);

    // A lock that is never given up fails the save after about ten seconds.
    held = posix.openLockFile(scratch.path("Morva.ini.lock"));
    ASSERT_TRUE(held);
    first->setInt("Port", 3);
    EXPECT_FALSE(first->save());
    EXPECT_EQ(first->lastSaveStatus(), SaveStatus::WriteFailed);
    EXPECT_EQ(first->lastSaveError(), FileError::SharingViolation);
    EXPECT_GE(clock.slept(), std::chrono::milliseconds(9900));
    EXPECT_EQ(scratch.read("Morva.ini"), kNew);
    held.reset();
    EXPECT_TRUE(first->save());
}

#ifndef _WIN32
TEST_F(StoreFixture, SaveWritesThroughASymbolicLink)
{
    ScratchDir elsewhere;
    std::filesystem::create_directory(elsewhere.path("conf"));
    elsewhere.write("conf/real.ini", kOld);
    ::chmod(elsewhere.path("conf/real.ini").c_str(), 0640);
    // Morva.ini -> link.ini -> conf/real.ini, the second link relative.
    std::filesystem::create_symlink("conf/real.ini", elsewhere.path("link.ini"));
    std::filesystem::create_symlink(elsewhere.path("link.ini"), scratch.path("Morva.ini"));

    auto store = makeStore(posix);
    ASSERT_TRUE(store->load());
    store->setInt("Port", 2);
    ASSERT_TRUE(store->save());
    EXPECT_TRUE(std::filesystem::is_symlink(scratch.path("Morva.ini")));
    EXPECT_TRUE(std::filesystem::is_symlink(elsewhere.path("link.ini")));
    EXPECT_EQ(elsewhere.read("conf/real.ini"), kNew);
    struct stat info
    {
    };
    ASSERT_EQ(::stat(elsewhere.path("conf/real.ini").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_TRUE(temporaryFiles().empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(elsewhere.path("conf")),
                            std::filesystem::directory_iterator()),
              2)
        << "the file and its lock, no temporary";

    store->setInt("Port", 1);
    EXPECT_TRUE(store->save()) << "the stamp is the target's";
    EXPECT_EQ(scratch.read("Morva.ini"), kOld);
}

// Kills a forked child at every operation of a save (POSIX only). The file
// holds a password and is readable by its owner alone: whatever the kill
// leaves behind is readable by nobody else, and the next save removes it.
TEST_F(StoreFixture, CrashAtAnyOperationOfASaveLeavesOldOrNewFile)
{
    int leftovers = 0;
    for (std::uint64_t k = 1;; ++k) {
        scratch.write("Morva.ini", kOld);
        ::chmod(scratch.path("Morva.ini").c_str(), 0600);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            FaultInjectingFileSystem faulty(posix);
            auto store = makeStore(faulty);
            if (!store->load())
                ::_exit(3);
            store->setInt("Port", 2);
            faulty.resetCounts();
            faulty.injectFault(k, Fault::Kill);
            ::_exit(store->save() ? 0 : 4);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        const std::string now = scratch.read("Morva.ini");
        EXPECT_TRUE(now == kOld || now == kNew) << "killed at operation " << k << ": " << now;
        if (WIFEXITED(status)) {
            EXPECT_EQ(WEXITSTATUS(status), 0) << k;
            EXPECT_EQ(now, kNew);
            break; // k went past the last operation: the save completed
        }
        ASSERT_TRUE(WIFSIGNALED(status));
        for (const auto& name : temporaryFiles()) {
            struct stat info
            {
            };
            ASSERT_EQ(::stat(scratch.path(name).c_str(), &info), 0);
            EXPECT_EQ(info.st_mode & 077, 0u) << name << " killed at operation " << k;
            ++leftovers;
        }
        auto next = makeStore(posix);
        ASSERT_TRUE(next->load());
        next->setInt("Port", 3);
        ASSERT_TRUE(next->save());
        EXPECT_TRUE(temporaryFiles().empty()) << "killed at operation " << k;
        ASSERT_LT(k, 100u);
    }
    EXPECT_GT(leftovers, 0) << "some kills fell between creating and renaming the temporary";
}
#endif
