#include "service/SignalFiles.h"

#include "resources/CommandIds.h"
#include "resources/Texts.h"

namespace morva::service {

namespace {

constexpr SignalFile kSignals[] = {
    {Signal::Deliver, command::SignalDeliver, "OSMTP.sig", "deliver"},
    {Signal::Statistics, command::SignalStatistics, "Stat.sig", "stat"},
    {Signal::Queue, command::SignalQueue, "OQueue.sig", "queue"},
    {Signal::SendLog, command::SignalSendLog, "SendLog.sig", "sendlog"},
    {Signal::PackWhiteList, command::SignalPackWhiteList, "AWLPA.sig", "packwl"},
    {Signal::Restart, command::SignalRestart, "Restart.sig", "restart"},
};

// Read/write, no sharing, create always (truncates); a link is refused.
constexpr platform::OpenMode kCreateExclusive = 4 | platform::kOpenNoFollow;

} // namespace

std::span<const SignalFile> signalFiles()
{
    return kSignals;
}

const SignalFile* signalForCommand(int commandId)
{
    for (const SignalFile& entry : kSignals)
        if (entry.commandId == commandId)
            return &entry;
    return nullptr;
}

const SignalFile* signalForWord(std::string_view word)
{
    for (const SignalFile& entry : kSignals)
        if (word == entry.word)
            return &entry;
    return nullptr;
}

const SignalFile& signalFile(Signal signal)
{
    for (const SignalFile& entry : kSignals)
        if (entry.signal == signal)
            return entry;
    return kSignals[0];
}

std::string signalFilePath(const std::string& programDir, std::string_view fileName)
{
    return programDir + std::string(fileName);
}

bool createSignalFile(platform::FileSystem& fileSystem, const std::string& programDir,
                      std::string_view fileName, platform::FileError* error)
{
    platform::FileError failure = platform::FileError::None;
    bool created = false;
    if (auto file =
            fileSystem.open(signalFilePath(programDir, fileName), kCreateExclusive, &failure)) {
        // A failed close may mean the file never reached the directory: the
        // gateway would not see the signal, so it counts as a failure.
        created = file->close();
        if (!created)
            failure = file->lastError();
    }
    if (error)
        *error = failure;
    return created;
}

std::string_view signalFailedText(int languageIndex)
{
    return text("service.signalFailed", languageIndex);
}

std::string signalFailedText(int languageIndex, const std::string& path, platform::FileError error)
{
    std::string message(signalFailedText(languageIndex));
    if (platform::isNotPlainFile(error))
        message +=
            "\n\n" + replacePlaceholder(text("common.notPlainFile", languageIndex), "%1", path);
    return message;
}

} // namespace morva::service
