#include "db/DataSet.h"

#include "config/ConfigStore.h"
#include "db/DataAliaFile.h"
#include "db/DataBlocFile.h"
#include "db/DataConfFile.h"
#include "db/DataUserFile.h"
#include "db/RecordBytes.h"
#include "db/RecordingFeedback.h"
#include "platform/Clock.h"
#include "platform/FileHolderProcess.h"
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

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

using namespace morva;
using namespace morva::db;
using namespace std::chrono_literals;
using Op = platform::FaultInjectingFileSystem::Operation;
using Fault = platform::FaultInjectingFileSystem::Fault;

namespace {

const std::vector<std::string> kFailedAcquireTail = {"progress end",
                                                     "status idle",
                                                     "cursor off",
                                                     "dialog closed",
                                                     "error Unable to lock the data files!",
                                                     "locked off"};

class DataSetTest : public ::testing::Test
{
protected:
    std::unique_ptr<DataSet> makeDataSet(const CertificateSettings& settings = {})
    {
        return std::make_unique<DataSet>(m_fs, m_clock, m_scratch.dir(), settings, &m_feedback);
    }
    bool heldByUs(const std::string& name)
    {
        // A file that some open holds refuses an exclusive open.
        return !m_posix.open(m_scratch.path(name), 2);
    }
    std::vector<std::string> lastEvents(std::size_t n) const
    {
        const auto& e = m_feedback.events;
        return {e.end() - static_cast<long>(std::min(n, e.size())), e.end()};
    }

    test::ScratchDir m_scratch;
    platform::PosixFileSystem m_posix;
    platform::FaultInjectingFileSystem m_fs{m_posix};
    platform::FakeClock m_clock;
    test::RecordingFeedback m_feedback;
};

} // namespace

TEST_F(DataSetTest, StaleLockFileDoesNotBlockAndIsGoneAfterRelease)
{
    m_scratch.write("MORVADTB.LCK", "left over by a crash");
    auto data = makeDataSet();
    ASSERT_TRUE(data->acquire());
    EXPECT_EQ(m_feedback.events,
              (std::vector<std::string>{"idle work", "cursor on", "progress 1..7/1",
                                        "status Trying to lock the data files...", "progress end",
                                        "status idle", "cursor off", "locked on"}));
    EXPECT_EQ(m_scratch.read("MORVADTB.LCK"), "") << "held open, empty";
    for (const char* name : {"MORVADTB.LCK", "DataDumm.DAT", "DataUser.DAT", "DataAlia.DAT",
                             "DataBloc.DAT", "DATACONF.DAT"})
        EXPECT_TRUE(heldByUs(name)) << name;
    EXPECT_EQ(m_clock.sleeps(), 0);
    EXPECT_TRUE(data->release());
    EXPECT_FALSE(m_scratch.exists("MORVADTB.LCK"));
    EXPECT_FALSE(heldByUs("DataAlia.DAT"));
    EXPECT_EQ(m_scratch.read("DATACONF.DAT"), test::blankConfRecord())
        << "an empty DATACONF.DAT gets its one record";
    EXPECT_EQ(m_scratch.read("DataDumm.DAT"), "");
    EXPECT_EQ(m_feedback.events.back(), "locked off");
}

