#include "service/SignalFiles.h"

#include "../platform/ScratchDir.h"
#include "platform/FaultInjectingFileSystem.h"
#include "platform/SystemFileSystem.h"
#include "resources/CommandIds.h"
#include "resources/Texts.h"

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
