#include "service/SignalFiles.h"

#include "../platform/ScratchDir.h"
#include "platform/SystemFileSystem.h"
#include "platform/testing/FaultInjectingFileSystem.h"
#include "resources/CommandIds.h"
#include "resources/Texts.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <string>

using namespace morva;
using namespace morva::service;
using platform::FileError;

TEST(SignalFiles, SixSignalsWithTheGatewaysNames)
{
    const struct
    {
        int command;
        const char* word;
        const char* file;
    } rows[] = {
        {command::SignalDeliver, "deliver", "OSMTP.sig"},
        {command::SignalStatistics, "stat", "Stat.sig"},
        {command::SignalQueue, "queue", "OQueue.sig"},
        {command::SignalSendLog, "sendlog", "SendLog.sig"},
        {command::SignalPackWhiteList, "packwl", "AWLPA.sig"},
        {command::SignalRestart, "restart", "Restart.sig"},
    };
    ASSERT_EQ(signalFiles().size(), 6u);
    for (const auto& row : rows) {
        const SignalFile* byCommand = signalForCommand(row.command);
        ASSERT_NE(byCommand, nullptr) << row.word;
        EXPECT_STREQ(byCommand->fileName, row.file);
        EXPECT_EQ(signalForWord(row.word), byCommand);
        EXPECT_EQ(&signalFile(byCommand->signal), byCommand);
    }
    EXPECT_EQ(signalForCommand(command::Refresh), nullptr);
    EXPECT_EQ(signalForWord("Stat"), nullptr);
    EXPECT_EQ(signalFilePath("", "Stat.sig"), "Stat.sig");
}

TEST(SignalFiles, CreatesOneEmptyFileAndTruncatesALeftOver)
{
    test::ScratchDir scratch;
    auto fs = platform::makeSystemFileSystem();
    scratch.write("Stat.sig", "left over from a gateway that was not running");
    EXPECT_TRUE(createSignalFile(*fs, scratch.dir(), "Stat.sig"));
    EXPECT_TRUE(scratch.exists("Stat.sig"));
    EXPECT_EQ(scratch.read("Stat.sig"), "");

    FileError error = FileError::Io;
    EXPECT_TRUE(createSignalFile(*fs, scratch.dir(), "OSMTP.sig", &error));
    EXPECT_TRUE(createSignalFile(*fs, scratch.dir(), "OSMTP.sig", &error));
    EXPECT_EQ(error, FileError::None);
    EXPECT_EQ(fs->list(scratch.dir(), "*.sig"),
              (std::vector<std::string>{"OSMTP.sig", "Stat.sig"}));
    EXPECT_EQ(scratch.read("OSMTP.sig"), "");
}

TEST(SignalFiles, FailsWhileTheGatewayHoldsTheFileAndWhenTheDirectoryIsMissing)
{
    test::ScratchDir scratch;
    auto fs = platform::makeSystemFileSystem();
    {
        // The gateway opens the file without sharing while it handles it.
        auto held = fs->open(scratch.path("Restart.sig"), 4);
        ASSERT_TRUE(held);
        FileError error = FileError::None;
        EXPECT_FALSE(createSignalFile(*fs, scratch.dir(), "Restart.sig", &error));
        EXPECT_EQ(error, FileError::SharingViolation);
    }
    EXPECT_TRUE(createSignalFile(*fs, scratch.dir(), "Restart.sig"));

    FileError error = FileError::None;
    EXPECT_FALSE(createSignalFile(*fs, scratch.path("gone") + "/", "Stat.sig", &error));
    EXPECT_EQ(error, FileError::NotFound);
    scratch.write("plain", "a file, not a directory");
    EXPECT_FALSE(createSignalFile(*fs, scratch.path("plain") + "/", "Stat.sig"));
}

TEST(SignalFiles, ALinkInPlaceOfTheSignalIsRefusedAndItsTargetKept)
{
    test::ScratchDir scratch;
    scratch.write("GW.log", "the gateway's log");
    std::error_code failed;
    std::filesystem::create_symlink(scratch.path("GW.log"), scratch.path("SendLog.sig"), failed);
    if (failed)
        GTEST_SKIP() << "no symbolic links here: " << failed.message();
    std::filesystem::create_symlink(scratch.path("made-by-us"), scratch.path("Stat.sig"), failed);
    auto fs = platform::makeSystemFileSystem();
    for (const char* name : {"SendLog.sig", "Stat.sig"}) {
        FileError error = FileError::None;
        EXPECT_FALSE(createSignalFile(*fs, scratch.dir(), name, &error)) << name;
        EXPECT_EQ(error, FileError::IsLink) << name;
    }
    EXPECT_EQ(scratch.read("GW.log"), "the gateway's log");
    EXPECT_FALSE(scratch.exists("made-by-us"));

    // The message says why, in every language; other failures keep the short one.
    const std::string path = signalFilePath(scratch.dir(), "SendLog.sig");
    for (int language = English; language <= Spanish; ++language) {
        const std::string message = signalFailedText(language, path, FileError::IsLink);
        EXPECT_EQ(message.rfind(std::string(signalFailedText(language)) + "\n\n" + path, 0), 0u)
            << message;
        EXPECT_GT(message.size(), path.size() + 60) << message;
        EXPECT_EQ(signalFailedText(language, path, FileError::SharingViolation),
                  signalFailedText(language));
    }
}

TEST(SignalFiles, AFailedCloseIsAFailure)
{
    test::ScratchDir scratch;
    auto real = platform::makeSystemFileSystem();
    platform::FaultInjectingFileSystem faulty(*real);
    faulty.injectFault(1, platform::FaultInjectingFileSystem::Fault::FailOnce, FileError::NoSpace,
                       platform::FaultInjectingFileSystem::Operation::Close);
    FileError error = FileError::None;
    EXPECT_FALSE(createSignalFile(faulty, scratch.dir(), "AWLPA.sig", &error));
    EXPECT_EQ(error, FileError::NoSpace);
}

TEST(SignalFiles, FailureMessageInFiveLanguages)
{
    EXPECT_EQ(signalFailedText(English), "Unable to create signal file");
    EXPECT_EQ(signalFailedText(German), "Unable to create signal file");
    EXPECT_EQ(signalFailedText(French), "Impossible de créer un fichier signal");
    EXPECT_EQ(signalFailedText(Italian), "Impossibile creare un file di comando");
    EXPECT_EQ(signalFailedText(Spanish), "No es posible crear el fichero de señalización");
}