TEST_F(DataSetTest, NestedUsersShareOneOpening)
{
    auto data = makeDataSet();
    ASSERT_TRUE(data->acquire());
    const auto opens = m_fs.count(Op::Open);
    const auto closes = m_fs.count(Op::Close);
    ASSERT_TRUE(data->acquire());
    EXPECT_EQ(data->useCount(), 2u);
    EXPECT_EQ(m_fs.count(Op::Open), opens) << "the sheet does not reopen the files";
    DataAliaFile* alia = data->aliaFile();
    ASSERT_TRUE(alia);
    ASSERT_TRUE(alia->newRecord(false));
    alia->setForwardAddress("a@b.com");
    EXPECT_TRUE(data->release());
    EXPECT_EQ(data->aliaFile(), alia) << "the list still holds the files";
    EXPECT_TRUE(data->isOpen());
    EXPECT_EQ(m_fs.count(Op::Close), closes);
    EXPECT_TRUE(data->release());
    EXPECT_FALSE(data->isOpen());
    EXPECT_EQ(data->aliaFile(), nullptr);
    EXPECT_EQ(m_scratch.read("DataAlia.DAT"), test::aliasRecord("a@b.com", "", false));
    EXPECT_TRUE(data->release()) << "an unmatched release does nothing";
    EXPECT_EQ(m_feedback.countOf("locked on"), 2);
    EXPECT_EQ(m_feedback.countOf("locked off"), 1);
}

TEST_F(DataSetTest, LockHeldByAnotherProcessFailsAfterFiveAttempts)
{
    test::FileHolderProcess gateway;
    ASSERT_TRUE(gateway.start(m_scratch.path("MORVADTB.LCK"), 4)) << gateway.status();
    auto data = makeDataSet();
    EXPECT_FALSE(data->acquire());
    EXPECT_EQ(m_feedback.countOf("step"), 5);
    EXPECT_EQ(m_feedback.countOf("dialog Locking the data files..."), 1);
    EXPECT_EQ(lastEvents(6), kFailedAcquireTail);
    EXPECT_EQ(m_clock.slept(), 4 * 3000ms) << "five attempts, three seconds apart";
    EXPECT_EQ(m_clock.sleeps(), 4 * 30) << "in sleeps of 100 ms";
    EXPECT_EQ(data->lastOpenFailure().fileName, "MORVADTB.LCK");
    EXPECT_EQ(data->lastOpenFailure().error, platform::FileError::SharingViolation);
    EXPECT_FALSE(data->isOpen());
    EXPECT_FALSE(m_scratch.exists("DataAlia.DAT")) << "no record file is touched";
    EXPECT_TRUE(m_scratch.exists("MORVADTB.LCK")) << "the holder's lock file stays";

    EXPECT_EQ(gateway.stop(), 0);
    EXPECT_TRUE(data->acquire(1));
    EXPECT_TRUE(data->release());
}

TEST_F(DataSetTest, RecordFileHeldElsewhereClosesEverythingOpenedBeforeIt)
{
    test::FileHolderProcess gateway;
    m_scratch.write("DataBloc.DAT", test::blockRecord(0, "10.1.1.1"));
    ASSERT_TRUE(gateway.start(m_scratch.path("DataBloc.DAT"), 1)) << gateway.status();
    auto data = makeDataSet();
    EXPECT_FALSE(data->acquire(1));
    EXPECT_EQ(data->lastOpenFailure().fileName, "DataBloc.DAT");
    EXPECT_EQ(data->lastOpenFailure().error, platform::FileError::SharingViolation);
    EXPECT_FALSE(m_scratch.exists("MORVADTB.LCK")) << "the lock was released";
    for (const char* name : {"DataDumm.DAT", "DataUser.DAT", "DataAlia.DAT"})
        EXPECT_FALSE(heldByUs(name)) << name << " was closed again";
    EXPECT_FALSE(m_scratch.exists("DATACONF.DAT")) << "files after the failure are not opened";
    EXPECT_EQ(m_clock.sleeps(), 0) << "a single attempt does not wait";
    EXPECT_EQ(m_feedback.countOf("dialog Locking the data files..."), 0) << "nor says it waits";
    EXPECT_EQ(lastEvents(5),
              (std::vector<std::string>{"progress end", "status idle", "cursor off",
                                        "error Unable to lock the data files!", "locked off"}));
    gateway.stop();
    EXPECT_EQ(m_scratch.read("DataBloc.DAT"), test::blockRecord(0, "10.1.1.1"));
}

