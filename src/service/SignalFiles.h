#pragma once

#include "platform/FileSystem.h"

#include <span>
#include <string>
#include <string_view>

namespace morva::service {

// The gateway watches its program directory for these empty files, performs
// the action and removes the file. The console only creates them.
enum class Signal
{
    Deliver,
    Statistics,
    Queue,
    SendLog,
    PackWhiteList,
    Restart
};

struct SignalFile
{
    Signal signal;
    int commandId;        // the menu command that sends it
    const char* fileName; // in the program directory
    const char* word;     // morvactl signal <word>
};

// The six signals in menu order.
std::span<const SignalFile> signalFiles();

// The entry of a command id, a morvactl word or a signal; nullptr when none.
const SignalFile* signalForCommand(int commandId);
const SignalFile* signalForWord(std::string_view word);
const SignalFile& signalFile(Signal signal);

// The signal file's full path: `programDir` (which ends with the
// separator; an empty one gives the bare name) followed by the name.
std::string signalFilePath(const std::string& programDir, std::string_view fileName);

// Creates the empty signal file `fileName` in `programDir`: opened in mode
// 4 (read/write, no sharing, create always: a file left over from an
// earlier signal is truncated) and closed at once. False when it cannot be
// created: directory missing or not writable, the file held open by
// another program (the gateway while it handles the signal), or a link or
// special file in its place (never followed, so its target is not
// truncated). *error receives the reason when given.
bool createSignalFile(platform::FileSystem& fileSystem, const std::string& programDir,
                      std::string_view fileName, platform::FileError* error = nullptr);

// The message shown when a signal file cannot be created, in a language.
std::string_view signalFailedText(int languageIndex);
// The same with the reason when the open's `error` is a lasting one: a link
// or special file at `path` that the console will not write through.
std::string signalFailedText(int languageIndex, const std::string& path, platform::FileError error);

} // namespace morva::service