TEST_F(DataSetTest, CancelAndShutdownEndTheWaiting)
{
    test::FileHolderProcess gateway;
    ASSERT_TRUE(gateway.start(m_scratch.path("MORVADTB.LCK"), 4));
    // Cancel pressed during the third wait: that wait ends at its next
    // short sleep, not three seconds later.
    m_feedback.cancelled = [this] { return m_clock.slept() > 6000ms; };
    auto data = makeDataSet();
    EXPECT_FALSE(data->acquire());
    EXPECT_EQ(m_feedback.countOf("step"), 3);
    EXPECT_EQ(m_clock.slept(), 6100ms);
    EXPECT_EQ(lastEvents(6), kFailedAcquireTail);

    // Application closing: the wait ends at the next short sleep, and no
    // message is shown to a console that is going away.
    m_feedback = {};
    m_feedback.closing = [this] { return m_clock.slept() >= 6600ms; };
    EXPECT_FALSE(data->acquire());
    EXPECT_EQ(m_feedback.countOf("step"), 1);
    EXPECT_EQ(m_clock.slept(), 6600ms);
    EXPECT_EQ(m_feedback.countOf("error Unable to lock the data files!"), 0);
    EXPECT_EQ(m_feedback.events.back(), "locked off");
}

TEST_F(DataSetTest, DeleteWritesTheMarkerAndReturnsToTheCurrentRecord)
{
#ifdef _WIN32
    GTEST_SKIP() << "looks into a file while the test holds it unshared, which Windows refuses";
#endif
    m_scratch.write("DataUser.DAT", test::userRecord("a@x.com", "A") +
                                        test::userRecord("b@x.com", "B") +
                                        test::userRecord("c@x.com", "C"));
    auto data = makeDataSet();
    ASSERT_TRUE(data->acquire());
    ASSERT_TRUE(data->userFile()->goTo(3));
    EXPECT_TRUE(data->deleteUserRecord(2));
    EXPECT_EQ(data->userFile()->currentRecord(), 3u);
    EXPECT_EQ(m_scratch.read("DataUser.DAT"), test::userRecord("a@x.com", "A") +
                                                  test::userRecord("b@x.com", "B", ' ', true) +
                                                  test::userRecord("c@x.com", "C"))
        << "written at once, before the release";
    EXPECT_FALSE(data->deleteUserRecord(7));
    EXPECT_FALSE(data->deleteAliaRecord(1)) << "an empty file has no record 1";
    EXPECT_TRUE(data->release());
    EXPECT_FALSE(data->deleteBlocRecord(1)) << "closed: nothing to delete";
}

TEST_F(DataSetTest, ReleaseReportsRecordsThatCouldNotBeWritten)
{
    auto data = makeDataSet();
    ASSERT_TRUE(data->acquire());
    ASSERT_TRUE(data->blocFile()->newRecord(false));
    data->blocFile()->setValue("spam.example");
    m_fs.injectFault(1, Fault::FailFromThen, platform::FileError::NoSpace, Op::WriteAt);
    EXPECT_FALSE(data->release());
    m_fs.clearFault();
    EXPECT_EQ(data->unwrittenFiles(), (std::vector<std::string>{"DataBloc.DAT", "DATACONF.DAT"}));
    EXPECT_EQ(m_feedback.events.back(),
              "error Unable to write the data files! These files may have lost changes:\n"
              "DataBloc.DAT\nDATACONF.DAT");
    EXPECT_FALSE(data->isOpen());
    EXPECT_FALSE(m_scratch.exists("MORVADTB.LCK")) << "the lock is released all the same";
}

TEST_F(DataSetTest, LinkInPlaceOfTheLockIsRefusedAtOnceAndItsTargetKept)
{
    m_scratch.write("records.txt", "precious");
    std::error_code failed;
    std::filesystem::create_symlink(m_scratch.path("records.txt"), m_scratch.path("MORVADTB.LCK"),
                                    failed);
    if (failed)
        GTEST_SKIP() << "no symbolic links here: " << failed.message();
    auto data = makeDataSet();
    EXPECT_FALSE(data->acquire());
    EXPECT_EQ(data->lastOpenFailure().error, platform::FileError::IsLink);
    EXPECT_EQ(m_scratch.read("records.txt"), "precious") << "the target was not truncated";
    EXPECT_TRUE(std::filesystem::is_symlink(m_scratch.path("MORVADTB.LCK")));
    EXPECT_EQ(m_clock.sleeps(), 0) << "waiting cannot turn a link into a lock file";
    EXPECT_EQ(m_feedback.countOf("step"), 0);
    const std::string& message = m_feedback.events[m_feedback.events.size() - 2];
    EXPECT_EQ(message.rfind("error Unable to lock the data files!\n\n", 0), 0u) << message;
    EXPECT_NE(message.find(m_scratch.path("MORVADTB.LCK") + " is a symbolic link"),
              std::string::npos)
        << message;
}

#ifndef _WIN32
TEST_F(DataSetTest, PipeInPlaceOfARecordFileIsRefusedWithoutWaiting)
{
    ASSERT_EQ(::mkfifo(m_scratch.path("DataAlia.DAT").c_str(), 0600), 0);
    auto data = makeDataSet();
    EXPECT_FALSE(data->acquire());
    EXPECT_EQ(data->lastOpenFailure().fileName, "DataAlia.DAT");
    EXPECT_EQ(data->lastOpenFailure().error, platform::FileError::NotRegular);
    EXPECT_EQ(m_clock.sleeps(), 0);
    EXPECT_FALSE(m_scratch.exists("MORVADTB.LCK")) << "the lock was released";
}
#endif

TEST_F(DataSetTest, LastReleaseSyncsWhatWasWrittenAndReportsAFailedSync)
{
    auto data = makeDataSet();
    ASSERT_TRUE(data->acquire());
    ASSERT_TRUE(data->aliaFile()->newRecord(false));
    data->aliaFile()->setForwardAddress("info@a.com");
    m_fs.resetCounts();
    EXPECT_TRUE(data->release());
    EXPECT_EQ(m_fs.count(Op::Sync), 2u) << "DataAlia.DAT and the new DATACONF.DAT record";

    // Only reading: nothing to sync.
    ASSERT_TRUE(data->acquire());
    m_fs.resetCounts();
    EXPECT_TRUE(data->release());
    EXPECT_EQ(m_fs.count(Op::Sync), 0u);

    ASSERT_TRUE(data->acquire());
    ASSERT_TRUE(data->userFile()->newRecord(true));
    data->userFile()->setAddress("anna@a.com");
    m_fs.injectFault(1, Fault::FailOnce, platform::FileError::Io, Op::Sync);
    EXPECT_FALSE(data->release()) << "a record the disk may not hold is reported";
    m_fs.clearFault();
    EXPECT_EQ(data->unwrittenFiles(), std::vector<std::string>{"DataUser.DAT"});
    EXPECT_FALSE(m_scratch.exists("MORVADTB.LCK"));
}

TEST_F(DataSetTest, MissingProgramDirectoryFailsCleanly)
{
    DataSet data(m_fs, m_clock, m_scratch.path("absent") + "/", {}, &m_feedback);
    EXPECT_FALSE(data.acquire(1));
    EXPECT_EQ(data.lastOpenFailure().fileName, "MORVADTB.LCK");
    EXPECT_EQ(data.lastOpenFailure().error, platform::FileError::NotFound);
    EXPECT_EQ(m_feedback.events.back(), "locked off");
}

TEST_F(DataSetTest, CertificateDirectoriesAndListings)
{
    namespace fs = std::filesystem;
    const std::string smime = m_scratch.path("smime");
    for (const char* dir : {"smime/CERT/PRIV", "smime/CERT/PUB", "CERT/PRIV", "CERT/sub.pem"})
        fs::create_directories(m_scratch.path(dir));
    for (const char* file : {"smime/CERT/ca.pem", "smime/CERT/b.pem", "smime/CERT/PRIV/k.PEM",
                             "smime/CERT/PRIV/notes.txt", "CERT/PRIV/dkim.pem", "CERT/x.pem"})
        m_scratch.write(file, "");

    auto data = makeDataSet({smime, "ca.pem", ""});
    // The directories end with the native separator.
    auto native = [](std::string path) {
        std::replace(path.begin(), path.end(), '/',
                     static_cast<char>(std::filesystem::path::preferred_separator));
        return path;
    };
    EXPECT_EQ(data->smimeCertDirectory(), smime + native("/CERT/"));
    EXPECT_EQ(data->smimePrivDirectory(), smime + native("/CERT/PRIV/"));
    EXPECT_EQ(data->smimeCrlDirectory(), smime + native("/CERT/CRL/"));
    EXPECT_EQ(data->smimeFpDirectory(), smime + native("/CERT/FP/"));
    EXPECT_EQ(data->smimeCaCertFile(), smime + native("/CERT/ca.pem"));
    EXPECT_EQ(data->dkimCertDirectory(), m_scratch.dir() + native("CERT/")) << "empty: program dir";
    EXPECT_EQ(data->dkimPrivDirectory(), m_scratch.dir() + native("CERT/PRIV/"));
    EXPECT_EQ(data->smimeCertificates(), (std::vector<std::string>{"b.pem", "ca.pem"}));
    EXPECT_EQ(data->smimePrivateCertificates(true),
              (std::vector<std::string>{"!!void-certificate!!", "k.PEM"}));
    EXPECT_EQ(data->smimePublicCertificates(false), std::vector<std::string>{});
    EXPECT_EQ(data->dkimPrivateCertificates(false), std::vector<std::string>{"dkim.pem"});

    const std::string absolute = m_scratch.path("CERT/x.pem");
    EXPECT_EQ(makeDataSet({smime + "/", absolute, ""})->smimeCaCertFile(), absolute);
    EXPECT_EQ(makeDataSet({smime, "missing.pem", ""})->smimeCaCertFile(), "");
    EXPECT_EQ(makeDataSet({smime, "PRIV", ""})->smimeCaCertFile(), "") << "a directory is no file";
}

TEST(CountryList, HoldsTheCodesInOrderWithLookup)
{
    const auto& list = countryList();
    EXPECT_EQ(list.size(), 256u);
    EXPECT_EQ(list[0], "ac - Ascension Island");
    EXPECT_EQ(list[1], "ad - Andorra");
    for (std::size_t i = 1; i < list.size(); ++i)
        EXPECT_LT(list[i - 1].substr(0, 2), list[i].substr(0, 2)) << list[i];
    for (std::string_view entry : list)
        EXPECT_EQ(entry.substr(2, 3), " - ") << entry;
    EXPECT_EQ(countryEntryFor("de"), "de - Germany");
    EXPECT_EQ(countryEntryFor("DE"), "de - Germany");
    EXPECT_EQ(countryEntryFor("zz"), "zz");
    EXPECT_EQ(countryEntryFor(""), "");
}

TEST(CertificateSettings, ComeFromTheConfigurationStore)
{
    platform::PosixFileSystem fs;
    platform::FakeClock clock;
    config::ConfigStore store(fs, clock, "/nonexistent/");
    for (const char* key : {"SMIMEPath", "SMIMECACert", "DKIMPath"})
        store.registerString(key, "");
    store.setString("SMIMEPath", "/srv/smime");
    store.setString("SMIMECACert", "ca.pem");
    store.setString("DKIMPath", "/srv/dkim");
    const CertificateSettings settings = certificateSettingsFrom(store);
    EXPECT_EQ(settings.smimePath, "/srv/smime");
    EXPECT_EQ(settings.smimeCaCert, "ca.pem");
    EXPECT_EQ(settings.dkimPath, "/srv/dkim");
}
